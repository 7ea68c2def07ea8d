// Hints on the headless clock: shown after the pointer rests 500 ms on a control whose ShowHint is on, gone
// after 2500 ms, on the tool-tip colour; never for controls with ShowHint off; hidden at once by a move to
// another control or a click.
#include "FormsTestSupport.h"

#include "framework/forms/Hints.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/User.h"

namespace gl::formstest {
namespace {

using win::headless::AdvanceClock;
using win::headless::MouseMove;

class HintTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        app->CreateForm(form);
        form->SetBounds(0, 0, 400, 300);
        path = Add("Path", 10, "输入图片路径", true);
        plain = Add("Plain", 50, "never shown", false);
        empty = Add("Empty", 90, "", true);
        banner = Add("Banner", 130, "输入文字，长度少于40|The banner text", true);
        form->Show();
        app->ProcessMessages();
        app->OnHint = [this](TObject*) { hints.push_back(app->Hint()); };
    }

    TEditBox* Add(const std::string& name, int top, const std::string& hint, bool showHint) {
        auto* edit = new TEditBox(form);
        edit->SetName(name);
        edit->SetParent(form);
        edit->SetBounds(10, top, 200, 24);
        edit->SetHint(hint);
        edit->SetShowHint(showHint);
        return edit;
    }

    bool Showing() { return app->HintWindow() && app->HintWindow()->HintVisible(); }
    std::string HintText() { return win::GetWindowTextString(app->HintWindow()->Handle()); }

    TForm* form = nullptr;
    TEditBox* path = nullptr;
    TEditBox* plain = nullptr;
    TEditBox* empty = nullptr;
    TEditBox* banner = nullptr;
    std::vector<std::string> hints;
};

TEST_F(HintTest, AppearsAfterHalfASecondAndGoesAfterTwoAndAHalf) {
    MouseMove(path->Handle(), 30, 5);
    AdvanceClock(499);
    EXPECT_FALSE(Showing());
    AdvanceClock(1);
    ASSERT_TRUE(Showing());
    EXPECT_EQ(HintText(), "输入图片路径");
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    win::RECT rect{};
    win::GetWindowRect(app->HintWindow()->Handle(), &rect);
    EXPECT_EQ(rect.left, cursor.x);
    EXPECT_EQ(rect.top, cursor.y + 20) << "below the pointer";
    EXPECT_EQ(win::headless::Pixel(app->HintWindow()->Handle(), 2, 1), win::GetSysColor(win::COLOR_INFOBK))
        << "on the tool-tip background, inside its border";
    EXPECT_EQ(app->HintWindow()->Color(), clInfoBk);

    AdvanceClock(2499);
    EXPECT_TRUE(Showing());
    AdvanceClock(1);
    EXPECT_FALSE(Showing());
    AdvanceClock(10000);
    EXPECT_FALSE(Showing()) << "not again until the pointer moves onto another control";

    MouseMove(banner->Handle(), 30, 5);
    AdvanceClock(500);
    ASSERT_TRUE(Showing());
    EXPECT_EQ(HintText(), "输入文字，长度少于40") << "the short part of the hint";
    EXPECT_EQ(app->Hint(), "The banner text") << "the application's hint is the long part";
}

TEST_F(HintTest, OnlyControlsWithShowHintAndAHintTextShowOne) {
    MouseMove(plain->Handle(), 30, 5);
    AdvanceClock(3000);
    EXPECT_FALSE(Showing()) << "ShowHint off";
    MouseMove(empty->Handle(), 30, 5);
    AdvanceClock(3000);
    EXPECT_FALSE(Showing()) << "no hint text";
    MouseMove(form->Handle(), 300, 250);
    AdvanceClock(3000);
    EXPECT_FALSE(Showing()) << "the form itself";
    EXPECT_EQ(hints, (std::vector<std::string>{
                         "never shown",
                         "",
                     }))
        << "the application's hint follows the pointer whether or not a hint shows";

    app->SetShowHint(false);
    MouseMove(path->Handle(), 30, 5);
    AdvanceClock(3000);
    EXPECT_FALSE(Showing()) << "hints switched off for the whole application";
}

TEST_F(HintTest, MovingToAnotherControlOrClickingHidesTheHintAtOnce) {
    MouseMove(path->Handle(), 30, 5);
    AdvanceClock(500);
    ASSERT_TRUE(Showing());
    MouseMove(plain->Handle(), 30, 5);
    EXPECT_FALSE(Showing());
    AdvanceClock(400);
    MouseMove(path->Handle(), 30, 5);
    AdvanceClock(499);
    EXPECT_FALSE(Showing()) << "the pause starts again on each control";
    AdvanceClock(1);
    ASSERT_TRUE(Showing());
    ThroughLoop([this] { win::headless::Click(path->Handle(), 30, 5); });
    EXPECT_FALSE(Showing()) << "a click takes the hint away";
}

TEST_F(HintTest, ADisabledControlStillShowsItsHint) {
    banner->SetEnabled(false);
    ThroughLoop([this] { MouseMove(form->Handle(), 40, 135); });
    AdvanceClock(500);
    ASSERT_TRUE(Showing());
    EXPECT_EQ(HintText(), "输入文字，长度少于40");
}

TEST_F(HintTest, AControlFreedUnderThePointerTakesItsHintAlong) {
    MouseMove(path->Handle(), 30, 5);
    AdvanceClock(500);
    ASSERT_TRUE(Showing());
    delete path;
    path = nullptr;
    EXPECT_FALSE(Showing());
    EXPECT_EQ(app->Hints()->HintControl(), nullptr);
    AdvanceClock(5000);
    EXPECT_FALSE(Showing());
}

} // namespace
} // namespace gl::formstest
