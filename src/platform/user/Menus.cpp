// Pop-up menus: the items behind checked handles, and TrackPopupMenu's window, layout, painting and loop.
#include "platform/user/Menus.h"

#include "platform/display/Display.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Edges.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/HandleTable.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/User.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

namespace win {

namespace {

struct MenuItem {
    UINT flags = 0;
    UINT_PTR id = 0;
    std::string text;
    bool Separator() const { return (flags & MF_SEPARATOR) != 0; }
    bool Enabled() const { return !Separator() && (flags & (MF_GRAYED | MF_DISABLED)) == 0; }
};

struct MenuObject {
    std::vector<MenuItem> items;
};

HandleTable<MenuObject>& Menus() {
    static HandleTable<MenuObject> table(HandleTag::Menu);
    return table;
}

MenuObject* FindMenu(HMENU menu) {
    MenuObject* object = Menus().Find(reinterpret_cast<std::uintptr_t>(menu));
    if (!object) SetLastError(ERROR_INVALID_MENU_HANDLE);
    return object;
}

// The classic look's measures: a raised frame and a pixel of menu colour inside it, the check-mark column
// before the text and as much after it, and an etched line in the middle of a separator.
constexpr int kFrame = 3;
constexpr int kTextLeft = 17;
constexpr int kTextRight = 17;
constexpr int kSeparatorHeight = 9;
constexpr UINT kTextFormat = DT_LEFT | DT_SINGLELINE | DT_VCENTER;
constexpr const char* kMenuClass = "#32768";

struct Tracking {
    HMENU handle = nullptr;
    const MenuObject* menu = nullptr;
    HWND window = nullptr;
    UINT flags = 0;
    std::vector<RECT> rects; // client coordinates
    SIZE size{};
    int highlight = -1;
    bool done = false;
    UINT_PTR chosen = 0;
};

Tracking* g_open = nullptr;

HFONT MenuFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void LayOut(Tracking& t) {
    const HDC dc = CreateCompatibleDC(nullptr);
    {
        SelectedObject font(dc, MenuFont());
        TEXTMETRIC metrics{};
        GetTextMetrics(dc, &metrics);
        const int itemHeight = std::max<int>(metrics.tmHeight + 5, GetSystemMetrics(SM_CYMENU) - 2);
        int width = 0, y = kFrame;
        for (const MenuItem& item : t.menu->items) {
            const int height = item.Separator() ? kSeparatorHeight : itemHeight;
            if (!item.Separator()) {
                RECT measured{0, 0, 0, 0};
                DrawText(dc, item.text.c_str(), static_cast<int>(item.text.size()), &measured,
                         kTextFormat | DT_CALCRECT);
                width = std::max<int>(width, measured.right - measured.left);
            }
            t.rects.push_back(RECT{kFrame, y, 0, y + height});
            y += height;
        }
        t.size = SIZE{kFrame * 2 + kTextLeft + width + kTextRight, y + kFrame};
        for (RECT& r : t.rects) r.right = t.size.cx - kFrame;
    }
    DeleteDC(dc);
}

void DrawItemText(HDC dc, const MenuItem& item, RECT r, COLORREF colour) {
    SetTextColor(dc, colour);
    DrawText(dc, item.text.c_str(), static_cast<int>(item.text.size()), &r, kTextFormat);
}

void Paint(HWND hwnd, const Tracking& t) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd, &ps);
    RECT client{0, 0, t.size.cx, t.size.cy};
    FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
    SelectedObject font(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < t.rects.size(); ++i) {
        const MenuItem& item = t.menu->items[i];
        RECT r = t.rects[i];
        if (item.Separator()) {
            RECT line{r.left + 1, r.top + kSeparatorHeight / 2 - 1, r.right - 1, r.bottom};
            DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
            continue;
        }
        const bool lit = static_cast<int>(i) == t.highlight;
        if (lit) FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        RECT text{r.left + kTextLeft, r.top, r.right - kTextRight, r.bottom};
        if (item.Enabled()) {
            DrawItemText(dc, item, text, GetSysColor(lit ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        } else if (lit) {
            DrawItemText(dc, item, text, GetSysColor(COLOR_GRAYTEXT));
        } else {
            // Greyed: embossed, a light copy one pixel down and right under the shadow.
            DrawItemText(dc, item, RECT{text.left + 1, text.top + 1, text.right + 1, text.bottom + 1},
                         GetSysColor(COLOR_3DHIGHLIGHT));
            DrawItemText(dc, item, text, GetSysColor(COLOR_3DSHADOW));
        }
    }
    EndPaint(hwnd, &ps);
}

LRESULT MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        if (g_open && g_open->window == hwnd) {
            Paint(hwnd, *g_open);
            return 0;
        }
        break;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    default:
        break;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

bool RegisterMenuClass() {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, kMenuClass, &existing)) return true;
    WNDCLASS wc;
    wc.style = CS_SAVEBITS | CS_DROPSHADOW;
    wc.lpfnWndProc = MenuWindowProc;
    wc.lpszClassName = kMenuClass;
    return RegisterClass(&wc) != 0;
}

