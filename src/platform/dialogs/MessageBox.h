// The platform's message box: a modal window in the classic look with an icon, the text (several lines where
// it holds line breaks or is too wide) and the buttons of its type, centred on its owner, which is disabled
// while the box runs its own message loop. Enter chooses the focused (or default) button, Escape cancels
// where the box can be cancelled, Space presses the focused button, Tab and the arrows move between buttons,
// and a button's underlined letter chooses it.
//
// Tests and the command-line converter can see the open box (GetActiveMessageBox), answer it (EndMessageBox),
// or answer every box before it shows (SetMessageBoxHook).
#pragma once

#include "platform/user/Beep.h"
#include "platform/win/types.h"

#include <functional>
#include <string>
#include <vector>

namespace win {

inline constexpr const char* MESSAGEBOX_CLASS = "GlyphloomMessageBox";

// Shows the box and returns the id of the button chosen (IDOK, IDCANCEL, IDYES...): 0 when it could not be
// shown. The caption defaults to "Error". Without an owner, MB_TASKMODAL disables every top-level window
// meanwhile.
int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

struct MessageBoxInfo {
    HWND hwnd = nullptr;  // null while a hook answers before the box is made
    HWND owner = nullptr; // the top-level window disabled meanwhile
    std::string caption;
    std::string text;
    UINT type = 0;            // the MB_* value given
    UINT icon = 0;            // its MB_ICON* part
    std::vector<int> buttons; // the ids of the buttons, left to right
    std::vector<std::string> labels;
    int defaultButton = 0; // the id chosen by Enter when no button has the focus
};

// The innermost box open now; false when none is.
bool GetActiveMessageBox(MessageBoxInfo* info);

// Called for every box before it shows: a nonzero answer is returned at once and no box is shown; 0 lets the
// box show. An empty function removes the hook.
using MessageBoxHook = std::function<int(const MessageBoxInfo&)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace win
