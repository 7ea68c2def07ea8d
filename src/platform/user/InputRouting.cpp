// From display events to input messages: window-level events (close, focus, moves) act at once; mouse, wheel,
// key and text events wait in the input queue and are routed when retrieved, as the platform does:
// hit-testing with WM_NCHITTEST (HTTRANSPARENT passes on), capture, WM_MOUSEACTIVATE, WM_SETCURSOR, double
// clicks, mouse leave, the wheel to the focus window, keys and text to the focus window.
#include "platform/system/StateReset.h"
#include "platform/system/Termination.h"
#include "platform/system/Utf8.h"
#include "platform/user/DragDrop.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Metrics.h"
#include "platform/user/detail/WindowManager.h"

#include <cstdlib>
#include <deque>

namespace win::wm {

namespace {

struct InputItem {
    MSG msg{};
    int key = 0; // a key whose state changes when the message is retrieved (0: none)
    bool down = false;
};

std::deque<DisplayEvent>& Raw() {
    static std::deque<DisplayEvent> raw;
    return raw;
}

std::deque<InputItem>& Ready() {
    static std::deque<InputItem> ready;
    return ready;
}

// The key state as conversion sees it (ahead of the retrieved state while items wait).
BYTE g_convKeys[256] = {};

struct ClickMemory {
    std::uint64_t time = 0;
    POINT pos{};
    MouseButton button = MouseButton::None;
    HWND hwnd = nullptr;
    bool valid = false;
};
ClickMemory g_lastClick;
HWND g_focusLost = nullptr; // a window of ours lost the desktop's focus during the current batch

constexpr std::uintptr_t kHoverTimerKey = 0x486F7672;

bool ConvDown(int vk) {
    return (g_convKeys[vk] & 0x80) != 0;
}

WPARAM MouseKeys() {
    WPARAM keys = 0;
    if (ConvDown(VK_LBUTTON)) keys |= MK_LBUTTON;
    if (ConvDown(VK_RBUTTON)) keys |= MK_RBUTTON;
    if (ConvDown(VK_MBUTTON)) keys |= MK_MBUTTON;
    if (ConvDown(VK_SHIFT)) keys |= MK_SHIFT;
    if (ConvDown(VK_CONTROL)) keys |= MK_CONTROL;
    return keys;
}

int ButtonKey(MouseButton b) {
    switch (b) {
    case MouseButton::Left:
        return VK_LBUTTON;
    case MouseButton::Right:
        return VK_RBUTTON;
    case MouseButton::Middle:
        return VK_MBUTTON;
    default:
        return 0;
    }
}

void ConvSet(int vk, bool down) {
    if (vk <= 0 || vk > 255) return;
    BYTE& k = g_convKeys[vk];
    if (down && !(k & 0x80) && (vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL)) k ^= 0x01;
    k = static_cast<BYTE>(down ? (k | 0x80) : (k & ~0x80));
    auto mirror = [](int generic, int left, int right) {
        const bool any = (g_convKeys[left] & 0x80) || (g_convKeys[right] & 0x80);
        if (any) g_convKeys[generic] |= 0x80;
    };
    if (vk == VK_LSHIFT || vk == VK_RSHIFT) mirror(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    if (vk == VK_LCONTROL || vk == VK_RCONTROL) mirror(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    if (vk == VK_LMENU || vk == VK_RMENU) mirror(VK_MENU, VK_LMENU, VK_RMENU);
}

void Push(const MSG& msg, int key = 0, bool down = false) {
    auto& ready = Ready();
    // Moves to the same window with the same keys merge, as the platform's queue does.
    if (msg.message == WM_MOUSEMOVE && !ready.empty() && key == 0) {
        InputItem& last = ready.back();
        if (last.msg.message == WM_MOUSEMOVE && last.msg.hwnd == msg.hwnd && last.msg.wParam == msg.wParam) {
            last.msg = msg;
            return;
        }
    }
    ready.push_back(InputItem{msg, key, down});
}

MSG Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, std::uint64_t time) {
    MSG m{};
    m.hwnd = hwnd;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = static_cast<DWORD>(time);
    m.pt = Thread().cursorPos;
    return m;
}

// The window the mouse is over below `w` and its hit code: children in z-order first (visible, enabled), a
// window answering HTTRANSPARENT lets the ones beneath it have the point.
bool FindTarget(Window* w, POINT screen, HWND& target, LRESULT& hit) {
    const POINT co = ClientScreenOrigin(w);
    const POINT p{screen.x - co.x, screen.y - co.y};
    const bool inClient = RectContains(
        RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top}, p.x, p.y);
    if (inClient) {
        std::vector<HWND> children;
        for (Window* c : w->children)
            if (c->Visible() && !c->Disabled() && RectContains(c->rect, p.x, p.y))
                children.push_back(c->handle);
        for (HWND c : children) {
            Window* cw = Find(c);
            if (cw && FindTarget(cw, screen, target, hit)) return true;
        }
    }
    const LRESULT code = SendMessage(w->handle, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (code == HTTRANSPARENT || code == HTNOWHERE) return false;
    target = w->handle;
    hit = code;
    return true;
}

void UpdateMouseWindow(HWND over, LRESULT hit, POINT screen, bool moved) {
    ThreadState& t = Thread();
    if (t.trackLeave) {
        const bool clientHit = hit == HTCLIENT;
        const bool left = over != t.trackLeave || (t.trackLeaveNonClient ? clientHit : !clientHit);
        if (left) {
            PostMessage(t.trackLeave, t.trackLeaveNonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
            t.trackLeave = nullptr;
        }
    }
    if (t.trackHover && moved) {
        if (over != t.trackHover) {
            t.trackHover = nullptr;
            KillSystemTimer(kHoverTimerKey);
        } else {
            // Resting again: the hover time counts from the last move.
            TRACKMOUSEEVENT tme;
            tme.dwFlags = TME_HOVER;
            tme.hwndTrack = over;
            tme.dwHoverTime = t.hoverTime;
            TrackMouseEvent(&tme);
        }
    }
    t.mouseWindow = over;
    t.cursorPos = screen;
}

UINT ButtonMessage(MouseButton b, DisplayEventType type, bool dbl, bool client) {
    UINT base = 0;
    switch (b) {
    case MouseButton::Left:
        base = client ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN;
        break;
    case MouseButton::Right:
        base = client ? WM_RBUTTONDOWN : WM_NCRBUTTONDOWN;
        break;
    case MouseButton::Middle:
        base = client ? WM_MBUTTONDOWN : WM_NCMBUTTONDOWN;
        break;
    default:
        return 0;
    }
    if (type == DisplayEventType::MouseUp) return base + 1;
    return dbl ? base + 2 : base;
}

bool IsDoubleClick(const DisplayEvent& e, HWND target, LRESULT hit, POINT screen) {
    Window* w = Find(target);
    if (!w) return false;
    if (hit == HTCLIENT && !(w->cls->style & CS_DBLCLKS)) return false;
    const ClickMemory& last = g_lastClick;
    if (!last.valid || last.button != e.button || last.hwnd != target) return false;
    if (e.time - last.time > GetDoubleClickTime()) return false;
    const int halfX = GetSystemMetrics(SM_CXDOUBLECLK) / 2, halfY = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    return std::abs(screen.x - last.pos.x) <= halfX && std::abs(screen.y - last.pos.y) <= halfY;
}

void RouteMouse(const DisplayEvent& e, Window* top, POINT screen) {
    ThreadState& t = Thread();
    const bool moved = screen != t.cursorPos;
    HWND over = nullptr;
    LRESULT hit = HTNOWHERE;
    const bool topDisabled = top->Disabled();
    if (topDisabled) {
        over = top->handle;
        hit = HTERROR;
    } else if (!FindTarget(top, screen, over, hit)) {
        over = nullptr;
    }
    UpdateMouseWindow(over, hit, screen, moved);
    if (e.type != DisplayEventType::MouseMove)
        ConvSet(ButtonKey(e.button), e.type == DisplayEventType::MouseDown);
    if (ScrollTrackingInput(e, screen)) return;

    HWND target = over;
    const HWND capture = GetCapture();
    if (capture) {
        target = capture;
        hit = HTCLIENT;
    }
    if (!target) return;
    UINT message = WM_MOUSEMOVE;
    if (e.type != DisplayEventType::MouseMove) {
        bool dbl = false;
        if (e.type == DisplayEventType::MouseDown) {
            dbl = IsDoubleClick(e, target, hit, screen);
            g_lastClick = dbl ? ClickMemory{} : ClickMemory{e.time, screen, e.button, target, true};
        }
        message = ButtonMessage(e.button, e.type, dbl, hit == HTCLIENT);
        if (!message) return;
    } else if (hit != HTCLIENT) {
        message = WM_NCMOUSEMOVE;
    }
    if (topDisabled) {
        // A click on a window that a modal one has disabled only sounds the beep (through WM_SETCURSOR).
        const UINT plain = e.type == DisplayEventType::MouseMove
                               ? WM_MOUSEMOVE
                               : ButtonMessage(e.button, e.type, false, true);
        SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTERROR, plain));
        return;
    }
    bool eat = false;
    if (!capture) {
        const bool press = e.type == DisplayEventType::MouseDown;
        if (press && t.active != top->handle && !(top->exStyle & WS_EX_NOACTIVATE)) {
            const LRESULT r = SendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->handle),
                                          MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
            if (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT || r == 0)
                if (Window* tw = Find(top->handle)) Activate(tw, WA_CLICKACTIVE);
            eat = r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT;
        }
        if (Find(target))
            SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                        MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
    }
    Window* tw = Find(target);
    if (eat || !tw) return;
    const int key = e.type == DisplayEventType::MouseMove ? 0 : ButtonKey(e.button);
    const bool down = e.type == DisplayEventType::MouseDown;
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        const POINT co = ClientScreenOrigin(tw);
        Push(Make(target, message, MouseKeys(), MAKELPARAM(screen.x - co.x, screen.y - co.y), e.time), key,
             down);
    } else {
        Push(Make(target, message, static_cast<WPARAM>(hit), MAKELPARAM(screen.x, screen.y), e.time), key,
             down);
    }
}

