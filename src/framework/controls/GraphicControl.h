// TGraphicControl: a control without a window of its own. Its parent paints it inside its own paint, and its
// canvas draws on the parent's surface, moved to the control's corner and clipped to its rectangle.
#pragma once

#include "framework/controls/Control.h"

#include <memory>

namespace gl {

class TCanvas;
class TControlCanvas;

class TGraphicControl : public TControl {
public:
    const MessageTable& Messages() const override;
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    std::string ClassName() const override { return "TGraphicControl"; }

    // The canvas bound to this control: while painting, the context the parent paints with; otherwise a
    // context of the parent's window, acquired on first use.
    TCanvas* Canvas() const;

    // The parent's paint message: the canvas is locked and given the parent's context for the paint step.
    virtual void WMPaint(TWMPaint& message);
    // The very paint step on a context of the caller's (an off-screen bitmap's), in the control's own
    // coordinates: the drawing the parent would show, whole, whatever covers or clips it on the screen.
    void PaintTo(win::HDC dc);

    // A context the canvas keeps is moved to the old place (or belongs to the old parent): it is given back.
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;

protected:
    // Draws the control on Canvas(), in its own coordinates. The base draws nothing.
    virtual void Paint() {}

private:
    void FreeCanvasContext();

    std::unique_ptr<TControlCanvas> m_canvas;
};

} // namespace gl
