// The installed fonts as fontconfig knows them: matching a requested family, a language or a character to a
// font file, and the list of every installed face. Results are cached; fontconfig is loaded once.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace win {

// One installed face as fontconfig describes it.
struct CatalogFace {
    std::string family; // the first family name
    std::string style;
    std::string file;
    int index = 0;
    int weight = 400;     // on the FW_ scale
    bool italic = false;  // italic or oblique
    int width = 100;      // fontconfig's width: 100 is normal, 75 condensed
    bool scalable = true; // has outlines
    double pixelSize = 0; // a bitmap face's strike size in pixels; 0 for scalable faces
};

// The face fontconfig chooses for a family name (or a generic one such as "sans-serif"), a weight on the FW_
// scale, a slant and a pixel size. fontconfig substitutes a close installed family when the name is unknown.
std::optional<CatalogFace> CatalogMatch(const std::string& family, int weight, bool italic, double pixelSize);

// The best face for a language (e.g. "zh-cn") at a pixel size.
std::optional<CatalogFace> CatalogMatchLanguage(const char* language, double pixelSize);

// A scalable face that has a glyph for the character, or none.
std::optional<CatalogFace> CatalogMatchCharacter(char32_t cp);

// Every installed face, in fontconfig's order.
const std::vector<CatalogFace>& CatalogFaces();

} // namespace win
