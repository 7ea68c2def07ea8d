// The stock objects of GetStockObject and the objects a new device context starts with.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/gdi_types.h"

namespace win {

// The stock object of an index (brushes, pens, DC_BRUSH/DC_PEN, DEFAULT_PALETTE, the fonts); null for an
// index that names none. Stock objects are made on first use and never deleted.
HGDIOBJ GetStockObject(int index);

// The stock font of a stock-object index; null for other indexes. The text code, which shares this library,
// makes and keeps the fonts and defines this, so that drawing hands the font indexes on without knowing
// fonts.
HGDIOBJ GetStockFont(int index);

// Puts the objects every new context starts with into its state: BLACK_PEN, WHITE_BRUSH, SYSTEM_FONT and
// DEFAULT_PALETTE, each only where the state has none yet. Call it before the context is registered, which
// counts the selections.
void SelectDefaultObjects(DeviceContext& dc);

// The DC_BRUSH and DC_PEN stock objects draw in the colours of the context they are selected into.
bool IsDcBrush(const BrushObject& brush);
bool IsDcPen(const PenObject& pen);

} // namespace win
