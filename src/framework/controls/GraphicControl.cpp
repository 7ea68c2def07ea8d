// TGraphicControl: painting through its canvas on the context its parent hands it.
#include "framework/controls/GraphicControl.h"

#include "framework/controls/ControlCanvas.h"
#include "framework/controls/MessageDispatch.h"

namespace gl {

const MessageTable& TGraphicControl::Messages() const {
    static const MessageTable table = TControl::Messages().With({
        {win::WM_PAINT, &TGraphicControl::WMPaint},
    });
    return table;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), m_canvas(std::make_unique<TControlCanvas>()) {
    m_canvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
    if (CaptureControl() == this) SetCaptureControl(nullptr);
    m_canvas->SetControl(nullptr);
}

TCanvas* TGraphicControl::Canvas() const {
    return m_canvas.get();
}

void TGraphicControl::FreeCanvasContext() {
    // Not while someone holds the canvas (it is painting with a context it was handed).
    if (!m_canvas->TryLock()) return;
    m_canvas->FreeHandle();
    m_canvas->Unlock();
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
    if (left != Left() || top != Top() || width != Width() || height != Height()) FreeCanvasContext();
    TControl::SetBounds(left, top, width, height);
}

void TGraphicControl::SetParent(TWinControl* parent) {
    if (parent != Parent()) FreeCanvasContext();
    TControl::SetParent(parent);
}

void TGraphicControl::WMPaint(TWMPaint& message) {
    if (!message.DC() || ComponentState().Contains(csDestroying)) return;
    // Locked, so that the context it is given is not taken away from it while it paints.
    TLentContext painting(*m_canvas, message.DC());
    Paint();
}

void TGraphicControl::PaintTo(win::HDC dc) {
    if (!dc || ComponentState().Contains(csDestroying)) return;
    TLentContext lent(*m_canvas, dc);
    Paint();
}

} // namespace gl
