// Forms: the window a form makes, showing and placing it, its window state, closing, and modal showing.
#include "framework/forms/Forms.h"

#include "framework/controls/MessageDispatch.h"
#include "framework/core/Exceptions.h"
#include "framework/core/FlagScope.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/stored/LayoutMessages.h"
#include "platform/user/User.h"

#include <algorithm>
#include <vector>

namespace gl {

namespace {

// The frame and caption bits of each border style.
void BorderStyleBits(TFormBorderStyle style, win::DWORD& windowStyle, win::DWORD& exStyle) {
    using namespace win;
    switch (style) {
    case bsNone:
        windowStyle |= WS_POPUP;
        break;
    case bsSingle:
        windowStyle |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        break;
    case bsDialog:
        windowStyle |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
        exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case bsToolWindow:
        windowStyle |= WS_CAPTION | WS_SYSMENU;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        windowStyle |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeable:
    default:
        windowStyle |= WS_OVERLAPPEDWINDOW;
        break;
    }
}

} // namespace

const MessageTable& TCustomForm::Messages() const {
    static const MessageTable table = TCustomControl::Messages().With({
        {win::WM_CLOSE, &TCustomForm::WMClose},
        {win::WM_ACTIVATE, &TCustomForm::WMActivate},
        {CM_RELEASE, &TCustomForm::CMRelease},
    });
    return table;
}

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner) {
    IncludeStyle(csAcceptsControls);
    // Shown only when asked: making its window must not show it.
    SetVisible(false);
    SetParentColor(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    SetParentShowHint(false);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    Destroying();
    SetActiveControlField(nullptr);
    Screen->RemoveForm(this);
}

void TCustomForm::ComponentNotFound(std::string_view name) {
    throw EComponentError(Format(msg::SLayoutComponentNotFound, name));
}

// ---- The window ----

void TCustomForm::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = win::WS_CLIPCHILDREN | win::WS_CLIPSIBLINGS;
    params.ExStyle = win::WS_EX_CONTROLPARENT;
    BorderStyleBits(m_borderStyle, params.Style, params.ExStyle);
    if (!Enabled()) params.Style |= win::WS_DISABLED;
    // Other forms stay above the main form: it owns their windows. Only a window that exists already counts,
    // as this is also asked when nothing is being made.
    params.WndParent = nullptr;
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (mainForm && mainForm != this && mainForm->HandleAllocated()) params.WndParent = mainForm->Handle();
    // The desktop's choice of place and size for new windows, where the form leaves it to the desktop.
    if (m_position == poDefault || m_position == poDefaultPosOnly) params.X = params.Y = win::CW_USEDEFAULT;
    if (m_position == poDefault || m_position == poDefaultSizeOnly)
        params.Width = params.Height = win::CW_USEDEFAULT;
    params.WindowClass.style = win::CS_DBLCLKS;
    params.WindowClass.hbrBackground = nullptr;
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == m_borderStyle) return;
    m_borderStyle = style;
    RecreateWnd();
}

void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

// ---- Showing ----

void TCustomForm::Show() {
    SetVisible(true);
    if (HandleAllocated() && m_windowState != wsMinimized) win::BringWindowToTop(Handle());
}

void TCustomForm::Hide() {
    SetVisible(false);
}

void TCustomForm::CMVisibleChanged(TMessage&) {
    // A layout that stores Visible shows the form once it is read (FinishCreate).
    if (ComponentState().Contains(csLoading)) return;
    ShowingChanged();
}

void TCustomForm::ShowingChanged() {
    if (Visible()) {
        DoShow();
        // OnShow may have hidden the form again.
        if (!Visible()) return;
        HandleNeeded();
        PlaceOnFirstShow();
        win::ShowWindow(Handle(), ShowCommand());
    } else {
        DoHide();
        if (HandleAllocated()) win::ShowWindow(Handle(), win::SW_HIDE);
        if (m_active) SetActive(false);
    }
}

int TCustomForm::ShowCommand() const {
    switch (m_windowState) {
    case wsMaximized:
        return win::SW_SHOWMAXIMIZED;
    case wsMinimized:
        return win::SW_SHOWMINNOACTIVE;
    default:
        return win::SW_SHOWNORMAL;
    }
}

