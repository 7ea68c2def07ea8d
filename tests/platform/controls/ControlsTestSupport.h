// Shared pieces of the standard controls' tests: a fresh headless session with the control classes
// registered, and a host window that records what its controls tell it (WM_COMMAND, owner draw, scrolling)
// and answers WM_MEASUREITEM with a height the test chooses.
#pragma once

#include "platform/controls/ControlClasses.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/user/HeadlessInput.h"
#include "platform/user/User.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace controlstest {

struct Note {
    win::HWND from;
    win::WORD code;
};

struct DrawRecord {
    win::UINT ctlType;
    win::UINT ctlId;
    win::UINT itemId;
    win::UINT action;
    win::UINT state;
    win::HWND item;
    win::RECT rect;
    win::ULONG_PTR data;
};

struct HostLog {
    std::vector<Note> notes;
    std::vector<DrawRecord> draws;
    std::vector<win::MEASUREITEMSTRUCT> measures;
    std::vector<win::DELETEITEMSTRUCT> deletes;
    std::vector<std::pair<win::UINT, win::WPARAM>> scrolls; // (WM_HSCROLL / WM_VSCROLL, wParam)
    win::UINT answerItemHeight = 0;                         // 0: leave the measure as proposed
    win::UINT answerFieldHeight = 0;                        // for itemID -1; 0: as answerItemHeight
    std::function<void(win::HWND, win::WORD)> onCommand;    // runs after a notification is logged
};

HostLog& Log();

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible top-level host window whose client area starts at (100, 100) on the screen.
    win::HWND MakeHost(int width = 400, int height = 300);
    win::HWND MakeControl(const char* cls, const char* text, win::DWORD style, int x, int y, int w, int h,
                          int id = 100);
    // The codes of the WM_COMMAND notifications from one control, in order.
    std::vector<win::WORD> Codes(win::HWND from) const;
    std::vector<DrawRecord> DrawsOf(win::UINT itemId) const;
    void ClearLog();

    win::HWND m_host = nullptr;
    win::HFONT m_font = nullptr; // "宋体", 12 pixels
};

} // namespace controlstest
