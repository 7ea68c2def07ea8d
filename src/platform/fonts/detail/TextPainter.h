// Puts text pixels on a surface: glyph masks blended over the destination in the text colour, and filled
// rectangles for backgrounds and underlines, always inside a set of clip rectangles (surface coordinates).
#pragma once

#include "platform/fonts/detail/FontInstance.h"
#include "platform/gdi/Surface.h"

#include <vector>

namespace win {

class TextPainter {
public:
    TextPainter(Surface* surface, std::vector<RECT> clips);

    // Narrows the clip to a rectangle (surface coordinates).
    void Restrict(const RECT& r);
    bool Empty() const { return !m_surface || m_clips.empty(); }

    void SetTextColor(COLORREF color);
    // Draws a glyph mask whose top-left pixel lands on (x, y).
    void PaintGlyph(int x, int y, const Glyph& glyph);
    // Fills a rectangle with a colour.
    void Fill(const RECT& r, COLORREF color);

private:
    void BlendRow32(std::uint8_t* row, int x0, int x1, const std::uint8_t* mask);
    void BlendRow24(std::uint8_t* row, int x0, int x1, const std::uint8_t* mask);
    void BlendRowAny(int y, int x0, int x1, const std::uint8_t* mask);

    Surface* m_surface;
    std::vector<RECT> m_clips;
    COLORREF m_color = 0;
    std::uint32_t m_encoded = 0; // the text colour as the surface stores it
    int m_r = 0, m_g = 0, m_b = 0;
};

} // namespace win
