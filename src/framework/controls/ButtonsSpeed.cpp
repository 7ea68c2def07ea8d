// TSpeedButton: its frame, its glyph (embossed when disabled) and the pressed state.
#include "framework/controls/ButtonsSpeed.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Frame3D.h"
#include "framework/graphics/GraphicsBitmap.h"

namespace gl {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), m_glyph(std::make_unique<TBitmap>()) {
    IncludeStyle(csOpaque);
    SetBounds(Left(), Top(), 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* glyph) {
    m_glyph->Assign(glyph);
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    m_down = true;
    Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (m_down) {
        m_down = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::DrawGlyph(TCanvas& canvas, int left, int top) {
    TCanvas& glyph = m_glyph->Canvas();
    const int width = m_glyph->Width(), height = m_glyph->Height();
    const TColor behind = glyph.Pixels(0, height - 1);
    // Disabled: the glyph's dark pixels in the shadow colour over a highlight one pixel down and right.
    for (int pass = Enabled() ? 1 : 0; pass < 2; ++pass)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const TColor pixel = glyph.Pixels(x, y);
                if (pixel == behind) continue;
                if (Enabled()) {
                    canvas.SetPixels(left + x, top + y, pixel);
                    continue;
                }
                const auto rgb = ColorToRGB(pixel);
                const int light = ((rgb & 0xFF) + ((rgb >> 8) & 0xFF) + ((rgb >> 16) & 0xFF)) / 3;
                if (light >= 192) continue; // white parts vanish into the face, as the platform embosses
                canvas.SetPixels(left + x + 1 - pass, top + y + 1 - pass,
                                 pass == 0 ? clBtnHighlight : clBtnShadow);
            }
}

void TSpeedButton::Paint() {
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    if (m_down)
        Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
    else
        Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(rect);
    if (m_glyph->Empty()) return;
    const int offset = m_down ? 1 : 0;
    DrawGlyph(canvas, (Width() - m_glyph->Width()) / 2 + offset, (Height() - m_glyph->Height()) / 2 + offset);
}

} // namespace gl