HWND KeyboardTarget(bool& sys) {
    ThreadState& t = Thread();
    if (Find(t.focus)) return t.focus;
    sys = true;
    return Find(t.active) ? t.active : nullptr;
}

void RouteWheel(const DisplayEvent& e, POINT screen) {
    Thread().cursorPos = screen;
    bool sys = false;
    const HWND target = KeyboardTarget(sys);
    Window* w = Find(target);
    if (!w || !IsEnabledChain(w)) return;
    const int delta = std::clamp(e.wheelDelta, -32768, 32767);
    Push(Make(target, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(MouseKeys()), delta),
              MAKELPARAM(screen.x, screen.y), e.time));
}

int GenericKey(int vk) {
    if (vk == VK_LSHIFT || vk == VK_RSHIFT) return VK_SHIFT;
    if (vk == VK_LCONTROL || vk == VK_RCONTROL) return VK_CONTROL;
    if (vk == VK_LMENU || vk == VK_RMENU) return VK_MENU;
    return vk;
}

void RouteKey(const DisplayEvent& e) {
    const int vk = e.virtualKey;
    if (vk <= 0 || vk > 255) return;
    const bool down = e.type == DisplayEventType::KeyDown;
    const int generic = GenericKey(vk);
    const bool wasDown = ConvDown(generic);
    ConvSet(vk, down);
    if (generic != vk) ConvSet(generic, down);
    if (!down && generic != vk) {
        // The generic key stays down while the other side's key is held.
        const int l = generic == VK_SHIFT ? VK_LSHIFT : generic == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
        if (ConvDown(l) || ConvDown(l + 1)) g_convKeys[generic] |= 0x80;
    }
    const bool alt = ConvDown(VK_MENU);
    const bool ctrl = ConvDown(VK_CONTROL);
    bool sys = (alt && !ctrl) || generic == VK_F10 || generic == VK_MENU;
    const HWND target = KeyboardTarget(sys);
    if (!target) return;
    UINT message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lParam =
        1 | (static_cast<LPARAM>(MapVirtualKey(static_cast<UINT>(vk), MAPVK_VK_TO_VSC) & 0xFF) << 16);
    if (e.extendedKey) lParam |= LPARAM(1) << 24;
    if (e.textFollows && down) lParam |= LPARAM(1) << 28;
    if (alt) lParam |= LPARAM(1) << 29;
    if (wasDown || !down) lParam |= LPARAM(1) << 30;
    if (!down) lParam |= static_cast<LPARAM>(0x80000000u);
    Push(Make(target, message, static_cast<WPARAM>(generic), lParam, e.time), vk, down);
}

