// The default window procedure: what every window does with a message its own procedure passes on.
#include "platform/gdi/DC.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/LastError.h"
#include "platform/user/Beep.h"
#include "platform/user/Icons.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Metrics.h"
#include "platform/user/Paint.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

LRESULT SetText(Window* w, LPARAM lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    w->text = text ? text : "";
    if (wm::IsTopLevel(w) && w->displayId && HasCurrentDisplay())
        CurrentDisplay().SetWindowTitle(w->displayId, w->text);
    if ((w->style & WS_CAPTION) == WS_CAPTION)
        RedrawWindow(w->handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
    return TRUE;
}

LRESULT GetText(const Window* w, WPARAM size, LPARAM lParam) {
    char* buffer = reinterpret_cast<char*>(lParam);
    if (!buffer || size == 0) return 0;
    std::size_t n = std::min<std::size_t>(w->text.size(), size - 1);
    // Never cut a character in half.
    while (n > 0 && n < w->text.size() && (static_cast<unsigned char>(w->text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buffer, w->text.data(), n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT EraseBackground(Window* w, WPARAM wParam) {
    HBRUSH brush = w->cls->background;
    if (!brush) return 0;
    DeviceContext* dc = FindDC(reinterpret_cast<HDC>(wParam));
    if (!dc) return 0;
    RECT client{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    // The context may have a moved origin; erase what the client area covers in its logical coordinates.
    client = RectOffset(client, dc->state.windowOrg.x - dc->state.viewportOrg.x,
                        dc->state.windowOrg.y - dc->state.viewportOrg.y);
    wm::FillWithBrush(*dc, client, brush);
    return 1;
}

LRESULT SetCursorDefault(Window* w, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = w->handle;
    const int hit = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    const UINT mouseMsg = HIWORD(static_cast<std::uintptr_t>(lParam));
    // The parent may decide first.
    if (w->IsChild() && w->parent && w->parent->parent) {
        if (SendMessage(w->parent->handle, WM_SETCURSOR, wParam, lParam)) return TRUE;
        if (!(w = wm::Find(hwnd))) return FALSE;
    }
    switch (hit) {
    case HTERROR:
        if (mouseMsg == WM_LBUTTONDOWN || mouseMsg == WM_RBUTTONDOWN || mouseMsg == WM_MBUTTONDOWN)
            MessageBeep(0);
        return FALSE;
    case HTCLIENT:
        if (w->cls->cursor) {
            SetCursor(w->cls->cursor);
            return TRUE;
        }
        return FALSE;
    case HTLEFT:
    case HTRIGHT:
        SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
        return TRUE;
    case HTTOP:
    case HTBOTTOM:
        SetCursor(LoadCursor(nullptr, IDC_SIZENS));
        return TRUE;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        SetCursor(LoadCursor(nullptr, IDC_SIZENWSE));
        return TRUE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        SetCursor(LoadCursor(nullptr, IDC_SIZENESW));
        return TRUE;
    default:
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        return TRUE;
    }
}

LRESULT WindowPosChanging(Window* w, LPARAM lParam) {
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!pos || !wm::IsTopLevel(w) || (pos->flags & SWP_NOSIZE) || w->maximized) return 0;
    if (!(w->style & WS_THICKFRAME)) return 0;
    const MINMAXINFO info = wm::QueryMinMaxInfo(w->handle);
    pos->cx = std::clamp<int>(pos->cx, info.ptMinTrackSize.x,
                              std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
    pos->cy = std::clamp<int>(pos->cy, info.ptMinTrackSize.y,
                              std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
    return 0;
}

LRESULT WindowPosChanged(Window* w, LPARAM lParam) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!pos) return 0;
    const HWND hwnd = w->handle;
    constexpr UINT kNoClientSize = 0x0800, kNoClientMove = 0x1000;
    if (!(pos->flags & kNoClientMove))
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
    if (!(w = wm::Find(hwnd))) return 0;
    if (!(pos->flags & kNoClientSize)) {
        const WPARAM kind = w->maximized ? SIZE_MAXIMIZED : (w->minimized ? SIZE_MINIMIZED : SIZE_RESTORED);
        SendMessage(hwnd, WM_SIZE, kind,
                    MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    }
    return 0;
}

LRESULT CtlColor(UINT msg, WPARAM wParam) {
    HDC hdc = reinterpret_cast<HDC>(wParam);
    if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX) {
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    if (msg == WM_CTLCOLORSCROLLBAR) {
        SetTextColor(hdc, GetSysColor(COLOR_3DFACE));
        SetBkColor(hdc, GetSysColor(COLOR_3DHILIGHT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_SCROLLBAR));
    }
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_3DFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
}

LRESULT SysCommand(Window* w, WPARAM wParam) {
    switch (wParam & 0xFFF0) {
    case SC_CLOSE:
        if (!(w->cls->style & CS_NOCLOSE)) SendMessage(w->handle, WM_CLOSE, 0, 0);
        return 0;
    case SC_MINIMIZE:
        ShowWindow(w->handle, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(w->handle, SW_SHOWMAXIMIZED);
        return 0;
    case SC_RESTORE:
        ShowWindow(w->handle, SW_RESTORE);
        return 0;
    default:
        return 0;
    }
}

// The parent is told of what its child does not handle (wheel, context menu), up to the top-level window.
LRESULT ToParent(Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (w->IsChild() && w->parent && w->parent->parent)
        return SendMessage(w->parent->handle, msg, wParam, lParam);
    return 0;
}

LRESULT Paint(Window* w) {
    PAINTSTRUCT ps;
    if (BeginPaint(w->handle, &ps)) EndPaint(w->handle, &ps);
    return 0;
}

LRESULT Activate(Window* w, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE || w->minimized) return 0;
    // Give the focus back to the window that had it in this top-level window, else to the window itself.
    Window* last = wm::Find(w->lastFocus);
    const bool inside = last && wm::TopLevelOf(last) == w && wm::IsVisibleChain(last) && !last->Disabled();
    SetFocus(inside ? last->handle : w->handle);
    return 0;
}

LRESULT NcButtonDown(Window* w, WPARAM wParam, LPARAM lParam) {
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (wParam == static_cast<WPARAM>(HTVSCROLL) || wParam == static_cast<WPARAM>(HTHSCROLL))
        wm::StartScrollTracking(w, wParam == static_cast<WPARAM>(HTVSCROLL), screen);
    return 0;
}

LRESULT SetRedraw(Window* w, WPARAM wParam) {
    if (wParam) {
        if (w->redrawOff) {
            w->redrawOff = false;
            w->style |= WS_VISIBLE;
            wm::RefreshWindowDcs();
        }
    } else if (w->Visible()) {
        // Drawing stops by taking the visible bit away quietly, as the platform does.
        w->redrawOff = true;
        w->style &= ~WS_VISIBLE;
        wm::RefreshWindowDcs();
    }
    return 0;
}

// The context menu asked for from the keyboard: its position is (-1, -1), for the window to choose.
constexpr LPARAM kContextMenuFromKeyboard = -1;

LRESULT KeyDownSys(Window* w, WPARAM wParam, LPARAM lParam) {
    // Alt+F4 closes the top-level window.
    if (wParam == static_cast<WPARAM>(VK_F4) && (lParam & (LPARAM(1) << 29))) {
        Window* top = wm::TopLevelOf(w);
        if (top) PostMessage(top->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    // Shift+F10 asks for the context menu.
    if (wParam == static_cast<WPARAM>(VK_F10) && (GetKeyState(VK_SHIFT) & 0x8000))
        SendMessage(w->handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w->handle), kContextMenuFromKeyboard);
    return 0;
}

// The right button's release and the Menu key ask for the context menu; the window, or its parents in turn,
// may answer WM_CONTEXTMENU.
LRESULT ContextMenuRequest(Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYUP && wParam != static_cast<WPARAM>(VK_APPS)) return 0;
    LPARAM where = kContextMenuFromKeyboard;
    if (msg == WM_RBUTTONUP) {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(w->handle, &p);
        where = MAKELPARAM(p.x, p.y);
    }
    SendMessage(w->handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w->handle), where);
    return 0;
}

} // namespace

MINMAXINFO wm::QueryMinMaxInfo(HWND hwnd) {
    MINMAXINFO info{};
    const Window* w = wm::Find(hwnd);
    if (!w) return info;
    RECT work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    // Maximized, the frame lies just outside the work area on every side.
    const int frame = wm::DecorationInsets(w).left;
    info.ptMaxSize = POINT{work.right - work.left + 2 * frame, work.bottom - work.top + 2 * frame};
    info.ptMaxPosition = POINT{work.left - frame, work.top - frame};
    if (w->style & WS_THICKFRAME)
        info.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE:
        return wm::DefNcCalcSize(w, wParam, lParam);
    case WM_NCHITTEST:
        return wm::DefNcHitTest(w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        wm::DefNcPaint(w, reinterpret_cast<HRGN>(wParam));
        return 0;
    case WM_NCACTIVATE:
        if ((w->style & WS_CAPTION) == WS_CAPTION)
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
        return TRUE;
    case WM_NCLBUTTONDOWN:
        return NcButtonDown(w, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        if (wParam == static_cast<WPARAM>(HTVSCROLL) || wParam == static_cast<WPARAM>(HTHSCROLL))
            return NcButtonDown(w, wParam, lParam);
        return 0;
    case WM_PAINT:
        return Paint(w);
    case WM_ERASEBKGND:
        return EraseBackground(w, wParam);
    case WM_SETTEXT:
        return SetText(w, lParam);
    case WM_GETTEXT:
        return GetText(w, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_SETICON:
        return SetWindowIconMessage(hwnd, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETICON:
        return GetWindowIconMessage(hwnd, wParam);
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        return SysCommand(w, wParam);
    case WM_SYSKEYDOWN:
        return KeyDownSys(w, wParam, lParam);
    case WM_RBUTTONUP:
    case WM_KEYUP:
        return ContextMenuRequest(w, msg, wParam, lParam);
    case WM_SETCURSOR:
        return SetCursorDefault(w, wParam, lParam);
    case WM_MOUSEACTIVATE:
        if (w->IsChild() && w->parent && w->parent->parent) {
            const LRESULT r = SendMessage(w->parent->handle, msg, wParam, lParam);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CONTEXTMENU:
        return ToParent(w, msg, wParam, lParam);
    case WM_ACTIVATE:
        return Activate(w, wParam);
    case WM_WINDOWPOSCHANGING:
        return WindowPosChanging(w, lParam);
    case WM_WINDOWPOSCHANGED:
        return WindowPosChanged(w, lParam);
    case WM_GETMINMAXINFO:
        return 0; // the sender filled in the defaults already
    case WM_CANCELMODE:
        wm::CancelScrollTracking(hwnd);
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_SETREDRAW:
        return SetRedraw(w, wParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return CtlColor(msg, wParam);
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_SHOWWINDOW:
    case WM_GETDLGCODE:
    case WM_GETFONT:
    case WM_SETFONT:
    case WM_QUERYUISTATE:
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE:
    default:
        return 0;
    }
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc) return 0;
    return proc(hwnd, msg, wParam, lParam);
}

} // namespace win
