// TCustomControl: a windowed control painted by its own Paint step.
#include "framework/controls/CustomControl.h"

#include "framework/controls/ControlCanvas.h"

namespace gl {

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), m_canvas(std::make_unique<TControlCanvas>()) {
    m_canvas->SetControl(this);
    IncludeState(csCustomPaint);
}

TCustomControl::~TCustomControl() {
    m_canvas->SetControl(nullptr);
}

TCanvas* TCustomControl::Canvas() const {
    return m_canvas.get();
}

void TCustomControl::PaintWindow(win::HDC dc) {
    TLentContext painting(*m_canvas, dc);
    Paint();
}

} // namespace gl
