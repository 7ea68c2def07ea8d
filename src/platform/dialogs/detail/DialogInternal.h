// Inside the dialog manager: what each dialog window keeps beside its DWLP_* values, and the calls its files
// make on each other. Not for use outside src/platform/dialogs.
#pragma once

#include "platform/dialogs/Dialogs.h"

namespace win::dlg {

struct DialogInfo {
    HFONT font = nullptr;
    WORD defId = 0; // DM_SETDEFID; IDOK until set
    HWND lastFocus = nullptr;
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
};

// The state of a dialog window; null for a window that was not made as a dialog (or is gone).
DialogInfo* InfoOf(HWND dialog);

// The one dialog font, "宋体" 12 pixels, made on first use.
HFONT DialogFont();

// Makes the dialog of a template (hidden unless visibleNow and the template says WS_VISIBLE) and sends
// WM_INITDIALOG. Null on failure.
HWND CreateFromTemplate(const DialogTemplate& t, HWND parent, DLGPROC proc, LPARAM initParam, bool modal);

// Moves the focus to a control as the dialog keys do: an edit gets its whole text selected, and the push
// buttons show which one Enter would press.
void FocusControl(HWND dialog, HWND control);
// The default push button follows the focus: a focused push button is the default, otherwise the button with
// the dialog's default id is.
void UpdateDefaultButton(HWND dialog, HWND focus);

// A push button (default or not), by what it answers to WM_GETDLGCODE.
bool IsPushButton(HWND hwnd);

} // namespace win::dlg
