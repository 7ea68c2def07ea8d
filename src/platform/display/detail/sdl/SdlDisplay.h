// The SDL display: real top-level windows on the desktop. This header is SDL-free; only the .cpp files of
// this folder include SDL.
#pragma once

#include "platform/display/Display.h"

#include <memory>

namespace win {

// Null when SDL cannot open the desktop's video (no desktop, or no SDL video driver).
std::unique_ptr<Display> CreateSdlDisplay();

} // namespace win
