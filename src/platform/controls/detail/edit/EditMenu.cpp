// The edit's own context menu: Undo, Cut, Copy, Paste, Delete and Select All, each greyed when the edit's
// state leaves it nothing to do, and the chosen command sent to the edit as its message.
#include "platform/controls/detail/edit/EditControl.h"

#include "platform/controls/edit/EditMessages.h"
#include "platform/system/Language.h"
#include "platform/user/Clipboard.h"
#include "platform/user/Menus.h"
#include "platform/user/User.h"

namespace win::edit {

namespace {

// The menu's command ids are the messages they send; Select All sends EM_SETSEL (0, -1).
struct Entry {
    PlatformText text;
    UINT message;
    bool enabled;
};

} // namespace

LRESULT EditControl::OnContextMenu(WPARAM, LPARAM lParam) {
    if (GetFocus() != m_hwnd) SetFocus(m_hwnd);
    if (!IsWindow(m_hwnd)) return 0;
    const bool readOnly = ReadOnly();
    const bool hidden = (Style() & ES_PASSWORD) != 0; // a password is neither cut nor copied
    const bool selection = m_buffer.HasSelection();
    const bool wholeSelected = m_buffer.SelectionStart() == 0 && m_buffer.SelectionEnd() == m_buffer.Length();
    const bool clipboard = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
    const Entry entries[] = {
        {PlatformText::Undo, WM_UNDO, !readOnly && m_buffer.CanUndo()},
        {PlatformText::Cut, WM_CUT, !readOnly && !hidden && selection},
        {PlatformText::Copy, WM_COPY, !hidden && selection},
        {PlatformText::Paste, WM_PASTE, !readOnly && clipboard},
        {PlatformText::Delete, WM_CLEAR, !readOnly && selection},
        {PlatformText::SelectAll, EM_SETSEL, m_buffer.Length() > 0 && !wholeSelected},
    };
    const HMENU menu = CreatePopupMenu();
    for (const Entry& entry : entries) {
        // Separators after Undo and before Select All.
        if (entry.message == WM_CUT || entry.message == EM_SETSEL) AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenu(menu, MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED), entry.message,
                   PlatformString(entry.text));
    }
    // From the keyboard the menu opens at the middle of the edit; from the mouse, where it was clicked.
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) {
        RECT client{};
        GetClientRect(m_hwnd, &client);
        at = POINT{client.right / 2, client.bottom / 2};
        ClientToScreen(m_hwnd, &at);
    }
    const auto chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, m_hwnd, nullptr));
    DestroyMenu(menu);
    if (chosen == 0 || !IsWindow(m_hwnd)) return 0;
    if (chosen == EM_SETSEL) {
        SendMessage(m_hwnd, EM_SETSEL, 0, -1);
        OfferPrimary();
    } else {
        SendMessage(m_hwnd, chosen, 0, 0);
    }
    return 0;
}

} // namespace win::edit
