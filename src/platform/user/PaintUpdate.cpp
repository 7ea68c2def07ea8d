// Update regions: invalidating and validating, RedrawWindow and UpdateWindow, and finding the next window
// that wants WM_PAINT (parents before their children, lower siblings before higher ones).
#include "platform/gdi/Clipping.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Paint.h"
#include "platform/user/detail/WindowManager.h"

namespace win::wm {

namespace {

bool g_paintPending = false;

bool NeedsPaint(const Window* w) {
    return !w->update.Empty() || w->internalPaint;
}

Window* FindPaint(Window* w, HWND filter, bool inFilter) {
    const bool mine = inFilter || !filter || w->handle == filter;
    if (w->parent && !w->Visible()) return nullptr;
    if (w->parent && mine && NeedsPaint(w)) return w;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        if (Window* found = FindPaint(*it, filter, mine && w->parent)) return found;
    return nullptr;
}

bool IncludeChildren(const Window* w, UINT flags) {
    if (flags & RDW_ALLCHILDREN) return true;
    if (flags & RDW_NOCHILDREN) return false;
    return !(w->style & WS_CLIPCHILDREN);
}

void SendNcAndErase(Window* w, UINT flags) {
    const HWND hwnd = w->handle;
    if (w->ncPaintPending && !(flags & RDW_NOFRAME)) {
        w->ncPaintPending = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        w = Find(hwnd);
        if (!w) return;
    }
    if (w->erasePending && !w->update.Empty()) {
        w->erasePending = false;
        Region paint = w->update;
        paint.IntersectRect(w->client);
        paint.Offset(-w->client.left, -w->client.top);
        HDC hdc = MakeWindowDc(w, false, &paint, 0, false);
        if (hdc) {
            SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
            ReleaseWindowDc(hdc);
        }
    }
}

void UpdateNow(HWND hwnd, UINT flags) {
    Window* w = Find(hwnd);
    if (!w || !IsVisibleChain(w)) return;
    if (flags & RDW_ERASENOW) SendNcAndErase(w, flags);
    if ((flags & RDW_UPDATENOW) && (w = Find(hwnd)) && NeedsPaint(w)) {
        SendMessage(hwnd, WM_PAINT, 0, 0);
        // A handler that does not validate would be asked again forever; the queue asks it again later.
    }
    w = Find(hwnd);
    if (!w || !IncludeChildren(w, flags)) return;
    std::vector<HWND> children;
    for (Window* c : w->children) children.push_back(c->handle);
    for (HWND c : children) UpdateNow(c, flags | RDW_ALLCHILDREN);
}

} // namespace

Window* NextWindowToPaint(HWND filter) {
    if (!g_paintPending) return nullptr;
    Window* found = FindPaint(Desktop(), filter, false);
    if (!found && !filter) g_paintPending = false;
    return found;
}

void Invalidate(Window* w, const Region& windowRegion, UINT flags) {
    if (!w || !w->parent) return;
    Region region = windowRegion;
    region.IntersectRect(RECT{0, 0, w->Width(), w->Height()});
    if (!(flags & RDW_FRAME) || (flags & RDW_NOFRAME)) region.IntersectRect(w->client);
    if (flags & RDW_INVALIDATE) {
        if (!region.Empty() && w->Visible() && IsVisibleChain(w)) {
            w->update.Union(region);
            if (flags & RDW_ERASE) w->erasePending = true;
            Region frame = region;
            frame.SubtractRect(w->client);
            if (!frame.Empty()) w->ncPaintPending = true;
            g_paintPending = true;
        }
    } else if (flags & RDW_VALIDATE) {
        w->update.Subtract(region);
        if (flags & RDW_NOERASE) w->erasePending = false;
        if (w->update.Empty()) {
            w->erasePending = false;
            if (!(flags & RDW_NOFRAME)) w->ncPaintPending = false;
        }
    }
    if (flags & RDW_INTERNALPAINT) {
        w->internalPaint = true;
        g_paintPending = true;
    }
    if (flags & RDW_NOINTERNALPAINT) w->internalPaint = false;
    if (!IncludeChildren(w, flags)) return;
    // Children take the part of the region over their window, frame included.
    for (Window* c : w->children) {
        if (!c->Visible()) continue;
        Region part = region;
        part.Offset(-(w->client.left + c->rect.left), -(w->client.top + c->rect.top));
        part.IntersectRect(RECT{0, 0, c->Width(), c->Height()});
        if (part.Empty() && !(flags & RDW_INTERNALPAINT)) continue;
        Invalidate(c, part, (flags | RDW_FRAME | RDW_ALLCHILDREN) & ~RDW_NOFRAME);
    }
}

namespace {

// Nothing waits to be painted (the windows are gone).
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { g_paintPending = false; });

} // namespace

} // namespace win::wm

namespace win {

namespace {

// A client-coordinate rectangle or region (or the whole client area / window) in window coordinates.
Region ToWindowRegion(const Window* w, const RECT* rect, HRGN rgn, UINT flags) {
    Region region;
    if (const RegionObject* r = FindGdi<RegionObject>(rgn)) {
        region = r->region;
        region.Offset(w->client.left, w->client.top);
    } else if (rect) {
        region = Region(RectOffset(*rect, w->client.left, w->client.top));
    } else if (flags & RDW_FRAME) {
        region = Region(RECT{0, 0, w->Width(), w->Height()});
    } else {
        region = Region(w->client);
    }
    return region;
}

} // namespace

BOOL RedrawWindow(HWND hwnd, const RECT* update, HRGN updateRgn, UINT flags) {
    Window* w = hwnd ? wm::FindOrFail(hwnd) : wm::Desktop();
    if (!w) return FALSE;
    if (w == wm::Desktop()) {
        std::vector<HWND> tops;
        for (Window* t : w->children) tops.push_back(t->handle);
        for (HWND t : tops) RedrawWindow(t, nullptr, nullptr, flags | RDW_FRAME | RDW_ALLCHILDREN);
        return TRUE;
    }
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT))
        wm::Invalidate(w, ToWindowRegion(w, update, updateRgn, flags), flags);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) wm::UpdateNow(hwnd, flags);
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd) return RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return FALSE;
    Region client = w->update;
    client.IntersectRect(w->client);
    client.Offset(-w->client.left, -w->client.top);
    if (rect) *rect = client.Bounds();
    if (erase && !client.Empty()) RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASENOW | RDW_NOCHILDREN);
    return client.Empty() ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    if (!wm::FindOrFail(hwnd)) return FALSE;
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace win
