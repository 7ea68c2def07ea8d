// An X server of a test's own (Xvfb): it picks a display number nobody uses, names it once it takes
// connections, and is stopped with the test however that ends.
#pragma once

#include "support/ChildProcess.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>

namespace gl::proctest {

class XvfbServer {
public:
    // A screen of width × height at 24 bits a pixel; false when Xvfb did not start or never became ready.
    // The server writes its display number on -displayfd when it is ready, so another server's screen is
    // never mistaken for ours.
    bool Start(int width, int height) {
        char numberFile[] = "/tmp/glyphloom-xvfb-display-XXXXXX";
        const int fd = mkstemp(numberFile);
        if (fd < 0) return false;
        close(fd);
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        const bool started = m_server.Start(
            {"Xvfb", "-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp"}, {}, numberFile);
        for (int i = 0; started && m_name.empty() && i < 400 && m_server.Running(); ++i) {
            const std::string number = ReadFile(numberFile);
            if (!number.empty() && number.back() == '\n')
                m_name = ":" + number.substr(0, number.size() - 1);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        std::remove(numberFile);
        if (m_name.empty()) m_server.Stop();
        return !m_name.empty();
    }

    // Ends the server now, with whatever still uses it.
    void Stop() { m_server.Stop(); }

    // The display's name, as DISPLAY and -display take it (":99").
    const std::string& Name() const { return m_name; }

    // The environment of a program on this server; the desktop's own variables must not lead it elsewhere.
    EnvChanges Env() const {
        return {{"DISPLAY", m_name},
                {"WAYLAND_DISPLAY", std::nullopt},
                {"GLYPHLOOM_DISPLAY", std::nullopt},
                {"GLYPHLOOM_DPI", std::nullopt},
                {"GLYPHLOOM_SHOW", std::nullopt}};
    }

private:
    Child m_server;
    std::string m_name;
};

} // namespace gl::proctest
