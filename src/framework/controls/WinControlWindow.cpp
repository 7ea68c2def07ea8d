// The window of a windowed control: its class and creation parameters, making it on demand, destroying and
// re-creating it, and the one window procedure through which the platform's messages reach the control.
#include "framework/controls/WinControl.h"

#include "framework/core/Exceptions.h"
#include "framework/core/FlagScope.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/OSErrors.h"
#include "framework/graphics/Font.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"

#include <cstdio>
#include <unordered_map>

namespace gl {

namespace {

std::unordered_map<win::HWND, TWinControl*>& ControlsByWindow() {
    static std::unordered_map<win::HWND, TWinControl*> controls;
    return controls;
}

// The control whose window is being made: it takes the first message of the new window.
TWinControl* g_creating = nullptr;

// While a window is made again, the focus passes through other windows on its way back: those visits are not
// moves of the focus that the controls should hear of.
int g_recreating = 0;

TFreeDeviceContextsHook g_freeDeviceContexts = nullptr;

// Child windows get ids of their own, so that a notification that names its sender by id only
// (WM_MEASUREITEM) still finds it among its siblings.
win::HMENU NextChildId() {
    static unsigned next = 0;
    next = next % 0xFFFF + 1;
    return reinterpret_cast<win::HMENU>(static_cast<std::intptr_t>(next));
}

TWindowExceptionHandler& ExceptionHandler() {
    static TWindowExceptionHandler handler;
    return handler;
}

void ReportException(std::exception_ptr error) {
    if (ExceptionHandler()) {
        ExceptionHandler()(error);
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "unknown exception in a window procedure\n");
    }
}

} // namespace

bool RecreatingWindows() {
    return g_recreating > 0;
}

TWinControl* FindControl(win::HWND hwnd) {
    if (!hwnd) return nullptr;
    const auto it = ControlsByWindow().find(hwnd);
    return it == ControlsByWindow().end() ? nullptr : it->second;
}

void SetWindowExceptionHandler(TWindowExceptionHandler handler) {
    ExceptionHandler() = std::move(handler);
}

void SetFreeDeviceContextsHook(TFreeDeviceContextsHook hook) {
    g_freeDeviceContexts = hook;
}

win::LRESULT TWinControl::StdWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TWinControl* control = FindControl(hwnd);
    if (!control && g_creating) {
        control = std::exchange(g_creating, nullptr);
        control->m_handle = hwnd;
        ControlsByWindow()[hwnd] = control;
    }
    if (!control) return win::DefWindowProc(hwnd, msg, wParam, lParam);
    return control->MainWndProc(msg, wParam, lParam);
}

win::LRESULT TWinControl::MainWndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    // The control may be gone when WndProc returns (a click handler may free it): only locals from here on.
    try {
        WndProc(message);
    } catch (...) {
        ReportException(std::current_exception());
    }
    if (g_freeDeviceContexts) g_freeDeviceContexts();
    return message.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!m_handle) {
        TControl::DefaultHandler(message);
        return;
    }
    message.Result = win::CallWindowProc(m_defWndProc ? m_defWndProc : win::DefWindowProc, m_handle,
                                         message.Msg, message.WParam, message.LParam);
}

// ---- Making the window ----

void TWinControl::CreateParams(TCreateParams& params) {
    params = TCreateParams{};
    params.Caption = m_text;
    params.Style = win::WS_CHILD | win::WS_CLIPSIBLINGS;
    if (ControlStyle().Contains(csAcceptsControls)) {
        params.Style |= win::WS_CLIPCHILDREN;
        params.ExStyle |= win::WS_EX_CONTROLPARENT;
    }
    if (!Enabled()) params.Style |= win::WS_DISABLED;
    if (m_tabStop) params.Style |= win::WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    // Only a parent window that exists already: CreateParams is also asked when nothing is to be made.
    if (Parent())
        params.WndParent = Parent()->m_handle;
    else
        params.WndParent = m_parentWindow;
    params.WindowClass.style = win::CS_VREDRAW | win::CS_HREDRAW | win::CS_DBLCLKS;
    params.WindowClass.lpfnWndProc = win::DefWindowProc;
    params.WindowClass.hCursor = win::LoadCursor(nullptr, win::IDC_ARROW);
    params.WindowClass.hInstance = win::GetModuleHandle(nullptr);
    params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* platformClassName) {
    win::WNDCLASS platformClass;
    if (!platformClassName || !win::GetClassInfo(nullptr, platformClassName, &platformClass)) return;
    // The platform class's behaviour, but never a context shared with other windows.
    constexpr win::UINT kSharedContexts =
        win::CS_OWNDC | win::CS_CLASSDC | win::CS_PARENTDC | win::CS_GLOBALCLASS;
    params.WindowClass = platformClass;
    params.WindowClass.style &= ~kSharedContexts;
    params.WindowClass.hInstance = win::GetModuleHandle(nullptr);
    params.WindowClass.lpszClassName = nullptr;
}

