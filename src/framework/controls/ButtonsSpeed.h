// TSpeedButton: a small button without a window of its own, showing a glyph; pressed while the mouse holds
// it down, it clicks when the mouse is let go over it. A disabled one shows its glyph embossed in grey.
#pragma once

#include "framework/controls/GraphicControl.h"

#include <memory>

namespace gl {

class TBitmap;

class TSpeedButton : public TGraphicControl {
public:
    // 23 x 22.
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;
    std::string ClassName() const override { return "TSpeedButton"; }

    // The glyph; its bottom-left pixel's colour shows what lies behind it.
    TBitmap* Glyph() const { return m_glyph.get(); }
    void SetGlyph(const TBitmap* glyph);
    // Pressed (the mouse holds it down).
    bool Down() const { return m_down; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void DrawGlyph(TCanvas& canvas, int left, int top);

    std::unique_ptr<TBitmap> m_glyph;
    bool m_down = false;
};

} // namespace gl
