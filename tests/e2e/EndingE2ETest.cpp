// How the desktop program ends when it is not closed from its window: its X server going away under it, and
// SIGTERM or SIGINT in each state it can wait in (the window, an open list, the open-file dialog, an error
// box).
#include "DesktopTest.h"

#include <csignal>
#include <fstream>

namespace gl::e2e {
namespace {

using proctest::Child;
using proctest::ReadFile;

// Places in the window's client area.
constexpr int kImportX = 8 + 309 + 28, kImportY = 4 + 12 + 12;         // the import button
constexpr int kFontArrowX = 392 + 48 + 100, kFontArrowY = 2 + 60 + 11; // the font box's arrow
// The file name field of the open-file dialog, in its client area.
constexpr int kFileNameX = 215, kFileNameY = 215;

class GlyphloomEnding : public DesktopTest {
protected:
    void SetUp() override {
        m_locale = "C.UTF-8"; // the platform's own texts in English: the dialog is "Open"
        StartDesktop({"Xvfb", "xdotool"});
        if (!DesktopReady()) return;
        m_folder = MakeFolder("glyphloom-ending");
        ASSERT_FALSE(m_folder.empty());
        m_log = m_folder + "/stderr.txt";
    }
    // Starts the program and waits for its window.
    std::string Start(Child& program) { return StartProgram(program, m_log); }

    std::string m_folder, m_log;
};

TEST(GlyphloomWithoutItsDesktop, ADisplayThatDoesNotAnswerEndsItWithStatusOneAndTheDisplaysName) {
    // No server listens there, and no host of that name exists: the window must not run on, invisible.
    for (const std::string display : {":7919", "bogus:0"}) {
        const proctest::RunResult run = proctest::Run({GLYPHLOOM_PROGRAM}, 10000,
                                                      {{"DISPLAY", display},
                                                       {"WAYLAND_DISPLAY", std::nullopt},
                                                       {"GLYPHLOOM_DISPLAY", std::nullopt},
                                                       {"SDL_VIDEODRIVER", std::nullopt}});
        EXPECT_EQ(run.exitCode, std::optional<int>(1)) << display;
        EXPECT_NE(run.err.find("glyphloom: cannot open display " + display + "\n"), std::string::npos)
            << run.err;
    }
}

TEST_F(GlyphloomEnding, LosingItsXServerEndsItWithStatusOneAndOneLine) {
    Child program;
    ASSERT_FALSE(Start(program).empty()) << ReadFile(m_log);
    m_x.Stop();
    EXPECT_EQ(program.Wait(2000), std::optional<int>(1));
    EXPECT_EQ(ReadFile(m_log), "glyphloom: the connection to display " + m_x.Name() + " is broken; ending\n");
}

TEST_F(GlyphloomEnding, TerminationSignalsEndItInEveryStateItWaitsIn) {
    const std::string bad = m_folder + "/bad.bmp";
    std::ofstream(bad) << "BM broken";
    enum class State { Window, OpenList, Dialog, ErrorBox };
    const std::pair<State, int> cases[] = {{State::Window, SIGTERM},   {State::Window, SIGINT},
                                           {State::OpenList, SIGTERM}, {State::Dialog, SIGINT},
                                           {State::Dialog, SIGTERM},   {State::ErrorBox, SIGTERM},
                                           {State::ErrorBox, SIGINT}};
    for (const auto& [state, signal] : cases) {
        SCOPED_TRACE(testing::Message() << "state " << static_cast<int>(state) << ", signal " << signal);
        Child program;
        const std::string window = Start(program);
        ASSERT_FALSE(window.empty()) << ReadFile(m_log);
        if (state == State::OpenList) {
            ASSERT_TRUE(Click(window, kFontArrowX, kFontArrowY));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        } else if (state != State::Window) {
            ASSERT_TRUE(Click(window, kImportX, kImportY));
            const std::string dialog = FindWindow("^Open$");
            ASSERT_FALSE(dialog.empty());
            if (state == State::ErrorBox) {
                ASSERT_TRUE(Click(dialog, kFileNameX, kFileNameY));
                ASSERT_EQ(Xdotool({"type", bad}).exitCode, 0);
                ASSERT_EQ(Xdotool({"key", "Return"}).exitCode, 0);
                ASSERT_FALSE(FindWindow("^Glyphloom$").empty()) << "the error box did not open";
            }
        }
        ASSERT_TRUE(program.Running());
        kill(program.Pid(), signal);
        // Ended by the signal, as a parent expects of a program that it asked to end.
        EXPECT_EQ(program.Wait(2000), std::optional<int>(128 + signal));
    }
}

} // namespace
} // namespace gl::e2e
