// Key code translation for the SDL display: letters and digits by the layout's key code, the rest by scan
// code.
#include "platform/display/detail/sdl/SdlKeys.h"

#include "platform/win/KeyCodes.h"

namespace win::sdl {

namespace {

struct ScanKey {
    SDL_Scancode scan;
    int vk;
    bool extended;
};

constexpr ScanKey kScanKeys[] = {
    {SDL_SCANCODE_RETURN, VK_RETURN, false},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE, false},
    {SDL_SCANCODE_BACKSPACE, VK_BACK, false},
    {SDL_SCANCODE_TAB, VK_TAB, false},
    {SDL_SCANCODE_SPACE, VK_SPACE, false},
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS, false},
    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS, false},
    {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4, false},
    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6, false},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5, false},
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1, false},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7, false},
    {SDL_SCANCODE_GRAVE, VK_OEM_3, false},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA, false},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD, false},
    {SDL_SCANCODE_SLASH, VK_OEM_2, false},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL, false},
    {SDL_SCANCODE_F1, VK_F1, false},
    {SDL_SCANCODE_F2, VK_F2, false},
    {SDL_SCANCODE_F3, VK_F3, false},
    {SDL_SCANCODE_F4, VK_F4, false},
    {SDL_SCANCODE_F5, VK_F5, false},
    {SDL_SCANCODE_F6, VK_F6, false},
    {SDL_SCANCODE_F7, VK_F7, false},
    {SDL_SCANCODE_F8, VK_F8, false},
    {SDL_SCANCODE_F9, VK_F9, false},
    {SDL_SCANCODE_F10, VK_F10, false},
    {SDL_SCANCODE_F11, VK_F11, false},
    {SDL_SCANCODE_F12, VK_F12, false},
    {SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT, true},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL, false},
    {SDL_SCANCODE_PAUSE, VK_PAUSE, false},
    {SDL_SCANCODE_INSERT, VK_INSERT, true},
    {SDL_SCANCODE_HOME, VK_HOME, true},
    {SDL_SCANCODE_PAGEUP, VK_PRIOR, true},
    {SDL_SCANCODE_DELETE, VK_DELETE, true},
    {SDL_SCANCODE_END, VK_END, true},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT, true},
    {SDL_SCANCODE_RIGHT, VK_RIGHT, true},
    {SDL_SCANCODE_LEFT, VK_LEFT, true},
    {SDL_SCANCODE_DOWN, VK_DOWN, true},
    {SDL_SCANCODE_UP, VK_UP, true},
    {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK, true},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE, true},
    {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY, false},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT, false},
    {SDL_SCANCODE_KP_PLUS, VK_ADD, false},
    {SDL_SCANCODE_KP_ENTER, VK_RETURN, true},
    {SDL_SCANCODE_KP_1, VK_NUMPAD1, false},
    {SDL_SCANCODE_KP_2, VK_NUMPAD2, false},
    {SDL_SCANCODE_KP_3, VK_NUMPAD3, false},
    {SDL_SCANCODE_KP_4, VK_NUMPAD4, false},
    {SDL_SCANCODE_KP_5, VK_NUMPAD5, false},
    {SDL_SCANCODE_KP_6, VK_NUMPAD6, false},
    {SDL_SCANCODE_KP_7, VK_NUMPAD7, false},
    {SDL_SCANCODE_KP_8, VK_NUMPAD8, false},
    {SDL_SCANCODE_KP_9, VK_NUMPAD9, false},
    {SDL_SCANCODE_KP_0, VK_NUMPAD0, false},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, false},
    {SDL_SCANCODE_APPLICATION, VK_APPS, true},
    {SDL_SCANCODE_LCTRL, VK_LCONTROL, false},
    {SDL_SCANCODE_LSHIFT, VK_LSHIFT, false},
    {SDL_SCANCODE_LALT, VK_LMENU, false},
    {SDL_SCANCODE_LGUI, VK_LWIN, true},
    {SDL_SCANCODE_RCTRL, VK_RCONTROL, true},
    {SDL_SCANCODE_RSHIFT, VK_RSHIFT, false},
    {SDL_SCANCODE_RALT, VK_RMENU, true},
    {SDL_SCANCODE_RGUI, VK_RWIN, true},
};

} // namespace

int VirtualKeyOf(const SDL_Keysym& key, bool& extended) {
    extended = false;
    const SDL_Keycode sym = key.sym;
    if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + (sym - SDLK_0);
    // Letters and digits by position when the layout gives the key no Latin code (so Ctrl+C works
    // everywhere).
    if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z)
        return 'A' + (key.scancode - SDL_SCANCODE_A);
    if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9)
        return '1' + (key.scancode - SDL_SCANCODE_1);
    if (key.scancode == SDL_SCANCODE_0) return '0';
    for (const ScanKey& k : kScanKeys)
        if (k.scan == key.scancode) {
            extended = k.extended;
            return k.vk;
        }
    return 0;
}

bool TypesText(const SDL_Keysym& key) {
    if (key.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) return false;
    const SDL_Keycode sym = key.sym;
    if (sym >= 0x20 && sym < 0x7F) return true;
    if (sym >= 0x80 && !(sym & SDLK_SCANCODE_MASK)) return true;
    switch (key.scancode) {
    case SDL_SCANCODE_KP_DIVIDE:
    case SDL_SCANCODE_KP_MULTIPLY:
    case SDL_SCANCODE_KP_MINUS:
    case SDL_SCANCODE_KP_PLUS:
    case SDL_SCANCODE_KP_PERIOD:
        return true;
    default:
        break;
    }
    if (key.scancode >= SDL_SCANCODE_KP_1 && key.scancode <= SDL_SCANCODE_KP_0)
        return (key.mod & KMOD_NUM) != 0;
    return false;
}

} // namespace win::sdl
