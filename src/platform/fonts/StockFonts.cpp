// The stock fonts of GetStockObject.
#include "platform/fonts/StockFonts.h"

namespace win {

HGDIOBJ GetStockFont(int) { return nullptr; }

} // namespace win
