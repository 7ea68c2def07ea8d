// The SDL display on a real X server: starts its own Xvfb when installed (skips cleanly otherwise), opens a
// window, checks its pixels in a screenshot, and reads text the program put on the clipboard back with xclip.
#include "UserTestSupport.h"

#include "platform/display/Display.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PensBrushes.h"

#include "support/ChildProcess.h"
#include "support/Screenshot.h"
#include "support/XvfbServer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace win;

namespace {

using gl::proctest::OnPath;
using gl::proctest::Rgb;
using gl::proctest::RunResult;
using gl::proctest::ScopedEnvironment;
using gl::proctest::Screenshot;
using gl::proctest::ScreenshotCommand;
using gl::proctest::XvfbServer;

// Runs messages of the GUI thread for a while, so the display's events (and clipboard requests) are served.
void PumpFor(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        PumpWaitingMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Runs a program (at most ten seconds) while pumping messages, and returns what it wrote.
RunResult RunPumping(const std::vector<std::string>& args) {
    return gl::proctest::Run(args, 10000, {}, [] { PumpWaitingMessages(); });
}

LRESULT PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST(SdlSmoke, WindowShowsItsPixelsAndTheClipboardReachesTheDesktop) {
    if (!OnPath("Xvfb") || !OnPath("xclip") || !OnPath("import"))
        GTEST_SKIP() << "Xvfb, xclip or import missing";
    XvfbServer server;
    if (!server.Start(800, 600)) GTEST_SKIP() << "Xvfb did not start";
    const ScopedEnvironment display({{"DISPLAY", server.Name()}});
    headless::Use();
    std::unique_ptr<Display> sdl = CreateDisplay("sdl");
    if (!sdl) GTEST_SKIP() << "SDL cannot open the X server";
    SetCurrentDisplay(std::move(sdl));

    WNDCLASS wc;
    wc.lpfnWndProc = PlainProc;
    wc.hbrBackground = CreateSolidBrush(RGB(200, 30, 40));
    wc.lpszClassName = "SmokeWindow";
    RegisterClass(&wc);
    HWND top = CreateWindowEx(0, "SmokeWindow", "Glyphloom smoke", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 60,
                              300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(IsWindow(top));
    PumpFor(700);

    // Without a window manager the real window sits exactly at the client area: (54, 83), 292 x 173.
    const std::string shot = "/tmp/glyphloom-smoke-" + std::to_string(getpid()) + ".ppm";
    RunPumping(ScreenshotCommand(server.Name(), shot));
    const Screenshot screen(shot);
    ASSERT_TRUE(screen.Valid()) << "no screenshot";
    EXPECT_EQ(screen.At(54 + 146, 83 + 86), (Rgb{200, 30, 40}));
    EXPECT_NE(screen.At(20, 20), (Rgb{200, 30, 40}));
    std::remove(shot.c_str());

    const std::string text = "Glyphloom 剪贴板 text";
    ASSERT_TRUE(SetClipboardUtf8(text));
    const std::string read =
        RunPumping({"xclip", "-display", server.Name(), "-o", "-selection", "clipboard"}).out;
    EXPECT_EQ(read, text);

    DestroyWindow(top);
    UnregisterClass("SmokeWindow", nullptr);
    DeleteObject(wc.hbrBackground);
    headless::Use();
}

} // namespace