void SetHighlight(Tracking& t, int item) {
    if (item == t.highlight) return;
    t.highlight = item;
    InvalidateRect(t.window, nullptr, FALSE);
}

int ItemAt(const Tracking& t, POINT p) {
    for (std::size_t i = 0; i < t.rects.size(); ++i)
        if (!t.menu->items[i].Separator() && RectContains(t.rects[i], p.x, p.y)) return static_cast<int>(i);
    return -1;
}

// The next item that is not a separator, going round; greyed items are stepped on too, as the platform does.
void Step(Tracking& t, int direction) {
    const int count = static_cast<int>(t.menu->items.size());
    int i = t.highlight;
    for (int n = 0; n < count; ++n) {
        i = i < 0 ? (direction > 0 ? 0 : count - 1) : (i + direction + count) % count;
        if (!t.menu->items[i].Separator()) return SetHighlight(t, i);
    }
}

void Choose(Tracking& t, int item) {
    if (item < 0 || !t.menu->items[item].Enabled()) return;
    t.chosen = t.menu->items[item].id;
    t.done = true;
}

char AccessKeyOf(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
        ++i;
    }
    return 0;
}

void AccessKey(Tracking& t, WPARAM character) {
    if (character >= 0x80) return;
    const char key = static_cast<char>(std::toupper(static_cast<int>(character)));
    for (std::size_t i = 0; i < t.menu->items.size(); ++i) {
        if (AccessKeyOf(t.menu->items[i].text) != key) continue;
        SetHighlight(t, static_cast<int>(i));
        return Choose(t, static_cast<int>(i));
    }
}

bool Key(Tracking& t, const MSG& msg) {
    switch (msg.wParam) {
    case VK_ESCAPE:
    case VK_MENU:
    case VK_F10:
        t.done = true;
        break;
    case VK_UP:
        Step(t, -1);
        break;
    case VK_DOWN:
        Step(t, 1);
        break;
    case VK_HOME:
        t.highlight = -1;
        Step(t, 1);
        break;
    case VK_END:
        t.highlight = -1;
        Step(t, -1);
        break;
    case VK_RETURN:
        Choose(t, t.highlight);
        break;
    default:
        TranslateMessage(&msg); // the access keys come as characters
        break;
    }
    return true;
}

bool Mouse(Tracking& t, const MSG& msg) {
    POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.hwnd != t.window) {
        ClientToScreen(msg.hwnd, &p);
        ScreenToClient(t.window, &p);
    }
    const RECT client{0, 0, t.size.cx, t.size.cy};
    const bool inside = RectContains(client, p.x, p.y);
    const int item = ItemAt(t, p);
    switch (msg.message) {
    case WM_MOUSEMOVE:
        if (inside) SetHighlight(t, item);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (!inside) t.done = true; // a click outside closes the menu and goes no further
        break;
    case WM_LBUTTONUP:
        Choose(t, item);
        break;
    case WM_RBUTTONUP:
        if (t.flags & TPM_RIGHTBUTTON) Choose(t, item);
        break;
    default:
        break;
    }
    return true;
}

// The menu's share of the loop: keys and the mouse are the menu's while it is open.
bool MenuMessage(Tracking& t, const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return Key(t, msg);
    case WM_CHAR:
    case WM_SYSCHAR:
        AccessKey(t, msg.wParam);
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_MOUSEWHEEL:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        return Mouse(t, msg);
    default:
        return false;
    }
}

