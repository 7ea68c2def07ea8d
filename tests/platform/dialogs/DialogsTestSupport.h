// Shared pieces of the dialog tests: a fresh headless session with the control classes registered, a script
// of steps that answers a modal loop one step each time it waits, and a temporary folder of sample files.
#pragma once

#include "platform/controls/ControlClasses.h"
#include "platform/dialogs/CommDlg.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/user/HeadlessInput.h"
#include "platform/user/User.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

namespace dialogstest {

// Runs one step each time the loop has nothing to do; with no steps left the wait ends the loop.
class Script {
public:
    void Then(std::function<void()> step) { m_steps.push_back(std::move(step)); }
    void Install();
    bool Finished() const { return m_steps.empty(); }

private:
    std::deque<std::function<void()>> m_steps;
};

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A temporary folder holding a.bmp, b.BMP, c.txt and the folder "sub" (with d.bmp in it).
    std::string MakeSampleFolder();
    // A visible top-level owner window.
    win::HWND MakeOwner();

    // Clicks or double-clicks the centre of a window, or of an item of a list box.
    static void ClickCentre(win::HWND hwnd);
    static void DoubleClickItem(win::HWND list, int index);
    static void ClickItem(win::HWND list, int index);
    static std::string ItemText(win::HWND list, int index);

    Script m_script;
    std::string m_folder;
    std::string m_savedCwd;
    win::HWND m_owner = nullptr;
};

} // namespace dialogstest
