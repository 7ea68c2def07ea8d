// The beep on the SDL display: a short tone through the audio device, opened on first use.
#pragma once

#include <SDL.h>

namespace win::sdl {

class BeepTone {
public:
    // Plays the tone; false when no audio device can be opened (the caller then shows the beep instead).
    bool Play();
    void Close();

private:
    SDL_AudioDeviceID m_device = 0;
    bool m_failed = false;
    int m_rate = 0;
};

} // namespace win::sdl
