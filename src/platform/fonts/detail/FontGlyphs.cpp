// Rendering glyphs of a realized font with FreeType: from an embedded bitmap strike where the face has one at
// this size, otherwise from outlines (grey levels, or one bit for non-antialiased fonts), with synthetic bold
// and italic for faces that lack them. Characters the chosen face lacks come from the fallback faces.
#include "platform/fonts/detail/FontCatalog.h"
#include "platform/fonts/detail/FontInstance.h"

#include FT_BITMAP_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>

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

} // namespace

const Glyph& FontInstance::LoadGlyph(char32_t cp) {
    auto [it, inserted] = m_glyphs.try_emplace(cp);
    if (!inserted) return *it->second;
    auto glyph = std::make_unique<Glyph>();
    FT_UInt index = 0;
    Slot* slot = SlotFor(cp, index);
    if (!slot || !RenderGlyph(*slot, index, *glyph)) *glyph = Glyph{};
    m_cacheBytes += sizeof(Glyph) + glyph->coverage.size();
    it->second = std::move(glyph);
    if (cp < 128) m_ascii[cp] = it->second.get();
    return *it->second;
}

FontInstance::Slot* FontInstance::SlotFor(char32_t cp, FT_UInt& index) {
    if (m_slots.empty()) return nullptr;
    // Control characters show the chosen face's own glyph (usually its missing-character box), never another
    // face's.
    if (IsControl(cp)) {
        index = CharIndex(*m_slots.front().face, cp);
        return &m_slots.front();
    }
    for (Slot& slot : m_slots) {
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
    return &m_slots.front();
}

bool FontInstance::RenderGlyph(Slot& slot, FT_UInt index, Glyph& glyph) {
    FT_Face face = slot.face->face;
    FT_Activate_Size(slot.size);
    FT_Int32 flags = FT_LOAD_DEFAULT | (m_request.mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_LIGHT);
    if (!slot.useBitmaps && slot.face->scalable) flags |= FT_LOAD_NO_BITMAP;
    if (FT_Load_Glyph(face, index, flags) != 0) return false;
    FT_GlyphSlot g = face->glyph;

    FT_Pos advance = g->advance.x;
    const bool fromBitmap = g->format == FT_GLYPH_FORMAT_BITMAP;
    if (g->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (slot.syntheticBold) {
            const FT_Pos strength =
                std::max<FT_Pos>(FT_MulFix(face->units_per_EM, face->size->metrics.y_scale) / 24, 16);
            FT_Outline_Embolden(&g->outline, strength);
            advance += strength;
        }
        if (slot.syntheticItalic) {
            FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
            FT_Outline_Transform(&g->outline, &shear);
        }
        if (FT_Render_Glyph(g, m_request.mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
            return false;
    } else if (!fromBitmap) {
        return false;
    }

    FT_Library library = FreeTypeLibrary();
    FT_Bitmap bitmap;
    FT_Bitmap_Init(&bitmap);
    if (FT_Bitmap_Convert(library, &g->bitmap, &bitmap, 1) != 0) {
        FT_Bitmap_Done(library, &bitmap);
        return false;
    }
    if (fromBitmap && slot.syntheticBold && bitmap.width > 0 &&
        FT_Bitmap_Embolden(library, &bitmap, 64, 0) == 0)
        advance += 64;

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
    if (fromBitmap && slot.syntheticItalic && !glyph.coverage.empty()) ShearGlyph(glyph);
    if (m_metrics.tmHeight > 0) CropToCell(glyph, m_metrics.tmAscent, m_metrics.tmDescent);
    return true;
}

} // namespace win
