// EnumFontFamilies(Ex): the platform's "宋体" and every family fontconfig lists, each described by a LOGFONT
// and the text metrics of its regular face at the window font's size. The list is built once per process.
#include "platform/fonts/FontApi.h"
#include "platform/fonts/detail/FontCatalog.h"
#include "platform/fonts/detail/FontObject.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <strings.h>

namespace win {

namespace {

struct EnumEntry {
    ENUMLOGFONTEX logFont{};
    NEWTEXTMETRICEX metrics{};
    DWORD fontType = 0;
};

const char* ScriptName(BYTE charSet) {
    switch (charSet) {
    case SYMBOL_CHARSET:
        return "Symbol";
    case GB2312_CHARSET:
        return "CHINESE_GB2312";
    default:
        return "Western";
    }
}

// Describes a family (or one style of it) as the enumeration reports it.
EnumEntry MakeEntry(const std::string& family, const std::string& style, int weight, bool italic) {
    LOGFONT request;
    request.lfHeight = -12;
    request.lfWeight = weight;
    request.lfItalic = italic ? 1 : 0;
    request.lfCharSet = DEFAULT_CHARSET;
    CopyFaceName(request.lfFaceName, sizeof request.lfFaceName, family);
    const auto instance = FontInstance::Realize(request);
    const TEXTMETRIC& tm = instance->Metrics();
    const FaceInfo* face = instance->PrimaryFace();

    EnumEntry e;
    static_cast<TEXTMETRIC&>(e.metrics.ntmTm) = tm;
    NEWTEXTMETRIC& ntm = e.metrics.ntmTm;
    ntm.tmWeight = weight;
    ntm.ntmFlags = (italic ? NTM_ITALIC : 0) | (weight >= FW_BOLD ? NTM_BOLD : 0) |
                   (!italic && weight < FW_BOLD ? NTM_REGULAR : 0);
    const bool scalable = face && face->scalable;
    if (face) {
        ntm.ntmSizeEM = scalable ? face->face->units_per_EM : static_cast<UINT>(tm.tmHeight);
        ntm.ntmCellHeight =
            scalable ? static_cast<UINT>(face->cellAscent + face->cellDescent) : ntm.ntmSizeEM;
        ntm.ntmAvgWidth = scalable ? static_cast<UINT>(std::max(face->averageWidth, 0)) : tm.tmAveCharWidth;
        e.fontType = scalable ? (face->sfnt ? TRUETYPE_FONTTYPE : 0) : RASTER_FONTTYPE;
    }

    LOGFONT& lf = e.logFont.elfLogFont;
    lf.lfHeight = tm.tmHeight;
    lf.lfWidth = tm.tmAveCharWidth;
    lf.lfWeight = weight;
    lf.lfItalic = italic ? 1 : 0;
    lf.lfCharSet = tm.tmCharSet;
    lf.lfOutPrecision = scalable ? OUT_STROKE_PRECIS : OUT_STRING_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = scalable ? DRAFT_QUALITY : PROOF_QUALITY;
    lf.lfPitchAndFamily =
        static_cast<BYTE>(((tm.tmPitchAndFamily & TMPF_FIXED_PITCH) ? VARIABLE_PITCH : FIXED_PITCH) |
                          (tm.tmPitchAndFamily & 0xF0));
    CopyFaceName(lf.lfFaceName, sizeof lf.lfFaceName, family);
    const std::string full = style.empty() || style == "Regular" ? family : family + " " + style;
    CopyFaceName(e.logFont.elfFullName, sizeof e.logFont.elfFullName, full);
    CopyFaceName(e.logFont.elfStyle, sizeof e.logFont.elfStyle, style.empty() ? "Regular" : style);
    CopyFaceName(e.logFont.elfScript, sizeof e.logFont.elfScript, ScriptName(tm.tmCharSet));
    return e;
}

// How far a face is from being its family's regular face.
int RegularDistance(const CatalogFace& f) {
    return std::abs(f.weight - FW_NORMAL) + std::abs(f.width - 100) * 10 + (f.italic ? 1000 : 0);
}

std::mutex& EnumMutex() {
    static std::mutex mutex;
    return mutex;
}

// The installed faces grouped by family name (compared as fontconfig spells it).
std::map<std::string, std::vector<CatalogFace>> FacesByFamily() {
    std::map<std::string, std::vector<CatalogFace>> families;
    for (const CatalogFace& f : CatalogFaces())
        if (!f.family.empty() && !IsSongTiName(f.family)) families[f.family].push_back(f);
    return families;
}

const std::vector<EnumEntry>& FamilyEntries() {
    static const std::vector<EnumEntry> entries = [] {
        std::vector<EnumEntry> list;
        list.push_back(MakeEntry(kSongTi, "Regular", FW_NORMAL, false));
        for (const auto& [family, faces] : FacesByFamily()) {
            const CatalogFace& regular =
                *std::min_element(faces.begin(), faces.end(), [](const CatalogFace& a, const CatalogFace& b) {
                    return RegularDistance(a) < RegularDistance(b);
                });
            list.push_back(MakeEntry(family, regular.style, regular.weight, regular.italic));
        }
        return list;
    }();
    return entries;
}

// One entry per distinct style of a family.
std::vector<EnumEntry> StyleEntries(const std::string& family) {
    if (IsSongTiName(family)) return {MakeEntry(family, "Regular", FW_NORMAL, false)};
    std::vector<EnumEntry> list;
    const auto families = FacesByFamily();
    for (const auto& [name, faces] : families) {
        if (strcasecmp(name.c_str(), family.c_str()) != 0) continue;
        std::vector<std::string> seen;
        for (const CatalogFace& f : faces) {
            if (std::find(seen.begin(), seen.end(), f.style) != seen.end()) continue;
            seen.push_back(f.style);
            list.push_back(MakeEntry(name, f.style, f.weight, f.italic));
        }
    }
    return list;
}

int Enumerate(HDC hdc, const char* family, FONTENUMPROC proc, LPARAM lParam) {
    if (!FindDC(hdc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!proc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::vector<EnumEntry> styles;
    const std::vector<EnumEntry>* entries;
    {
        std::lock_guard lock(EnumMutex());
        if (family && *family) {
            styles = StyleEntries(family);
            entries = &styles;
        } else {
            entries = &FamilyEntries();
        }
    }
    int result = 1;
    for (const EnumEntry& e : *entries) {
        result = proc(&e.logFont.elfLogFont, &e.metrics.ntmTm, e.fontType, lParam);
        if (result == 0) break;
    }
    return result;
}

} // namespace

int EnumFontFamilies(HDC hdc, LPCSTR family, FONTENUMPROC proc, LPARAM lParam) {
    return Enumerate(hdc, family, proc, lParam);
}

} // namespace win
