// Key state, the characters of keys (a US layout, with Shift, Caps Lock and Ctrl) and TranslateMessage.
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

constexpr UINT kDoubleClickTime = 500;

bool Down(int vk) {
    return (wm::Thread().keyState[vk] & 0x80) != 0;
}
bool Toggled(int vk) {
    return (wm::Thread().keyState[vk] & 0x01) != 0;
}

// Unshifted and shifted characters of the punctuation keys.
struct Punct {
    int vk;
    char plain;
    char shifted;
};
constexpr Punct kPunct[] = {
    {VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
    {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},
    {VK_OEM_5, '\\', '|'},     {VK_OEM_6, ']', '}'},    {VK_OEM_7, '\'', '"'},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

// The character a key gives with Ctrl held: letters give 1..26, some punctuation the other control codes.
char32_t ControlChar(int vk, bool shift) {
    if (vk >= 'A' && vk <= 'Z') return static_cast<char32_t>(vk - 'A' + 1);
    switch (vk) {
    case VK_OEM_4:
        return 0x1B;
    case VK_OEM_5:
        return 0x1C;
    case VK_OEM_6:
        return 0x1D;
    case '6':
        return shift ? 0x1E : 0;
    case VK_OEM_MINUS:
        return shift ? 0x1F : 0;
    case VK_BACK:
        return 0x7F;
    case VK_RETURN:
        return 0x0A;
    case VK_SPACE:
        return U' ';
    case VK_ESCAPE:
        return 0x1B;
    default:
        return 0;
    }
}

} // namespace

namespace wm {

char32_t KeyToChar(int vk, bool* isSys) {
    const bool shift = Down(VK_SHIFT);
    const bool ctrl = Down(VK_CONTROL);
    const bool alt = Down(VK_MENU);
    if (isSys) *isSys = alt && !ctrl;
    if (ctrl && !alt) return ControlChar(vk, shift);
    switch (vk) {
    case VK_BACK:
        return 0x08;
    case VK_TAB:
        return 0x09;
    case VK_RETURN:
        return 0x0D;
    case VK_ESCAPE:
        return 0x1B;
    case VK_SPACE:
        return U' ';
    default:
        break;
    }
    if (vk >= 'A' && vk <= 'Z') {
        const bool upper = shift != Toggled(VK_CAPITAL);
        return static_cast<char32_t>(upper ? vk : vk - 'A' + 'a');
    }
    if (vk >= '0' && vk <= '9') return static_cast<char32_t>(shift ? kShiftedDigits[vk - '0'] : vk);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<char32_t>('0' + vk - VK_NUMPAD0);
    switch (vk) {
    case VK_MULTIPLY:
        return U'*';
    case VK_ADD:
        return U'+';
    case VK_SUBTRACT:
        return U'-';
    case VK_DECIMAL:
        return U'.';
    case VK_DIVIDE:
        return U'/';
    default:
        break;
    }
    for (const Punct& p : kPunct)
        if (p.vk == vk) return static_cast<char32_t>(shift ? p.shifted : p.plain);
    return 0;
}

void SetKeyDown(int vk, bool down) {
    if (vk <= 0 || vk > 255) return;
    BYTE* keys = Thread().keyState;
    if (down && !(keys[vk] & 0x80) && (vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL))
        keys[vk] ^= 0x01;
    keys[vk] = static_cast<BYTE>(down ? (keys[vk] | 0x80) : (keys[vk] & ~0x80));
    auto mirror = [&](int generic, int left, int right) {
        const bool any = (keys[left] & 0x80) || (keys[right] & 0x80) || (vk == generic && down);
        keys[generic] = static_cast<BYTE>(any ? (keys[generic] | 0x80) : (keys[generic] & ~0x80));
    };
    if (vk == VK_LSHIFT || vk == VK_RSHIFT || vk == VK_SHIFT) mirror(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    if (vk == VK_LCONTROL || vk == VK_RCONTROL || vk == VK_CONTROL)
        mirror(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    if (vk == VK_LMENU || vk == VK_RMENU || vk == VK_MENU) mirror(VK_MENU, VK_LMENU, VK_RMENU);
}

} // namespace wm

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    const int vk = static_cast<int>(msg->wParam & 0xFF);
    bool sys = false;
    char32_t c = wm::KeyToChar(vk, &sys);
    if (!c) return FALSE;
    // A key whose character the display delivers as text of its own gives only control characters here.
    const bool textFollows = (msg->lParam & (LPARAM(1) << 28)) != 0;
    if (textFollows && c >= 0x20 && c != 0x7F) return FALSE;
    MSG out{};
    out.hwnd = msg->hwnd;
    out.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    out.wParam = static_cast<WPARAM>(c);
    out.lParam = msg->lParam & ~(LPARAM(1) << 28);
    out.time = msg->time;
    out.pt = msg->pt;
    wm::PostFront(out);
    return TRUE;
}

SHORT GetKeyState(int virtualKey) {
    if (virtualKey <= 0 || virtualKey > 255) return 0;
    const BYTE k = wm::Thread().keyState[virtualKey];
    return static_cast<SHORT>(((k & 0x80) ? 0xFF80 : 0) | (k & 0x01));
}

namespace {

// Scan codes of a standard keyboard (set 1) for the keys that have one.
struct ScanCode {
    int vk;
    UINT scan;
};
constexpr ScanCode kScanCodes[] = {
    {VK_ESCAPE, 0x01},     {VK_BACK, 0x0E},   {VK_TAB, 0x0F},    {VK_RETURN, 0x1C},
    {VK_CONTROL, 0x1D},    {VK_SHIFT, 0x2A},  {VK_MENU, 0x38},   {VK_SPACE, 0x39},
    {VK_CAPITAL, 0x3A},    {VK_HOME, 0x47},   {VK_UP, 0x48},     {VK_PRIOR, 0x49},
    {VK_LEFT, 0x4B},       {VK_RIGHT, 0x4D},  {VK_END, 0x4F},    {VK_DOWN, 0x50},
    {VK_NEXT, 0x51},       {VK_INSERT, 0x52}, {VK_DELETE, 0x53}, {VK_F11, 0x57},
    {VK_F12, 0x58},        {VK_LSHIFT, 0x2A}, {VK_RSHIFT, 0x36}, {VK_LCONTROL, 0x1D},
    {VK_RCONTROL, 0x1D},   {VK_LMENU, 0x38},  {VK_RMENU, 0x38},  {VK_OEM_MINUS, 0x0C},
    {VK_OEM_PLUS, 0x0D},   {VK_OEM_4, 0x1A},  {VK_OEM_6, 0x1B},  {VK_OEM_1, 0x27},
    {VK_OEM_7, 0x28},      {VK_OEM_3, 0x29},  {VK_OEM_5, 0x2B},  {VK_OEM_COMMA, 0x33},
    {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35},
};
// The letter rows of the keyboard start at scan codes 0x10 (Q), 0x1E (A) and 0x2C (Z).
constexpr const char* kLetterRows[3] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr UINT kRowStarts[3] = {0x10, 0x1E, 0x2C};

UINT ScanCodeOf(int vk) {
    if (vk >= '1' && vk <= '9') return static_cast<UINT>(0x02 + vk - '1');
    if (vk == '0') return 0x0B;
    if (vk >= VK_F1 && vk <= VK_F10) return static_cast<UINT>(0x3B + vk - VK_F1);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; kLetterRows[row][col]; ++col)
            if (kLetterRows[row][col] == vk) return kRowStarts[row] + static_cast<UINT>(col);
    for (const ScanCode& s : kScanCodes)
        if (s.vk == vk) return s.scan;
    return 0;
}

} // namespace

UINT MapVirtualKey(UINT code, UINT mapType) {
    if (mapType == MAPVK_VK_TO_VSC) return code < 256 ? ScanCodeOf(static_cast<int>(code)) : 0;
    if (mapType == MAPVK_VK_TO_CHAR) {
        if (code >= 'A' && code <= 'Z') return code;
        if (code >= '0' && code <= '9') return code;
        if (code == VK_SPACE) return ' ';
        return 0;
    }
    return 0;
}

UINT GetDoubleClickTime() {
    return kDoubleClickTime;
}

} // namespace win
