// Collecting the files of one drag and drop from SDL's events.
#include "platform/display/detail/sdl/SdlDrop.h"

namespace win::sdl {

bool DropCollector::Take(const SDL_Event& e, DisplayEvent& out, Uint32& sdlWindow) {
    switch (e.type) {
    case SDL_DROPBEGIN:
        m_files.clear();
        m_window = e.drop.windowID;
        m_open = true;
        return false;
    case SDL_DROPFILE:
        if (e.drop.file) {
            m_files.emplace_back(e.drop.file);
            SDL_free(e.drop.file);
        }
        m_window = e.drop.windowID;
        // Without a begin event (older SDL) every file is a drop of its own.
        return m_open ? false : Finish(out, sdlWindow);
    case SDL_DROPTEXT:
        if (e.drop.file) SDL_free(e.drop.file);
        return false;
    case SDL_DROPCOMPLETE:
        m_open = false;
        return Finish(out, sdlWindow);
    default:
        return false;
    }
}

bool DropCollector::Finish(DisplayEvent& out, Uint32& sdlWindow) {
    if (m_files.empty()) return false;
    out.type = DisplayEventType::DropFiles;
    out.files = std::move(m_files);
    m_files.clear();
    sdlWindow = m_window;
    // The desktop's drop carries no position: the pointer is where the files fell.
    int gx = 0, gy = 0, wx = 0, wy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    if (SDL_Window* window = SDL_GetWindowFromID(m_window)) SDL_GetWindowPosition(window, &wx, &wy);
    out.pos = POINT{gx - wx, gy - wy};
    return true;
}

} // namespace win::sdl