void RunLoop(Tracking& t) {
    MSG msg;
    while (!t.done) {
        const BOOL got = GetMessage(&msg, nullptr, 0, 0);
        if (got == 0) {
            if (CurrentDisplay().WaitsForInput()) PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) return;
        if (MenuMessage(t, msg)) continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
        // Another window took the mouse (a box opened, the owner went away): the menu gives way.
        if (GetCapture() != t.window) t.done = true;
    }
}

} // namespace

HMENU CreatePopupMenu() {
    return reinterpret_cast<HMENU>(Menus().Add(std::make_unique<MenuObject>()));
}

BOOL DestroyMenu(HMENU menu) {
    if (g_open && g_open->menu == Menus().Find(reinterpret_cast<std::uintptr_t>(menu))) {
        SetLastError(ERROR_ACCESS_DENIED); // the open menu stays until it closes
        return FALSE;
    }
    if (!Menus().Remove(reinterpret_cast<std::uintptr_t>(menu))) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text) {
    MenuObject* object = FindMenu(menu);
    if (!object) return FALSE;
    MenuItem item{flags, id, (flags & MF_SEPARATOR) || !text ? std::string() : std::string(text)};
    object->items.push_back(std::move(item));
    return TRUE;
}

int GetMenuItemCount(HMENU menu) {
    const MenuObject* object = FindMenu(menu);
    return object ? static_cast<int>(object->items.size()) : -1;
}

namespace {

const MenuItem* FindItem(HMENU menu, UINT item, UINT flags) {
    const MenuObject* object = FindMenu(menu);
    if (!object) return nullptr;
    for (std::size_t i = 0; i < object->items.size(); ++i) {
        const MenuItem& candidate = object->items[i];
        if ((flags & MF_BYPOSITION) ? i == item : (!candidate.Separator() && candidate.id == item))
            return &candidate;
    }
    return nullptr;
}

} // namespace

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const MenuItem* found = FindItem(menu, item, flags);
    return found ? found->flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR) : static_cast<UINT>(-1);
}

int GetMenuString(HMENU menu, UINT item, LPSTR text, int max, UINT flags) {
    const MenuItem* found = FindItem(menu, item, flags);
    if (!found) return 0;
    if (!text || max <= 0) return static_cast<int>(found->text.size());
    const std::size_t n = std::min(found->text.size(), static_cast<std::size_t>(max - 1));
    found->text.copy(text, n);
    text[n] = '\0';
    return static_cast<int>(n);
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    const MenuObject* object = FindMenu(menu);
    if (!object) return FALSE;
    if (g_open || object->items.empty() || !RegisterMenuClass()) {
        SetLastError(g_open ? ERROR_POPUP_ALREADY_ACTIVE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Tracking t;
    t.handle = menu;
    t.menu = object;
    t.flags = flags;
    LayOut(t);
    // On the screen whole: moved left or up where it would run off.
    x = std::max(0, std::min<int>(x, GetSystemMetrics(SM_CXSCREEN) - t.size.cx));
    y = std::max(0, std::min<int>(y, GetSystemMetrics(SM_CYSCREEN) - t.size.cy));
    t.window = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kMenuClass, "", WS_POPUP, x, y, t.size.cx,
                              t.size.cy, owner, nullptr, nullptr, nullptr);
    if (!t.window) return FALSE;
    g_open = &t;
    ShowWindow(t.window, SW_SHOWNA);
    UpdateWindow(t.window);
    SetCapture(t.window);
    RunLoop(t);
    g_open = nullptr;
    if (GetCapture() == t.window) ReleaseCapture();
    DestroyWindow(t.window);
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(t.chosen);
    if (t.chosen && !(flags & TPM_NONOTIFY) && owner) PostMessage(owner, WM_COMMAND, t.chosen, 0);
    return t.chosen != 0;
}

HMENU GetOpenPopupMenu() {
    return g_open ? g_open->handle : nullptr;
}

HWND GetOpenPopupMenuWindow() {
    return g_open ? g_open->window : nullptr;
}

int GetOpenPopupMenuHighlight() {
    return g_open ? g_open->highlight : -1;
}

BOOL GetOpenPopupMenuItemRect(int item, RECT* rect) {
    if (!g_open || !rect || item < 0 || item >= static_cast<int>(g_open->rects.size())) return FALSE;
    *rect = g_open->rects[static_cast<std::size_t>(item)];
    return TRUE;
}

namespace {

// No pop-up menu open.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { g_open = nullptr; });

} // namespace

} // namespace win
