// Decoding icon files: the directory, the choice of the image that suits a size, and the image itself (1, 4,
// 8, 16, 24 or 32 bits per pixel with its mask) into a 32-bit colour bitmap and a one-bit mask.
#pragma once

#include "framework/core/Types.h"
#include "platform/gdi/Owners.h"
#include "platform/win/gdi_types.h"

#include <cstddef>
#include <cstdint>

namespace gl {

struct DecodedIcon {
    win::UniqueBitmap color; // 32-bit DIB section
    win::UniqueBitmap mask;  // one-bit DIB section, colour table black, white; white is transparent
    TSize size{0, 0};
};

// The icon of an icon file (its 6-byte header, directory and images) that best suits `requested`: the
// nearest size, then the most colours. Type 0 stands for the system's stock icon. Raises EInvalidGraphic
// "Icon image is not valid" for anything that does not hold together (compressed images included).
DecodedIcon DecodeIcon(const std::uint8_t* data, std::size_t size, TSize requested);

} // namespace gl
