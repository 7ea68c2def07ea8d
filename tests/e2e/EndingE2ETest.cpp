// How the desktop program ends when it is not closed from its window: its X server going away under it, and
// SIGTERM or SIGINT in each state it can wait in (the window, an open list, the open-file dialog, an error
// box).
#include "support/ChildProcess.h"
#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

namespace gl::e2e {
namespace {

using proctest::Child;
using proctest::EnvChanges;
using proctest::OnPath;
using proctest::ReadFile;
using proctest::RunResult;
using proctest::XvfbServer;

const std::string kProgram = GLYPHLOOM_PROGRAM;

// Places in the window's client area.
constexpr int kImportX = 8 + 309 + 28, kImportY = 4 + 12 + 12;         // the import button
constexpr int kFontArrowX = 392 + 48 + 100, kFontArrowY = 2 + 60 + 11; // the font box's arrow
// The file name field of the open-file dialog, in its client area.
constexpr int kFileNameX = 215, kFileNameY = 215;

class GlyphloomEnding : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xdotool"})
            if (!OnPath(tool)) GTEST_SKIP() << tool << " is not installed";
        if (!m_x.Start(1024, 768)) GTEST_SKIP() << "Xvfb did not start";
        char folder[] = "/tmp/glyphloom-ending-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        m_folder = folder;
        m_log = m_folder + "/stderr.txt";
    }
    void TearDown() override {
        if (!m_folder.empty()) std::filesystem::remove_all(m_folder);
    }

    EnvChanges Env() const {
        EnvChanges env = m_x.Env();
        env.push_back({"LC_ALL", "C.UTF-8"}); // the platform's own texts in English: the dialog is "Open"
        return env;
    }
    RunResult Xdotool(std::vector<std::string> args) {
        args.insert(args.begin(), "xdotool");
        return proctest::Run(args, 20000, Env());
    }
    // The first shown window whose name matches, waited for. A search fails when a window it lists goes
    // away before it is asked its name (the last program's, say): it is asked again.
    std::string Window(const std::string& namePattern) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            const RunResult found = Xdotool({"search", "--sync", "--onlyvisible", "--name", namePattern});
            if (found.exitCode == 0) return found.out.substr(0, found.out.find('\n'));
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return {};
    }
    bool Click(const std::string& window, int x, int y) {
        return Xdotool({"mousemove", "--window", window, std::to_string(x), std::to_string(y), "click", "1"})
                   .exitCode == 0;
    }
    // Starts the program and waits for its window.
    std::string Start(Child& program) {
        if (!program.Start({kProgram}, Env(), "/dev/null", m_log)) return {};
        return Window("^Glyphloom.*1\\.0");
    }

    XvfbServer m_x;
    std::string m_folder, m_log;
};

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
            const std::string dialog = Window("^Open$");
            ASSERT_FALSE(dialog.empty());
            if (state == State::ErrorBox) {
                ASSERT_TRUE(Click(dialog, kFileNameX, kFileNameY));
                ASSERT_EQ(Xdotool({"type", bad}).exitCode, 0);
                ASSERT_EQ(Xdotool({"key", "Return"}).exitCode, 0);
                ASSERT_FALSE(Window("^Glyphloom$").empty()) << "the error box did not open";
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
