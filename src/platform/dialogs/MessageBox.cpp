// The message box: its window class, the window with its icon, text and buttons, the modal loop with the keys
// of a dialog, and the query and hook for tests and the converter.
#include "platform/dialogs/MessageBox.h"

#include "platform/controls/ControlClasses.h"
#include "platform/controls/MessageIcons.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/detail/MessageBoxLayout.h"
#include "platform/display/Display.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/User.h"
#include "platform/win/gdi_types.h"

#include <algorithm>
#include <cctype>

namespace win {

namespace {

constexpr int kIconId = 20;
constexpr int kTextId = 0xFFFF;

struct BoxState {
    MessageBoxInfo info;
    std::vector<msgbox::ButtonKind> kinds;
    std::vector<HWND> buttons;
    int escape = 0;
    int result = 0;
    bool done = false;
};

std::vector<BoxState*>& OpenBoxes() {
    static std::vector<BoxState*> boxes;
    return boxes;
}

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

BoxState* StateOf(HWND box) {
    return reinterpret_cast<BoxState*>(GetWindowLongPtr(box, 0));
}

void End(BoxState& state, int result) {
    if (state.done || result == 0) return;
    state.result = result;
    state.done = true;
}

LRESULT BoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs) SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    BoxState* state = StateOf(hwnd);
    switch (msg) {
    case WM_COMMAND:
        if (state && HIWORD(wParam) == BN_CLICKED) End(*state, LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        if (state) End(*state, state->escape);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtr(hwnd, 0, 0);
        break;
    default:
        break;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

bool RegisterBoxClass() {
    if (!RegisterStandardControls()) return false;
    WNDCLASS wc;
    if (GetClassInfo(nullptr, MESSAGEBOX_CLASS, &wc)) return true;
    wc = WNDCLASS{};
    wc.lpfnWndProc = &BoxProc;
    wc.cbWndExtra = static_cast<int>(sizeof(void*));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1));
    wc.lpszClassName = MESSAGEBOX_CLASS;
    return RegisterClass(&wc) != 0;
}

HMENU Id(int id) {
    return reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id));
}

POINT CentredOn(HWND owner, SIZE size) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT around = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
    const int x = around.left + (around.right - around.left - size.cx) / 2;
    const int y = around.top + (around.bottom - around.top - size.cy) / 2;
    return POINT{std::clamp<LONG>(x, area.left, std::max<LONG>(area.left, area.right - size.cx)),
                 std::clamp<LONG>(y, area.top, std::max<LONG>(area.top, area.bottom - size.cy))};
}

