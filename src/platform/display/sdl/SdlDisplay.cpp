// The SDL display (being written).
#include "platform/display/sdl/SdlDisplay.h"

namespace win {

std::unique_ptr<Display> CreateSdlDisplay() { return nullptr; }

} // namespace win
