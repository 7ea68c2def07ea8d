// The standard scroll bars of windows: range, page and position (SetScrollInfo and friends), showing and
// hiding them with the frame, and the classic look and geometry shared with the scroll-bar control.
#include "platform/user/ScrollBars.h"

#include "platform/gdi/SysColors.h"
#include "platform/system/LastError.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Metrics.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>

namespace win {

namespace {

constexpr int kMinThumb = 8;

ScrollBarState* BarOf(Window* w, int bar) {
    if (bar == SB_HORZ) return &w->hScroll;
    if (bar == SB_VERT) return &w->vScroll;
    return nullptr;
}

// The largest position the thumb can reach: the range less the page.
int MaxPos(const ScrollBarState& s) {
    const long long page = s.page > 0 ? static_cast<long long>(s.page) - 1 : 0;
    return static_cast<int>(std::max<long long>(s.minPos, static_cast<long long>(s.maxPos) - page));
}

bool Needed(const ScrollBarState& s) {
    const long long span = static_cast<long long>(s.maxPos) - s.minPos;
    if (span <= 0) return false;
    return s.page == 0 || static_cast<long long>(s.page) <= span;
}

void PaintBarNow(Window* w, int bar) {
    if (!IsWindowVisible(w->handle)) return;
    const bool vertical = bar == SB_VERT;
    const RECT r = wm::ScrollBarRect(w, vertical);
    if (RectEmpty(r)) return;
    HDC hdc = wm::MakeWindowDc(w, true, nullptr, 0, false);
    if (!hdc) return;
    PaintScrollBar(hdc, r, vertical, vertical ? w->vScroll : w->hScroll, !w->Disabled());
    wm::ReleaseWindowDc(hdc);
}

// Shows or hides a window's bar; the frame and the client area follow.
void SetBarVisible(Window* w, int bar, bool show) {
    DWORD bits = 0;
    if (bar == SB_HORZ || bar == SB_BOTH) bits |= WS_HSCROLL;
    if (bar == SB_VERT || bar == SB_BOTH) bits |= WS_VSCROLL;
    const DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style) return;
    w->style = style;
    SetWindowPos(w->handle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ArrowGlyph(DeviceContext& dc, const RECT& box, int direction, COLORREF color) {
    // direction: 0 up, 1 down, 2 left, 3 right. A triangle four pixels deep, seven wide at its base.
    const int size = std::min(box.right - box.left, box.bottom - box.top);
    const int depth = std::max(1, std::min(4, (size - 5) / 2));
    const int cx = box.left + (box.right - box.left) / 2;
    const int cy = box.top + (box.bottom - box.top) / 2;
    for (int i = 0; i < depth; ++i) {
        const int half = i;
        if (direction == 0)
            wm::FillSolid(dc, RECT{cx - half, cy - depth / 2 + i, cx + half + 1, cy - depth / 2 + i + 1},
                          color);
        if (direction == 1)
            wm::FillSolid(dc, RECT{cx - half, cy + depth / 2 - i, cx + half + 1, cy + depth / 2 - i + 1},
                          color);
        if (direction == 2)
            wm::FillSolid(dc, RECT{cx - depth / 2 + i, cy - half, cx - depth / 2 + i + 1, cy + half + 1},
                          color);
        if (direction == 3)
            wm::FillSolid(dc, RECT{cx + depth / 2 - i, cy - half, cx + depth / 2 - i + 1, cy + half + 1},
                          color);
    }
}

void RaisedBox(DeviceContext& dc, const RECT& r, bool pressed) {
    if (RectEmpty(r)) return;
    if (pressed) {
        wm::DrawRing(dc, r, wm::SysColor(COLOR_3DSHADOW), wm::SysColor(COLOR_3DSHADOW));
        wm::FillSolid(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, wm::SysColor(COLOR_3DFACE));
        return;
    }
    wm::DrawRing(dc, r, wm::SysColor(COLOR_3DLIGHT), wm::SysColor(COLOR_3DDKSHADOW));
    const RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    wm::DrawRing(dc, inner, wm::SysColor(COLOR_3DHILIGHT), wm::SysColor(COLOR_3DSHADOW));
    wm::FillSolid(dc, RECT{inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1},
                  wm::SysColor(COLOR_3DFACE));
}

void ArrowButton(DeviceContext& dc, const RECT& r, int direction, bool pressed, bool enabled) {
    RaisedBox(dc, r, pressed);
    RECT glyph = r;
    if (pressed) glyph = RectOffset(glyph, 1, 1);
    if (enabled) {
        ArrowGlyph(dc, glyph, direction, wm::SysColor(COLOR_BTNTEXT));
    } else {
        ArrowGlyph(dc, RectOffset(glyph, 1, 1), direction, wm::SysColor(COLOR_3DHILIGHT));
        ArrowGlyph(dc, glyph, direction, wm::SysColor(COLOR_3DSHADOW));
    }
}

} // namespace

ScrollBarLayout LayoutScrollBar(const RECT& rect, bool vertical, const ScrollBarState& state) {
    ScrollBarLayout l;
    const int length = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    const int thickness = vertical ? rect.right - rect.left : rect.bottom - rect.top;
    if (length <= 0 || thickness <= 0) return l;
    const int arrow = std::min(thickness, length / 2);
    auto span = [&](int from, int to) {
        return vertical ? RECT{rect.left, rect.top + from, rect.right, rect.top + to}
                        : RECT{rect.left + from, rect.top, rect.left + to, rect.bottom};
    };
    l.arrowLow = span(0, arrow);
    l.arrowHigh = span(length - arrow, length);
    const int trackLength = length - 2 * arrow;
    l.track = span(arrow, length - arrow);
    if (trackLength <= 0) return l;
    const bool enabled = Needed(state) && state.disabledArrows != ESB_DISABLE_BOTH;
    if (!enabled) return l;
    const long long range = static_cast<long long>(state.maxPos) - state.minPos + 1;
    int thumb = state.page == 0 ? GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB)
                                : static_cast<int>(trackLength * static_cast<long long>(state.page) /
                                                   std::max<long long>(1, range));
    thumb = std::max(thumb, kMinThumb);
    if (thumb > trackLength) return l;
    const int maxPos = MaxPos(state);
    const int pos = std::clamp(state.tracking ? state.trackPos : state.pos, state.minPos, maxPos);
    int start = 0;
    if (maxPos > state.minPos)
        start = static_cast<int>(static_cast<long long>(trackLength - thumb) * (pos - state.minPos) /
                                 (maxPos - state.minPos));
    l.thumb = span(arrow + start, arrow + start + thumb);
    return l;
}

ScrollPart HitTestScrollBar(const ScrollBarLayout& layout, bool vertical, POINT p) {
    if (RectContains(layout.arrowLow, p.x, p.y)) return ScrollPart::ArrowLow;
    if (RectContains(layout.arrowHigh, p.x, p.y)) return ScrollPart::ArrowHigh;
    if (!RectContains(layout.track, p.x, p.y)) return ScrollPart::None;
    if (RectEmpty(layout.thumb)) return ScrollPart::None;
    if (RectContains(layout.thumb, p.x, p.y)) return ScrollPart::Thumb;
    const bool before = vertical ? p.y < layout.thumb.top : p.x < layout.thumb.left;
    return before ? ScrollPart::PageLow : ScrollPart::PageHigh;
}

int ScrollPosFromThumb(const ScrollBarLayout& layout, bool vertical, const ScrollBarState& state,
                       int thumbStart) {
    const int trackStart = vertical ? layout.track.top : layout.track.left;
    const int trackLength =
        vertical ? layout.track.bottom - layout.track.top : layout.track.right - layout.track.left;
    const int thumb =
        vertical ? layout.thumb.bottom - layout.thumb.top : layout.thumb.right - layout.thumb.left;
    const int maxPos = MaxPos(state);
    if (trackLength <= thumb || maxPos <= state.minPos) return state.minPos;
    const int offset = std::clamp(thumbStart - trackStart, 0, trackLength - thumb);
    const long long span = static_cast<long long>(maxPos) - state.minPos;
    const long long room = trackLength - thumb;
    return static_cast<int>(state.minPos + (offset * span + room / 2) / room);
}

void PaintScrollBar(HDC hdc, const RECT& rect, bool vertical, const ScrollBarState& state, bool enabled) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || RectEmpty(rect)) return;
    const ScrollBarLayout l = LayoutScrollBar(rect, vertical, state);
    const bool usable = enabled && Needed(state);
    const bool lowOn = usable && !(state.disabledArrows & ESB_DISABLE_LEFT);
    const bool highOn = usable && !(state.disabledArrows & ESB_DISABLE_RIGHT);
    ArrowButton(*dc, l.arrowLow, vertical ? 0 : 2, state.pressed == ScrollPart::ArrowLow, lowOn);
    ArrowButton(*dc, l.arrowHigh, vertical ? 1 : 3, state.pressed == ScrollPart::ArrowHigh, highOn);
    wm::FillChecker(*dc, l.track, wm::SysColor(COLOR_3DHILIGHT), wm::SysColor(COLOR_3DFACE));
    if (!usable || RectEmpty(l.thumb)) return;
    if (state.pressed == ScrollPart::PageLow || state.pressed == ScrollPart::PageHigh) {
        const RECT pressed =
            state.pressed == ScrollPart::PageLow
                ? (vertical ? RECT{l.track.left, l.track.top, l.track.right, l.thumb.top}
                            : RECT{l.track.left, l.track.top, l.thumb.left, l.track.bottom})
                : (vertical ? RECT{l.track.left, l.thumb.bottom, l.track.right, l.track.bottom}
                            : RECT{l.thumb.right, l.track.top, l.track.right, l.track.bottom});
        wm::FillSolid(*dc, pressed, wm::SysColor(COLOR_3DDKSHADOW));
    }
    RaisedBox(*dc, l.thumb, false);
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w || !info || info->cbSize != sizeof(SCROLLINFO)) {
        if (w) SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (bar == SB_CTL) {
        SendMessage(hwnd, SBM_SETSCROLLINFO, static_cast<WPARAM>(redraw), reinterpret_cast<LPARAM>(info));
        return static_cast<int>(SendMessage(hwnd, SBM_GETPOS, 0, 0));
    }
    ScrollBarState* s = BarOf(w, bar);
    if (!s) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (info->fMask & SIF_RANGE) {
        s->minPos = info->nMin;
        s->maxPos = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE) {
        const long long span = static_cast<long long>(s->maxPos) - s->minPos + 1;
        s->page = static_cast<UINT>(std::min<long long>(info->nPage, span));
    }
    if (info->fMask & SIF_POS) s->pos = info->nPos;
    s->pos = std::clamp(s->pos, s->minPos, MaxPos(*s));
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        const bool needed = Needed(*s);
        if (needed || (info->fMask & SIF_DISABLENOSCROLL)) {
            SetBarVisible(w, bar, true);
            if (!(w = wm::Find(hwnd))) return 0;
            s = BarOf(w, bar);
        } else {
            SetBarVisible(w, bar, false);
            if (!(w = wm::Find(hwnd))) return 0;
            return BarOf(w, bar)->pos;
        }
    }
    if (redraw) PaintBarNow(w, bar);
    return s->pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w || !info || info->cbSize != sizeof(SCROLLINFO)) {
        if (w) SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (bar == SB_CTL)
        return static_cast<BOOL>(SendMessage(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    const ScrollBarState* s = BarOf(w, bar);
    if (!s) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (info->fMask & SIF_RANGE) {
        info->nMin = s->minPos;
        info->nMax = s->maxPos;
    }
    if (info->fMask & SIF_PAGE) info->nPage = s->page;
    if (info->fMask & SIF_POS) info->nPos = s->pos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->tracking ? s->trackPos : s->pos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    if (!GetScrollInfo(hwnd, bar, &info)) return 0;
    const int previous = info.nPos;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    return GetScrollInfo(hwnd, bar, &info) ? info.nPos : 0;
}

} // namespace win
