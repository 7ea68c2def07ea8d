// The X server's errors and its going away under the program, and where the keyboard is.
#include "platform/display/detail/sdl/SdlX11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace win::sdl {

namespace {

int ConnectionBroken(Display* display) {
    char line[256];
    const int length =
        std::snprintf(line, sizeof line, "%s: the connection to display %s is broken; ending\n",
                      program_invocation_short_name, display ? DisplayString(display) : "?");
    if (length > 0) {
        [[maybe_unused]] const ssize_t written = write(
            STDERR_FILENO, line, std::min<std::size_t>(static_cast<std::size_t>(length), sizeof line - 1));
    }
    _exit(1);
}

// A server that keeps refusing would fill the log: past this many lines, the errors go unreported.
constexpr int kReportedErrors = 50;

int LogError(Display* display, XErrorEvent* error) {
    static int reported = 0;
    if (reported > kReportedErrors) return 0;
    if (reported++ == kReportedErrors) {
        std::fprintf(stderr, "%s: further X errors are not reported\n", program_invocation_short_name);
        return 0;
    }
    char text[128] = "";
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "%s: the X server refused request %d.%d: %s; going on\n",
                 program_invocation_short_name, error->request_code, error->minor_code, text);
    return 0;
}

int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

bool X11Info(SDL_Window* window, SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    return window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11;
}

} // namespace

unsigned long KeyboardFocus(SDL_Window* window) {
    SDL_SysWMinfo info;
    if (!X11Info(window, info)) return 0;
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(info.info.x11.display, &focus, &revertTo);
    return focus == PointerRoot ? 0 : focus;
}

void GiveKeyboardFocus(SDL_Window* window, unsigned long xWindow) {
    SDL_SysWMinfo info;
    if (!xWindow || !X11Info(window, info)) return;
    Display* display = info.info.x11.display;
    // The window may have gone meanwhile (another program's): the server's refusal is no reason to end.
    XSync(display, False);
    const XErrorHandler previous = XSetErrorHandler(IgnoreError);
    XSetInputFocus(display, xWindow, RevertToParent, CurrentTime);
    XSync(display, False);
    XSetErrorHandler(previous);
}

unsigned long XWindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    return X11Info(window, info) ? info.info.x11.window : 0;
}

void HandleX11Failures() {
    XSetIOErrorHandler(ConnectionBroken);
    XSetErrorHandler(LogError);
}

} // namespace win::sdl
