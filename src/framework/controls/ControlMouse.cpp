// Mouse handling of every control: button and move messages to events, clicks, the wheel in steps of 120, the
// mouse capture (a control without a window captures through its parent's window) and the control under the
// pointer, whose changes give CM_MOUSELEAVE and CM_MOUSEENTER.
#include "framework/controls/Control.h"
#include "framework/controls/WinControl.h"

#include "platform/user/Input.h"

#include <cstdlib>

namespace gl {

namespace {

TControl* g_captureControl = nullptr; // a control without a window that holds the capture through its parent
TControl* g_mouseControl = nullptr;
TMouseControlHook& MouseHook() {
    static TMouseControlHook hook;
    return hook;
}

} // namespace

TShiftState KeysToShiftState(win::WPARAM keys) {
    TShiftState shift;
    if (keys & win::MK_SHIFT) shift.Include(ssShift);
    if (keys & win::MK_CONTROL) shift.Include(ssCtrl);
    if (keys & win::MK_LBUTTON) shift.Include(ssLeft);
    if (keys & win::MK_RBUTTON) shift.Include(ssRight);
    if (keys & win::MK_MBUTTON) shift.Include(ssMiddle);
    if (win::GetKeyState(win::VK_MENU) < 0) shift.Include(ssAlt);
    return shift;
}

TShiftState KeyDataToShiftState(win::LPARAM keyData) {
    TShiftState shift;
    if (win::GetKeyState(win::VK_SHIFT) < 0) shift.Include(ssShift);
    if (win::GetKeyState(win::VK_CONTROL) < 0) shift.Include(ssCtrl);
    if (keyData & (win::LPARAM(1) << 29)) shift.Include(ssAlt);
    return shift;
}

win::HCURSOR CursorHandle(TCursor cursor) {
    using namespace win;
    LPCSTR id = IDC_ARROW;
    switch (cursor) {
    case crDefault:
    case crNone:
        return nullptr;
    case crCross:
        id = IDC_CROSS;
        break;
    case crIBeam:
        id = IDC_IBEAM;
        break;
    case crSizeNESW:
        id = IDC_SIZENESW;
        break;
    case crSizeNS:
    case crVSplit:
        id = IDC_SIZENS;
        break;
    case crSizeNWSE:
        id = IDC_SIZENWSE;
        break;
    case crSizeWE:
    case crHSplit:
        id = IDC_SIZEWE;
        break;
    case crUpArrow:
        id = IDC_UPARROW;
        break;
    case crHourGlass:
    case crSQLWait:
        id = IDC_WAIT;
        break;
    case crNo:
    case crNoDrop:
        id = IDC_NO;
        break;
    case crAppStart:
        id = IDC_APPSTARTING;
        break;
    case crHelp:
        id = IDC_HELP;
        break;
    case crHandPoint:
        id = IDC_HAND;
        break;
    case crSizeAll:
        id = IDC_SIZEALL;
        break;
    default:
        break;
    }
    return LoadCursor(nullptr, id);
}

// ---- Capture and the control under the pointer ----

TControl* CaptureControl() {
    TWinControl* holder = FindControl(win::GetCapture());
    if (holder && g_captureControl && g_captureControl->Parent() == holder) return g_captureControl;
    return holder;
}

void SetCaptureControl(TControl* control) {
    g_captureControl = nullptr;
    if (win::GetCapture()) win::ReleaseCapture();
    if (!control) return;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (windowed->HandleAllocated()) win::SetCapture(windowed->Handle());
        return;
    }
    TWinControl* parent = control->Parent();
    if (!parent || !parent->HandleAllocated()) return;
    win::SetCapture(parent->Handle());
    g_captureControl = control;
}

bool TControl::MouseCapture() const {
    return CaptureControl() == this;
}

void TControl::SetMouseCapture(bool capture) {
    if (MouseCapture() != capture) SetCaptureControl(capture ? this : nullptr);
}

TControl* MouseControl() {
    return g_mouseControl;
}

void SetMouseControlHook(TMouseControlHook hook) {
    MouseHook() = std::move(hook);
}

// The pointer is now over `control` (null: over none of ours). Each real change leaves the old control and
// enters the new one, once.
void SetMouseControl(TControl* control) {
    if (control == g_mouseControl) return;
    TControl* previous = g_mouseControl;
    g_mouseControl = control;
    if (previous) previous->Perform(CM_MOUSELEAVE);
    // The leave handler may have moved on already (or destroyed the control): enter only what still holds.
    if (control && g_mouseControl == control) control->Perform(CM_MOUSEENTER);
    if (MouseHook()) MouseHook()(previous, g_mouseControl);
}

