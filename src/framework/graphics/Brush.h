// TBrush: the colour and fill style that areas are filled with (a solid colour, nothing, a hatch, or a
// pattern bitmap), and the platform brush made from them on demand.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/graphics/GraphicsObject.h"

namespace gl {

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

class TBrush : public TGraphicsObject {
public:
    // White and solid.
    TBrush() = default;
    ~TBrush() override;

    std::string ClassName() const override { return "TBrush"; }
    void Assign(const TPersistent* source) override;

    TColor Color() const { return m_color; }
    // Setting a colour also turns a clear brush solid: whoever names a fill colour wants it filled. So even
    // the colour the brush already has changes a clear brush.
    void SetColor(TColor color);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle style);
    // A pattern the brush repeats instead of its colour (the platform copies its pixels when the brush is
    // made); null for none. The brush does not own the bitmap.
    win::HBITMAP Bitmap() const { return m_bitmap; }
    void SetBitmap(win::HBITMAP bitmap);

    // The platform brush, made on first use and owned by the brush. Raises EOutOfResources when none can be
    // made.
    win::HBRUSH Handle();
    bool HandleAllocated() const { return static_cast<bool>(m_handle); }

protected:
    void Changed() override { ChangedDroppingHandle(m_handle); }

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
    win::HBITMAP m_bitmap = nullptr;
    win::UniqueGdiObject<win::HBRUSH> m_handle;
};

} // namespace gl
