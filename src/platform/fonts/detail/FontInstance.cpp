// Realizing a font: choosing its faces through the catalog, its size (an embedded bitmap strike where the
// face has one at that size) and its text metrics. The instances are shared and cached by request.
#include "platform/fonts/detail/FontInstance.h"

#include "platform/fonts/detail/FontCatalog.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>

namespace win {

namespace {

// The face behind the platform's "宋体", and the bitmap family that supplies what it lacks.
const char* const kSongTiFace = "AR PL UMing CN";
const char* const kBitmapSongFace = "WenQuanYi Bitmap Song";
constexpr std::size_t kMaxSlots = 12;
constexpr std::size_t kMaxCacheBytes = std::size_t(32) << 20;
constexpr std::size_t kMaxInstances = 48;

std::string AsciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

LONG ClampHeight(LONG value) {
    const long long v = value;
    return static_cast<LONG>(std::clamp<long long>(v, -kMaxPixelSize, kMaxPixelSize));
}

FaceInfo* OpenCatalogFace(const std::optional<CatalogFace>& match) {
    return match ? OpenFace(match->file, match->index) : nullptr;
}

// A family by its exact name: fontconfig's substitute for a missing family does not count.
FaceInfo* OpenExactFamily(const char* family, int weight, bool italic, double pixelSize) {
    auto match = CatalogMatch(family, weight, italic, pixelSize);
    if (!match || match->family != family) return nullptr;
    return OpenCatalogFace(match);
}

// The strike of a face whose size is ppem pixels, or -1.
int StrikeForPpem(FT_Face face, double ppem) {
    for (int i = 0; i < face->num_fixed_sizes; ++i)
        if (std::lround(face->available_sizes[i].y_ppem / 64.0) == std::lround(ppem)) return i;
    return -1;
}

} // namespace

bool IsSongTiName(const std::string& name) {
    if (name == kSongTi || name == "新宋体") return true;
    const std::string lower = AsciiLower(name);
    return lower == "simsun" || lower == "nsimsun";
}

FontRequest FontRequest::From(const LOGFONT& lf) {
    FontRequest r;
    r.face.assign(lf.lfFaceName, strnlen(lf.lfFaceName, sizeof lf.lfFaceName));
    r.height = ClampHeight(lf.lfHeight);
    r.width = std::abs(ClampHeight(lf.lfWidth));
    r.weight = lf.lfWeight <= 0 ? FW_NORMAL : std::min<LONG>(lf.lfWeight, 1000);
    r.italic = lf.lfItalic != 0;
    r.mono = lf.lfQuality == NONANTIALIASED_QUALITY;
    r.charSet = lf.lfCharSet;
    return r;
}

std::shared_ptr<FontInstance> FontInstance::Realize(const LOGFONT& lf) {
    static std::mutex mutex;
    static std::map<FontRequest, std::shared_ptr<FontInstance>> cache;
    const FontRequest request = FontRequest::From(lf);
    std::lock_guard lock(mutex);
    if (auto it = cache.find(request); it != cache.end()) return it->second;
    if (cache.size() >= kMaxInstances)
        std::erase_if(cache, [](const auto& e) { return e.second.use_count() == 1; });
    auto instance = std::make_shared<FontInstance>(request);
    cache.emplace(request, instance);
    return instance;
}

FontInstance::FontInstance(const FontRequest& request) : m_request(request) {
    ChoosePrimary();
    m_pureBlack = m_songTi && !m_slots.empty() && m_slots.front().useBitmaps;
    AddFallbacks();
    ComputeMetrics();
}

FontInstance::~FontInstance() {
    for (Slot& slot : m_slots) FT_Done_Size(slot.size);
}

void FontInstance::ChoosePrimary() {
    const std::string name = m_request.face.empty() ? std::string(kSongTi) : m_request.face;
    m_songTi = IsSongTiName(name);
    const double pixels = m_request.height == 0 ? 12.0 : std::abs(static_cast<double>(m_request.height));
    const int weight = m_request.weight;
    const bool italic = m_request.italic;
    FaceInfo* face = nullptr;
    if (m_songTi) {
        face = OpenExactFamily(kSongTiFace, weight, italic, pixels);
        if (!face) face = OpenCatalogFace(CatalogMatchLanguage("zh-cn", pixels));
    } else {
        face = OpenCatalogFace(CatalogMatch(name, weight, italic, pixels));
    }
    if (!face) face = OpenCatalogFace(CatalogMatch("sans-serif", weight, italic, pixels));
    if (face) AddSlot(face, true);
}

void FontInstance::AddFallbacks() {
    const double pixels = m_ppem;
    FaceInfo* candidates[] = {
        OpenExactFamily(kSongTiFace, FW_NORMAL, false, pixels),
        OpenExactFamily(kBitmapSongFace, FW_NORMAL, false, pixels),
        OpenCatalogFace(CatalogMatchLanguage("zh-cn", pixels)),
    };
    for (FaceInfo* face : candidates) {
        if (!face) continue;
        const bool present =
            std::any_of(m_slots.begin(), m_slots.end(), [face](const Slot& s) { return s.face == face; });
        if (!present) AddSlot(face, false);
    }
}

bool FontInstance::AddSlot(FaceInfo* face, bool primary) {
    if (m_slots.size() >= kMaxSlots) return false;
    FT_Face ft = face->face;
    Slot slot;
    slot.face = face;
    if (FT_New_Size(ft, &slot.size) != 0) return false;
    FT_Activate_Size(slot.size);
    slot.syntheticBold = m_request.weight >= FW_SEMIBOLD && face->weight < FW_SEMIBOLD;
    slot.syntheticItalic = m_request.italic && !face->italic;

    bool ok = true;
    if (!face->scalable) {
        // A bitmap-only face draws at one of its strikes: the chosen font takes its nearest; a face that only
        // fills in characters must have the font's exact size.
        const double target = primary ? (m_request.height == 0 ? 12.0 : std::abs(m_request.height)) : m_ppem;
        const bool byCell = primary && m_request.height > 0;
        int best = -1;
        double bestDistance = 1e9;
        for (int i = 0; i < ft->num_fixed_sizes; ++i) {
            const FT_Bitmap_Size& s = ft->available_sizes[i];
            const double d = std::abs((byCell ? s.height : s.y_ppem / 64.0) - target);
            if (d < bestDistance) bestDistance = d, best = i;
        }
        ok = best >= 0 && (primary || bestDistance < 0.5) && FT_Select_Size(ft, best) == 0;
        if (ok && primary) {
            m_strikeIndex = best;
            m_ppem = m_xppem = std::max(1.0, ft->available_sizes[best].y_ppem / 64.0);
        }
        slot.useBitmaps = true;
    } else {
        if (primary) {
            const LONG h = m_request.height;
            m_strikeIndex = -1;
            if (h > 0) {
                for (int i = 0; i < ft->num_fixed_sizes && m_strikeIndex < 0; ++i)
                    if (ft->available_sizes[i].height == h) m_strikeIndex = i;
                m_ppem = m_strikeIndex >= 0 ? ft->available_sizes[m_strikeIndex].y_ppem / 64.0
                                            : h * static_cast<double>(ft->units_per_EM) /
                                                  (face->cellAscent + face->cellDescent);
            } else {
                m_ppem = h == 0 ? 12.0 : static_cast<double>(-h);
                m_strikeIndex = StrikeForPpem(ft, m_ppem);
            }
            m_ppem = std::clamp(m_ppem, 1.0, static_cast<double>(kMaxPixelSize));
            m_xppem = m_ppem;
            if (m_request.width > 0) {
                const FT_UInt x = CharIndex(*face, U'x');
                FT_Fixed units = 0;
                if (x && FT_Get_Advance(ft, x, FT_LOAD_NO_SCALE, &units) == 0 && units > 0)
                    m_xppem = std::clamp(m_request.width * static_cast<double>(ft->units_per_EM) / units, 1.0,
                                         static_cast<double>(kMaxPixelSize));
            }
            if (m_xppem != m_ppem) m_strikeIndex = -1;
            slot.useBitmaps = m_strikeIndex >= 0;
        } else {
            slot.useBitmaps = m_xppem == m_ppem && StrikeForPpem(ft, m_ppem) >= 0;
        }
        ok = FT_Set_Char_Size(ft, static_cast<FT_F26Dot6>(std::lround(m_xppem * 64)),
                              static_cast<FT_F26Dot6>(std::lround(m_ppem * 64)), 72, 72) == 0;
    }
    if (!ok) {
        FT_Done_Size(slot.size);
        return false;
    }
    m_slots.push_back(slot);
    return true;
}

void FontInstance::ComputeMetrics() {
    TEXTMETRIC& tm = m_metrics;
    if (m_slots.empty()) {
        // No font is installed at all: keep the arithmetic of callers sound with a plain cell.
        const LONG px = std::max<LONG>(1, std::lround(m_ppem));
        tm.tmHeight = px;
        tm.tmAscent = px - px / 5;
        tm.tmDescent = px / 5;
        tm.tmAveCharWidth = std::max<LONG>(1, px / 2);
        tm.tmMaxCharWidth = px;
    } else {
        const Slot& primary = m_slots.front();
        if (primary.useBitmaps)
            ComputeStrikeMetrics(primary);
        else
            ComputeOutlineMetrics(primary);
        const FaceInfo& face = *primary.face;
        tm.tmPitchAndFamily =
            static_cast<BYTE>((face.fixedPitch ? 0 : TMPF_FIXED_PITCH) | (face.scalable ? TMPF_VECTOR : 0) |
                              (face.scalable && face.sfnt ? TMPF_TRUETYPE : 0) | face.familyKind);
        const bool hasX = CharIndex(face, U'x') != 0;
        const double xScale = m_xppem / std::max<FT_UShort>(1, face.face->units_per_EM);
        tm.tmAveCharWidth =
            hasX ? GlyphFor(U'x').advance
                 : std::max<LONG>(
                       1, std::lround(face.averageWidth > 0 ? face.averageWidth * xScale : m_xppem / 2));
        FT_Activate_Size(primary.size);
        tm.tmMaxCharWidth = primary.useBitmaps
                                ? static_cast<LONG>((face.face->size->metrics.max_advance + 63) >> 6)
                                : std::lround(face.face->max_advance_width * xScale);
        tm.tmMaxCharWidth = std::max(tm.tmMaxCharWidth, tm.tmAveCharWidth);
        ComputeDecorations(primary);
    }
    tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - std::lround(m_ppem));
    tm.tmWeight = m_request.weight;
    tm.tmItalic = m_request.italic ? 1 : 0;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFFFC;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    if (m_request.charSet != DEFAULT_CHARSET)
        tm.tmCharSet = m_request.charSet;
    else if (m_songTi)
        tm.tmCharSet = GB2312_CHARSET;
    else if (!m_slots.empty())
        tm.tmCharSet = NaturalCharSet(*m_slots.front().face);
}

