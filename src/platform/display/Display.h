// The narrow interface between the window manager and a screen: real top-level windows, presenting their
// retained pixels, input events, the desktop's clipboard, the beep, cursors, the screen's size and density
// and the clock. Two backends implement it (sdl, headless); which one runs is decided once, in
// CurrentDisplay().
#pragma once

#include "platform/gdi/Surface.h"
#include "platform/win/types.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace win {

// A display's own window number; 0 is none.
using DisplayWindowId = std::uint64_t;

enum class DisplayEventType {
    None,
    MouseMove,
    MouseDown,
    MouseUp,
    Wheel,
    MouseLeave, // the pointer left the window
    KeyDown,
    KeyUp,
    Text,   // committed text (typed or from an input method), UTF-8
    Close,  // the user asked to close the window
    Expose, // the window's pixels must be shown again
    FocusGained,
    FocusLost,
    Moved,   // the desktop moved the window: rect holds the new client rectangle on the screen
    Resized, // the desktop resized the window: rect holds the new client rectangle on the screen
    Minimized,
    Maximized,
    Restored,
    Quit,      // the desktop session asks the program to end
    DropFiles, // files dropped on the window from the desktop: files (UTF-8 paths), pos where they fell
};

enum class MouseButton { None = 0, Left = 1, Right = 2, Middle = 3 };

struct DisplayEvent {
    DisplayEventType type = DisplayEventType::None;
    DisplayWindowId window = 0;
    POINT pos{}; // mouse events: relative to the window's client area
    MouseButton button = MouseButton::None;
    int wheelDelta = 0; // Wheel: in the platform's units, 120 per notch, positive away from the user
    int virtualKey = 0; // KeyDown/KeyUp: the platform's virtual-key code (win/KeyCodes.h)
    int scanCode = 0;
    bool extendedKey = false;
    bool repeat = false;
    bool textFollows = false;       // KeyDown: the key's character comes as a Text event of its own
    std::string text;               // Text
    std::vector<std::string> files; // DropFiles, in the order the desktop gave them
    RECT rect{};                    // Moved/Resized
    std::uint64_t time = 0;         // the display's clock
};

enum class DisplayShow { Hidden, Normal, NormalNoActivate, Maximized, Minimized };

enum class CursorShape {
    Arrow,
    IBeam,
    Wait,
    Cross,
    UpArrow,
    SizeNWSE,
    SizeNESW,
    SizeWE,
    SizeNS,
    SizeAll,
    No,
    Hand,
    AppStarting,
    Help,
    Hidden,
};

// A window's icon for the desktop's task bar and window list: straight alpha, 0xAARRGGBB, rows top first;
// empty for none.
struct DisplayIcon {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

struct DisplayWindowSpec {
    std::string title;  // UTF-8
    RECT clientRect{};  // on the screen
    bool popup = false; // no decoration by the desktop (drop-down lists, hints)
    bool toolWindow = false;
    bool topmost = false;
    bool resizable = false;
    DisplayWindowId owner = 0;
};

class Display {
public:
    virtual ~Display() = default;
    Display() = default;
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    virtual const char* Name() const = 0;

    // What the layers above may ask of a display, instead of asking which one it is.
    // Whether a person sees the windows: a window opened where nobody can see it is of no use to them.
    virtual bool ShownToPerson() const = 0;
    // Whether input can still arrive while the program waits with nothing queued. Where it cannot, a message
    // loop that runs dry must end by itself (as if WM_QUIT were posted) instead of waiting for ever, and a
    // modal loop ended that way owes no quit to the loop outside it.
    virtual bool WaitsForInput() const = 0;

    // The screen.
    virtual SIZE ScreenSize() = 0;
    virtual RECT WorkArea() = 0;
    virtual int Dpi() = 0;

    // Top-level windows: created hidden at the client rectangle given; ids are never reused.
    virtual DisplayWindowId CreateWindow(const DisplayWindowSpec& desc) = 0;
    virtual void DestroyWindow(DisplayWindowId id) = 0;
    virtual void SetWindowTitle(DisplayWindowId id, const std::string& title) = 0;
    virtual void SetWindowIcon(DisplayWindowId id, const DisplayIcon& icon) = 0;
    virtual void SetWindowRect(DisplayWindowId id, const RECT& clientRect) = 0;
    virtual void ShowWindow(DisplayWindowId id, DisplayShow show) = 0;
    virtual void RaiseWindow(DisplayWindowId id) = 0;
    // Shows `dirty` (client coordinates) of the window's client area, whose pixels are those of `surface` (32
    // bits per pixel) starting at `clientOrigin`; `clientSize` is the client area's size.
    virtual void Present(DisplayWindowId id, const Surface& surface, POINT clientOrigin, SIZE clientSize,
                         const RECT& dirty) = 0;

    // Input. PollEvent takes the next waiting event; WaitEvent blocks up to timeoutMs (negative: no limit)
    // until an event may be waiting, and returns whether one is. Wake ends a wait early (any thread).
    virtual bool PollEvent(DisplayEvent& event) = 0;
    virtual bool WaitEvent(int timeoutMs) = 0;
    virtual void Wake() = 0;
    // Text input with the desktop's input method, on or off for a window; the rectangle is where the input
    // method may show its candidates (client coordinates).
    virtual void SetTextInput(DisplayWindowId id, bool on, const RECT& caretRect) = 0;

    // The desktop's clipboard, as UTF-8 text with the desktop's line ends (LF). The text is taken, not
    // copied: a large result is held once.
    virtual bool SetClipboardText(std::string text) = 0;
    virtual std::optional<std::string> GetClipboardText() = 0;
    virtual bool HasClipboardText() = 0;
    // The desktop's primary selection: the text selected last in any program, pasted with the middle button.
    virtual bool SetPrimaryText(std::string text) = 0;
    virtual std::optional<std::string> GetPrimaryText() = 0;

    virtual void Beep() = 0;
    virtual void SetCursor(CursorShape shape) = 0;
    virtual POINT CursorPos() = 0; // on the screen
    virtual void SetCursorPos(POINT screenPoint) = 0;

    // Milliseconds, from an arbitrary start; never goes back.
    virtual std::uint64_t Now() = 0;
};

// The display in use. The first call chooses it: GLYPHLOOM_DISPLAY = sdl | headless; without it, sdl when the
// environment names a desktop (DISPLAY or WAYLAND_DISPLAY) and SDL can open it, else headless.
Display& CurrentDisplay();
// Replaces the display in use (tests install a fresh headless one). Windows of the old display must be gone.
void SetCurrentDisplay(std::unique_ptr<Display> display);
bool HasCurrentDisplay();
// Whether GLYPHLOOM_DISPLAY asked for the display in use by its name, rather than it being what was left.
bool CurrentDisplayRequested();
// Makes a backend by name ("sdl", "headless"); null when it cannot run here.
std::unique_ptr<Display> CreateDisplay(const std::string& name);

// The density asked for by GLYPHLOOM_DPI (96 when absent or not a number in 48..960).
int DpiFromEnvironment();

} // namespace win
