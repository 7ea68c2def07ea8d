// The registries of picture kinds: file extensions (for loading by extension and for the filters of file
// dialogs) and clipboard formats, one of each per process, made on first use.
#pragma once

#include "framework/graphics/GraphicsGraphic.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gl {

struct TFileFormat {
    TGraphicClass graphicClass;
    std::string extension; // lower case, without the dot
    std::string description;
    int descriptionResource = 0;
};

class TFileFormatsList {
public:
    // Metafiles (wmf, emf), icons (ico) and bitmaps (bmp), in that order.
    TFileFormatsList();

    void Add(std::string_view extension, std::string_view description, int descriptionResource,
             TGraphicClass graphicClass);
    void Remove(TGraphicClass graphicClass);
    // The class of an extension (without the dot, in any case); the latest registration wins. Null for none.
    TGraphicClass FindExt(std::string_view extension) const;
    // The class of exactly this class name; null for none.
    TGraphicClass FindClassName(std::string_view className) const;
    // The filter ("description (*.ext)|*.ext" entries joined by "|") and mask list ("*.ext" joined by ";")
    // of every kind that is `graphicClass` or derives from it, latest registration first; with more than one
    // kind an "All" entry comes first.
    void BuildFilterStrings(TGraphicClass graphicClass, std::string& descriptions,
                            std::string& filters) const;
    const std::vector<TFileFormat>& Formats() const { return m_formats; }

private:
    std::vector<TFileFormat> m_formats;
};

class TClipboardFormats {
public:
    // Metafile picture (3) and enhanced metafile (14) for metafiles, bitmap (2) for bitmaps.
    TClipboardFormats();

    void Add(std::uint16_t format, TGraphicClass graphicClass);
    void Remove(TGraphicClass graphicClass);
    TGraphicClass FindFormat(std::uint16_t format) const;
    int Count() const { return static_cast<int>(m_entries.size()); }

private:
    struct Entry {
        std::uint16_t format;
        TGraphicClass graphicClass;
    };
    std::vector<Entry> m_entries;
};

TFileFormatsList& GetFileFormats();
TClipboardFormats& GetClipboardFormats();

// The filter of the file dialogs for a kind of graphic (and the kinds derived from it).
std::string GraphicFilter(TGraphicClass graphicClass);
// The extension registered for exactly this class (the latest registration), or empty.
std::string GraphicExtension(TGraphicClass graphicClass);
// The mask list ("*.bmp;*.ico;...") for a kind of graphic.
std::string GraphicFileMask(TGraphicClass graphicClass);

} // namespace gl
