// A font realized at one size and style: the faces that draw it (the chosen face first, then the faces that
// supply characters it lacks), its text metrics, and the cache of rendered glyphs.
#pragma once

#include "platform/fonts/FontTypes.h"
#include "platform/fonts/detail/FontFaces.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace win {

// One rendered character: an 8-bit coverage mask placed relative to the pen position on the baseline.
struct Glyph {
    int advance = 0; // pixels the pen moves
    int left = 0;    // from the pen position to the mask's left column
    int top = 0;     // from the baseline up to the mask's top row
    int width = 0;
    int height = 0;
    bool solid = true; // every coverage value is 0 or 255 (bitmap strikes, one-bit rendering)
    std::vector<std::uint8_t> coverage;
};

// What of a LOGFONT decides glyphs and metrics (underline and strike-out do not).
struct FontRequest {
    std::string face;
    LONG height = 0;
    LONG width = 0;
    LONG weight = FW_NORMAL;
    bool italic = false;
    bool mono = false;
    BYTE charSet = DEFAULT_CHARSET;
    friend auto operator<=>(const FontRequest&, const FontRequest&) = default;
    static FontRequest From(const LOGFONT& lf);
};

// The largest character height drawn; larger requests are drawn at this size.
constexpr int kMaxPixelSize = 1024;

// The platform's own Chinese family: its name and its aliases.
bool IsSongTiName(const std::string& name);
inline const char* const kSongTi = "宋体";

class FontInstance {
public:
    // The realized font for a request, shared by every font object that asks for the same.
    static std::shared_ptr<FontInstance> Realize(const LOGFONT& lf);

    explicit FontInstance(const FontRequest& request);
    ~FontInstance();
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;

    // Metrics without the underline and strike-out flags (the font object adds them).
    const TEXTMETRIC& Metrics() const { return m_metrics; }
    // The face chosen for the request (null only when no font is installed at all).
    const FaceInfo* PrimaryFace() const { return m_slots.empty() ? nullptr : m_slots.front().face; }

    // The glyph of a character, from the first face that has it; rendered on first use. The reference stays
    // valid until TrimCache.
    const Glyph& GlyphFor(char32_t cp) {
        if (cp < 128 && m_ascii[cp]) return *m_ascii[cp];
        return LoadGlyph(cp);
    }
    // Drops the glyph cache when it has grown too big. Called between text calls, never while glyphs are
    // held.
    void TrimCache();

    // Decoration rows, counted from the top of the cell.
    int UnderlineTop() const { return m_underlineTop; }
    int UnderlineThickness() const { return m_underlineThickness; }
    int StrikeoutTop() const { return m_strikeoutTop; }
    int StrikeoutThickness() const { return m_strikeoutThickness; }

private:
    // One face at this font's size.
    struct Slot {
        FaceInfo* face = nullptr;
        FT_Size size = nullptr;
        bool useBitmaps = false; // draw from the face's embedded bitmap strike
        bool syntheticBold = false;
        bool syntheticItalic = false;
    };

    void ChoosePrimary();
    void AddFallbacks();
    bool AddSlot(FaceInfo* face, bool primary);
    void ComputeMetrics();
    void ComputeStrikeMetrics(const Slot& slot);
    void ComputeOutlineMetrics(const Slot& slot);
    void ComputeDecorations(const Slot& slot);
    // How a glyph may be drawn: as the font's quality says, only from an embedded bitmap, or one bit deep
    // from its outline.
    enum class Render { AsFont, BitmapOnly, OneBit };

    const Glyph& LoadGlyph(char32_t cp);
    bool LoadAnyGlyph(char32_t cp, Glyph& glyph);
    bool LoadPureGlyph(char32_t cp, Glyph& glyph);
    bool RenderGlyph(Slot& slot, FT_UInt index, Glyph& glyph, Render render);
    // The first face that has the character (outline faces only when asked), trying every installed face
    // after the font's own; null when none has it.
    Slot* SlotFor(char32_t cp, FT_UInt& index, bool outlinesOnly);

    FontRequest m_request;
    bool m_songTi = false;
    // "宋体" at one of its face's strike sizes: every glyph is pure black (bitmaps, else one-bit outlines),
    // and a character no face has is the code page's "?".
    bool m_pureBlack = false;
    double m_ppem = 12;     // character height in pixels
    double m_xppem = 12;    // character width scale (differs when LOGFONT asks for a width)
    int m_strikeIndex = -1; // the primary face's strike, when drawing from bitmaps
    std::vector<Slot> m_slots;
    TEXTMETRIC m_metrics{};
    int m_underlineTop = 0;
    int m_underlineThickness = 1;
    int m_strikeoutTop = 0;
    int m_strikeoutThickness = 1;

    std::array<Glyph*, 128> m_ascii{};
    std::unordered_map<char32_t, std::unique_ptr<Glyph>> m_glyphs;
    std::size_t m_cacheBytes = 0;
};

} // namespace win
