// Decoding of 8-bit and 4-bit run-length bitmap data. Every read is checked against the data's length and
// every pixel against the bitmap's size: runs past the end of a row are dropped, decoding stops at the
// end-of-bitmap escape, at the end of the data, at a run that is cut short, or past the last row.
#pragma once

#include "platform/win/types.h"

#include <algorithm>
#include <cstddef>

namespace win {

// put(x, y, index) is called for every pixel the data sets, with y counted from the top of the picture (the
// data itself starts at the bottom row). Returns true when the data ended with the end-of-bitmap escape.
template <class Put>
bool DecodeRle(const BYTE* data, std::size_t size, bool fourBit, int width, int height, Put&& put) {
    if (!data || width <= 0 || height <= 0) return false;
    auto nibble = [&](BYTE value, int k) -> unsigned {
        if (!fourBit) return value;
        return (k & 1) ? (value & 0x0Fu) : (value >> 4u);
    };
    std::size_t i = 0;
    int x = 0;
    int row = 0; // from the bottom
    auto emit = [&](unsigned index) {
        if (x < width) put(x, height - 1 - row, index);
        x = std::min(x + 1, width); // no pixel lands past the row, and the column cannot grow without bound
    };
    while (row < height && i + 2 <= size) {
        const BYTE count = data[i];
        const BYTE value = data[i + 1];
        i += 2;
        if (count > 0) { // a run of one value (two alternating nibbles in 4-bit data)
            for (int k = 0; k < count; ++k) emit(nibble(value, k));
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++row;
            break;
        case 1:
            return true; // end of bitmap
        case 2:          // move right and up
            if (i + 2 > size) return false;
            x = std::min(x + data[i], width);
            row += data[i + 1];
            i += 2;
            break;
        default: { // literal pixels, padded to a 16-bit boundary
            const std::size_t bytes = fourBit ? (value + 1u) / 2u : value;
            const std::size_t available = std::min(bytes, size - i);
            for (int k = 0; k < value; ++k) {
                const std::size_t at =
                    fourBit ? static_cast<std::size_t>(k) / 2 : static_cast<std::size_t>(k);
                if (at >= available) return false;
                emit(nibble(data[i + at], k));
            }
            i += bytes + (bytes & 1u);
            break;
        }
        }
    }
    return false;
}

} // namespace win
