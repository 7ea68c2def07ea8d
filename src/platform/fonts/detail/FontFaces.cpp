// Opening FreeType faces and reading what the platform reports about them from their tables.
#include "platform/fonts/detail/FontFaces.h"

#include "platform/fonts/FontTypes.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

namespace win {

namespace {

std::mutex& FacesMutex() {
    static std::mutex mutex;
    return mutex;
}

// The family kind from the face's PANOSE classification; fixed-pitch faces without one count as modern.
BYTE FamilyKind(const TT_OS2* os2, bool fixedPitch) {
    if (os2) {
        const FT_Byte kind = os2->panose[0];
        if (kind == 2) {
            if (os2->panose[3] == 9) return FF_MODERN;
            const FT_Byte serif = os2->panose[1];
            if (serif >= 11 && serif <= 13) return FF_SWISS;
            if (serif >= 2 && serif <= 10) return FF_ROMAN;
        }
        if (kind == 3) return FF_SCRIPT;
        if (kind == 4 || kind == 5) return FF_DECORATIVE;
    }
    return fixedPitch ? FF_MODERN : FF_DONTCARE;
}

void ReadMetrics(FaceInfo& info) {
    FT_Face face = info.face;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    const bool hasOs2 = os2 && os2->version != 0xFFFF;
    if (hasOs2 && os2->usWinAscent + os2->usWinDescent > 0) {
        info.cellAscent = os2->usWinAscent;
        info.cellDescent = os2->usWinDescent;
    } else {
        info.cellAscent = face->ascender;
        info.cellDescent = -face->descender;
    }
    if (info.cellAscent + info.cellDescent <= 0) {
        info.cellAscent = face->units_per_EM * 4 / 5;
        info.cellDescent = face->units_per_EM - info.cellAscent;
    }
    if (hhea) {
        // The external leading: what the line spacing of the horizontal header leaves beyond the cell.
        const int hheaLine = hhea->Ascender - hhea->Descender + hhea->Line_Gap;
        info.lineGap = std::max(0, hheaLine - (info.cellAscent + info.cellDescent));
    }
    if (hasOs2) {
        info.averageWidth = os2->xAvgCharWidth;
        info.strikeoutPosition = os2->yStrikeoutPosition;
        info.strikeoutSize = os2->yStrikeoutSize;
        if (os2->usWeightClass >= 1 && os2->usWeightClass <= 1000) info.weight = os2->usWeightClass;
    }
    info.familyKind = FamilyKind(hasOs2 ? os2 : nullptr, info.fixedPitch);
}

std::unique_ptr<FaceInfo> LoadFace(const std::string& file, int index) {
    FT_Face face = nullptr;
    if (FT_New_Face(FreeTypeLibrary(), file.c_str(), index, &face) != 0) return nullptr;
    auto info = std::make_unique<FaceInfo>();
    info->face = face;
    info->family = face->family_name ? face->family_name : "";
    info->style = face->style_name ? face->style_name : "";
    info->file = file;
    info->index = index;
    info->scalable = FT_IS_SCALABLE(face);
    info->sfnt = FT_IS_SFNT(face);
    info->fixedPitch = FT_IS_FIXED_WIDTH(face);
    info->italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    info->weight = (face->style_flags & FT_STYLE_FLAG_BOLD) ? FW_BOLD : FW_NORMAL;
    bool unicode = false;
    for (int i = 0; i < face->num_charmaps; ++i) {
        if (face->charmaps[i]->encoding == FT_ENCODING_MS_SYMBOL) info->symbol = true;
        if (face->charmaps[i]->encoding == FT_ENCODING_UNICODE) unicode = true;
    }
    if (unicode)
        FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    else if (info->symbol)
        FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL);
    info->cjk = FT_Get_Char_Index(face, 0x4E00) != 0 && FT_Get_Char_Index(face, 0x6C49) != 0;
    ReadMetrics(*info);
    return info;
}

} // namespace

FT_Library FreeTypeLibrary() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) return static_cast<FT_Library>(nullptr);
        return lib;
    }();
    return library;
}

FaceInfo* OpenFace(const std::string& file, int index) {
    if (!FreeTypeLibrary() || file.empty()) return nullptr;
    std::lock_guard lock(FacesMutex());
    static std::map<std::pair<std::string, int>, std::unique_ptr<FaceInfo>> faces;
    const auto key = std::make_pair(file, index);
    auto it = faces.find(key);
    if (it == faces.end()) it = faces.emplace(key, LoadFace(file, index)).first;
    return it->second.get();
}

BYTE NaturalCharSet(const FaceInfo& face) {
    if (face.symbol) return SYMBOL_CHARSET;
    if (face.cjk) return GB2312_CHARSET;
    return ANSI_CHARSET;
}

FT_UInt CharIndex(const FaceInfo& face, char32_t cp) {
    FT_UInt index = FT_Get_Char_Index(face.face, cp);
    if (index == 0 && face.symbol && cp < 0x100) index = FT_Get_Char_Index(face.face, 0xF000 + cp);
    return index;
}

} // namespace win
