// Icons: a copy of the pixels of the bitmaps they were made from, behind checked handles.
#include "platform/user/Icons.h"

#include "platform/display/Display.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/system/HandleTable.h"
#include "platform/system/LastError.h"
#include "platform/user/Messages.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>
#include <memory>

namespace win {

namespace {

struct IconObject {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

HandleTable<IconObject>& Icons() {
    static HandleTable<IconObject> table(HandleTag::Icon);
    return table;
}

// A bitmap's pixels as 32-bit top-down rows (0xAARRGGBB as stored in the bitmap), or empty.
std::vector<std::uint32_t> ReadPixels(HBITMAP bitmap, int& width, int& height) {
    BITMAP description{};
    if (!bitmap || GetObject(bitmap, sizeof description, &description) == 0) return {};
    width = description.bmWidth;
    height = description.bmHeight < 0 ? -description.bmHeight : description.bmHeight;
    if (width <= 0 || height <= 0 || width > 1024 || height > 1024) return {};
    BITMAPINFO info = TopDownInfo32(width, height);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    const HDC dc = CreateCompatibleDC(nullptr);
    const int lines =
        GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (lines != height) return {};
    return pixels;
}

} // namespace

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info || !info->hbmColor) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto icon = std::make_unique<IconObject>();
    icon->argb = ReadPixels(info->hbmColor, icon->width, icon->height);
    if (icon->argb.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const bool hasAlpha =
        std::any_of(icon->argb.begin(), icon->argb.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
    int maskWidth = 0, maskHeight = 0;
    const std::vector<std::uint32_t> mask =
        info->hbmMask ? ReadPixels(info->hbmMask, maskWidth, maskHeight) : std::vector<std::uint32_t>{};
    const bool maskFits = maskWidth == icon->width && maskHeight == icon->height;
    for (std::size_t i = 0; i < icon->argb.size(); ++i) {
        std::uint32_t& p = icon->argb[i];
        if (hasAlpha) continue;
        // Without alpha the mask decides: white (1) is transparent.
        const bool transparent = maskFits && (mask[i] & 0xFFFFFF) != 0;
        p = transparent ? 0 : (p | 0xFF000000u);
    }
    return reinterpret_cast<HICON>(Icons().Add(std::move(icon)));
}

bool IconPixels(HICON icon, int& width, int& height, std::vector<std::uint32_t>& argb) {
    const IconObject* object = Icons().Find(reinterpret_cast<std::uintptr_t>(icon));
    if (!object) return false;
    width = object->width;
    height = object->height;
    argb = object->argb;
    return true;
}

LRESULT SetWindowIconMessage(HWND hwnd, WPARAM which, HICON icon) {
    Window* w = wm::Find(hwnd);
    if (!w) return 0;
    HICON& slot = which == ICON_BIG ? w->icon : w->iconSmall;
    const HICON previous = slot;
    slot = icon;
    PresentWindowIcon(hwnd);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT GetWindowIconMessage(HWND hwnd, WPARAM which) {
    const Window* w = wm::Find(hwnd);
    if (!w) return 0;
    return reinterpret_cast<LRESULT>(which == ICON_BIG ? w->icon : w->iconSmall);
}

void PresentWindowIcon(HWND hwnd) {
    const Window* w = wm::Find(hwnd);
    if (!w || !wm::IsTopLevel(w) || !w->displayId || !HasCurrentDisplay()) return;
    DisplayIcon shown;
    for (HICON candidate :
         {w->icon, w->iconSmall, w->cls ? w->cls->icon : nullptr, w->cls ? w->cls->iconSmall : nullptr}) {
        if (candidate && IconPixels(candidate, shown.width, shown.height, shown.argb)) break;
    }
    CurrentDisplay().SetWindowIcon(w->displayId, shown);
}

} // namespace win
