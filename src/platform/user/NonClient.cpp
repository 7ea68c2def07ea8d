// The non-client area: frame arithmetic (frame, caption, edges, scroll bars), the default WM_NCCALCSIZE,
// hit-testing and painting of frames and scroll bars in the classic look.
#include "platform/gdi/Clipping.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Screen.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/Metrics.h"
#include "platform/user/Paint.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>

namespace win::wm {

namespace {

bool HasCaption(DWORD style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

// The frame's thickness: sizing frame, dialog frame, thin border or none.
int FrameThickness(DWORD style, DWORD exStyle) {
    if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXDLGFRAME);
    if (style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

int CaptionHeight(DWORD style, DWORD exStyle) {
    if (!HasCaption(style)) return 0;
    return (exStyle & WS_EX_TOOLWINDOW) ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION);
}

int EdgeThickness(DWORD exStyle) {
    int edge = 0;
    if (exStyle & WS_EX_CLIENTEDGE) edge += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE) edge += GetSystemMetrics(SM_CXBORDER);
    return edge;
}

RECT Deflate(const RECT& r, const RECT& by) {
    RECT out{r.left + by.left, r.top + by.top, r.right - by.right, r.bottom - by.bottom};
    if (out.right < out.left) out.right = out.left;
    if (out.bottom < out.top) out.bottom = out.top;
    return out;
}

// The window's edges inside its frame and caption: frame plus caption plus client edge (no scroll bars).
RECT InnerInsets(const Window* w) {
    const int frame = FrameThickness(w->style, w->exStyle);
    const int edge = EdgeThickness(w->exStyle);
    const int caption = CaptionHeight(w->style, w->exStyle);
    return RECT{frame + edge, frame + caption + edge, frame + edge, frame + edge};
}

} // namespace

RECT NonClientInsets(DWORD style, DWORD exStyle, bool) {
    const int frame = FrameThickness(style, exStyle);
    const int edge = EdgeThickness(exStyle);
    RECT r{frame + edge, frame + edge + CaptionHeight(style, exStyle), frame + edge, frame + edge};
    if (style & WS_VSCROLL) r.right += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) r.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return r;
}

RECT DecorationInsets(const Window* w) {
    if (!IsTopLevel(w) || !(HasCaption(w->style) || (w->style & WS_THICKFRAME))) return RECT{};
    const int frame = FrameThickness(w->style, w->exStyle);
    return RECT{frame, frame + CaptionHeight(w->style, w->exStyle), frame, frame};
}

RECT ContentRect(const Window* w) {
    return Deflate(RECT{0, 0, w->Width(), w->Height()}, DecorationInsets(w));
}

LRESULT DefNcCalcSize(Window* w, WPARAM, LPARAM lParam) {
    if (!lParam) return 0;
    // rgrc[0] (or the RECT itself) holds the window's rectangle in its parent's coordinates and becomes the
    // client.
    auto* r = reinterpret_cast<RECT*>(lParam);
    if (w->minimized && !IsTopLevel(w)) return 0;
    *r = Deflate(*r, NonClientInsets(w->style, w->exStyle, IsTopLevel(w)));
    return 0;
}

RECT ScrollBarRect(const Window* w, bool vertical) {
    const DWORD bit = vertical ? WS_VSCROLL : WS_HSCROLL;
    if (!(w->style & bit)) return RECT{};
    const RECT inner = Deflate(RECT{0, 0, w->Width(), w->Height()}, InnerInsets(w));
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    const int cy = GetSystemMetrics(SM_CYHSCROLL);
    const bool other = (w->style & (vertical ? WS_HSCROLL : WS_VSCROLL)) != 0;
    if (vertical) {
        RECT r{std::max(inner.left, inner.right - cx), inner.top, inner.right,
               inner.bottom - (other ? cy : 0)};
        if (r.bottom < r.top) r.bottom = r.top;
        return r;
    }
    RECT r{inner.left, std::max(inner.top, inner.bottom - cy), inner.right - (other ? cx : 0), inner.bottom};
    if (r.right < r.left) r.right = r.left;
    return r;
}

LRESULT DefNcHitTest(Window* w, POINT screen) {
    const POINT origin = ScreenOrigin(w);
    const POINT p{screen.x - origin.x, screen.y - origin.y};
    if (!RectContains(RECT{0, 0, w->Width(), w->Height()}, p.x, p.y)) return HTNOWHERE;
    if (w->minimized && IsTopLevel(w)) return HTCAPTION;
    if (RectContains(w->client, p.x, p.y)) return HTCLIENT;
    if (RectContains(ScrollBarRect(w, true), p.x, p.y)) return HTVSCROLL;
    if (RectContains(ScrollBarRect(w, false), p.x, p.y)) return HTHSCROLL;
    const RECT inner = Deflate(RECT{0, 0, w->Width(), w->Height()}, InnerInsets(w));
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL) && RectContains(inner, p.x, p.y))
        return (w->style & WS_THICKFRAME) ? HTGROWBOX : HTNOWHERE;
    const int frame = FrameThickness(w->style, w->exStyle);
    const int caption = CaptionHeight(w->style, w->exStyle);
    if (caption > 0 && p.y >= frame && p.y < frame + caption && p.x >= frame && p.x < w->Width() - frame)
        return HTCAPTION;
    if ((w->style & WS_THICKFRAME) && !w->maximized) {
        const bool left = p.x < frame, right = p.x >= w->Width() - frame;
        const bool top = p.y < frame, bottom = p.y >= w->Height() - frame;
        if (top) return left ? HTTOPLEFT : (right ? HTTOPRIGHT : HTTOP);
        if (bottom) return left ? HTBOTTOMLEFT : (right ? HTBOTTOMRIGHT : HTBOTTOM);
        if (left) return HTLEFT;
        if (right) return HTRIGHT;
    }
    return HTBORDER;
}

