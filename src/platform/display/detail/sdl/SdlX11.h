// What the SDL display needs of X11 itself, kept apart: X11's headers define names (None, Window...) that
// the rest of the display uses for its own.
#pragma once

struct SDL_Window;

namespace win::sdl {

// The X window that has the keyboard on the display of `window`; 0 when none does or the display is not X.
unsigned long KeyboardFocus(SDL_Window* window);
// Gives the keyboard to an X window on the display of `window`.
void GiveKeyboardFocus(SDL_Window* window, unsigned long xWindow);
// The X window of an SDL window; 0 when it has none.
unsigned long XWindowOf(SDL_Window* window);

// From now on an error the X server reports (a request it refused, a window of another program gone) is one
// line on standard error and the program goes on. Only a broken connection ends it, at once with status 1
// and one line on standard error: nothing can be shown or asked of the desktop any more, and tidying up
// would only talk to the dead connection again.
void HandleX11Failures();

} // namespace win::sdl
