// What the list of a combo box tells its combo box: an item of the open list was chosen, the open list was
// cancelled, the mouse button that opened it was let go elsewhere; and, for the always-shown list of
// CBS_SIMPLE, that the user selected or double-clicked an item.
#pragma once

#include "platform/win/types.h"

namespace win::combobox {

void ListChose(HWND combo, int index);
void ListCancelled(HWND combo);
void ListButtonReleased(HWND combo);
void ListSelectionChanged(HWND combo, int index);
void ListDoubleClicked(HWND combo);

} // namespace win::combobox
