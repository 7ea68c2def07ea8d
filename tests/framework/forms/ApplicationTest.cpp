// The application object: its title, the error box and its text, silent cancels, and the loop that goes on
// after an error escaped a handler.
#include "FormsTestSupport.h"

#include "framework/core/FileNames.h"
#include "framework/core/MessageTexts.h"
#include "framework/forms/ExtCtrlsTimer.h"
#include "platform/user/User.h"

namespace gl::formstest {
namespace {

using win::headless::AdvanceClock;

TEST(ApplicationTitle, IsTheExecutableNameCutAtItsFirstDotCapitalisedLikeAName) {
    EXPECT_EQ(ApplicationTitleFromPath("/usr/bin/glyphloom"), "Glyphloom");
    EXPECT_EQ(ApplicationTitleFromPath("/opt/x.y/GLYPH.loom"), "Glyph") << "the folder's dot does not count";
    EXPECT_EQ(ApplicationTitleFromPath("GLYPHLOOM.tar.gz"), "Glyphloom");
    EXPECT_EQ(ApplicationTitleFromPath("gLYPH"), "Glyph");
    EXPECT_EQ(ApplicationTitleFromPath("字符ART"), "字符art") << "the first character may be several bytes";
    EXPECT_EQ(ApplicationTitleFromPath("/bin/.hidden"), "");
}

TEST(ErrorBoxText, GetsAFullStopAfterACharacterThatSortsAfterIt) {
    EXPECT_EQ(ErrorBoxText("Bitmap image is not valid"), "Bitmap image is not valid.");
    EXPECT_EQ(ErrorBoxText("Cannot open file \"a.bmp\". 文件不存在"),
              "Cannot open file \"a.bmp\". 文件不存在.")
        << "a Chinese character's first byte sorts after '.'";
    EXPECT_EQ(ErrorBoxText("List index out of bounds (5)"), "List index out of bounds (5)");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(ErrorBoxText("Code 42"), "Code 42.") << "digits sort after '.'";
    EXPECT_EQ(ErrorBoxText("ends in a slash /"), "ends in a slash /.");
    EXPECT_EQ(ErrorBoxText("ends in a blank "), "ends in a blank ");
    EXPECT_EQ(ErrorBoxText(""), "");
}

TEST_F(FormsTest, TheTitleComesFromTheRunningExecutable) {
    EXPECT_EQ(app->Title(), ApplicationTitleFromPath(GetModuleName()));
    EXPECT_FALSE(app->Title().empty());
    EXPECT_EQ(Application, app.get());
}

TEST_F(FormsTest, AnExceptionShowsOneStopBoxWithTheTitleAndOneOkButton) {
    app->SetTitle("Glyphloom");
    try {
        throw EInvalidGraphic(msg::SInvalidBitmap);
    } catch (...) {
        app->HandleException(nullptr);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Bitmap image is not valid.");
    EXPECT_EQ(boxes[0].caption, "Glyphloom");
    EXPECT_EQ(boxes[0].icon, win::MB_ICONSTOP);
    EXPECT_EQ(boxes[0].buttons, std::vector<int>{win::IDOK});

    // Exceptions that are not the framework's show their own text; an abort shows nothing.
    try {
        throw std::runtime_error("outside");
    } catch (...) {
        app->HandleException(nullptr);
    }
    try {
        Abort();
    } catch (...) {
        app->HandleException(nullptr);
    }
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "outside.");
}

TEST_F(FormsTest, OnExceptionTakesThePlaceOfTheBox) {
    std::vector<std::string> seen;
    app->OnException = [&](TObject*, const Exception& e) {
        seen.push_back(e.ClassName() + ": " + e.Message());
    };
    try {
        throw EConvertError("bad");
    } catch (...) {
        app->HandleException(nullptr);
    }
    EXPECT_EQ(seen, std::vector<std::string>{"EConvertError: bad"});
    EXPECT_TRUE(boxes.empty());

    // A handler that fails shows its own failure in the box, and is not asked about it.
    app->OnException = [](TObject*, const Exception&) { throw EInvalidOperation("handler failed"); };
    try {
        throw EConvertError("bad");
    } catch (...) {
        app->HandleException(nullptr);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "handler failed.");
}

TEST_F(FormsTest, TheLoopGoesOnAfterAHandlerFails) {
    TForm* form = nullptr;
    app->CreateForm(form);
    ASSERT_EQ(app->MainForm(), form);
    form->OnClick = [](TObject*) { throw EInvalidOperation("clicked wrong"); };
    auto* timer = new TTimer(form);
    timer->SetInterval(100);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        if (++ticks == 1) throw EAbort("quiet");
        if (ticks == 2) throw EConvertError("timer failed");
    };
    std::vector<std::string> steps;
    int step = 0;
    // The program as the user drives it: two clicks on the form, time passing, then the window closed.
    win::headless::SetIdleHook([&] {
        switch (step++) {
        case 0:
            win::headless::Click(form->Handle(), 10, 10);
            break;
        case 1:
            win::headless::Click(form->Handle(), 20, 20);
            break;
        case 2:
        case 3:
            // Inside the loop the clock only moves; the loop then finds the timer due.
            AdvanceClock(100);
            win::PostMessage(form->Handle(), win::WM_NULL, 0, 0);
            break;
        case 4:
            win::headless::CloseWindow(form->Handle());
            break;
        default:
            break;
        }
    });
    app->Run();
    win::headless::SetIdleHook({});
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(step, 5) << "closing the main form ended the loop";
    EXPECT_EQ(ticks, 2);
    ASSERT_EQ(boxes.size(), 3u) << "two clicks and one timer error; the abort is silent";
    EXPECT_EQ(boxes[0].text, "clicked wrong.");
    EXPECT_EQ(boxes[1].text, "clicked wrong.");
    EXPECT_EQ(boxes[2].text, "timer failed.");
}

TEST_F(FormsTest, RunApplicationShowsAFailedStartAndEndsWithOne) {
    app.reset();
    EXPECT_EQ(RunApplication([](TApplication&) { throw EReadError("Line 3: broken"); }), 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Line 3: broken.");
    EXPECT_EQ(Application, nullptr);
}

TEST_F(FormsTest, TimersFireOnTheDisplaysClockWhileEnabled) {
    TTimer timer(nullptr);
    timer.SetInterval(300);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    AdvanceClock(299);
    EXPECT_EQ(ticks, 0);
    AdvanceClock(1);
    EXPECT_EQ(ticks, 1);
    AdvanceClock(600);
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(false);
    AdvanceClock(1000);
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(true);
    timer.SetInterval(0);
    AdvanceClock(1000);
    EXPECT_EQ(ticks, 3) << "an interval of 0 stops the timer";
}

} // namespace
} // namespace gl::formstest
