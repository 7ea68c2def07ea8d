// Rebuilding a platform bitmap in another size, depth or palette: the one routine behind width, height,
// pixel-format, palette and monochrome changes and behind copy on change.
#pragma once

#include "platform/win/gdi_types.h"

namespace gl {

class TCanvas;

// Makes the platform bitmap that `dib` asks for (a DIB section when its info header is 40 bytes or more, else
// a device-dependent bitmap) and copies `handle` (may be null) onto it at (0, 0). The new bitmap is first
// filled white, or with the canvas's brush when a canvas is given. `dib` is then updated from the new bitmap.
// Returns null, changing nothing, when the size asked for is empty. Raises EInvalidGraphic when the old
// bitmap cannot be described and EOutOfResources when the platform cannot make what is asked.
win::HBITMAP CopyBitmap(win::HBITMAP handle, win::HPALETTE oldPalette, win::HPALETTE newPalette,
                        win::DIBSECTION& dib, TCanvas* canvas);

// A description of `handle` for the rebuild routine, all zero for null.
win::DIBSECTION DescribeBitmap(win::HBITMAP handle);

} // namespace gl