HWND MakeChild(HWND box, LPCSTR cls, LPCSTR text, DWORD style, const RECT& r, int id, HFONT font) {
    HWND child = CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, box, Id(id), nullptr, nullptr);
    if (child) SendMessage(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

HWND CreateBox(BoxState& state, HFONT font) {
    const MessageIcon icon = MessageIconOfType(state.info.type);
    const msgbox::BoxLayout layout =
        msgbox::LayOut(font, state.info.text, icon != MessageIcon::None, state.kinds);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_DLGMODALFRAME;
    if (state.info.type & (MB_TOPMOST | MB_SYSTEMMODAL)) exStyle |= WS_EX_TOPMOST;
    RECT outer{0, 0, layout.client.cx, layout.client.cy};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    const POINT at = CentredOn(state.info.owner, size);
    HWND box = CreateWindowEx(exStyle, MESSAGEBOX_CLASS, state.info.caption.c_str(), style, at.x, at.y,
                              size.cx, size.cy, state.info.owner, nullptr, nullptr, &state);
    if (!box) return nullptr;
    SendMessage(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (layout.hasIcon) {
        const RECT r{layout.icon.x, layout.icon.y, layout.icon.x + kMessageIconSize,
                     layout.icon.y + kMessageIconSize};
        HWND iconWindow = MakeChild(box, WC_STATIC, "", SS_ICON, r, kIconId, font);
        SendMessage(iconWindow, STM_SETICON, reinterpret_cast<WPARAM>(MessageIconHandle(icon)), 0);
    }
    MakeChild(box, WC_STATIC, state.info.text.c_str(), SS_LEFT | SS_NOPREFIX, layout.text, kTextId, font);
    for (std::size_t i = 0; i < state.kinds.size(); ++i) {
        const bool isDefault = state.kinds[i].id == state.info.defaultButton;
        const DWORD buttonStyle =
            WS_TABSTOP | (i == 0 ? WS_GROUP : 0) | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        state.buttons.push_back(MakeChild(box, WC_BUTTON, state.kinds[i].label, buttonStyle,
                                          layout.buttons[i], state.kinds[i].id, font));
    }
    return box;
}

int ButtonIndex(const BoxState& state, HWND hwnd) {
    for (std::size_t i = 0; i < state.buttons.size(); ++i)
        if (state.buttons[i] == hwnd) return static_cast<int>(i);
    return -1;
}

// Focus on a button makes it the default one, as in any dialog.
void FocusButton(BoxState& state, int index) {
    const int n = static_cast<int>(state.buttons.size());
    if (n == 0) return;
    index = ((index % n) + n) % n;
    for (int i = 0; i < n; ++i)
        SendMessage(state.buttons[static_cast<std::size_t>(i)], BM_SETSTYLE,
                    i == index ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    SetFocus(state.buttons[static_cast<std::size_t>(index)]);
}

// The keys of a dialog; true when the message was used up.
bool DialogKey(BoxState& state, HWND box, const MSG& msg) {
    if (msg.hwnd != box && !IsChild(box, msg.hwnd)) return false;
    const int focused = ButtonIndex(state, GetFocus());
    if (msg.message == WM_KEYDOWN) {
        switch (static_cast<int>(msg.wParam)) {
        case VK_RETURN:
            End(state,
                focused >= 0 ? state.kinds[static_cast<std::size_t>(focused)].id : state.info.defaultButton);
            return true;
        case VK_ESCAPE:
            End(state, state.escape);
            return true;
        case VK_TAB:
            FocusButton(state, focused + ((GetKeyState(VK_SHIFT) < 0) ? -1 : 1));
            return true;
        case VK_LEFT:
        case VK_UP:
            FocusButton(state, focused - 1);
            return true;
        case VK_RIGHT:
        case VK_DOWN:
            FocusButton(state, focused + 1);
            return true;
        default:
            return false;
        }
    }
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
        const int c = std::toupper(static_cast<int>(msg.wParam & 0x7F));
        for (const msgbox::ButtonKind& b : state.kinds) {
            if (b.mnemonic && b.mnemonic == c && msg.wParam < 0x80) {
                End(state, b.id);
                return true;
            }
        }
        return msg.wParam == '\r' || msg.wParam == 0x1B;
    }
    return false;
}

// Runs the box until it is answered; false when the loop met WM_QUIT.
bool RunModal(BoxState& state, HWND box) {
    MSG msg;
    while (!state.done && IsWindow(box)) {
        const BOOL got = GetMessage(&msg, nullptr, 0, 0);
        if (got == 0) {
            // A quit ends the box; where input can still arrive it stays for the loop outside. A display that
            // waits for no input ends a wait with nothing left to come this way, and nothing is owed then.
            if (CurrentDisplay().WaitsForInput()) PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (got < 0) return false;
        if (DialogKey(state, box, msg)) continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return true;
}

std::vector<HWND> DisableWindows(HWND owner, UINT type) {
    std::vector<HWND> disabled;
    if (owner) {
        if (IsWindowEnabled(owner)) {
            EnableWindow(owner, FALSE);
            disabled.push_back(owner);
        }
        return disabled;
    }
    if (!(type & MB_TASKMODAL)) return disabled;
    EnumWindows(
        [](HWND w, LPARAM list) -> BOOL {
            if (IsWindowVisible(w) && IsWindowEnabled(w))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND w : disabled) EnableWindow(w, FALSE);
    return disabled;
}

MessageBoxInfo DescribeBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type,
                           const std::vector<msgbox::ButtonKind>& kinds) {
    MessageBoxInfo info;
    info.owner = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    info.text = text ? text : "";
    info.caption = caption ? caption : "Error";
    info.type = type;
    info.icon = type & MB_ICONMASK;
    for (const msgbox::ButtonKind& b : kinds) {
        info.buttons.push_back(b.id);
        info.labels.push_back(b.label);
    }
    const std::size_t defaultIndex = std::min<std::size_t>((type & MB_DEFMASK) >> 8, kinds.size() - 1);
    info.defaultButton = kinds[defaultIndex].id;
    return info;
}

} // namespace

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    if (owner && !IsWindow(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    BoxState state;
    state.kinds = msgbox::ButtonsOf(type);
    state.escape = msgbox::EscapeResultOf(type);
    state.info = DescribeBox(owner, text, caption, type, state.kinds);
    if (Hook()) {
        const MessageBoxHook hook = Hook();
        if (const int answer = hook(state.info)) return answer;
    }
    if (!RegisterBoxClass()) return 0;
    HFONT font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
    HWND box = CreateBox(state, font);
    if (!box) {
        DeleteObject(font);
        return 0;
    }
    state.info.hwnd = box;
    OpenBoxes().push_back(&state);
    const std::vector<HWND> disabled = DisableWindows(state.info.owner, type);
    if (state.info.icon) MessageBeep(state.info.icon);
    ShowWindow(box, SW_SHOWNORMAL);
    FocusButton(state, static_cast<int>(std::find(state.info.buttons.begin(), state.info.buttons.end(),
                                                  state.info.defaultButton) -
                                        state.info.buttons.begin()));
    const bool answered = RunModal(state, box);
    // The owner comes back before the box goes, so that the activation returns to it.
    for (HWND w : disabled) EnableWindow(w, TRUE);
    if (IsWindow(box)) DestroyWindow(box);
    DeleteObject(font);
    auto& open = OpenBoxes();
    open.erase(std::remove(open.begin(), open.end(), &state), open.end());
    if (!answered && !state.done) return state.escape;
    return state.result;
}

bool GetActiveMessageBox(MessageBoxInfo* info) {
    const auto& open = OpenBoxes();
    if (open.empty()) return false;
    if (info) *info = open.back()->info;
    return true;
}

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

namespace {

// No box open and no hook answering boxes.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    OpenBoxes().clear();
    Hook() = nullptr;
});

} // namespace

} // namespace win
