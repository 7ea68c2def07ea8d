// FreeType faces, each opened once for the process, with the facts the platform reports about a face: weight,
// slant, pitch, outline or bitmap, symbol encoding and family kind.
#pragma once

#include "platform/win/types.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_ADVANCES_H

#include <string>

namespace win {

struct FaceInfo {
    FT_Face face = nullptr;
    std::string family; // FreeType's family name
    std::string style;
    std::string file;
    int index = 0;
    int weight = 400; // FW_ scale
    bool italic = false;
    bool scalable = false; // has outlines
    bool sfnt = false;     // TrueType or OpenType container
    bool fixedPitch = false;
    bool symbol = false; // carries a symbol charmap
    bool cjk = false;    // covers the common Chinese characters
    BYTE familyKind = 0; // FF_ROMAN, FF_SWISS, ... from the face's classification
    // Vertical metrics in font units: the cell above and below the baseline, and the line gap beyond the
    // cell.
    int cellAscent = 0;
    int cellDescent = 0;
    int lineGap = 0;
    int averageWidth = 0; // xAvgCharWidth, font units
    int strikeoutPosition = 0;
    int strikeoutSize = 0;
};

FT_Library FreeTypeLibrary();

// The face at index of a font file, opened on first use and kept; null when the file cannot be read.
FaceInfo* OpenFace(const std::string& file, int index);

// The character set a face reports by itself: symbol, Chinese (GB2312) for faces that cover the common
// Chinese characters, otherwise ANSI.
BYTE NaturalCharSet(const FaceInfo& face);

// The glyph index of a character in a face; 0 when the face has none. Symbol faces also answer for the
// private-use copies (U+F000 + c) of the first 256 characters.
FT_UInt CharIndex(const FaceInfo& face, char32_t cp);

} // namespace win
