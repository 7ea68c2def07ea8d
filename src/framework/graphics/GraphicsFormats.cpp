// The file-format and clipboard-format registries, and the dialog filters built from them.
#include "framework/graphics/GraphicsFormats.h"

#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/StringUtils.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsIcon.h"
#include "framework/graphics/GraphicsMetafile.h"

#include <algorithm>

namespace gl {

TFileFormatsList::TFileFormatsList() {
    Add("wmf", msg::SVMetafiles, 0, TMetafile::StaticClass());
    Add("emf", msg::SVEnhMetafiles, 0, TMetafile::StaticClass());
    Add("ico", msg::SVIcons, 0, TIcon::StaticClass());
    Add("bmp", msg::SVBitmaps, 0, TBitmap::StaticClass());
}

void TFileFormatsList::Add(std::string_view extension, std::string_view description, int descriptionResource,
                           TGraphicClass graphicClass) {
    m_formats.push_back(
        TFileFormat{graphicClass, LowerCase(extension), std::string(description), descriptionResource});
}

void TFileFormatsList::Remove(TGraphicClass graphicClass) {
    std::erase_if(m_formats,
                  [&](const TFileFormat& f) { return f.graphicClass->InheritsFrom(graphicClass); });
}

TGraphicClass TFileFormatsList::FindExt(std::string_view extension) const {
    const std::string lower = LowerCase(extension);
    for (auto it = m_formats.rbegin(); it != m_formats.rend(); ++it)
        if (it->extension == lower) return it->graphicClass;
    return nullptr;
}

TGraphicClass TFileFormatsList::FindClassName(std::string_view className) const {
    for (auto it = m_formats.rbegin(); it != m_formats.rend(); ++it)
        if (className == it->graphicClass->name) return it->graphicClass;
    return nullptr;
}

void TFileFormatsList::BuildFilterStrings(TGraphicClass graphicClass, std::string& descriptions,
                                          std::string& filters) const {
    descriptions.clear();
    filters.clear();
    int count = 0;
    for (auto it = m_formats.rbegin(); it != m_formats.rend(); ++it) {
        if (!it->graphicClass->InheritsFrom(graphicClass) || it->extension.empty()) continue;
        if (count > 0) {
            descriptions += '|';
            filters += ';';
        }
        // Descriptions come with the registration here; there are no resource strings to load them from.
        descriptions = Format("%s%s (*.%s)|*.%2:s", descriptions, it->description, it->extension);
        filters = Format("%s*.%s", filters, it->extension);
        ++count;
    }
    if (count > 1) descriptions = Format("%s (%s)|%1:s|%s", msg::SAllFilter, filters, descriptions);
}

TClipboardFormats::TClipboardFormats() {
    Add(3, TMetafile::StaticClass());  // CF_METAFILEPICT
    Add(14, TMetafile::StaticClass()); // CF_ENHMETAFILE
    Add(2, TBitmap::StaticClass());    // CF_BITMAP
}

void TClipboardFormats::Add(std::uint16_t format, TGraphicClass graphicClass) {
    m_entries.push_back(Entry{format, graphicClass});
}

void TClipboardFormats::Remove(TGraphicClass graphicClass) {
    std::erase_if(m_entries, [&](const Entry& e) { return e.graphicClass->InheritsFrom(graphicClass); });
}

TGraphicClass TClipboardFormats::FindFormat(std::uint16_t format) const {
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
        if (it->format == format) return it->graphicClass;
    return nullptr;
}

TFileFormatsList& GetFileFormats() {
    static TFileFormatsList formats;
    return formats;
}

TClipboardFormats& GetClipboardFormats() {
    static TClipboardFormats formats;
    return formats;
}

std::string GraphicFilter(TGraphicClass graphicClass) {
    std::string descriptions, filters;
    GetFileFormats().BuildFilterStrings(graphicClass, descriptions, filters);
    return descriptions;
}

std::string GraphicExtension(TGraphicClass graphicClass) {
    const auto& formats = GetFileFormats().Formats();
    for (auto it = formats.rbegin(); it != formats.rend(); ++it)
        if (it->graphicClass == graphicClass) return it->extension;
    return {};
}

std::string GraphicFileMask(TGraphicClass graphicClass) {
    std::string descriptions, filters;
    GetFileFormats().BuildFilterStrings(graphicClass, descriptions, filters);
    return filters;
}

} // namespace gl