void TCustomForm::PlaceOnFirstShow() {
    if (m_placed) return;
    m_placed = true;
    TRect area{};
    switch (m_position) {
    case poScreenCenter:
        area = TRect{0, 0, Screen->Width(), Screen->Height()};
        break;
    case poDesktopCenter:
        area = Screen->DesktopRect();
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* around = m_position == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
        if (!around && Application) around = Application->MainForm();
        if (around && around != this && around->HandleAllocated())
            area = around->BoundsRect();
        else
            area = TRect{0, 0, Screen->Width(), Screen->Height()};
        break;
    }
    default:
        return;
    }
    const int left = std::max<int>(area.left, area.left + (RectWidth(area) - Width()) / 2);
    const int top = std::max<int>(area.top, area.top + (RectHeight(area) - Height()) / 2);
    SetBounds(left, top, Width(), Height());
}

void TCustomForm::SetWindowState(TWindowState state) {
    if (state == m_windowState) return;
    m_windowState = state;
    if (HandleAllocated() && Visible()) win::ShowWindow(Handle(), ShowCommand());
}

void TCustomForm::WMSize(TWMSize& message) {
    // The window state follows what the desktop did to the window, as long as the form is shown.
    if (Visible()) {
        if (message.SizeType() == win::SIZE_MAXIMIZED)
            m_windowState = wsMaximized;
        else if (message.SizeType() == win::SIZE_MINIMIZED)
            m_windowState = wsMinimized;
        else if (message.SizeType() == win::SIZE_RESTORED)
            m_windowState = wsNormal;
    }
    // A minimised window has no client area to lay the controls out in.
    if (message.SizeType() == win::SIZE_MINIMIZED) {
        DefaultHandler(message.Message());
        return;
    }
    TCustomControl::WMSize(message);
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

// ---- Closing ----

void TCustomForm::WMClose(TMessage&) {
    Close();
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
    if (m_modal) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

void TCustomForm::Release() {
    if (m_released) return;
    m_released = true;
    if (HandleAllocated())
        win::PostMessage(Handle(), CM_RELEASE, 0, 0);
    else
        delete this;
}

void TCustomForm::CMRelease(TMessage&) {
    // Nothing of the form is touched after this: the message's way back uses only the platform's data.
    delete this;
}

// ---- Modal showing ----

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || m_modal) throw EInvalidOperation(msg::SCannotShowModal);
    if (win::GetCapture()) win::SendMessage(win::GetCapture(), win::WM_CANCELMODE, 0, 0);
    win::ReleaseCapture();
    const win::HWND previousActive = win::GetActiveWindow();
    // Every other form the user could reach waits while this one is up.
    std::vector<win::HWND> disabled;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form == this || !form->HandleAllocated()) continue;
        const win::HWND window = form->Handle();
        if (win::IsWindowVisible(window) && win::IsWindowEnabled(window)) {
            win::EnableWindow(window, win::FALSE);
            disabled.push_back(window);
        }
    }
    m_modal = true;
    m_modalResult = mrNone;
    const ScopeExit restore([&] {
        for (auto it = disabled.rbegin(); it != disabled.rend(); ++it)
            if (win::IsWindow(*it)) win::EnableWindow(*it, win::TRUE);
        m_modal = false;
        if (previousActive && win::IsWindow(previousActive)) win::SetActiveWindow(previousActive);
    });
    Show();
    while (m_modalResult == mrNone) RunModalStep();
    Hide();
    return m_modalResult;
}

void TCustomForm::RunModalStep() {
    bool ended = false;
    if (Application) {
        Application->HandleMessage();
        ended = Application->Terminated();
    } else {
        win::MSG msg;
        if (win::GetMessage(&msg, nullptr, 0, 0) > 0) {
            win::TranslateMessage(&msg);
            win::DispatchMessage(&msg);
        } else {
            // The loop outside must see the request to end too.
            win::PostQuitMessage(static_cast<int>(msg.wParam));
            ended = true;
        }
    }
    if (ended)
        m_modalResult = mrCancel;
    else if (m_modalResult != mrNone)
        CloseModal();
}

void TCustomForm::CloseModal() {
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone)
            m_modalResult = mrNone;
        else if (action == caFree)
            Release();
    } catch (...) {
        m_modalResult = mrNone;
        ShowUnhandledException(this, std::current_exception());
    }
}

// ---- Helpers ----

TCustomForm* GetParentForm(const TControl* control) {
    while (control && control->Parent()) control = control->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

} // namespace gl
