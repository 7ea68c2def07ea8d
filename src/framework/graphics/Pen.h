// TPen: the colour, width, dash style and mix mode that lines and outlines are drawn with, and the platform
// pen made from them on demand.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/graphics/GraphicsObject.h"

namespace gl {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How the pen's colour combines with what is already there.
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor,
};

// The platform's binary raster operation (R2_*) of a pen mode.
int PenModeToRop2(TPenMode mode);

class TPen : public TGraphicsObject {
public:
    // Black, one pixel wide, solid, copying.
    TPen() = default;
    ~TPen() override;

    std::string ClassName() const override { return "TPen"; }
    void Assign(const TPersistent* source) override;

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    int Width() const { return m_width; }
    // 0 draws one pixel wide, as 1 does; negative widths are ignored.
    void SetWidth(int width);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle style);
    // The mode is the canvas's business (it sets the context's mix mode), so it is not part of the handle.
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode mode);

    // The platform pen, made on first use and owned by the pen. Raises EOutOfResources when none can be made.
    win::HPEN Handle();
    bool HandleAllocated() const { return static_cast<bool>(m_handle); }

protected:
    void Changed() override { ChangedDroppingHandle(m_handle); }

private:
    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = psSolid;
    TPenMode m_mode = pmCopy;
    win::UniqueGdiObject<win::HPEN> m_handle;
};

} // namespace gl
