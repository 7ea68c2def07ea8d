// Dialog boxes: windows made from a dialog template, with a dialog procedure behind the dialog class
// "#32770", modal and modeless runs, the dialog keys (Tab and Shift+Tab among WS_TABSTOP controls, arrows
// within a WS_GROUP group, Enter for the default button, Escape for IDCANCEL) and the item helpers.
//
// A dialog procedure returns TRUE when it handled a message and puts the message's result in DWLP_MSGRESULT;
// the result starts at 0 for every message. For WM_INITDIALOG, WM_CTLCOLOR*, WM_COMPAREITEM, WM_VKEYTOITEM,
// WM_CHARTOITEM and WM_QUERYDRAGICON its return value is the result itself.
#pragma once

#include "platform/dialogs/DialogTemplate.h"
#include "platform/user/Windows.h"
#include "platform/win/types.h"

#include <string>

namespace win {

using INT_PTR = std::intptr_t;
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// Dialog messages.
constexpr UINT DM_GETDEFID = WM_USER + 0;
constexpr UINT DM_SETDEFID = WM_USER + 1;
constexpr UINT DM_REPOSITION = WM_USER + 2;
constexpr WORD DC_HASDEFID = 0x534B;

constexpr DWORD ERROR_WINDOW_NOT_DIALOG = 1420;
constexpr DWORD ERROR_CONTROL_ID_NOT_FOUND = 1421;

// Makes a dialog and sends it WM_INITDIALOG (lParam = initParam); shown at once when the template's style has
// WS_VISIBLE. Null when the template is missing, the owner is not a window, or a control cannot be made.
// A template with WS_CHILD makes a child dialog of parent; DS_CONTROL makes it part of its parent's dialog
// (WS_EX_CONTROLPARENT, no caption or frame), so that the keys of the parent dialog reach its controls.
HWND CreateDialogIndirectParam(HINSTANCE instance, LPCDLGTEMPLATE dialogTemplate, HWND parent, DLGPROC proc,
                               LPARAM initParam);
// Runs a dialog modally: its owner (the top-level window of owner) is disabled meanwhile, the dialog keys
// work, and the call returns the value given to EndDialog; -1 when the dialog could not be made. A WM_QUIT
// met while it runs ends it with 0 (and is posted again on a screen, for the loop outside).
INT_PTR DialogBoxIndirectParam(HINSTANCE instance, LPCDLGTEMPLATE dialogTemplate, HWND owner, DLGPROC proc,
                               LPARAM initParam);

// Ends a modal dialog with a result (the modal run returns it) once the current message is handled; a
// modeless dialog is only hidden. FALSE for a window that is not a dialog.
BOOL EndDialog(HWND dialog, INT_PTR result);

// The window procedure of the dialog class; a dialog of a class of its own calls it for what it leaves.
LRESULT DefDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The name of the dialog class: extra window bytes DLGWINDOWEXTRA, procedure DefDlgProc. Registered on first
// use.
bool RegisterDialogClass();

// Handles the dialog keys of a message meant for the dialog or one of its controls, and dispatches the rest
// of such messages itself; FALSE when the message is not for this dialog (the caller dispatches it then).
BOOL IsDialogMessage(HWND dialog, MSG* msg);

// The next (or previous) control that Tab reaches from control: visible, enabled, WS_TABSTOP, in the order
// the controls were made, going into child dialogs with WS_EX_CONTROLPARENT; it wraps. control null: the
// first (or last). Null when the dialog has none.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
// The next (or previous) visible, enabled control of control's group (a group starts at a WS_GROUP control);
// it wraps within the group.
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

// Items by identifier.
BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text);
std::string GetDlgItemTextString(HWND dialog, int id);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win
