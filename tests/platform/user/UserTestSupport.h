// Shared pieces of the window manager's tests: a fresh headless session per test and a window class that
// records the messages it receives and lets a test answer them.
#pragma once

#include "platform/user/HeadlessInput.h"
#include "platform/user/User.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace usertest {

struct Received {
    win::HWND hwnd;
    unsigned message;
    win::WPARAM wParam;
    win::LPARAM lParam;
};

// Every message a "Recorder" window receives, in order; tests filter what they look at.
std::vector<Received>& Log();
// Optional per-test handler: return true to answer a message with *result instead of DefWindowProc.
using Handler = std::function<bool(win::HWND, win::UINT, win::WPARAM, win::LPARAM, win::LRESULT*)>;
Handler& CustomHandler();

win::LRESULT RecorderProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// The messages of one kind (or of a set) in the log, as (hwnd, message) pairs.
std::vector<unsigned> MessagesOf(win::HWND hwnd, std::initializer_list<unsigned> kinds);
std::vector<std::pair<win::HWND, unsigned>> Sequence(std::initializer_list<unsigned> kinds);
int Count(win::HWND hwnd, unsigned message);

class UserTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible top-level window with a caption and sizing frame, outer size w x h at (x, y).
    win::HWND MakeTop(int x = 100, int y = 80, int w = 300, int h = 200, win::DWORD style = 0,
                      win::DWORD exStyle = 0);
    win::HWND MakeChild(win::HWND parent, int x, int y, int w, int h, win::DWORD style = 0, int id = 0);
};

} // namespace usertest
