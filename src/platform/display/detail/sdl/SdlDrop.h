// Files dragged onto a window from the desktop: SDL gives them one event each between a begin and a complete
// event; the window receives them as one drop.
#pragma once

#include "platform/display/Display.h"

#include <SDL.h>

#include <string>
#include <vector>

namespace win::sdl {

class DropCollector {
public:
    // Takes the drop events (and frees what SDL allocated for them); true when a whole drop is ready: out
    // then holds its files and where the pointer was over the window, and sdlWindow the window's SDL id.
    bool Take(const SDL_Event& e, DisplayEvent& out, Uint32& sdlWindow);

private:
    bool Finish(DisplayEvent& out, Uint32& sdlWindow);

    std::vector<std::string> m_files;
    Uint32 m_window = 0;
    bool m_open = false;
};

} // namespace win::sdl