void FontInstance::ComputeStrikeMetrics(const Slot& slot) {
    FT_Face ft = slot.face->face;
    FT_Activate_Size(slot.size);
    LONG ascent = static_cast<LONG>((ft->size->metrics.ascender + 63) >> 6);
    LONG descent = static_cast<LONG>((-ft->size->metrics.descender + 63) >> 6);
    if (slot.face->scalable && m_strikeIndex >= 0) {
        // An embedded strike's line metrics are often a pixel off its glyph cells: measure the cells instead,
        // so the text height is the strike's own and no ink is clipped.
        LONG top = 0;
        LONG bottom = 0;
        for (char32_t cp : U"MgjyQ|_(国") {
            const FT_UInt index = cp ? CharIndex(*slot.face, cp) : 0;
            if (!index || FT_Load_Glyph(ft, index, FT_LOAD_DEFAULT) != 0) continue;
            top = std::max<LONG>(top, ft->glyph->bitmap_top);
            bottom =
                std::max<LONG>(bottom, static_cast<LONG>(ft->glyph->bitmap.rows) - ft->glyph->bitmap_top);
        }
        if (top + bottom > 0) {
            ascent = top;
            descent = bottom;
            const LONG cell = ft->available_sizes[m_strikeIndex].height;
            if (ascent + descent < cell) ascent += cell - (ascent + descent);
        }
    }
    m_metrics.tmAscent = std::max<LONG>(1, ascent);
    m_metrics.tmDescent = std::max<LONG>(0, descent);
    m_metrics.tmHeight = m_metrics.tmAscent + m_metrics.tmDescent;
}

