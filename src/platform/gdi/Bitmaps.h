// Bitmaps: device-dependent bitmaps (monochrome, or the screen's 32-bit format), DIB sections of every depth,
// bitmaps made from DIB data (run-length data included), and reading and writing their bits and colour
// tables.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/gdi_types.h"

#include <memory>
#include <vector>

namespace win {

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage);

int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
int SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage);
UINT GetDIBColorTable(HDC hdc, UINT start, UINT count, RGBQUAD* colors);
UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors);

// The header of top-down 32-bit data without compression, width x height pixels.
BITMAPINFO TopDownInfo32(int width, int height);

// --- For the other parts of the platform ---

// A new device-dependent bitmap, all black: monochrome (colour table black, white) or 32 bits. Null (with the
// last error set) for a size that cannot be made.
std::unique_ptr<BitmapObject> MakeDeviceBitmap(int width, int height, bool monochrome);
// A monochrome device-dependent bitmap: copies to and from colour surfaces use the text and background
// colours.
bool IsMonochromeDdb(const BitmapObject& bitmap);
// The bitmap selected into a memory context (null for other contexts).
const BitmapObject* SelectedBitmap(const DeviceContext& dc);
// The colour table that device-dependent data of a depth implies: black and white, the sixteen standard
// colours, or the halftone colours (empty for depths without a table).
std::vector<RGBQUAD> DefaultColorTable(int bitCount);

} // namespace win
