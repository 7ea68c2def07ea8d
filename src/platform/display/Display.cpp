// Choosing the display backend (in this one place) and keeping the drawing layer's idea of the screen in
// step.
#include "platform/display/Display.h"

#include "platform/display/detail/sdl/SdlDisplay.h"
#include "platform/display/headless/HeadlessDisplay.h"
#include "platform/gdi/Screen.h"
#include "platform/system/StateReset.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace win {

namespace {

std::unique_ptr<Display>& Current() {
    static std::unique_ptr<Display> display;
    return display;
}

bool EnvSet(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

std::unique_ptr<Display> ChooseDisplay() {
    const char* requested = std::getenv("GLYPHLOOM_DISPLAY");
    if (requested && *requested) {
        if (std::strcmp(requested, "headless") == 0) return CreateDisplay("headless");
        if (std::strcmp(requested, "sdl") == 0) {
            auto sdl = CreateDisplay("sdl");
            if (sdl) return sdl;
            std::fprintf(stderr, "glyphloom: the SDL display cannot be opened; running headless\n");
            return CreateDisplay("headless");
        }
        std::fprintf(stderr, "glyphloom: unknown GLYPHLOOM_DISPLAY '%s'; use sdl or headless\n", requested);
    }
    if (EnvSet("DISPLAY") || EnvSet("WAYLAND_DISPLAY")) {
        if (auto sdl = CreateDisplay("sdl")) return sdl;
    }
    return CreateDisplay("headless");
}

// The drawing layer's screen takes the size and density of the display in use.
void ApplyScreen() {
    const SIZE screen = Current()->ScreenSize();
    SetScreenSize(screen.cx, screen.cy);
    SetScreenDpi(Current()->Dpi());
}

void Install(std::unique_ptr<Display> display) {
    Current() = std::move(display);
    if (Current()) ApplyScreen();
}

// A test may have given the screen another size or density: the display's again, or the defaults without one.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    if (Current()) return ApplyScreen();
    SetScreenSize(kDefaultScreenWidth, kDefaultScreenHeight);
    SetScreenDpi(0);
});

} // namespace

Display& CurrentDisplay() {
    if (!Current()) Install(ChooseDisplay());
    return *Current();
}

void SetCurrentDisplay(std::unique_ptr<Display> display) {
    Install(std::move(display));
}

bool HasCurrentDisplay() {
    return Current() != nullptr;
}

bool CurrentDisplayRequested() {
    const char* requested = std::getenv("GLYPHLOOM_DISPLAY");
    return requested && std::strcmp(requested, CurrentDisplay().Name()) == 0;
}

std::unique_ptr<Display> CreateDisplay(const std::string& name) {
    if (name == "headless") return std::make_unique<HeadlessDisplay>();
    if (name == "sdl") return CreateSdlDisplay();
    return nullptr;
}

int DpiFromEnvironment() {
    const char* v = std::getenv("GLYPHLOOM_DPI");
    if (!v || !*v) return 96;
    char* end = nullptr;
    const long dpi = std::strtol(v, &end, 10);
    if (end == v || *end != '\0' || dpi < 48 || dpi > 960) return 96;
    return static_cast<int>(dpi);
}

HeadlessDisplay* CurrentHeadlessDisplay() {
    if (!Current()) return nullptr;
    return dynamic_cast<HeadlessDisplay*>(Current().get());
}

} // namespace win
