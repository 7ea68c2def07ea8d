// The screen's metrics and surface, and the screen and window contexts handed out by GetDC.
#include "platform/gdi/Screen.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/system/LastError.h"

#include <cstdlib>

namespace win {

namespace {

struct ScreenState {
    int width = kDefaultScreenWidth;
    int height = kDefaultScreenHeight;
    int dpiOverride = 0;
    std::shared_ptr<Surface> surface;
    WindowDcProvider provide = nullptr;
    WindowDcRelease release = nullptr;
};

ScreenState& Screen() {
    static ScreenState state;
    return state;
}

int DpiFromEnvironment() {
    const char* text = std::getenv("GLYPHLOOM_DPI");
    if (!text || !*text) return 96;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 48 || value > 960) return 96;
    return static_cast<int>(value);
}

} // namespace

int ScreenWidth() {
    return Screen().width;
}
int ScreenHeight() {
    return Screen().height;
}

void SetScreenSize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    ScreenState& s = Screen();
    if (s.width == width && s.height == height) return;
    s.width = width;
    s.height = height;
    s.surface.reset();
}

int ScreenDpi() {
    const int over = Screen().dpiOverride;
    if (over > 0) return over;
    static const int fromEnvironment = DpiFromEnvironment();
    return fromEnvironment;
}

void SetScreenDpi(int dpi) {
    Screen().dpiOverride = dpi > 0 ? dpi : 0;
}

std::shared_ptr<Surface> ScreenSurface() {
    ScreenState& s = Screen();
    if (!s.surface) s.surface = Surface::Create(s.width, s.height, kScreenBitsPerPixel, true);
    return s.surface;
}

void SetWindowDcProvider(WindowDcProvider provide, WindowDcRelease release) {
    Screen().provide = provide;
    Screen().release = release;
}

HDC GetDC(HWND window) {
    return GetDCEx(window, nullptr, window ? 0 : DCX_CACHE);
}

HDC GetDCEx(HWND window, HRGN clip, DWORD flags) {
    if (window) {
        WindowDcProvider provide = Screen().provide;
        if (!provide) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        return provide(window, clip, flags);
    }
    auto dc = NewDeviceContext(DcKind::Screen);
    dc->surface = ScreenSurface();
    if (!dc->surface) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    dc->systemClip = Region(RECT{0, 0, dc->surface->Width(), dc->surface->Height()});
    return RegisterDeviceContext(std::move(dc));
}

int ReleaseDC(HWND window, HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return 0;
    if (dc->kind == DcKind::Window) {
        WindowDcRelease release = Screen().release;
        if (release) return release(window, hdc);
        return DestroyDeviceContext(hdc) ? 1 : 0;
    }
    if (dc->kind != DcKind::Screen) return 0; // memory contexts are deleted, not released
    return DestroyDeviceContext(hdc) ? 1 : 0;
}

} // namespace win
