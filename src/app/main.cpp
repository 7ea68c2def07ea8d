// The desktop program's entry: one window, no arguments.
#include "app/Program.h"
#include "app/Unit1.h"
#include "framework/forms/Application.h"

#include "platform/display/Display.h"
#include "platform/system/Termination.h"

#include <chrono>
#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: glyphloom\n"
    "Opens the Glyphloom window on the desktop named by DISPLAY (or WAYLAND_DISPLAY).\n"
    "Without a desktop, glyphloom-convert writes the same text art to standard output.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        const std::string_view arg = argv[1];
        if (arg == "--version") return std::puts("glyphloom 1.0"), 0;
        std::fputs(kUsage, arg == "--help" ? stdout : stderr);
        return arg == "--help" ? 0 : 2;
    }
    // Without a desktop the window would open on an invisible screen and end at once: say so instead.
    if (!win::CurrentDisplay().ShownToPerson() && !win::CurrentDisplayRequested()) {
        std::fputs("glyphloom: no desktop display to open the window on (DISPLAY is not set).\n"
                   "Use glyphloom-convert to write text art without one.\n",
                   stderr);
        return 1;
    }
    // SIGTERM and SIGINT close the window as the desktop's request to end would, in whatever box or list is
    // open; what cannot close in this time is ended by the signal.
    win::HandleTerminationSignals(std::chrono::milliseconds(1500));
    gl::RegisterProgram();
    gl::RegisterStartupSample();
    const int status =
        gl::RunApplication([](gl::TApplication& application) { application.CreateForm(gl::F_main); });
    // Whoever sent the signal learns that it ended the program.
    win::EndByTerminationSignal();
    return status;
}
