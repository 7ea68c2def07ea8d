// Rendering glyphs of a realized font with FreeType: from an embedded bitmap strike where the face has one at
// this size, otherwise from outlines (grey levels, or one bit for non-antialiased fonts), with synthetic bold
// and italic for faces that lack them. Characters the chosen face lacks come from the fallback faces.
#include "platform/fonts/detail/FontCatalog.h"
#include "platform/fonts/detail/FontInstance.h"

#include FT_BITMAP_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <optional>

namespace win {

namespace {

// Glyph masks larger than this are not drawn (a guard against absurd sizes, far beyond kMaxPixelSize's
// needs).
constexpr long kMaxGlyphPixels = 4L << 20;

// The slant of synthetic italics: about 12 degrees.
constexpr FT_Fixed kItalicShear = 0x0366A;

bool IsControl(char32_t cp) {
    return cp < 0x20 || cp == 0x7F;
}

// Slants a bitmap glyph as synthetic italics do on a strike: each row moves right by the shear times its
// height above the baseline, so the pixels stay whole (and pure) and the strike's metrics stay as they are.
void ShearGlyph(Glyph& glyph) {
    const double shear = kItalicShear / 65536.0;
    auto shift = [&](int row) { return static_cast<int>(std::floor((glyph.top - row - 1) * shear + 0.5)); };
    const int first = shift(0);
    const int last = shift(glyph.height - 1);
    const int width = glyph.width + first - last;
    std::vector<std::uint8_t> sheared(static_cast<std::size_t>(width) * glyph.height, 0);
    for (int y = 0; y < glyph.height; ++y) {
        const int dx = shift(y) - last;
        std::copy_n(glyph.coverage.begin() + static_cast<std::ptrdiff_t>(y) * glyph.width, glyph.width,
                    sheared.begin() + static_cast<std::ptrdiff_t>(y) * width + dx);
    }
    glyph.coverage = std::move(sheared);
    glyph.width = width;
    glyph.left += last;
}

// Keeps a glyph inside its font's cell. Outlines at the smallest sizes (and the odd fallback glyph) can spill
// a row of edge pixels above or below the cell; text stays within the height it measures, so lines of text
// never paint over each other.
void CropToCell(Glyph& glyph, int ascent, int descent) {
    const int first = std::max(0, glyph.top - ascent);
    const int last = std::min(glyph.height, glyph.top + descent);
    if (first == 0 && last == glyph.height) return;
    if (last <= first) {
        glyph.coverage.clear();
        glyph.width = glyph.height = 0;
        return;
    }
    glyph.coverage.erase(glyph.coverage.begin() + static_cast<std::ptrdiff_t>(last) * glyph.width,
                         glyph.coverage.end());
    glyph.coverage.erase(glyph.coverage.begin(),
                         glyph.coverage.begin() + static_cast<std::ptrdiff_t>(first) * glyph.width);
    glyph.top -= first;
    glyph.height = last - first;
}

// The synthetic styles of a face that lacks the requested weight or slant.
struct OutlineStyle {
    bool bold = false;
    bool italic = false;
};

// Renders the outline in a glyph slot, grey or one bit deep, with the synthetic styles applied; a synthetic
// bold widens the advance (26.6 pixels).
bool RenderOutline(FT_GlyphSlot g, OutlineStyle style, bool oneBit, FT_Pos& advance) {
    if (g->format != FT_GLYPH_FORMAT_OUTLINE) return false;
    if (style.bold) {
        const FT_Face face = g->face;
        const FT_Pos strength =
            std::max<FT_Pos>(FT_MulFix(face->units_per_EM, face->size->metrics.y_scale) / 24, 16);
        FT_Outline_Embolden(&g->outline, strength);
        advance += strength;
    }
    if (style.italic) {
        FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
        FT_Outline_Transform(&g->outline, &shear);
    }
    return FT_Render_Glyph(g, oneBit ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) == 0;
}

bool Blank(const FT_Bitmap& bitmap) {
    const std::size_t bytes = static_cast<std::size_t>(std::abs(bitmap.pitch)) * bitmap.rows;
    return std::all_of(bitmap.buffer, bitmap.buffer + bytes, [](unsigned char b) { return b == 0; });
}

// The rendered bitmap of a glyph slot as 8-bit coverage, with its placement and advance; a synthetic bold
// widens a strike's bitmap by a pixel.
bool CopyCoverage(FT_GlyphSlot g, bool emboldenBitmap, FT_Pos advance, Glyph& glyph) {
    FT_Library library = FreeTypeLibrary();
    FT_Bitmap bitmap;
    FT_Bitmap_Init(&bitmap);
    if (FT_Bitmap_Convert(library, &g->bitmap, &bitmap, 1) != 0) {
        FT_Bitmap_Done(library, &bitmap);
        return false;
    }
    if (emboldenBitmap && bitmap.width > 0 && FT_Bitmap_Embolden(library, &bitmap, 64, 0) == 0) advance += 64;

    glyph.left = g->bitmap_left;
    glyph.top = g->bitmap_top;
    glyph.advance = static_cast<int>((advance + 32) >> 6);
    // Even the smallest sizes keep every visible character at least one pixel wide, so text stays legible as
    // a picture at one point.
    if (glyph.advance <= 0 && g->linearHoriAdvance > 0) glyph.advance = 1;
    const long pixels = static_cast<long>(bitmap.width) * static_cast<long>(bitmap.rows);
    if (pixels > 0 && pixels <= kMaxGlyphPixels) {
        glyph.width = static_cast<int>(bitmap.width);
        glyph.height = static_cast<int>(bitmap.rows);
        glyph.coverage.resize(static_cast<std::size_t>(pixels));
        const int grays = std::max<int>(2, bitmap.num_grays);
        const int pitch = bitmap.pitch;
        for (int y = 0; y < glyph.height; ++y) {
            const unsigned char* src =
                bitmap.buffer + (pitch >= 0 ? y * pitch : (glyph.height - 1 - y) * -pitch);
            std::uint8_t* dst = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width;
            for (int x = 0; x < glyph.width; ++x) {
                const int v = std::min<int>(src[x], grays - 1);
                dst[x] = static_cast<std::uint8_t>(v * 255 / (grays - 1));
                if (dst[x] != 0 && dst[x] != 255) glyph.solid = false;
            }
        }
    }
    FT_Bitmap_Done(library, &bitmap);
    return true;
}

bool HasInk(const Glyph& glyph) {
    return std::any_of(glyph.coverage.begin(), glyph.coverage.end(), [](std::uint8_t c) { return c != 0; });
}

// Makes grey coverage (a colour bitmap's, or a grey rendering of strokes too thin for one bit) all or
// nothing: at least half covered is ink, and the darkest pixels always are, so no ink vanishes.
void Solidify(Glyph& glyph) {
    if (glyph.coverage.empty()) return;
    const int peak = *std::max_element(glyph.coverage.begin(), glyph.coverage.end());
    const int threshold = std::max(1, std::min(128, peak));
    for (std::uint8_t& c : glyph.coverage) c = c >= threshold ? 255 : 0;
    glyph.solid = true;
}

} // namespace

const Glyph& FontInstance::LoadGlyph(char32_t cp) {
    if (auto it = m_glyphs.find(cp); it != m_glyphs.end()) return *it->second;
    // Rendered before it is stored: a stand-in glyph may load another character into the cache first.
    auto glyph = std::make_unique<Glyph>();
    if (!(m_pureBlack ? LoadPureGlyph(cp, *glyph) : LoadAnyGlyph(cp, *glyph))) *glyph = Glyph{};
    m_cacheBytes += sizeof(Glyph) + glyph->coverage.size();
    Glyph& stored = *(m_glyphs[cp] = std::move(glyph));
    if (cp < 128) m_ascii[cp] = &stored;
    return stored;
}

bool FontInstance::LoadAnyGlyph(char32_t cp, Glyph& glyph) {
    FT_UInt index = 0;
    Slot* slot = SlotFor(cp, index, false);
    if (!slot) {
        // The chosen face's own missing-character glyph.
        if (m_slots.empty()) return false;
        slot = &m_slots.front();
    }
    return RenderGlyph(*slot, index, glyph, Render::AsFont);
}

bool FontInstance::LoadPureGlyph(char32_t cp, Glyph& glyph) {
    if (IsControl(cp)) {
        Slot& primary = m_slots.front();
        const FT_UInt index = CharIndex(*primary.face, cp);
        return RenderGlyph(primary, index, glyph, Render::BitmapOnly) ||
               RenderGlyph(primary, index, glyph, Render::OneBit);
    }
    // A strike's bitmap first, in the faces' order: the backing face, then the bitmap family. A strike may
    // hold an empty bitmap for a character it does not really draw; that one is kept only for a character
    // whose outline has no ink either (a space keeps its strike's advance).
    std::optional<Glyph> blank;
    for (Slot& slot : m_slots) {
        const FT_UInt index = slot.useBitmaps ? CharIndex(*slot.face, cp) : 0;
        if (!index || !RenderGlyph(slot, index, glyph, Render::BitmapOnly)) continue;
        if (HasInk(glyph)) return true;
        if (!blank) blank = std::move(glyph);
        glyph = Glyph{};
    }
    // Then an outline one bit deep, from the font's faces or any installed face that has the character.
    FT_UInt index = 0;
    Slot* slot = SlotFor(cp, index, true);
    Glyph outline;
    if (slot && RenderGlyph(*slot, index, outline, Render::OneBit) && (HasInk(outline) || !blank)) {
        glyph = std::move(outline);
        return true;
    }
    if (blank) {
        glyph = std::move(*blank);
        return true;
    }
    // No face has it: the code page's replacement character, as the platform's conversion would give.
    if (slot || cp == U'?') return false;
    glyph = GlyphFor(U'?');
    return true;
}

FontInstance::Slot* FontInstance::SlotFor(char32_t cp, FT_UInt& index, bool outlinesOnly) {
    index = 0;
    if (m_slots.empty()) return nullptr;
    // Control characters show the chosen face's own glyph (usually its missing-character box), never another
    // face's.
    if (IsControl(cp)) {
        index = CharIndex(*m_slots.front().face, cp);
        return &m_slots.front();
    }
    for (Slot& slot : m_slots) {
        if (outlinesOnly && !slot.face->scalable) continue;
        index = CharIndex(*slot.face, cp);
        if (index) return &slot;
    }
    if (auto match = CatalogMatchCharacter(cp)) {
        FaceInfo* face = OpenFace(match->file, match->index);
        const bool present =
            std::any_of(m_slots.begin(), m_slots.end(), [face](const Slot& s) { return s.face == face; });
        if (face && !present && AddSlot(face, false)) {
            index = CharIndex(*face, cp);
            if (index) return &m_slots.back();
        }
    }
    index = 0;
    return nullptr;
}

bool FontInstance::RenderGlyph(Slot& slot, FT_UInt index, Glyph& glyph, Render render) {
    FT_Face face = slot.face->face;
    FT_Activate_Size(slot.size);
    const bool oneBit = m_request.mono || render == Render::OneBit;
    FT_Int32 flags = FT_LOAD_DEFAULT | (oneBit ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_LIGHT);
    if (slot.face->scalable && (!slot.useBitmaps || render == Render::OneBit)) flags |= FT_LOAD_NO_BITMAP;
    if (FT_Load_Glyph(face, index, flags) != 0) return false;
    FT_GlyphSlot g = face->glyph;
    const bool fromBitmap = g->format == FT_GLYPH_FORMAT_BITMAP;
    if (render == Render::BitmapOnly && !fromBitmap) return false;

    const OutlineStyle style{slot.syntheticBold, slot.syntheticItalic};
    FT_Pos advance = g->advance.x;
    if (!fromBitmap && !RenderOutline(g, style, oneBit, advance)) return false;
    // A stroke thinner than a pixel can vanish one bit deep; the grey rendering shows where its ink is, and
    // Solidify keeps the darkest of it.
    if (!fromBitmap && oneBit && m_pureBlack && Blank(g->bitmap)) {
        if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) return false;
        advance = g->advance.x;
        if (!RenderOutline(g, style, false, advance)) return false;
    }
    if (!CopyCoverage(g, fromBitmap && slot.syntheticBold, advance, glyph)) return false;
    if (fromBitmap && slot.syntheticItalic && !glyph.coverage.empty()) ShearGlyph(glyph);
    if (m_pureBlack && !glyph.solid) Solidify(glyph);
    if (m_metrics.tmHeight > 0) CropToCell(glyph, m_metrics.tmAscent, m_metrics.tmDescent);
    return true;
}

} // namespace win
