// The desktop's CLIPBOARD and PRIMARY selections on X11, owned and read by the display itself: texts of any
// size go out and come in by the incremental transfer, in pieces the server accepts in one request. Kept
// apart from the rest of the display for the same reason as SdlX11.h.
#pragma once

#include <memory>
#include <optional>
#include <string>

struct SDL_Window;
struct SDL_SysWMmsg;

namespace win::sdl {

enum class Selection { Clipboard, Primary };

class X11Selections {
public:
    virtual ~X11Selections() = default;

    // The selections of the X display that `window` is on; null when it is not on X11. From then on SDL
    // passes X events on (SDL_SYSWMEVENT), and each must be given to Handle.
    static std::unique_ptr<X11Selections> Open(SDL_Window* window);

    // Offers the text as the selection; false when the server gave the selection to nobody.
    virtual bool Set(Selection which, std::string text) = 0;
    // The selection's text as UTF-8: the program's own at once, another program's asked of it (nothing when
    // it does not answer within a few seconds, or offers no text).
    virtual std::optional<std::string> Get(Selection which) = 0;
    virtual bool Has(Selection which) = 0;

    // An X event SDL passed on: requests for what the program offers, the steps of transfers under way and
    // the loss of a selection to another program.
    virtual void Handle(const SDL_SysWMmsg& message) = 0;
};

} // namespace win::sdl
