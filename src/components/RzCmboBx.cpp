// TRzCustomComboBox: the frame, button and colour settings of the framed combo box, and the frame painted
// over the platform's combo box after it has painted itself.
#include "components/RzCmboBx.h"

#include "framework/graphics/Canvas.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Screen.h"
#include "platform/user/MessageLoop.h"

namespace gl {

TRzCustomComboBox::TRzCustomComboBox(TComponent* owner) : TCustomComboBox(owner) {}

TRzCustomComboBox::~TRzCustomComboBox() = default;

template <class T> void TRzCustomComboBox::Change(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
}

void TRzCustomComboBox::SetDropDownWidth(int width) {
    if (width < 0 || m_dropDownWidth == width) return;
    m_dropDownWidth = width;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::CB_SETDROPPEDWIDTH, static_cast<win::WPARAM>(width), 0);
}

void TRzCustomComboBox::SetFlatButtonColor(TColor color) {
    Change(m_flatButtonColor, color);
}

void TRzCustomComboBox::SetFlatButtons(bool flat) {
    Change(m_flatButtons, flat);
}

bool TRzCustomComboBox::FrameLoading() const {
    return ComponentState().Contains(csLoading);
}

void TRzCustomComboBox::FrameSettingChanged(TRzFrameSetting setting) {
    if (setting == TRzFrameSetting::FrameVisible) {
        SetCtl3D(!FrameVisible());
        SetParentCtl3D(!FrameVisible());
    }
    Invalidate();
}

void TRzCustomComboBox::SetReadOnly(bool readOnly) {
    Change(m_readOnly, readOnly);
}

void TRzCustomComboBox::SetFrameFlat(bool flat) {
    if (!flat) return;
    SetFrameHotTrack(true);
    SetFrameStyle(fsStatus);
    SetFrameHotStyle(fsLowered);
}

void TRzCustomComboBox::WMPaint(TWMPaint& message) {
    TCustomComboBox::WMPaint(message);
    PaintFrame();
}

void TRzCustomComboBox::PaintFrame() {
    // The platform draws no visual themes, so the own frame always applies.
    if (!FrameVisible() || !HandleAllocated()) return;
    const win::WindowDC dc(Handle());
    if (!dc) return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    PaintFrameOn(canvas, Width(), Height(), Color(), FrameHotTrack() && Focused());
    canvas.SetHandle(nullptr);
}

} // namespace gl
