// The hint window and the hint machinery of the application.
#include "framework/forms/Hints.h"

#include "framework/forms/ExtCtrlsTimer.h"
#include "framework/graphics/Font.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/HintWindow.h"
#include "platform/user/User.h"

namespace gl {

namespace {

// How far below the pointer's hot spot a hint starts, so that the pointer does not hide its text.
constexpr int kCursorHeightMargin = 20;

} // namespace

// ---- The hint window ----

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner) {
    // Shown only by ActivateHint: making the window must not show it.
    SetVisible(false);
    SetParentColor(false);
    SetColor(clInfoBk);
    SetParentFont(false);
    // The platform's tool-tip font: the Chinese system face at 9 points.
    Font()->SetName("宋体");
    Font()->SetHeight(-12);
}

void THintWindow::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    win::RegisterHintClass();
    CreateSubClass(params, win::HINT_CLASS);
    params.Style = win::WS_POPUP;
    params.ExStyle = win::WS_EX_TOPMOST | win::WS_EX_TOOLWINDOW | win::WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
    params.X = params.Y = params.Width = params.Height = 0;
}

TRect THintWindow::CalcHintRect(const std::string& hint) {
    const win::SIZE size = win::HintWindowSize(Font()->Handle(), hint);
    return TRect{0, 0, size.cx, size.cy};
}

void THintWindow::ActivateHint(TPoint screenPos, const std::string& hint) {
    win::ShowHintWindow(Handle(), screenPos.x, screenPos.y, hint.c_str());
    // Read back at once so that Left, Top, Width and Height say where the hint is.
    UpdateBounds();
}

void THintWindow::ReleaseHint() {
    if (HandleAllocated()) win::HideHintWindow(Handle());
}

bool THintWindow::HintVisible() const {
    return HandleAllocated() && win::IsWindowVisible(const_cast<THintWindow*>(this)->Handle());
}

// ---- Hint texts ----

std::string GetShortHint(std::string_view hint) {
    const auto bar = hint.find('|');
    return std::string(bar == std::string_view::npos ? hint : hint.substr(0, bar));
}

std::string GetLongHint(std::string_view hint) {
    const auto bar = hint.find('|');
    return std::string(bar == std::string_view::npos ? hint : hint.substr(bar + 1));
}

std::string GetHint(const TControl* control) {
    for (; control; control = control->Parent())
        if (!control->Hint().empty()) return control->Hint();
    return {};
}

TControl* FindControlAtScreenPoint(TPoint screenPoint) {
    win::HWND window = win::WindowFromPoint(screenPoint);
    TWinControl* control = nullptr;
    // A window a platform control made inside one of ours (a combo box's edit) stands for that control.
    for (win::HWND w = window; w && !control; w = win::GetAncestor(w, win::GA_PARENT))
        control = FindControl(w);
    if (!control) return nullptr;
    TControl* found = control;
    // The window the platform found may be the parent of a disabled child: go down to the deepest control.
    while (auto* container = dynamic_cast<TWinControl*>(found)) {
        TControl* child = container->ControlAtPos(container->ScreenToClient(screenPoint), true, true);
        if (!child) break;
        found = child;
    }
    return found;
}

// ---- The machinery ----

THintController::THintController(TComponent* owner) : TComponent(owner) {
    m_showTimer = new TTimer(this);
    m_showTimer->SetEnabled(false);
    m_showTimer->OnTimer = [this](TObject*) { ShowTimerFired(); };
    m_hideTimer = new TTimer(this);
    m_hideTimer->SetEnabled(false);
    m_hideTimer->OnTimer = [this](TObject*) { HideTimerFired(); };
}

THintController::~THintController() {
    SetControl(nullptr);
}

void THintController::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    if (!enabled) CancelHint();
}

void THintController::SetColor(TColor color) {
    m_color = color;
    if (m_window) m_window->SetColor(color);
}

bool THintController::WantsHint(const TControl* control) const {
    return m_enabled && control && control->ShowHint() && !GetShortHint(GetHint(control)).empty();
}

bool THintController::HintShowing() const {
    return m_window && m_window->HintVisible();
}

void THintController::CheckPointer() {
    win::POINT cursor{};
    if (!win::GetCursorPos(&cursor)) return;
    TControl* control = FindControlAtScreenPoint(cursor);
    // The hint itself lets the pointer through; should it be found all the same, nothing has changed.
    if (m_window && control == m_window) return;
    PointerOver(control);
}

void THintController::PointerOver(TControl* control) {
    if (control == m_control) return;
    HideWindow();
    StopTimers();
    SetControl(control);
    if (WantsHint(control)) {
        m_showTimer->SetInterval(static_cast<unsigned>(m_pause > 0 ? m_pause : 1));
        m_showTimer->SetEnabled(true);
    }
    if (OnControlChanged) OnControlChanged(control);
}

void THintController::CancelHint() {
    HideWindow();
    StopTimers();
    SetControl(nullptr);
}

void THintController::SetControl(TControl* control) {
    if (control == m_control) return;
    if (m_control) m_control->RemoveFreeNotification(this);
    m_control = control;
    if (m_control) m_control->FreeNotification(this);
}

void THintController::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == m_control) {
        // Only the address may be used: the control is half destroyed.
        m_control = nullptr;
        HideWindow();
        StopTimers();
    }
    if (component == m_window) m_window = nullptr;
}

void THintController::StopTimers() {
    if (m_showTimer) m_showTimer->SetEnabled(false);
    if (m_hideTimer) m_hideTimer->SetEnabled(false);
}

void THintController::HideWindow() {
    if (m_window) m_window->ReleaseHint();
}

void THintController::ShowTimerFired() {
    m_showTimer->SetEnabled(false);
    if (!WantsHint(m_control)) return;
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    THintInfo info;
    info.HintControl = m_control;
    info.CursorPos = m_control->ScreenToClient(cursor);
    info.HintPos = TPoint{cursor.x, cursor.y + kCursorHeightMargin};
    info.HintColor = m_color;
    info.HideTimeout = m_hidePause;
    info.HintStr = GetShortHint(GetHint(m_control));
    if (m_control->Perform(CM_HINTSHOW, 0, reinterpret_cast<win::LPARAM>(&info)) != 0) return;
    if (info.HintStr.empty()) return;
    if (!m_window) {
        m_window = new THintWindow(this);
        m_window->FreeNotification(this);
    }
    m_window->SetColor(info.HintColor);
    m_window->ActivateHint(info.HintPos, info.HintStr);
    if (info.HideTimeout > 0) {
        m_hideTimer->SetInterval(static_cast<unsigned>(info.HideTimeout));
        m_hideTimer->SetEnabled(true);
    }
}

void THintController::HideTimerFired() {
    // The hint stays away until the pointer moves onto another control.
    m_hideTimer->SetEnabled(false);
    HideWindow();
}

} // namespace gl
