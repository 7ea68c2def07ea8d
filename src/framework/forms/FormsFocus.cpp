// Forms: activation, the active control and the focus, and the dialog keys (Tab and Shift+Tab among tab
// stops, arrow keys among the siblings of the focused control; the rest goes on to the controls, where the
// default and cancel buttons take Enter and Escape).
#include "framework/forms/Forms.h"

#include "framework/controls/ControlMessages.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "framework/forms/Screen.h"
#include "platform/user/User.h"

namespace gl {

namespace {

bool KeyHeld(int virtualKey) {
    return win::GetKeyState(virtualKey) < 0;
}

} // namespace

// ---- Activation ----

void TCustomForm::SendCancelMode(TControl* sender) {
    if (m_active && m_activeControl)
        m_activeControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<win::LPARAM>(sender));
    TCustomControl::SendCancelMode(sender);
}

void TCustomForm::WMActivate(TMessage& message) {
    // The form gives the focus itself (to its active control), so the default procedure is not asked.
    SetActive(win::LOWORD(message.WParam) != win::WA_INACTIVE);
}

void TCustomForm::SetActive(bool active) {
    if (!active) {
        if (!m_active) return;
        m_active = false;
        Deactivate();
        return;
    }
    const bool wasActive = m_active;
    m_active = true;
    // A form shown for the first time starts on its first tab stop.
    if (!m_activeControl) {
        if (TWinControl* first = FindNextControl(nullptr, true, true, false)) SetActiveControlField(first);
    }
    Screen->SetActiveForm(this);
    SetWindowFocus();
    if (!wasActive) Activate();
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::SetWindowFocus() {
    if (!HandleAllocated() || win::IsIconic(Handle())) return;
    win::HWND target = Handle();
    if (m_activeControl && m_activeControl->CanFocus()) target = m_activeControl->Handle();
    if (win::GetFocus() != target) win::SetFocus(target);
}

// ---- The active control ----

void TCustomForm::SetActiveControlField(TWinControl* control) {
    if (control == m_activeControl) return;
    if (m_activeControl) m_activeControl->RemoveFreeNotification(this);
    m_activeControl = control;
    if (m_activeControl) m_activeControl->FreeNotification(this);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == m_activeControl) m_activeControl = nullptr;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == m_activeControl) return;
    const bool loading = ComponentState().Contains(csLoading);
    if (control &&
        (control == this || !ContainsControl(control) || (!loading && Visible() && !control->CanFocus())))
        throw EInvalidOperation(msg::SCannotFocus);
    SetActiveControlField(control);
    if (loading) return;
    if (m_active) SetWindowFocus();
    Screen->ActiveControlChanged();
}

void TCustomForm::FocusControl(TWinControl* control) {
    const bool wasActive = m_active;
    SetActiveControl(control);
    if (!wasActive && HandleAllocated() && Visible()) SetFocus();
}

void TCustomForm::SetFocus() {
    if (!Visible() || !Enabled()) throw EInvalidOperation(msg::SCannotFocus);
    win::SetActiveWindow(Handle());
    SetWindowFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
    if (control == this) {
        // The form's own window took the focus: it passes it on to the active control (WMSetFocus), so the
        // controls are not told they lost it.
        if (m_activeControl && m_activeControl->CanFocus()) return true;
        return TCustomControl::SetFocusedControl(control);
    }
    SetActiveControlField(control);
    const bool result = TCustomControl::SetFocusedControl(control);
    Screen->ActiveControlChanged();
    return result;
}

void TCustomForm::WMSetFocus(TWMSetFocus& message) {
    if (m_activeControl && m_activeControl->CanFocus()) {
        win::SetFocus(m_activeControl->Handle());
        return;
    }
    TCustomControl::WMSetFocus(message);
}

// ---- Dialog keys ----

void TCustomForm::CMDialogKey(TCMDialogKey& message) {
    if (!KeyHeld(win::VK_MENU)) {
        switch (message.CharCode()) {
        case win::VK_TAB:
            if (KeyHeld(win::VK_CONTROL)) break;
            SelectNext(m_activeControl, !KeyHeld(win::VK_SHIFT), true);
            message.SetResult(1);
            return;
        case win::VK_LEFT:
        case win::VK_RIGHT:
        case win::VK_UP:
        case win::VK_DOWN:
            if (!m_activeControl || !m_activeControl->Parent()) break;
            // Among the siblings only, tab stops or not.
            m_activeControl->Parent()->SelectNext(
                m_activeControl, message.CharCode() == win::VK_RIGHT || message.CharCode() == win::VK_DOWN,
                false);
            message.SetResult(1);
            return;
        default:
            break;
        }
    }
    TCustomControl::CMDialogKey(message);
}

} // namespace gl
