// Modal dialogs (their own message loop with the dialog keys, the owner disabled meanwhile), EndDialog, and
// the helpers that address a dialog's controls by identifier.
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/detail/DialogInternal.h"
#include "platform/display/Display.h"
#include "platform/system/LastError.h"
#include "platform/user/User.h"

#include <cerrno>
#include <cstdlib>
#include <string>

namespace win {

using namespace dlg;

namespace {

// Runs the loop of a modal dialog until EndDialog; false when a WM_QUIT ended it.
bool RunModalLoop(HWND dialog) {
    MSG msg;
    for (;;) {
        DialogInfo* info = InfoOf(dialog);
        if (!info || info->ended) return true;
        const BOOL got = GetMessage(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Where input can still arrive the quit belongs to the loop outside too; a display that waits for
            // no input ends a wait that nothing could ever end this way, and then nobody is owed a quit.
            if (CurrentDisplay().WaitsForInput()) PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (got < 0) return false;
        if (!IsDialogMessage(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}

INT_PTR RunModal(const DialogTemplate& t, HWND owner, DLGPROC proc, LPARAM initParam) {
    if (owner && !IsWindow(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    DialogTemplate modal = t;
    modal.style &= ~WS_CHILD;
    HWND dialog = CreateFromTemplate(modal, owner, proc, initParam, true);
    if (!dialog) return -1;
    HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    const bool disabled = root && IsWindowEnabled(root);
    if (disabled) EnableWindow(root, FALSE);
    DialogInfo* info = InfoOf(dialog);
    bool ended = info && info->ended;
    if (!ended) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        if ((info = InfoOf(dialog)) && info->lastFocus && IsChild(dialog, info->lastFocus) &&
            !IsChild(dialog, GetFocus()))
            FocusControl(dialog, info->lastFocus);
        UpdateWindow(dialog);
        ended = RunModalLoop(dialog);
    }
    info = InfoOf(dialog);
    const INT_PTR result = (info && info->ended) ? info->result : 0;
    // The owner comes back before the dialog goes, so that the activation returns to it.
    if (disabled && IsWindow(root)) EnableWindow(root, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return result;
}

HWND Item(HWND dialog, int id) {
    if (!IsWindow(dialog)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    HWND item = GetDlgItem(dialog, id);
    if (!item) SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return item;
}

} // namespace

INT_PTR DialogBoxIndirectParam(HINSTANCE, LPCDLGTEMPLATE dialogTemplate, HWND owner, DLGPROC proc,
                               LPARAM initParam) {
    if (!dialogTemplate) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    return RunModal(*dialogTemplate, owner, proc, initParam);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    DialogInfo* info = InfoOf(dialog);
    if (!info) {
        SetLastError(IsWindow(dialog) ? ERROR_WINDOW_NOT_DIALOG : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (info->ended) return TRUE;
    info->ended = true;
    info->result = result;
    if (info->modal)
        PostMessage(dialog, WM_NULL, 0, 0); // wakes the dialog's loop
    else
        ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) {
    HWND item = Item(dialog, id);
    return item ? SetWindowText(item, text ? text : "") : FALSE;
}

std::string GetDlgItemTextString(HWND dialog, int id) {
    HWND item = Item(dialog, id);
    return item ? GetWindowTextString(item) : std::string();
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND item = Item(dialog, id);
    return item ? SendMessage(item, msg, wParam, lParam) : 0;
}

} // namespace win
