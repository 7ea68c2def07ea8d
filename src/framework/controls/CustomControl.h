// TCustomControl: a windowed control that draws itself on a canvas of its own window in its Paint step, with
// its children without a window painted over it.
#pragma once

#include "framework/controls/WinControl.h"

#include <memory>

namespace gl {

class TCanvas;
class TControlCanvas;

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    std::string ClassName() const override { return "TCustomControl"; }

    // The canvas bound to this control's window: the paint context while painting, a context of the window
    // otherwise.
    TCanvas* Canvas() const;

protected:
    // Draws the control on Canvas(), in client coordinates. The base draws nothing.
    virtual void Paint() {}
    // Gives the canvas the paint context (locked) and runs Paint.
    void PaintWindow(win::HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> m_canvas;
};

} // namespace gl
