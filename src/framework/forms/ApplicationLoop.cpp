// TApplication: the message loop. Before a message is dispatched, hints are cancelled by clicks and keys, and
// key messages go to the control they are for as CN_ messages, so that it (and through it its form) can take
// Tab, arrows, Enter, Escape and accelerators before the window itself sees them.
#include "framework/forms/Application.h"

#include "framework/controls/ControlMessages.h"
#include "framework/controls/WinControl.h"
#include "framework/forms/Hints.h"
#include "platform/user/User.h"

namespace gl {

namespace {

// The control a window stands for: its own, or that of the nearest window of ours that holds it (a window a
// platform control made inside one of ours).
TWinControl* ControlOfWindow(win::HWND window) {
    for (win::HWND w = window; w; w = win::GetParent(w)) {
        if (TWinControl* control = FindControl(w)) return control;
        if ((win::GetWindowLong(w, win::GWL_STYLE) & static_cast<win::LONG>(win::WS_CHILD)) == 0) break;
    }
    return nullptr;
}

} // namespace

void TApplication::Run() {
    if (m_mainForm && m_showMainForm) {
        // The start request of the program decides how the main form first shows.
        switch (win::GetStartupShowCommand()) {
        case win::SW_SHOWMINNOACTIVE:
        case win::SW_SHOWMINIMIZED:
        case win::SW_MINIMIZE:
            m_mainForm->SetWindowState(wsMinimized);
            break;
        case win::SW_SHOWMAXIMIZED:
            m_mainForm->SetWindowState(wsMaximized);
            break;
        default:
            break;
        }
        try {
            m_mainForm->Show();
        } catch (...) {
            HandleException(this);
        }
    }
    while (!m_terminated) HandleMessage();
}

void TApplication::ProcessMessages() {
    win::MSG msg;
    while (ProcessMessage(msg)) {
    }
    // What the messages painted shows now, not only when the loop next waits.
    win::GdiFlush();
}

void TApplication::HandleMessage() {
    win::MSG msg;
    if (!ProcessMessage(msg)) Idle();
}

void TApplication::Terminate() {
    win::PostQuitMessage(0);
}

bool TApplication::ProcessMessage(win::MSG& msg) {
    if (!win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) return false;
    Dispatch(msg);
    return true;
}

void TApplication::Dispatch(win::MSG& msg) {
    if (msg.message == win::WM_QUIT) {
        m_terminated = true;
        return;
    }
    try {
        bool handled = false;
        if (OnMessage) OnMessage(msg, handled);
        if (handled) return;
        WatchForHints(msg);
        if (IsKeyMsg(msg)) return;
        win::TranslateMessage(&msg);
        win::DispatchMessage(&msg);
    } catch (...) {
        HandleException(this);
    }
}

void TApplication::Idle() {
    try {
        bool done = true;
        if (OnIdle) OnIdle(this, done);
        if (!done) return;
    } catch (...) {
        HandleException(this);
    }
    // Waits for the next message; on the headless display, a wait with nothing that could ever come ends the
    // loop as a request to end would.
    win::MSG msg;
    const win::BOOL got = win::GetMessage(&msg, nullptr, 0, 0);
    if (got == 0) {
        m_terminated = true;
        return;
    }
    if (got > 0) Dispatch(msg);
}

void TApplication::WatchForHints(const win::MSG& msg) {
    if (!m_hints) return;
    switch (msg.message) {
    case win::WM_KEYDOWN:
    case win::WM_SYSKEYDOWN:
    case win::WM_LBUTTONDOWN:
    case win::WM_RBUTTONDOWN:
    case win::WM_MBUTTONDOWN:
    case win::WM_NCLBUTTONDOWN:
    case win::WM_MOUSEWHEEL:
        m_hints->CancelHint();
        break;
    case win::WM_MOUSEMOVE:
        // The pointer may rest on a disabled control, which the window does not report: look for it.
        m_hints->CheckPointer();
        break;
    default:
        break;
    }
}

bool TApplication::IsKeyMsg(win::MSG& msg) {
    if (msg.message != win::WM_KEYDOWN && msg.message != win::WM_CHAR && msg.message != win::WM_SYSCHAR)
        return false;
    win::HWND window = win::GetCapture();
    if (!window) window = msg.hwnd;
    TWinControl* control = ControlOfWindow(window);
    if (!control || !control->HandleAllocated()) return false;
    if (msg.message == win::WM_SYSCHAR) {
        // Alt+letter: an accelerator of some control of the form.
        TWinControl* top = control->TopControl();
        return top->HandleAllocated() &&
               win::SendMessage(top->Handle(), CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    }
    return win::SendMessage(control->Handle(), CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

int RunApplication(const std::function<void(TApplication& application)>& createForms) {
    TApplication application(nullptr);
    application.Initialize();
    try {
        createForms(application);
    } catch (...) {
        application.HandleException(&application);
        return 1;
    }
    application.Run();
    return 0;
}

} // namespace gl
