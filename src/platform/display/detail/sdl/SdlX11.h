// What the SDL display needs of X11 itself, kept apart: X11's headers define names (None, Window...) that
// the rest of the display uses for its own.
#pragma once

namespace win::sdl {

// From now on a broken connection to the X server ends the program at once with status 1 and one line on
// standard error: nothing can be shown or asked of the desktop any more, and tidying up would only talk to
// the dead connection again.
void EndOnBrokenX11Connection();

} // namespace win::sdl
