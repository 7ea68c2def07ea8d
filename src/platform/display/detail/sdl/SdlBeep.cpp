// A 150 ms tone at 880 Hz, fading in and out so it does not click.
#include "platform/display/detail/sdl/SdlBeep.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace win::sdl {

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// Whether any sound can come out: a sound server's socket or a sound card. Without either, asking the audio
// library only fills standard error with its complaints about the missing card.
bool SoundReachable() {
    if (std::getenv("SDL_AUDIODRIVER") || std::getenv("PULSE_SERVER")) return true;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
        const std::string folder(runtime);
        if (Exists(folder + "/pulse/native") || Exists(folder + "/pipewire-0")) return true;
    }
    return Exists("/dev/snd");
}

} // namespace

bool BeepTone::Play() {
    if (m_failed) return false;
    if (!m_device) {
        if (!SoundReachable()) {
            m_failed = true;
            return false;
        }
        if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            m_failed = true;
            return false;
        }
        SDL_AudioSpec want{};
        want.freq = 44100;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = 1024;
        SDL_AudioSpec got{};
        m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &got, 0);
        if (!m_device || got.format != AUDIO_S16SYS || got.channels != 1) {
            if (m_device) SDL_CloseAudioDevice(m_device);
            m_device = 0;
            m_failed = true;
            return false;
        }
        m_rate = got.freq;
        SDL_PauseAudioDevice(m_device, 0);
    }
    const int count = m_rate * 150 / 1000;
    std::vector<Sint16> samples(static_cast<std::size_t>(count));
    const int fade = m_rate / 200;
    for (int i = 0; i < count; ++i) {
        double gain = 0.25;
        if (i < fade) gain *= static_cast<double>(i) / fade;
        if (count - i < fade) gain *= static_cast<double>(count - i) / fade;
        samples[static_cast<std::size_t>(i)] =
            static_cast<Sint16>(32767.0 * gain * std::sin(2.0 * 3.14159265358979 * 880.0 * i / m_rate));
    }
    SDL_ClearQueuedAudio(m_device);
    return SDL_QueueAudio(m_device, samples.data(), static_cast<Uint32>(samples.size() * sizeof(Sint16))) ==
           0;
}

void BeepTone::Close() {
    if (m_device) SDL_CloseAudioDevice(m_device);
    m_device = 0;
}

} // namespace win::sdl
