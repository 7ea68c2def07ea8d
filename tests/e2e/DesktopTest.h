// The end-to-end tests' desktop: an X server of the test's own (Xvfb), the program started on it, and the
// tools that act as a person and look at the screen (xdotool, the screenshot command, xclip).
#pragma once

#include "support/ChildProcess.h"
#include "support/Screenshot.h"
#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace gl::e2e {

class DesktopTest : public ::testing::Test {
protected:
    // A 1024 × 768 screen; the test is skipped when a tool is missing or the server does not start. Check
    // `DesktopReady()` after it.
    void StartDesktop(std::initializer_list<const char*> tools) {
        for (const char* tool : tools)
            if (!proctest::OnPath(tool)) GTEST_SKIP() << tool << " is not installed";
        if (!m_x.Start(1024, 768)) GTEST_SKIP() << "Xvfb did not start";
        mkdir(kArtifacts.c_str(), 0755);
    }
    bool DesktopReady() const { return !IsSkipped() && !HasFatalFailure(); }

    // A fresh folder under /tmp, removed with everything in it when the test ends, however it ends; empty
    // when none could be made.
    std::string MakeFolder(const std::string& prefix) {
        std::string pattern = "/tmp/" + prefix + "-XXXXXX";
        if (!mkdtemp(pattern.data())) return {};
        m_folders.push_back(pattern);
        return pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        for (const std::string& folder : m_folders) std::filesystem::remove_all(folder, ignored);
    }

    // The environment of the programs on this screen: the server's, with the locale the test asks for.
    proctest::EnvChanges Env() const {
        proctest::EnvChanges env = m_x.Env();
        if (!m_locale.empty()) env.push_back({"LC_ALL", m_locale});
        return env;
    }

    // Starts the program with its standard error into `log` and waits for its main window; empty when none
    // appeared (the log says why).
    std::string StartProgram(proctest::Child& program, const std::string& log,
                             std::vector<std::string> args = {}) {
        args.insert(args.begin(), kProgram);
        if (!program.Start(args, Env(), "/dev/null", log)) return {};
        return FindWindow("^Glyphloom");
    }

    proctest::RunResult Tool(const std::vector<std::string>& args, int timeoutMs = 20000) {
        return proctest::Run(args, timeoutMs, Env());
    }
    proctest::RunResult Xdotool(std::vector<std::string> args) {
        args.insert(args.begin(), "xdotool");
        return Tool(args);
    }
    // The first shown window whose name matches, waited for. A search fails when a window it lists goes away
    // before it is asked its name (an earlier program's, say): it is asked again.
    std::string FindWindow(const std::string& namePattern) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            const proctest::RunResult found =
                Xdotool({"search", "--sync", "--onlyvisible", "--name", namePattern});
            if (found.exitCode == 0) return found.out.substr(0, found.out.find('\n'));
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return {};
    }
    // Waits (at most 10 s) until exactly `count` windows of the program show, so that a pop-up (a list, a
    // menu) is there or gone.
    bool WaitForShownWindows(const proctest::Child& program, int count) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const proctest::RunResult found =
                Xdotool({"search", "--onlyvisible", "--pid", std::to_string(program.Pid())});
            int shown = 0;
            for (char c : found.out) shown += c == '\n';
            if (shown == count) return true;
            Pause(100);
        }
        return false;
    }
    // The window's top-left corner on the screen and its size; without a window manager the corner is the
    // client area's.
    bool WindowOrigin(const std::string& window, int& x, int& y, int& width, int& height) {
        const proctest::RunResult geometry = Xdotool({"getwindowgeometry", window});
        const std::size_t position = geometry.out.find("Position: ");
        const std::size_t size = geometry.out.find("Geometry: ");
        if (geometry.exitCode != 0 || position == std::string::npos || size == std::string::npos)
            return false;
        return std::sscanf(geometry.out.c_str() + position, "Position: %d,%d", &x, &y) == 2 &&
               std::sscanf(geometry.out.c_str() + size, "Geometry: %dx%d", &width, &height) == 2;
    }
    // Moves the pointer to a place in the window's client area, and clicks there with the button (0: none).
    bool PointAt(const std::string& window, int x, int y, int button = 0) {
        std::vector<std::string> args = {"mousemove", "--window", window, std::to_string(x),
                                         std::to_string(y)};
        if (button) args.insert(args.end(), {"click", std::to_string(button)});
        return Xdotool(args).exitCode == 0;
    }
    bool Click(const std::string& window, int x, int y, int button = 1) {
        return PointAt(window, x, y, button);
    }
    // The whole screen as a picture file the tests read (PPM).
    bool Shoot(const std::string& path) {
        return Tool(proctest::ScreenshotCommand(m_x.Name(), path)).exitCode == 0;
    }
    // The desktop's clipboard, asked until something other than `before` has arrived (the program serves it
    // itself, so only while it runs); empty after `seconds`.
    std::string ReadClipboard(int seconds = 10, const std::string& before = {}) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < end) {
            const proctest::RunResult clip =
                Tool({"xclip", "-o", "-selection", "clipboard"}, std::max(5, seconds / 2) * 1000);
            if (clip.exitCode == 0 && !clip.out.empty() && clip.out != before) return clip.out;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return {};
    }
    static void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    const std::string kProgram = GLYPHLOOM_PROGRAM;
    const std::string kArtifacts = GLYPHLOOM_E2E_ARTIFACTS;
    std::string m_locale; // LC_ALL for the programs, when set
    std::vector<std::string> m_folders;
    proctest::XvfbServer m_x;
};

} // namespace gl::e2e
