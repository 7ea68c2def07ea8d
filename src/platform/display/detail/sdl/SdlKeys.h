// Translation of SDL's key codes into the platform's virtual-key codes.
#pragma once

#include <SDL.h>

namespace win::sdl {

// The virtual-key code of a key (0 for a key without one); `extended` is set for the keys the platform marks
// so.
int VirtualKeyOf(const SDL_Keysym& key, bool& extended);
// True when the key types a character of its own (which then arrives as text input).
bool TypesText(const SDL_Keysym& key);

} // namespace win::sdl
