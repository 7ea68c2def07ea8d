// What the open list of a combo box tells its combo box: an item was chosen, the list was cancelled, the mouse
// button that opened it was let go elsewhere.
#pragma once

#include "platform/win/types.h"

namespace win::combobox {

void ListChose(HWND combo, int index);
void ListCancelled(HWND combo);
void ListButtonReleased(HWND combo);

} // namespace win::combobox