void DefNcPaint(Window* w, HRGN region) {
    Region restrict;
    const Region* restrictPtr = nullptr;
    const auto value = reinterpret_cast<std::uintptr_t>(region);
    if (value > 1) {
        // The region comes in screen coordinates.
        if (const RegionObject* r = FindGdi<RegionObject>(region)) {
            restrict = r->region;
            const POINT origin = ScreenOrigin(w);
            restrict.Offset(-origin.x, -origin.y);
            restrictPtr = & restrict;
        }
    }
    HDC hdc = MakeWindowDc(w, true, restrictPtr, 0, false);
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return;
    // Never paint into the client area here.
    dc->systemClip.SubtractRect(w->client);
    dc->UpdateClip();

    RECT r{0, 0, w->Width(), w->Height()};
    const int frame = FrameThickness(w->style, w->exStyle);
    if (w->style & WS_THICKFRAME) {
        DrawRing(*dc, r, SysColor(COLOR_3DLIGHT), SysColor(COLOR_3DDKSHADOW));
        DrawRing(*dc, Deflate(r, RECT{1, 1, 1, 1}), SysColor(COLOR_3DHILIGHT), SysColor(COLOR_3DSHADOW));
        for (int i = 2; i < frame; ++i) {
            const RECT ring = Deflate(r, RECT{i, i, i, i});
            DrawRing(*dc, ring, SysColor(COLOR_ACTIVEBORDER), SysColor(COLOR_ACTIVEBORDER));
        }
    } else if ((w->style & WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) {
        DrawRing(*dc, r, SysColor(COLOR_3DLIGHT), SysColor(COLOR_3DDKSHADOW));
        DrawRing(*dc, Deflate(r, RECT{1, 1, 1, 1}), SysColor(COLOR_3DHILIGHT), SysColor(COLOR_3DSHADOW));
        for (int i = 2; i < frame; ++i) {
            const RECT ring = Deflate(r, RECT{i, i, i, i});
            DrawRing(*dc, ring, SysColor(COLOR_3DFACE), SysColor(COLOR_3DFACE));
        }
    } else if (w->style & WS_BORDER) {
        DrawRing(*dc, r, SysColor(COLOR_WINDOWFRAME), SysColor(COLOR_WINDOWFRAME));
    }
    r = Deflate(r, RECT{frame, frame, frame, frame});
    const int caption = CaptionHeight(w->style, w->exStyle);
    if (caption > 0) {
        const bool active = Thread().active == w->handle;
        FillSolid(*dc, RECT{r.left, r.top, r.right, r.top + caption - 1},
                  SysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        FillSolid(*dc, RECT{r.left, r.top + caption - 1, r.right, r.top + caption}, SysColor(COLOR_3DFACE));
        r.top += caption;
    }
    if (w->exStyle & WS_EX_CLIENTEDGE) {
        DrawRing(*dc, r, SysColor(COLOR_3DSHADOW), SysColor(COLOR_3DHILIGHT));
        DrawRing(*dc, Deflate(r, RECT{1, 1, 1, 1}), SysColor(COLOR_3DDKSHADOW), SysColor(COLOR_3DLIGHT));
        r = Deflate(r, RECT{2, 2, 2, 2});
    }
    if (w->exStyle & WS_EX_STATICEDGE) {
        DrawRing(*dc, r, SysColor(COLOR_3DSHADOW), SysColor(COLOR_3DHILIGHT));
        r = Deflate(r, RECT{1, 1, 1, 1});
    }
    const bool enabled = !w->Disabled();
    if (w->style & WS_VSCROLL) PaintScrollBar(hdc, ScrollBarRect(w, true), true, w->vScroll, enabled);
    if (w->style & WS_HSCROLL) PaintScrollBar(hdc, ScrollBarRect(w, false), false, w->hScroll, enabled);
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL)) {
        const RECT v = ScrollBarRect(w, true);
        const RECT h = ScrollBarRect(w, false);
        FillSolid(*dc, RECT{v.left, h.top, v.right, h.bottom}, SysColor(COLOR_3DFACE));
    }
    ReleaseWindowDc(hdc);
}

} // namespace win::wm
