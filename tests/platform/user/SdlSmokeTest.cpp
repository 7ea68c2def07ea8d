// The SDL display on a real X server: starts its own Xvfb when installed (skips cleanly otherwise), opens a
// window, checks its pixels in a screenshot, and reads text the program put on the clipboard back with xclip.
#include "UserTestSupport.h"

#include "platform/display/Display.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PensBrushes.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace win;

namespace {

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::string all(path);
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t end = all.find(':', start);
        const std::string dir = all.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0) return true;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

pid_t Spawn(const std::vector<std::string>& args, int stdoutFd = -1) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Runs messages of the GUI thread for a while, so the display's events (and clipboard requests) are served.
void PumpFor(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        PumpWaitingMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Runs a program while pumping messages, and returns what it wrote to its standard output.
std::string RunPumping(const std::vector<std::string>& args, int timeoutMs) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    const pid_t pid = Spawn(args, fds[1]);
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return {};
    }
    std::string out;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    bool done = false;
    while (!done && std::chrono::steady_clock::now() < end) {
        PumpWaitingMessages();
        done = waitpid(pid, &status, WNOHANG) == pid;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!done) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    return out;
}

class Xvfb {
public:
    bool Start() {
        m_number = 90 + static_cast<int>(getpid() % 100);
        m_pid =
            Spawn({"Xvfb", ":" + std::to_string(m_number), "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        if (m_pid < 0) return false;
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(m_number);
        for (int i = 0; i < 100; ++i) {
            struct stat st;
            if (stat(socket.c_str(), &st) == 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    ~Xvfb() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    std::string Name() const { return ":" + std::to_string(m_number); }

private:
    pid_t m_pid = -1;
    int m_number = 0;
};

struct Rgb {
    int r, g, b;
};

// Reads pixel (x, y) of a binary PPM file.
bool PpmPixel(const std::string& file, int x, int y, Rgb& out) {
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int w = 0, h = 0, max = 0;
    in >> magic >> w >> h >> max;
    in.get();
    if (magic != "P6" || x < 0 || y < 0 || x >= w || y >= h || max != 255) return false;
    in.seekg(static_cast<std::streamoff>((static_cast<long long>(y) * w + x) * 3), std::ios::cur);
    unsigned char px[3];
    if (!in.read(reinterpret_cast<char*>(px), 3)) return false;
    out = Rgb{px[0], px[1], px[2]};
    return true;
}

LRESULT PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST(SdlSmoke, WindowShowsItsPixelsAndTheClipboardReachesTheDesktop) {
    if (!OnPath("Xvfb") || !OnPath("xclip") || !OnPath("import"))
        GTEST_SKIP() << "Xvfb, xclip or import missing";
    Xvfb server;
    if (!server.Start()) GTEST_SKIP() << "Xvfb did not start";
    const char* oldDisplay = std::getenv("DISPLAY");
    const std::string savedDisplay = oldDisplay ? oldDisplay : "";
    setenv("DISPLAY", server.Name().c_str(), 1);
    headless::Use();
    std::unique_ptr<Display> sdl = CreateDisplay("sdl");
    if (!sdl) {
        if (oldDisplay) setenv("DISPLAY", savedDisplay.c_str(), 1);
        GTEST_SKIP() << "SDL cannot open the X server";
    }
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
    RunPumping({"import", "-display", server.Name(), "-window", "root", "-depth", "8", shot}, 10000);
    Rgb inside{}, outside{};
    ASSERT_TRUE(PpmPixel(shot, 54 + 146, 83 + 86, inside)) << "no screenshot";
    ASSERT_TRUE(PpmPixel(shot, 20, 20, outside));
    EXPECT_EQ(inside.r, 200);
    EXPECT_EQ(inside.g, 30);
    EXPECT_EQ(inside.b, 40);
    EXPECT_FALSE(outside.r == 200 && outside.g == 30 && outside.b == 40);
    std::remove(shot.c_str());

    const std::string text = "Glyphloom 剪贴板 text";
    ASSERT_TRUE(SetClipboardUtf8(text));
    const std::string read =
        RunPumping({"xclip", "-display", server.Name(), "-o", "-selection", "clipboard"}, 10000);
    EXPECT_EQ(read, text);

    DestroyWindow(top);
    UnregisterClass("SmokeWindow", nullptr);
    DeleteObject(wc.hbrBackground);
    headless::Use();
    if (oldDisplay)
        setenv("DISPLAY", savedDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

} // namespace
