// The stock fonts of GetStockObject (SYSTEM_FONT, DEFAULT_GUI_FONT, ...).
#pragma once

#include "platform/win/types.h"

namespace win {

// The stock font for a stock-object index, made on first use and never deleted; null for other indexes.
HGDIOBJ GetStockFont(int index);

} // namespace win