void FontInstance::ComputeOutlineMetrics(const Slot& slot) {
    const FaceInfo& face = *slot.face;
    const double scale = m_ppem / std::max<FT_UShort>(1, face.face->units_per_EM);
    LONG ascent = std::lround(face.cellAscent * scale);
    LONG descent = std::lround(face.cellDescent * scale);
    if (m_request.height > 0) {
        // A cell height was asked for: the cell is exactly that high.
        descent = std::clamp<LONG>(m_request.height - ascent, 0, m_request.height);
        ascent = m_request.height - descent;
    }
    if (ascent + descent < 1) ascent = 1;
    m_metrics.tmAscent = ascent;
    m_metrics.tmDescent = descent;
    m_metrics.tmHeight = ascent + descent;
    m_metrics.tmExternalLeading = std::lround(face.lineGap * scale);
}

void FontInstance::ComputeDecorations(const Slot& slot) {
    const FaceInfo& face = *slot.face;
    const LONG height = m_metrics.tmHeight;
    const LONG ascent = m_metrics.tmAscent;
    const double scale = m_ppem / std::max<FT_UShort>(1, face.face->units_per_EM);
    double underline = std::max(1.0, m_metrics.tmDescent / 2.0);
    double strikeout = ascent / 3.0;
    if (face.scalable) {
        m_underlineThickness = std::max<int>(1, std::lround(face.face->underline_thickness * scale));
        if (face.face->underline_position < 0) underline = -face.face->underline_position * scale;
        if (face.strikeoutPosition > 0) strikeout = face.strikeoutPosition * scale;
        m_strikeoutThickness = std::max<int>(
            1, face.strikeoutSize > 0 ? std::lround(face.strikeoutSize * scale) : m_underlineThickness);
    }
    m_underlineThickness = std::min<int>(m_underlineThickness, std::max<LONG>(1, height / 4));
    m_strikeoutThickness = std::min<int>(m_strikeoutThickness, std::max<LONG>(1, height / 4));
    const LONG ulTop = ascent + std::lround(underline - m_underlineThickness / 2.0);
    m_underlineTop =
        static_cast<int>(std::clamp<LONG>(ulTop, 0, std::max<LONG>(0, height - m_underlineThickness)));
    const LONG soTop = ascent - std::lround(strikeout + m_strikeoutThickness / 2.0);
    m_strikeoutTop =
        static_cast<int>(std::clamp<LONG>(soTop, 0, std::max<LONG>(0, height - m_strikeoutThickness)));
}

void FontInstance::TrimCache() {
    if (m_cacheBytes <= kMaxCacheBytes) return;
    m_ascii.fill(nullptr);
    m_glyphs.clear();
    m_cacheBytes = 0;
}

} // namespace win