void TWinControl::RegisterWindowClass(TCreateParams& params) {
    const char* name = params.WinClassName.c_str();
    win::WNDCLASS existing;
    if (win::GetClassInfo(params.WindowClass.hInstance, name, &existing)) {
        if (existing.lpfnWndProc == &TWinControl::StdWndProc) return;
        win::UnregisterClass(name, params.WindowClass.hInstance);
    }
    win::WNDCLASS windowClass = params.WindowClass;
    windowClass.lpfnWndProc = &TWinControl::StdWndProc;
    windowClass.lpszClassName = name;
    if (!win::RegisterClass(&windowClass)) throw EOutOfResources(msg::SWindowClass);
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & win::WS_CHILD) && !params.WndParent) {
        if (!Parent()) throw EInvalidOperation(Format(msg::SParentRequired, Name()));
        params.WndParent = Parent()->Handle();
    }
    m_defWndProc = params.WindowClass.lpfnWndProc;
    RegisterWindowClass(params);
    IncludeState(csCreating);
    const ScopeExit creating([this] { ExcludeState(csCreating); });
    CreateWindowHandle(params);
    if (!m_handle) RaiseLastOSError();
    if (Parent())
        win::SetWindowPos(m_handle, Parent()->PrecedingWindow(this), 0, 0, 0, 0,
                          win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    Perform(win::WM_SETFONT, reinterpret_cast<win::WPARAM>(Font()->Handle()), 1);
    UpdateBounds();
    // The children's windows, back to front, so that they stack as the list does.
    for (std::size_t i = 0; i < m_winControls.size(); ++i)
        if (m_winControls[i]->Visible()) m_winControls[i]->HandleNeeded();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    g_creating = this;
    const win::HWND hwnd = win::CreateWindowEx(
        params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style, params.X, params.Y,
        params.Width, params.Height, params.WndParent,
        (params.Style & win::WS_CHILD) ? NextChildId() : nullptr, params.WindowClass.hInstance, params.Param);
    g_creating = nullptr;
    if (!hwnd) {
        // The window may have been refused after its first message: drop what that message attached.
        if (m_handle) ControlsByWindow().erase(m_handle);
        m_handle = nullptr;
        return;
    }
    m_handle = hwnd;
    ControlsByWindow()[hwnd] = this;
}

void TWinControl::CreateHandle() {
    if (m_handle) return;
    CreateWnd();
    if (Visible()) UpdateShowing();
}

void TWinControl::HandleNeeded() {
    if (m_handle) return;
    if (Parent()) Parent()->HandleNeeded();
    // Making the parent's window may have made this one already.
    if (!m_handle) CreateHandle();
}

win::HWND TWinControl::Handle() {
    HandleNeeded();
    return m_handle;
}

void TWinControl::SetParentWindow(win::HWND parentWindow) {
    if (Parent() || m_parentWindow == parentWindow) return;
    if (m_handle) DestroyHandle();
    m_parentWindow = parentWindow;
    if (parentWindow && Visible()) UpdateShowing();
}

bool TWinControl::Showing() const {
    return Visible() && (!Parent() || Parent()->Showing());
}

void TWinControl::UpdateShowing() {
    if (!m_handle) {
        // A child gets its window once its parent has one; a top-level control only when asked
        // (HandleNeeded).
        if (!Visible()) return;
        if (Parent() ? !Parent()->HandleAllocated() : !m_parentWindow) return;
        CreateHandle();
        return;
    }
    if (Parent() || m_parentWindow) {
        const win::UINT show = Visible() ? win::SWP_SHOWWINDOW : win::SWP_HIDEWINDOW;
        win::SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                          win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE | show);
    } else {
        win::ShowWindow(m_handle, Visible() ? win::SW_SHOW : win::SW_HIDE);
    }
}

// ---- Destroying and re-creating ----