void ForgetMouseControl(TControl* control) {
    if (g_mouseControl == control) g_mouseControl = nullptr;
    if (g_captureControl == control) {
        g_captureControl = nullptr;
        if (win::GetCapture()) win::ReleaseCapture();
    }
}

// ---- Buttons and moves ----

void TControl::DoMouseDown(TWMMouse& message, TMouseButton button, TShiftState extra) {
    if (m_controlStyle.Contains(csNoStdEvents)) return;
    MouseDown(button, KeysToShiftState(message.Keys()) + extra, message.XPos(), message.YPos());
}

void TControl::DoMouseUp(TWMMouse& message, TMouseButton button) {
    if (m_controlStyle.Contains(csNoStdEvents)) return;
    MouseUp(button, KeysToShiftState(message.Keys()), message.XPos(), message.YPos());
}

void TControl::DoButtonDown(TWMMouse& message, TMouseButton button, bool doubleClick) {
    DefaultHandler(message.Message());
    if (button == mbLeft) {
        if (m_controlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
        if (m_controlStyle.Contains(csClickEvents)) {
            if (doubleClick)
                DblClick();
            else
                IncludeState(csClicked);
        }
    }
    DoMouseDown(message, button, doubleClick ? TShiftState{ssDouble} : TShiftState{});
}

void TControl::SendCancelMode(TControl* sender) {
    if (Parent()) Parent()->SendCancelMode(sender);
}

// The press first ends another control's mouse mode, before the default handling moves the focus.
void TControl::WMLButtonDown(TWMMouse& message) {
    SendCancelMode(this);
    DoButtonDown(message, mbLeft, false);
}
void TControl::WMLButtonDblClk(TWMMouse& message) {
    SendCancelMode(this);
    DoButtonDown(message, mbLeft, true);
}
void TControl::WMRButtonDown(TWMMouse& message) {
    DoButtonDown(message, mbRight, false);
}
void TControl::WMRButtonDblClk(TWMMouse& message) {
    DoButtonDown(message, mbRight, true);
}
void TControl::WMMButtonDown(TWMMouse& message) {
    DoButtonDown(message, mbMiddle, false);
}
void TControl::WMMButtonDblClk(TWMMouse& message) {
    DoButtonDown(message, mbMiddle, true);
}

void TControl::WMLButtonUp(TWMMouse& message) {
    DefaultHandler(message.Message());
    if (m_controlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (m_controlState.Contains(csClicked)) {
        ExcludeState(csClicked);
        // A click is a press and a release inside the control.
        if (PointInRect(ClientRect(), message.Pos())) Click();
    }
    DoMouseUp(message, mbLeft);
}

void TControl::WMRButtonUp(TWMMouse& message) {
    DefaultHandler(message.Message());
    DoMouseUp(message, mbRight);
}

void TControl::WMMButtonUp(TWMMouse& message) {
    DefaultHandler(message.Message());
    DoMouseUp(message, mbMiddle);
}

void TControl::WMMouseMove(TWMMouse& message) {
    DefaultHandler(message.Message());
    if (!m_controlStyle.Contains(csNoStdEvents))
        MouseMove(KeysToShiftState(message.Keys()), message.XPos(), message.YPos());
}

// ---- The wheel ----

void TControl::WMMouseWheel(TWMMouseWheel& message) {
    const TShiftState shift = KeysToShiftState(message.Keys());
    if (DoMouseWheel(shift, message.WheelDelta(), message.Pos()))
        message.SetResult(1);
    else
        DefaultHandler(message.Message());
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    if (handled) return true;
    m_wheelAccumulator += wheelDelta;
    while (std::abs(m_wheelAccumulator) >= win::WHEEL_DELTA) {
        if (m_wheelAccumulator > 0) {
            m_wheelAccumulator -= win::WHEEL_DELTA;
            handled = DoMouseWheelUp(shift, mousePos);
        } else {
            m_wheelAccumulator += win::WHEEL_DELTA;
            handled = DoMouseWheelDown(shift, mousePos);
        }
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, shift, mousePos, handled);
    return handled;
}

// ---- Steps ----

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

} // namespace gl
