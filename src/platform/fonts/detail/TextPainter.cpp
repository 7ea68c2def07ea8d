// Blending glyph coverage into surfaces of every bit depth. 32- and 24-bit surfaces are written directly; the
// others go through the surface's colour encoding (nearest table entry for palette surfaces), so grey edges
// land on the nearest colour the surface has and full coverage is exactly the text colour.
#include "platform/fonts/detail/TextPainter.h"

#include "platform/gdi/Region.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

inline int Mix(int destination, int source, int alpha) {
    return (destination * (255 - alpha) + source * alpha + 127) / 255;
}

} // namespace

TextPainter::TextPainter(Surface* surface, std::vector<RECT> clips)
    : m_surface(surface), m_clips(std::move(clips)) {
    if (m_surface) Restrict(RECT{0, 0, m_surface->Width(), m_surface->Height()});
}

void TextPainter::Restrict(const RECT& r) {
    std::vector<RECT> narrowed;
    for (const RECT& c : m_clips) {
        const RECT i = RectIntersection(c, r);
        if (!RectEmpty(i)) narrowed.push_back(i);
    }
    m_clips = std::move(narrowed);
}

void TextPainter::SetTextColor(COLORREF color) {
    m_color = color & 0xFFFFFF;
    m_r = GetRValue(m_color);
    m_g = GetGValue(m_color);
    m_b = GetBValue(m_color);
    if (m_surface) m_encoded = m_surface->Encode(m_color);
}

void TextPainter::Fill(const RECT& r, COLORREF color) {
    if (Empty()) return;
    for (const RECT& c : m_clips) {
        const RECT i = RectIntersection(c, r);
        if (!RectEmpty(i)) m_surface->Fill(i, color & 0xFFFFFF);
    }
}

void TextPainter::PaintGlyph(int x, int y, const Glyph& glyph) {
    if (Empty() || glyph.coverage.empty()) return;
    const RECT box{x, y, x + glyph.width, y + glyph.height};
    const bool direct32 = m_surface->BitCount() == 32 && !m_surface->BitFields();
    const bool direct24 = m_surface->BitCount() == 24;
    for (const RECT& c : m_clips) {
        const RECT i = RectIntersection(c, box);
        if (RectEmpty(i)) continue;
        for (int sy = i.top; sy < i.bottom; ++sy) {
            const std::uint8_t* mask =
                glyph.coverage.data() + static_cast<std::size_t>(sy - y) * glyph.width + (i.left - x);
            if (direct32)
                BlendRow32(m_surface->Row(sy), i.left, i.right, mask);
            else if (direct24)
                BlendRow24(m_surface->Row(sy), i.left, i.right, mask);
            else
                BlendRowAny(sy, i.left, i.right, mask);
        }
    }
}

void TextPainter::BlendRow32(std::uint8_t* row, int x0, int x1, const std::uint8_t* mask) {
    auto* pixels = reinterpret_cast<std::uint32_t*>(row);
    for (int x = x0; x < x1; ++x, ++mask) {
        const int a = *mask;
        if (a == 0) continue;
        if (a == 255) {
            pixels[x] = m_encoded;
            continue;
        }
        const std::uint32_t d = pixels[x];
        const int b = Mix(static_cast<int>(d & 0xFF), m_b, a);
        const int g = Mix(static_cast<int>((d >> 8) & 0xFF), m_g, a);
        const int r = Mix(static_cast<int>((d >> 16) & 0xFF), m_r, a);
        pixels[x] = static_cast<std::uint32_t>(b | (g << 8) | (r << 16));
    }
}

void TextPainter::BlendRow24(std::uint8_t* row, int x0, int x1, const std::uint8_t* mask) {
    for (int x = x0; x < x1; ++x, ++mask) {
        const int a = *mask;
        if (a == 0) continue;
        std::uint8_t* p = row + 3 * x;
        p[0] = static_cast<std::uint8_t>(Mix(p[0], m_b, a));
        p[1] = static_cast<std::uint8_t>(Mix(p[1], m_g, a));
        p[2] = static_cast<std::uint8_t>(Mix(p[2], m_r, a));
    }
}

void TextPainter::BlendRowAny(int y, int x0, int x1, const std::uint8_t* mask) {
    for (int x = x0; x < x1; ++x, ++mask) {
        const int a = *mask;
        if (a == 0) continue;
        if (a == 255) {
            m_surface->SetPixelIndex(x, y, m_encoded);
            continue;
        }
        const COLORREF d = m_surface->GetPixel(x, y);
        m_surface->SetPixel(
            x, y, RGB(Mix(GetRValue(d), m_r, a), Mix(GetGValue(d), m_g, a), Mix(GetBValue(d), m_b, a)));
    }
}

} // namespace win
