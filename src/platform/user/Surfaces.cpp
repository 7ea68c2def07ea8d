// The retained surfaces of top-level windows and presenting their changed parts on the display.
#include "platform/gdi/SysColors.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>
#include <cstring>

namespace win::wm {

namespace {

// A window may be as large as the platform allows (32767), but only this much of it (from its top-left
// corner) is kept in pixels, so an absurd size never asks for gigabytes: 8192 pixels a side, 16 million in
// all.
constexpr LONG kMaxSurfaceSide = 8192;
constexpr LONG kMaxSurfacePixels = 16 * 1024 * 1024;

RECT UnionRect(const RECT& a, const RECT& b) {
    if (RectEmpty(a)) return b;
    if (RectEmpty(b)) return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

} // namespace

void EnsureSurface(Window* top) {
    if (!top || !IsTopLevel(top)) return;
    const int width = static_cast<int>(std::clamp<LONG>(top->Width(), 1, kMaxSurfaceSide));
    const int height = static_cast<int>(
        std::clamp<LONG>(top->Height(), 1, std::min(kMaxSurfaceSide, kMaxSurfacePixels / width)));
    if (top->surface && top->surface->Width() == width && top->surface->Height() == height) return;
    std::shared_ptr<Surface> fresh = Surface::Create(width, height, 32, true);
    if (!fresh) return;
    // New pixels start in the window colour; what was painted before stays where it was.
    fresh->Fill(RECT{0, 0, width, height}, GetSysColor(COLOR_WINDOW));
    if (top->surface) {
        const Surface& old = *top->surface;
        const int w = std::min(width, old.Width());
        const int h = std::min(height, old.Height());
        for (int y = 0; y < h; ++y) std::memcpy(fresh->Row(y), old.Row(y), static_cast<std::size_t>(w) * 4);
    }
    top->surface = std::move(fresh);
    top->dirty = RECT{0, 0, width, height};
}

void MarkDirtySurface(Window* top, const RECT& surfaceRect) {
    if (!top || RectEmpty(surfaceRect)) return;
    top->dirty = UnionRect(top->dirty, surfaceRect);
}

void PresentWindow(Window* top, const RECT& contentDirty) {
    if (!top->surface || !top->displayId || RectEmpty(contentDirty) || !HasCurrentDisplay()) return;
    const RECT content = ContentRect(top);
    const SIZE size{content.right - content.left, content.bottom - content.top};
    CurrentDisplay().Present(top->displayId, *top->surface, POINT{content.left, content.top}, size,
                             contentDirty);
}

void PresentAll() {
    if (!HasCurrentDisplay()) return;
    Window* desktop = Desktop();
    for (Window* top : desktop->children) {
        if (RectEmpty(top->dirty) || !top->displayId) continue;
        const RECT content = ContentRect(top);
        RECT part = RectIntersection(top->dirty, content);
        top->dirty = RECT{};
        if (RectEmpty(part) || !top->Visible()) continue;
        PresentWindow(top, RectOffset(part, -content.left, -content.top));
    }
}

} // namespace win::wm
