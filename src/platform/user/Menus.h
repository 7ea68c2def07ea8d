// Pop-up menus: made item by item, shown with TrackPopupMenu in the classic look (raised frame, the chosen
// item in the highlight colours, greyed items embossed), chosen with the mouse or the keyboard (arrows, Home,
// End, Enter, the access key), closed by Escape or a click outside.
#pragma once

#include "platform/win/types.h"

namespace win {

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;

constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
// text: the item's label, "&" before its access key; ignored for a separator.
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text);
int GetMenuItemCount(HMENU menu);
// The item's MF_GRAYED / MF_DISABLED / MF_SEPARATOR bits; (UINT)-1 when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// The item's label with its "&"; the length copied (0 for none or a separator).
int GetMenuString(HMENU menu, UINT item, LPSTR text, int max, UINT flags);
// Shows the menu with its top-left corner at (x, y) on the screen (moved to stay on the screen) and runs
// until it closes. With TPM_RETURNCMD, the chosen item's id (0: none); otherwise WM_COMMAND goes to the owner
// and the result says whether an item was chosen.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);

// The menu that is open now and its window, or null; what a test drives.
HMENU GetOpenPopupMenu();
HWND GetOpenPopupMenuWindow();
// The item the open menu has highlighted, -1 for none.
int GetOpenPopupMenuHighlight();
// An item's rectangle in the open menu's client coordinates.
BOOL GetOpenPopupMenuItemRect(int item, RECT* rect);

} // namespace win
