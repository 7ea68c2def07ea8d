// A form with a few standard controls on the SDL display under a real X server: starts its own Xvfb when it
// is installed (skips cleanly otherwise), shows the form through the application and reads its pixels back
// from a screenshot.
#include "FormsTestSupport.h"

#include "platform/controls/ControlClasses.h"
#include "platform/display/Display.h"
#include "platform/user/User.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace gl::formstest {
namespace {

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string all = path ? path : "";
    for (std::size_t start = 0; start <= all.size();) {
        const std::size_t end = std::min(all.find(':', start), all.size());
        if (end > start && access((all.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

pid_t Spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Runs the application's messages for a while, so that the display's events are served.
void PumpFor(TApplication& application, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        application.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Runs a program to its end while the application keeps handling messages.
bool RunPumping(TApplication& application, const std::vector<std::string>& args) {
    const pid_t pid = Spawn(args);
    if (pid < 0) return false;
    int status = 0;
    for (int i = 0; i < 2000; ++i) {
        application.ProcessMessages();
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return false;
}

bool PpmPixel(const std::string& file, int x, int y, int rgb[3]) {
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int w = 0, h = 0, max = 0;
    in >> magic >> w >> h >> max;
    in.get();
    if (magic != "P6" || x < 0 || y < 0 || x >= w || y >= h || max != 255) return false;
    in.seekg(static_cast<std::streamoff>((static_cast<long long>(y) * w + x) * 3), std::ios::cur);
    unsigned char px[3];
    if (!in.read(reinterpret_cast<char*>(px), 3)) return false;
    for (int i = 0; i < 3; ++i) rgb[i] = px[i];
    return true;
}

class Xvfb {
public:
    // A display number nobody uses yet: another server's screen must never be mistaken for ours.
    bool Start() {
        struct stat st;
        m_number = 170 + static_cast<int>(getpid() % 500);
        while (stat(Socket().c_str(), &st) == 0 ||
               stat(("/tmp/.X" + std::to_string(m_number) + "-lock").c_str(), &st) == 0)
            ++m_number;
        m_pid = Spawn({"Xvfb", Name(), "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        if (m_pid < 0) return false;
        for (int i = 0; i < 100; ++i) {
            if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
                m_pid = -1;
                return false;
            }
            if (stat(Socket().c_str(), &st) == 0) return true;
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
    std::string Socket() const { return "/tmp/.X11-unix/X" + std::to_string(m_number); }

private:
    pid_t m_pid = -1;
    int m_number = 0;
};

// A windowed control on one of the platform's standard classes.
class TStandardBox : public TWinControl {
public:
    TStandardBox(TComponent* owner, const char* className) : TWinControl(owner), m_class(className) {
        SetParentColor(false);
        SetColor(std::string(className) == win::WC_BUTTON ? clBtnFace : clWindow);
    }
    std::string ClassName() const override { return "TStandardBox"; }

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        CreateSubClass(params, m_class);
        if (std::string(m_class) != win::WC_BUTTON) params.Style |= win::WS_BORDER;
    }

private:
    const char* m_class;
};

TEST(FormsSdlSmoke, AFormWithStandardControlsOpensOnTheScreen) {
    if (!OnPath("Xvfb") || !OnPath("import")) GTEST_SKIP() << "Xvfb or import missing";
    Xvfb server;
    if (!server.Start()) GTEST_SKIP() << "Xvfb did not start";
    const char* oldDisplay = std::getenv("DISPLAY");
    const std::string savedDisplay = oldDisplay ? oldDisplay : "";
    setenv("DISPLAY", server.Name().c_str(), 1);
    win::headless::Use();
    std::unique_ptr<win::Display> sdl = win::CreateDisplay("sdl");
    if (!sdl) {
        if (oldDisplay) setenv("DISPLAY", savedDisplay.c_str(), 1);
        GTEST_SKIP() << "SDL cannot open the X server";
    }
    win::SetCurrentDisplay(std::move(sdl));
    ASSERT_TRUE(win::RegisterStandardControls());
    {
        TApplication application(nullptr);
        TForm* form = nullptr;
        application.CreateForm(form);
        form->SetCaption("Glyphloom smoke");
        form->SetPosition(poScreenCenter);
        auto* edit = new TStandardBox(form, win::WC_EDIT);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 22);
        edit->SetTabStop(true);
        edit->SetText("宋体 text");
        auto* button = new TStandardBox(form, win::WC_BUTTON);
        button->SetParent(form);
        button->SetBounds(170, 10, 75, 25);
        button->SetText("成图");
        auto* list = new TStandardBox(form, win::WC_LISTBOX);
        list->SetParent(form);
        list->SetBounds(10, 50, 150, 100);
        form->Show();
        PumpFor(application, 700);

        EXPECT_TRUE(win::IsWindowVisible(form->Handle()));
        EXPECT_EQ(form->BoundsRect(), Bounds(240, 180, 320, 240)) << "centred on the 800 × 600 screen";
        EXPECT_EQ(form->ActiveControl(), edit);
        // Without a window manager the real window sits exactly at the client area.
        const TPoint origin = form->ClientOrigin();
        const std::string shot = "/tmp/glyphloom-forms-smoke-" + std::to_string(getpid()) + ".ppm";
        ASSERT_TRUE(RunPumping(application,
                               {"import", "-display", server.Name(), "-window", "root", "-depth", "8", shot}))
            << "no screenshot";
        int face[3] = {}, field[3] = {};
        ASSERT_TRUE(PpmPixel(shot, origin.x + 280, origin.y + 180, face));
        ASSERT_TRUE(PpmPixel(shot, origin.x + 100, origin.y + 120, field));
        EXPECT_EQ(face[0], 240) << "the form's button-face background";
        EXPECT_EQ(face[1], 240);
        EXPECT_EQ(face[2], 240);
        EXPECT_EQ(field[0], 255) << "the list box's window background";
        EXPECT_EQ(field[1], 255);
        EXPECT_EQ(field[2], 255);
        std::remove(shot.c_str());
    }
    win::headless::Use();
    if (oldDisplay)
        setenv("DISPLAY", savedDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

} // namespace
} // namespace gl::formstest
