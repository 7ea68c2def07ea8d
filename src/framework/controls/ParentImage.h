// The image a control's parent paints behind it: what a transparent control shows in its own background.
#pragma once

#include "platform/win/types.h"

namespace gl {

class TControl;

// Paints the part of the parent that lies under `control` into `dc` (the control's own coordinates): the
// parent's background, its own painting and its children without a window. Nothing without a parent.
void DrawParentImage(TControl& control, win::HDC dc);

} // namespace gl