void TWinControl::DestroyHandle() {
    if (!m_handle) return;
    for (TWinControl* child : m_winControls) child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    // The text lives in the window while there is one; the control keeps it until the next window.
    std::string text = TControl::GetText();
    if (g_freeDeviceContexts) g_freeDeviceContexts();
    DestroyWindowHandle();
    m_text = std::move(text);
}

void TWinControl::DestroyWindowHandle() {
    if (!m_handle) return;
    const win::HWND hwnd = m_handle;
    IncludeState(csDestroyingHandle);
    win::DestroyWindow(hwnd);
    ExcludeState(csDestroyingHandle);
    ControlsByWindow().erase(hwnd);
    m_handle = nullptr;
}

void TWinControl::WMNCDestroy(TMessage& message) {
    DefaultHandler(message);
    ControlsByWindow().erase(m_handle);
    m_handle = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!m_handle) return;
    // The focus may be in a window of a child, or in a window a platform control made inside one of ours.
    TWinControl* focused = nullptr;
    for (win::HWND w = win::GetFocus(); w && !focused; w = win::GetParent(w)) focused = FindControl(w);
    const bool keepFocus = focused && ContainsControl(focused);
    IncludeState(csRecreating);
    ++g_recreating;
    const ScopeExit recreating([this] {
        --g_recreating;
        ExcludeState(csRecreating);
    });
    DestroyHandle();
    if (!Parent() || Parent()->HandleAllocated()) CreateHandle();
    if (keepFocus && focused->HandleAllocated() && focused->CanFocus()) win::SetFocus(focused->m_handle);
}

// ---- Style bits and bounds ----

void TWinControl::SetStyleBit(win::DWORD bit, bool on) {
    if (!m_handle) return;
    const auto style = static_cast<win::DWORD>(win::GetWindowLong(m_handle, win::GWL_STYLE));
    const win::DWORD wanted = on ? (style | bit) : (style & ~bit);
    if (wanted != style) win::SetWindowLong(m_handle, win::GWL_STYLE, static_cast<win::LONG>(wanted));
}

void TWinControl::UpdateBounds() {
    if (!m_handle) return;
    win::RECT rect{};
    win::GetWindowRect(m_handle, &rect);
    const win::HWND parent = win::GetParent(m_handle);
    if ((win::GetWindowLong(m_handle, win::GWL_STYLE) & static_cast<win::LONG>(win::WS_CHILD)) && parent)
        win::MapWindowPoints(nullptr, parent, reinterpret_cast<win::POINT*>(&rect), 2);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (rect.left == Left() && rect.top == Top() && width == Width() && height == Height()) return;
    m_left = rect.left;
    m_top = rect.top;
    m_width = width;
    m_height = height;
    RequestAlign();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    if (m_handle && !win::IsIconic(m_handle)) {
        // The window's answer (WM_WINDOWPOSCHANGED, WM_SIZE) brings the new bounds back and realigns.
        win::SetWindowPos(m_handle, nullptr, left, top, width, height,
                          win::SWP_NOZORDER | win::SWP_NOACTIVATE);
        return;
    }
    const bool resized = width != Width() || height != Height();
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    RequestAlign();
    if (resized && !ComponentState().Contains(csLoading)) {
        Realign();
        Resize();
    }
}

TRect TWinControl::ClientRect() const {
    win::RECT rect{};
    if (m_handle) {
        win::GetClientRect(m_handle, &rect);
        return rect;
    }
    // Without a window: the bounds less the frame the window would get.
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    win::RECT frame{};
    win::AdjustWindowRectEx(&frame, params.Style, win::FALSE, params.ExStyle);
    return TRect{0, 0, std::max<int>(0, Width() - (frame.right - frame.left)),
                 std::max<int>(0, Height() - (frame.bottom - frame.top))};
}

TPoint TWinControl::ClientOrigin() const {
    if (m_handle) {
        win::POINT origin{0, 0};
        win::ClientToScreen(m_handle, &origin);
        return origin;
    }
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    win::RECT frame{};
    win::AdjustWindowRectEx(&frame, params.Style, win::FALSE, params.ExStyle);
    TPoint origin{Left() - frame.left, Top() - frame.top};
    if (Parent()) {
        const TPoint parentOrigin = Parent()->ClientOrigin();
        origin.x += parentOrigin.x;
        origin.y += parentOrigin.y;
    }
    return origin;
}

} // namespace gl
