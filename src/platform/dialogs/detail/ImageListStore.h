// Inside the image lists: the object behind an HIMAGELIST (its pixels and masks, image after image) and its
// checked table. Not for use outside src/platform/dialogs.
#pragma once

#include "platform/win/types.h"

#include <cstdint>
#include <vector>

namespace win::imagelist {

struct ImageListObject {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    int grow = 4;
    COLORREF background = CLR_NONE;
    int count = 0;
    std::vector<COLORREF> pixels;    // count images of cx * cy, row after row
    std::vector<std::uint8_t> masks; // 1 where the pixel is transparent (lists with ILC_MASK only)

    bool HasMask() const { return (flags & 0x1) != 0; }
    std::size_t ImageSize() const { return static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy); }
    COLORREF Pixel(int index, int x, int y) const {
        return pixels[static_cast<std::size_t>(index) * ImageSize() + static_cast<std::size_t>(y) * cx + x];
    }
    bool Transparent(int index, int x, int y) const {
        return HasMask() &&
               masks[static_cast<std::size_t>(index) * ImageSize() + static_cast<std::size_t>(y) * cx + x];
    }
};

// The object behind a handle; null (with ERROR_INVALID_HANDLE) for a bad one.
ImageListObject* FindList(HIMAGELIST list);

} // namespace win::imagelist
