// A form with a few standard controls on the SDL display under a real X server: starts its own Xvfb when it
// is installed (skips cleanly otherwise), shows the form through the application and reads its pixels back
// from a screenshot.
#include "FormsTestSupport.h"

#include "platform/controls/ControlClasses.h"
#include "platform/display/Display.h"
#include "platform/user/User.h"

#include "support/ChildProcess.h"
#include "support/Screenshot.h"
#include "support/XvfbServer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace gl::formstest {
namespace {

using proctest::OnPath;
using proctest::Rgb;
using proctest::ScopedEnvironment;
using proctest::Screenshot;
using proctest::ScreenshotCommand;
using proctest::XvfbServer;

// Runs the application's messages for a while, so that the display's events are served.
void PumpFor(TApplication& application, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        application.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Runs a program to its end (at most ten seconds) while the application keeps handling messages.
bool RunPumping(TApplication& application, const std::vector<std::string>& args) {
    return proctest::Run(args, 10000, {}, [&] { application.ProcessMessages(); }).exitCode == 0;
}

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
    XvfbServer server;
    if (!server.Start(800, 600)) GTEST_SKIP() << "Xvfb did not start";
    const ScopedEnvironment display({{"DISPLAY", server.Name()}});
    win::headless::Use();
    std::unique_ptr<win::Display> sdl = win::CreateDisplay("sdl");
    if (!sdl) GTEST_SKIP() << "SDL cannot open the X server";
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
        ASSERT_TRUE(RunPumping(application, ScreenshotCommand(server.Name(), shot))) << "no screenshot";
        const Screenshot screen(shot);
        ASSERT_TRUE(screen.Valid());
        EXPECT_EQ(screen.At(origin.x + 280, origin.y + 180), (Rgb{240, 240, 240}))
            << "the form's button-face background";
        EXPECT_EQ(screen.At(origin.x + 100, origin.y + 120), (Rgb{255, 255, 255}))
            << "the list box's window background";
        std::remove(shot.c_str());
    }
    win::headless::Use();
}

} // namespace
} // namespace gl::formstest
