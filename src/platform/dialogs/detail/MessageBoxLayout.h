// Inside the message box: its buttons by type and the layout of icon, text and buttons in the box's font.
#pragma once

#include "platform/win/types.h"

#include <string>
#include <vector>

namespace win::msgbox {

struct ButtonKind {
    int id;
    const char* label;
    char mnemonic; // the upper-case letter that chooses the button, 0 for none
};

// The buttons of a box type, left to right; an unknown type gives the single OK button.
std::vector<ButtonKind> ButtonsOf(UINT type);
// What Escape and the close box answer; 0 when the box cannot be cancelled (Yes/No, Abort/Retry/Ignore).
int EscapeResultOf(UINT type);

struct BoxLayout {
    SIZE client{};
    bool hasIcon = false;
    POINT icon{};
    RECT text{};
    std::vector<RECT> buttons;
};

// The layout for a text (with CR LF line breaks, wrapped where it is wider than the screen allows), an icon
// or none, and the buttons' labels, measured in font.
BoxLayout LayOut(HFONT font, const std::string& text, bool hasIcon, const std::vector<ButtonKind>& buttons);

} // namespace win::msgbox