void RouteText(const DisplayEvent& e) {
    bool sys = false;
    const HWND target = KeyboardTarget(sys);
    if (!target) return;
    std::size_t pos = 0;
    while (pos < e.text.size()) {
        char32_t c = DecodeUtf8(e.text, pos);
        if (c == U'\n') c = U'\r';
        Push(Make(target, WM_CHAR, static_cast<WPARAM>(c), 1, e.time));
    }
}

void Convert(const DisplayEvent& e) {
    Window* top = WindowForDisplay(e.window);
    switch (e.type) {
    case DisplayEventType::MouseMove:
    case DisplayEventType::MouseDown:
    case DisplayEventType::MouseUp:
    case DisplayEventType::Wheel: {
        if (!top) return;
        const RECT content = ContentRect(top);
        const POINT o = ScreenOrigin(top);
        const POINT screen{o.x + content.left + e.pos.x, o.y + content.top + e.pos.y};
        if (e.type == DisplayEventType::Wheel)
            RouteWheel(e, screen);
        else
            RouteMouse(e, top, screen);
        return;
    }
    case DisplayEventType::MouseLeave:
        UpdateMouseWindow(nullptr, HTNOWHERE, Thread().cursorPos, true);
        return;
    case DisplayEventType::KeyDown:
    case DisplayEventType::KeyUp:
        RouteKey(e);
        return;
    case DisplayEventType::Text:
        RouteText(e);
        return;
    case DisplayEventType::DropFiles:
        if (top) {
            const RECT content = ContentRect(top);
            const POINT o = ScreenOrigin(top);
            HWND target = nullptr;
            HDROP drop = nullptr;
            // Delivered in order with the other input, as the window's own message.
            if (DropTarget(e.files, POINT{o.x + content.left + e.pos.x, o.y + content.top + e.pos.y}, target,
                           drop))
                Push(Make(target, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0, e.time));
        }
        return;
    default:
        return;
    }
}

