// TRzCustomComboBox: the frame, button and colour settings of the framed combo box, and the frame painted
// over the platform's combo box after it has painted itself.
#include "components/RzCmboBx.h"

#include "framework/Canvas.h"
#include "platform/controls/ListMessages.h"
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

void TRzCustomComboBox::SetDisabledColor(TColor color) {
    Change(m_disabledColor, color);
}

void TRzCustomComboBox::SetFocusColor(TColor color) {
    Change(m_focusColor, color);
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

void TRzCustomComboBox::SetFrameColor(TColor color) {
    Change(m_frameColor, color);
}

void TRzCustomComboBox::SetFrameHotColor(TColor color) {
    Change(m_frameHotColor, color);
}

void TRzCustomComboBox::SetFrameHotTrack(bool hotTrack) {
    if (m_frameHotTrack == hotTrack) return;
    m_frameHotTrack = hotTrack;
    if (hotTrack) {
        SetFrameVisible(true);
        // A layout states its own sides, which may come before or after this.
        if (!ComponentState().Contains(csLoading)) SetFrameSides(sdAllSides);
    }
    Invalidate();
}

void TRzCustomComboBox::SetFrameHotStyle(TFrameStyle style) {
    Change(m_frameHotStyle, style);
}

void TRzCustomComboBox::SetFrameSides(TSides sides) {
    Change(m_frameSides, sides);
}

void TRzCustomComboBox::SetFrameStyle(TFrameStyle style) {
    Change(m_frameStyle, style);
}

void TRzCustomComboBox::SetFrameVisible(bool visible) {
    if (m_frameVisible == visible) return;
    m_frameVisible = visible;
    SetCtl3D(!visible);
    SetParentCtl3D(!visible);
    Invalidate();
}

void TRzCustomComboBox::SetFramingPreference(TFramingPreference preference) {
    Change(m_framingPreference, preference);
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
    if (!m_frameVisible || !HandleAllocated()) return;
    const win::HWND hwnd = Handle();
    const win::HDC dc = win::GetDC(hwnd);
    if (!dc) return;
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        const bool hot = m_frameHotTrack && Focused();
        DrawFrame(canvas, Width(), Height(), m_frameSides, hot ? m_frameHotColor : m_frameColor, Color(),
                  hot ? m_frameHotStyle : m_frameStyle);
        canvas.SetHandle(nullptr);
    }
    win::ReleaseDC(hwnd, dc);
}

} // namespace gl
