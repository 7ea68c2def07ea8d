// Selecting, querying and deleting GDI objects of every kind (bitmaps, palettes, pens, brushes, fonts,
// regions).
#pragma once

#include "platform/gdi/GdiObjects.h"
#include "platform/win/gdi_types.h"

namespace win {

constexpr DWORD OBJ_METADC = 4;
constexpr DWORD OBJ_METAFILE = 9;
constexpr DWORD OBJ_ENHMETADC = 12;
constexpr DWORD OBJ_ENHMETAFILE = 13;
constexpr DWORD OBJ_COLORSPACE = 14;
constexpr DWORD OBJ_EXTPEN = 11;

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
int GetObject(HGDIOBJ object, int size, void* buffer);
DWORD GetObjectType(HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);

// The platform's 1 x 1 monochrome bitmap that every new memory context holds (a stock object).
HBITMAP StockDefaultBitmap();

// --- For the other parts of the platform ---
class DeviceContext;
struct DcState;
// Counts the objects of a state as selected into the context (bitmaps then belong to it).
void RetainStateObjects(HDC hdc, const DcState& state);
// Undoes RetainStateObjects; objects deleted while selected go away when their last selection does.
void ReleaseStateObjects(HDC hdc, const DcState& state);
// Puts an object into one of the state's slots (pen, brush, font, palette), keeping the selection counts
// right; returns what the slot held.
HGDIOBJ SwapSelectedObject(HDC hdc, DeviceContext& dc, HGDIOBJ DcState::*slot, HGDIOBJ handle);
// Makes a memory context draw on a bitmap's pixels (surface, system clip, effective clip).
void AttachBitmapSurface(DeviceContext& dc, const BitmapObject& bitmap);

} // namespace win
