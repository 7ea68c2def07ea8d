// The layout a BITMAPINFO describes (size, depth, orientation, masks, colour table), read once with every
// field checked, and surfaces made from it.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Surface.h"
#include "platform/win/gdi_types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace win {

struct DibFormat {
    int width = 0;
    int height = 0; // always positive; topDown says the row order
    bool topDown = false;
    int bitCount = 0;
    DWORD compression = BI_RGB;
    bool bitFields = false;
    DWORD masks[3] = {0, 0, 0};
    std::vector<RGBQUAD> colors; // palette formats: the whole table (1 << bitCount entries)
    UINT colorCount = 0;         // entries the header declares (biClrUsed, or the whole table)
    std::uint64_t stride = 0;    // bytes per row, padded to 32 bits
    std::uint64_t imageBytes = 0;
    DWORD sizeImage = 0; // as the header gives it (the data size of compressed bitmaps)
};

// Reads a header of 40 bytes or more, or the 12-byte core header, with its masks and colour table.
// DIB_PAL_COLORS tables hold 16-bit indexes into the context's palette. Compressed data (BI_RLE8, BI_RLE4) is
// accepted only when allowRle. On failure sets the last error (ERROR_INVALID_PARAMETER for a header no bitmap
// can be made of, ERROR_NOT_ENOUGH_MEMORY for one too large to hold) and returns false. Without readTable the
// colour table is left empty (for callers that are about to fill it in).
bool ReadDibFormat(const BITMAPINFO* info, UINT usage, const DeviceContext* dc, bool allowRle, DibFormat& out,
                   bool readTable = true);

// Checks a size for a new bitmap the same way: false with the last error set when it cannot be made.
bool CheckBitmapSize(LONG width, LONG height, int bitCount);

// A zeroed surface of that layout, with its colour table. Null (ERROR_NOT_ENOUGH_MEMORY) when memory runs
// out.
std::unique_ptr<Surface> MakeDibSurface(const DibFormat& format);

// Decodes run-length data (BI_RLE8, BI_RLE4) of that layout onto a surface, each index through the colour
// table; pixels beyond the surface are dropped. False with ERROR_INVALID_PARAMETER when the header does not
// give the data's length (nothing is read then).
bool DecodeRleOnto(Surface& target, const DibFormat& format, const void* bits);

} // namespace win
