// The desktop's primary selection: text the user selects (with the mouse, Shift and the arrows, Ctrl+A or
// the menu's Select All) is offered as it, and a middle click pastes it where the pointer is.
#include "platform/controls/detail/edit/EditControl.h"
#include "platform/controls/edit/EditMessages.h"

#include "platform/user/Clipboard.h"
#include "platform/user/User.h"

namespace win::edit {

void EditControl::OfferPrimary() {
    // A password is never offered, as it is never copied.
    if (!m_buffer.HasSelection() || (Style() & ES_PASSWORD)) return;
    SetPrimaryUtf8(std::string(m_buffer.SelectedText()));
}

LRESULT EditControl::OnMButtonDown(WPARAM, LPARAM lParam) {
    if (!m_focused) SetFocus(m_hwnd);
    if (ReadOnly()) return 0;
    const std::size_t pos = PositionFromPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    MoveSelection(pos, pos);
    std::optional<std::string> text = GetPrimaryUtf8();
    if (text) PasteText(std::move(*text));
    ScrollCaretIntoView();
    UpdateCaret();
    FlushScrollBars();
    return 0;
}

} // namespace win::edit