// Events about the real windows themselves take effect at once.
bool HandleWindowEvent(const DisplayEvent& e) {
    Window* top = WindowForDisplay(e.window);
    switch (e.type) {
    case DisplayEventType::Close:
        if (top && !top->Disabled()) PostMessage(top->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    case DisplayEventType::Expose:
        if (top) MarkDirtySurface(top, RECT{0, 0, top->Width(), top->Height()});
        return true;
    case DisplayEventType::FocusGained:
        g_focusLost = nullptr;
        if (top) {
            // A pop-up shown without activation (a drop-down list, a hint) leaves the active window as it is.
            if (ShowsWithoutActivation(top) && Thread().active) return true;
            if (top->Disabled()) {
                if (Window* popup = Find(GetWindow(top->handle, GW_ENABLEDPOPUP)))
                    top = popup;
                else
                    return true;
            }
            if (Thread().active != top->handle) Activate(top, WA_ACTIVE);
        }
        return true;
    case DisplayEventType::FocusLost:
        // Decided after the whole batch: focus often moves straight to another window of ours.
        if (top) g_focusLost = top->handle;
        return true;
    case DisplayEventType::Moved:
    case DisplayEventType::Resized:
        if (top && !top->minimized) ApplyDisplayGeometry(top, e.rect);
        return true;
    case DisplayEventType::Minimized:
        if (top && !top->minimized) ShowWindow(top->handle, SW_SHOWMINNOACTIVE);
        return true;
    case DisplayEventType::Maximized:
        if (top && !top->maximized) ShowWindow(top->handle, SW_SHOWMAXIMIZED);
        return true;
    case DisplayEventType::Restored:
        if (top && (top->minimized || top->maximized)) ShowWindow(top->handle, SW_RESTORE);
        return true;
    case DisplayEventType::Quit:
        PostQuitMessage(0);
        return true;
    default:
        return false;
    }
}

} // namespace

Window* WindowForDisplay(DisplayWindowId id) {
    if (!id) return nullptr;
    for (Window* top : Desktop()->children)
        if (top->displayId == id) return top;
    return nullptr;
}

void PollDisplay() {
    // A termination signal asks for the end as the desktop's own request does.
    if (TakeTerminationRequest()) PostQuitMessage(0);
    Display& display = CurrentDisplay();
    DisplayEvent e;
    while (display.PollEvent(e)) {
        if (!HandleWindowEvent(e)) Raw().push_back(std::move(e));
    }
    if (g_focusLost) {
        const HWND lost = g_focusLost;
        g_focusLost = nullptr;
        if (Thread().active == lost) DeactivateApp();
    }
}

bool TakeInput(HWND filter, UINT filterMin, UINT filterMax, bool remove, MSG& msg) {
    auto& ready = Ready();
    for (;;) {
        for (auto it = ready.begin(); it != ready.end(); ++it) {
            const MSG& m = it->msg;
            const bool rangeOk =
                (filterMin == 0 && filterMax == 0) ||
                (filterMin <= filterMax ? (m.message >= filterMin && m.message <= filterMax)
                                        : (m.message >= filterMin || m.message <= filterMax));
            const bool windowOk = !filter || m.hwnd == filter || IsChild(filter, m.hwnd);
            if (!rangeOk || !windowOk) continue;
            msg = m;
            if (remove) {
                if (it->key) SetKeyDown(it->key, it->down);
                ready.erase(it);
            }
            return true;
        }
        if (Raw().empty()) return false;
        DisplayEvent e = std::move(Raw().front());
        Raw().pop_front();
        Convert(e);
    }
}

void ClearInputState() {
    Raw().clear();
    Ready().clear();
    std::fill(std::begin(g_convKeys), std::end(g_convKeys), BYTE{0});
    g_lastClick = ClickMemory{};
    ThreadState& t = Thread();
    std::fill(std::begin(t.keyState), std::end(t.keyState), BYTE{0});
}

namespace {

// No input waiting, no key down, no click to pair with the next one.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    ClearInputState();
    g_focusLost = nullptr;
});

} // namespace

} // namespace win::wm
