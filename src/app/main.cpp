// The desktop program's entry: one window, optionally starting with a picture of the user's choice.
#include "app/Program.h"
#include "app/Unit1.h"
#include "framework/forms/Application.h"

#include "platform/display/Display.h"
#include "platform/system/Termination.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: glyphloom [PICTURE]\n"
    "Opens the Glyphloom window on the desktop named by DISPLAY (or WAYLAND_DISPLAY), with PICTURE (a BMP,\n"
    "PNG, JPEG, GIF or WebP file) in place of the default picture.\n"
    "Without a desktop, glyphloom-convert writes the same text art to standard output.\n";

struct CommandLine {
    int exitStatus = -1; // 0 or more: end at once with this status
    std::optional<std::string> picture;
};

// "--" ends the options, so that a picture whose name starts with "-" can be named.
CommandLine ReadCommandLine(int argc, char** argv) {
    CommandLine line;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && arg == "--version") {
            std::puts("glyphloom 1.0");
            return {0, {}};
        } else if (options && arg == "--help") {
            std::fputs(kUsage, stdout);
            return {0, {}};
        } else if ((options && arg.size() > 1 && arg.front() == '-') || line.picture || arg.empty()) {
            std::fputs(kUsage, stderr);
            return {2, {}};
        } else {
            line.picture = std::string(arg);
        }
    }
    return line;
}

} // namespace

int main(int argc, char** argv) {
    const CommandLine line = ReadCommandLine(argc, argv);
    if (line.exitStatus >= 0) return line.exitStatus;
    // Without a desktop the window would open on an invisible screen and end at once: say so instead.
    if (!win::CurrentDisplay().ShownToPerson() && !win::CurrentDisplayRequested()) {
        const char* named = std::getenv("DISPLAY");
        if (!named || !*named) named = std::getenv("WAYLAND_DISPLAY");
        if (named && *named)
            std::fprintf(stderr, "glyphloom: cannot open display %s\n", named);
        else
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
    const int status = gl::RunApplication([&line](gl::TApplication& application) {
        application.CreateForm(gl::F_main);
        gl::GiveProgramIcon(gl::F_main->Handle());
        if (line.picture) gl::F_main->StartWithPicture(*line.picture);
    });
    // Whoever sent the signal learns that it ended the program.
    win::EndByTerminationSignal();
    return status;
}
