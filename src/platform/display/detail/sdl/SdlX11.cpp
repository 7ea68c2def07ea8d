// The X server going away under the program.
#include "platform/display/detail/sdl/SdlX11.h"

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

} // namespace

void EndOnBrokenX11Connection() {
    XSetIOErrorHandler(ConnectionBroken);
}

} // namespace win::sdl
