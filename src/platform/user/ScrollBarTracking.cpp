// Clicking and dragging a window's own scroll bars: arrows and page areas repeat while held, the thumb drags.
// While a bar is tracked it takes the mouse input itself, so the window sees none of it (as in the platform's
// tracking loop, without blocking the caller).
#include "platform/system/StateReset.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/ScrollBars.h"
#include "platform/user/detail/WindowManager.h"

namespace win::wm {

namespace {

constexpr std::uintptr_t kRepeatTimer = 0x53637262; // the repeat's system timer key
constexpr UINT kFirstDelay = 200;
constexpr UINT kRepeatDelay = 50;

struct Tracking {
    bool active = false;
    HWND hwnd = nullptr;
    bool vertical = true;
    ScrollPart part = ScrollPart::None;
    int grab = 0; // pointer offset into the thumb along the bar
    POINT pointer{};
};

Tracking g_track;

ScrollBarState* State(Window* w) {
    return g_track.vertical ? &w->vScroll : &w->hScroll;
}

// The bar's rectangle in screen coordinates.
RECT BarOnScreen(Window* w) {
    const POINT o = ScreenOrigin(w);
    return RectOffset(ScrollBarRect(w, g_track.vertical), o.x, o.y);
}

void Send(Window* w, WORD code, int pos) {
    const UINT msg = g_track.vertical ? WM_VSCROLL : WM_HSCROLL;
    SendMessage(w->handle, msg, MAKEWPARAM(code, pos), 0);
}

void Repaint(Window* w) {
    const RECT r = ScrollBarRect(w, g_track.vertical);
    HDC hdc = MakeWindowDc(w, true, nullptr, 0, false);
    PaintScrollBar(hdc, r, g_track.vertical, *State(w), !w->Disabled());
    ReleaseWindowDc(hdc);
}

// The action of the part under the pointer, when it is still the part first pressed.
void Step() {
    Window* w = Find(g_track.hwnd);
    if (!w) return;
    const ScrollBarLayout layout = LayoutScrollBar(BarOnScreen(w), g_track.vertical, *State(w));
    const ScrollPart under = HitTestScrollBar(layout, g_track.vertical, g_track.pointer);
    if (under != g_track.part) return;
    switch (g_track.part) {
    case ScrollPart::ArrowLow:
        Send(w, SB_LINEUP, 0);
        break;
    case ScrollPart::ArrowHigh:
        Send(w, SB_LINEDOWN, 0);
        break;
    case ScrollPart::PageLow:
        Send(w, SB_PAGEUP, 0);
        break;
    case ScrollPart::PageHigh:
        Send(w, SB_PAGEDOWN, 0);
        break;
    default:
        break;
    }
}

void RepeatTick() {
    if (!g_track.active) {
        KillSystemTimer(kRepeatTimer);
        return;
    }
    SetSystemTimer(kRepeatTimer, kRepeatDelay, RepeatTick);
    Step();
}

void End(bool notify) {
    KillSystemTimer(kRepeatTimer);
    Tracking t = g_track;
    g_track = Tracking{};
    Window* w = Find(t.hwnd);
    if (!w) return;
    g_track.vertical = t.vertical;
    ScrollBarState* s = t.vertical ? &w->vScroll : &w->hScroll;
    const bool wasThumb = t.part == ScrollPart::Thumb;
    const int finalPos = s->trackPos;
    s->pressed = ScrollPart::None;
    s->tracking = false;
    if (notify && wasThumb) Send(w, SB_THUMBPOSITION, finalPos);
    if ((w = Find(t.hwnd))) {
        if (notify) Send(w, SB_ENDSCROLL, 0);
        if ((w = Find(t.hwnd))) Repaint(w);
    }
    g_track = Tracking{};
}

} // namespace

void StartScrollTracking(Window* w, bool vertical, POINT screen) {
    if (g_track.active || w->Disabled()) return;
    g_track.vertical = vertical;
    ScrollBarState* s = State(w);
    const RECT bar = BarOnScreen(w);
    const ScrollBarLayout layout = LayoutScrollBar(bar, vertical, *s);
    const ScrollPart part = HitTestScrollBar(layout, vertical, screen);
    if (part == ScrollPart::None) return;
    if ((part == ScrollPart::ArrowLow && (s->disabledArrows & ESB_DISABLE_LEFT)) ||
        (part == ScrollPart::ArrowHigh && (s->disabledArrows & ESB_DISABLE_RIGHT)))
        return;
    g_track = Tracking{true, w->handle, vertical, part, 0, screen};
    s->pressed = part;
    if (part == ScrollPart::Thumb) {
        g_track.grab = vertical ? screen.y - layout.thumb.top : screen.x - layout.thumb.left;
        s->tracking = true;
        s->trackPos = s->pos;
        Repaint(w);
        return;
    }
    Repaint(w);
    Step();
    if (g_track.active) SetSystemTimer(kRepeatTimer, kFirstDelay, RepeatTick);
}

bool ScrollTrackingInput(const DisplayEvent& e, POINT screen) {
    if (!g_track.active) return false;
    Window* w = Find(g_track.hwnd);
    if (!w) {
        End(false);
        return false;
    }
    g_track.pointer = screen;
    if (e.type == DisplayEventType::MouseUp && e.button == MouseButton::Left) {
        End(true);
        return true;
    }
    if (e.type == DisplayEventType::MouseMove && g_track.part == ScrollPart::Thumb) {
        ScrollBarState* s = State(w);
        const ScrollBarLayout layout = LayoutScrollBar(BarOnScreen(w), g_track.vertical, *s);
        const int start = (g_track.vertical ? screen.y : screen.x) - g_track.grab;
        const int pos = ScrollPosFromThumb(layout, g_track.vertical, *s, start);
        if (pos != s->trackPos) {
            s->trackPos = pos;
            Repaint(w);
            Send(w, SB_THUMBTRACK, pos);
        }
    }
    return true;
}

void CancelScrollTracking(HWND hwnd) {
    if (g_track.active && g_track.hwnd == hwnd) End(false);
}

namespace {

// No scroll bar held by the mouse.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { g_track = Tracking{}; });

} // namespace

} // namespace win::wm
