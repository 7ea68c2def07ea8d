// TRzCustomComboBox's keyboard and wheel: the type-ahead search (a prefix typed within 1.5 s of the last key,
// found from the top of the list, Backspace taking a character back, Escape going back to the first entry),
// Enter moving on as Tab, read-only boxes ignoring input, and the wheel stepping through the entries.
#include "components/RzCmboBx.h"

#include "framework/core/FlagScope.h"
#include "framework/forms/ExtCtrlsTimer.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/system/Utf8.h"
#include "platform/user/Beep.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Metrics.h"
#include "platform/win/KeyCodes.h"

#include <algorithm>

namespace gl {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kEscape = 27;

bool ClearsSearch(std::uint16_t key) {
    switch (key) {
    case win::VK_ESCAPE:
    case win::VK_PRIOR:
    case win::VK_NEXT:
    case win::VK_END:
    case win::VK_HOME:
    case win::VK_LEFT:
    case win::VK_UP:
    case win::VK_RIGHT:
    case win::VK_DOWN:
        return true;
    default:
        return false;
    }
}

// The search string less its last character; a character of several bytes goes whole.
std::string WithoutLastCharacter(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80) --end;
    return text.substr(0, end > 0 ? end - 1 : 0);
}

} // namespace

void TRzCustomComboBox::InvalidKeyBeep() {
    if (m_beepOnInvalidKey) win::MessageBeep(0);
}

void TRzCustomComboBox::SelectByUser(int index) {
    SetItemIndex(index);
    Click();
    Change();
}

void TRzCustomComboBox::ClearSearch() {
    m_searchString.clear();
}

int TRzCustomComboBox::FindPrefix(const std::string& text) {
    if (!HandleAllocated()) return -1;
    return static_cast<int>(win::SendMessage(Handle(), win::CB_FINDSTRING, static_cast<win::WPARAM>(-1),
                                             reinterpret_cast<win::LPARAM>(text.c_str())));
}

bool TRzCustomComboBox::SearchFor(const std::string& text) {
    const int found = FindPrefix(text);
    if (found < 0) {
        // The string stays as it was: the key is dropped.
        InvalidKeyBeep();
        return false;
    }
    m_searchString = text;
    SelectByUser(found);
    return true;
}

void TRzCustomComboBox::SearchTimerFired() {
    if (m_keyInProgress) return;
    m_searchTimer->SetEnabled(false);
    ClearSearch();
}

void TRzCustomComboBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == win::VK_ESCAPE && DroppedDown()) m_closingByEscape = true;
    // The Enter that closes the open list is not one to move on with.
    m_enterClosesList = key == win::VK_RETURN && DroppedDown();
    if (m_readOnly) {
        key = 0;
        return;
    }
    if (ClearsSearch(key)) ClearSearch();
    TCustomComboBox::KeyDown(key, shift);
}

void TRzCustomComboBox::KeyPress(char32_t& key) {
    TCustomComboBox::KeyPress(key);
    const bool closing = m_enterClosesList;
    m_enterClosesList = false;
    if (TabOnEnter() && key == U'\r' && !closing && !DroppedDown() && HandleAllocated()) {
        key = 0;
        win::PostMessage(Handle(), win::WM_KEYDOWN, win::VK_TAB, 0);
    }
}

void TRzCustomComboBox::BackspaceTyped() {
    if (m_searchString.empty()) {
        InvalidKeyBeep();
        SearchFor(std::string());
        return;
    }
    const std::string rest = WithoutLastCharacter(m_searchString);
    if (!rest.empty()) {
        SearchFor(rest);
        return;
    }
    SelectByUser(0);
    ClearSearch();
}

void TRzCustomComboBox::WMChar(TWMChar& message) {
    const char32_t character = message.CharCode();
    const bool searchKey =
        character == kBackspace || character == kEscape || (character >= 32 && character != 127);
    if (m_readOnly || !searchKey) {
        if (!m_readOnly) TCustomComboBox::WMChar(message);
        return;
    }
    if (character == kEscape) {
        // The Escape that closed the open list is spent.
        if (m_closingByEscape) {
            m_closingByEscape = false;
            return;
        }
        if (Items()->Count() > 0) SelectByUser(0);
        return;
    }
    if (character == kBackspace) {
        BackspaceTyped();
        DoKeyPress(message);
        return;
    }
    FlagScope keying(m_keyInProgress);
    std::string text = m_searchString;
    win::AppendUtf8(text, character);
    const bool found = SearchFor(text);
    m_searchTimer->SetEnabled(false);
    m_searchTimer->SetEnabled(true);
    if (found) DoKeyPress(message);
}

void TRzCustomComboBox::WMLButtonDown(TWMMouse& message) {
    if (!m_readOnly) TCustomComboBox::WMLButtonDown(message);
}

void TRzCustomComboBox::WMLButtonDblClk(TWMMouse& message) {
    if (!m_readOnly) TCustomComboBox::WMLButtonDblClk(message);
}

bool TRzCustomComboBox::DoMouseWheel(TShiftState, int wheelDelta, TPoint) {
    // Always handled, so the platform's own stepping never runs as well.
    if (m_readOnly || wheelDelta == 0 || !HandleAllocated()) return true;
    const bool down = wheelDelta < 0;
    if (DroppedDown()) {
        win::UINT lines = 3;
        win::SystemParametersInfo(win::SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        const int top = static_cast<int>(win::SendMessage(Handle(), win::CB_GETTOPINDEX, 0, 0));
        const int target = std::max(0, top + (down ? 1 : -1) * static_cast<int>(lines));
        win::SendMessage(Handle(), win::CB_SETTOPINDEX, static_cast<win::WPARAM>(target), 0);
        return true;
    }
    const int index = ItemIndex();
    const int count = Items()->Count();
    if (down) {
        if (count > 0 && index < count - 1) SelectByUser(index < 0 ? 0 : index + 1);
    } else if (index < 1) {
        if (count > 0) SetItemIndex(0);
    } else {
        SelectByUser(index - 1);
    }
    return true;
}

} // namespace gl
