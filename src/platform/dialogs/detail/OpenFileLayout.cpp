// Where the open-file dialog's parts go: the template of the standard controls, their places in pixels, the
// child dialog built around its placeholder, sizing, and centring on the owner.
#include "platform/controls/edit/EditMessages.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/detail/OpenFileHost.h"
#include "platform/system/Language.h"
#include "platform/user/User.h"

#include <algorithm>

namespace win::ofn {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kLabelWidth = 84;
constexpr int kUpWidth = 40;
constexpr int kStandardWidth = 430;
constexpr int kStandardHeight = 264; // with the list 160 pixels high
constexpr int kThirdRow = kButtonHeight + kGap;

bool HasThirdRow(const OpenState& s) {
    return !(s.flags & OFN_HIDEREADONLY) || (s.flags & OFN_SHOWHELP);
}

DialogItemTemplate Item(const char* cls, WORD id, const char* text, DWORD style, DWORD exStyle = 0) {
    DialogItemTemplate item;
    item.className = cls;
    item.id = id;
    item.text = text;
    item.style = WS_CHILD | WS_VISIBLE | style;
    item.exStyle = exStyle;
    item.cx = 10;
    item.cy = 10;
    return item;
}

void Place(HWND dialog, int id, int x, int y, int width, int height) {
    if (HWND c = GetDlgItem(dialog, id)) MoveWindow(c, x, y, std::max(0, width), std::max(0, height), TRUE);
}

RECT RectInParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void MoveTo(HWND hwnd, const RECT& r) {
    MoveWindow(hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

// Fits the template's placeholder to the standard part and moves the controls beside and below it; returns
// the standard part's area (in the child's coordinates, which are the dialog's) and the child's new size.
RECT ArrangeChild(OpenState& s, SIZE& childSize) {
    RECT client;
    GetClientRect(s.child, &client);
    s.placeholder = GetDlgItem(s.child, stc32);
    const SIZE part = s.standardSize;
    RECT area{0, 0, part.cx, part.cy};
    int grow = 0, down = part.cy;
    const RECT ph = s.placeholder ? RectInParent(s.placeholder) : RECT{0, 0, 0, 0};
    if (s.placeholder) {
        grow = std::max<int>(0, part.cx - (ph.right - ph.left));
        down = std::max<int>(0, part.cy - (ph.bottom - ph.top));
        area = RECT{ph.left, ph.top, ph.right + grow, ph.bottom + down};
    }
    for (HWND c = GetWindow(s.child, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (c == s.placeholder) continue;
        ChildControl cc{c, RectInParent(c), false, false};
        cc.right = s.placeholder && cc.rect.left >= ph.right;
        cc.below = !s.placeholder || cc.rect.top >= ph.bottom;
        cc.rect = RECT{cc.rect.left + (cc.right ? grow : 0), cc.rect.top + (cc.below ? down : 0),
                       cc.rect.right + (cc.right ? grow : 0), cc.rect.bottom + (cc.below ? down : 0)};
        MoveTo(c, cc.rect);
        s.childControls.push_back(cc);
    }
    if (s.placeholder) MoveTo(s.placeholder, area);
    childSize = SIZE{std::max<LONG>(client.right + grow, area.right),
                     std::max<LONG>(client.bottom + down, area.bottom)};
    return area;
}

DWORD HostStyle(const OpenState& s) {
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT |
           DS_CENTER | ((s.flags & OFN_ENABLESIZING) ? WS_THICKFRAME : 0);
}

} // namespace

DialogTemplate HostTemplate(const OpenState& s) {
    DialogTemplate t;
    t.style = HostStyle(s);
    t.title = s.title;
    t.cx = kStandardWidth * 4 / kDialogBaseUnitX;
    t.cy = kStandardHeight * 8 / kDialogBaseUnitY;
    const DWORD tab = WS_TABSTOP | WS_GROUP;
    // The labels show their access keys (the Chinese ones have them).
    t.items.push_back(Item(WC_STATIC, stc4, PlatformString(PlatformText::LookIn), SS_LEFT));
    t.items.push_back(Item(WC_COMBOBOX, cmb2, "", CBS_DROPDOWNLIST | WS_VSCROLL | tab));
    t.items.push_back(Item(WC_BUTTON, psh1, PlatformString(PlatformText::UpOneLevel), BS_PUSHBUTTON | tab));
    t.items.push_back(
        Item(WC_LISTBOX, lst1, "",
             LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | tab,
             WS_EX_CLIENTEDGE));
    t.items.push_back(Item(WC_STATIC, stc3, PlatformString(PlatformText::FileName), SS_LEFT));
    t.items.push_back(Item(WC_EDIT, edt1, "", ES_AUTOHSCROLL | tab, WS_EX_CLIENTEDGE));
    t.items.push_back(Item(WC_STATIC, stc2, PlatformString(PlatformText::FilesOfType), SS_LEFT));
    t.items.push_back(Item(WC_COMBOBOX, cmb1, "", CBS_DROPDOWNLIST | WS_VSCROLL | tab));
    if (!(s.flags & OFN_HIDEREADONLY))
        t.items.push_back(
            Item(WC_BUTTON, chx1, PlatformString(PlatformText::OpenReadOnly), BS_AUTOCHECKBOX | tab));
    t.items.push_back(
        Item(WC_BUTTON, IDOK, PlatformString(PlatformText::OpenButton), BS_DEFPUSHBUTTON | tab));
    t.items.push_back(
        Item(WC_BUTTON, IDCANCEL, PlatformString(PlatformText::Cancel), BS_PUSHBUTTON | WS_TABSTOP));
    if (s.flags & OFN_SHOWHELP)
        t.items.push_back(
            Item(WC_BUTTON, pshHelp, PlatformString(PlatformText::Help), BS_PUSHBUTTON | WS_TABSTOP));
    return t;
}

void LayOutStandard(OpenState& s, const RECT& area) {
    HWND d = s.host;
    const int left = area.left + kMargin, right = area.right - kMargin;
    const int top = area.top + kMargin, bottom = area.bottom - kMargin;
    const int fieldX = left + kLabelWidth + kGap;
    const int fieldRight = right - kButtonWidth - 2 * kGap;
    const bool third = HasThirdRow(s);
    const int yLast = bottom - kButtonHeight;
    const int yType = third ? yLast - kThirdRow : yLast;
    const int yName = yType - kThirdRow;

    Place(d, stc4, left, top + 4, kLabelWidth, 14);
    Place(d, psh1, right - kUpWidth, top, kUpWidth, kButtonHeight);
    Place(d, cmb2, fieldX, top + 1, right - kUpWidth - kGap - fieldX, 200);
    const int listTop = top + kButtonHeight + kGap + 2;
    Place(d, lst1, left, listTop, right - left, yName - 8 - listTop);
    Place(d, stc3, left, yName + 5, kLabelWidth, 14);
    Place(d, edt1, fieldX, yName + 1, fieldRight - fieldX, 21);
    Place(d, IDOK, right - kButtonWidth, yName, kButtonWidth, kButtonHeight);
    Place(d, stc2, left, yType + 5, kLabelWidth, 14);
    Place(d, cmb1, fieldX, yType + 1, fieldRight - fieldX, 150);
    Place(d, IDCANCEL, right - kButtonWidth, yType, kButtonWidth, kButtonHeight);
    if (third) {
        Place(d, chx1, fieldX, yLast + 3, 160, 17);
        Place(d, pshHelp, right - kButtonWidth, yLast, kButtonWidth, kButtonHeight);
    }
}

bool BuildParts(OpenState& s) {
    s.standardSize = SIZE{kStandardWidth, kStandardHeight + (HasThirdRow(s) ? kThirdRow : 0)};
    RECT area{0, 0, s.standardSize.cx, s.standardSize.cy};
    SIZE client = s.standardSize;
    if (s.explorer && (s.hook || s.childTemplate)) {
        DialogTemplate t;
        if (s.childTemplate)
            t = *s.childTemplate;
        else
            t.style = WS_VISIBLE | WS_CLIPSIBLINGS | DS_CONTROL | DS_3DLOOK;
        t.style = (t.style | WS_CHILD | WS_CLIPSIBLINGS | DS_CONTROL) & ~WS_POPUP;
        t.x = 0;
        t.y = 0;
        s.child = CreateDialogIndirectParam(nullptr, &t, s.host, &ChildProc, reinterpret_cast<LPARAM>(&s));
        if (!s.child) return false;
        area = ArrangeChild(s, client);
        SetWindowPos(s.child, HWND_BOTTOM, 0, 0, client.cx, client.cy, SWP_NOACTIVATE);
    }
    s.standardArea = area;
    s.firstClient = client;
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLong(s.host, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLong(s.host, GWL_EXSTYLE)));
    s.minTrack = SIZE{frame.right - frame.left, frame.bottom - frame.top};
    SetWindowPos(s.host, nullptr, 0, 0, s.minTrack.cx, s.minTrack.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutStandard(s, area);
    return true;
}

void Resize(OpenState& s, int width, int height) {
    if (s.firstClient.cx == 0) return; // not built yet
    const int dx = std::max<int>(0, width - s.firstClient.cx),
              dy = std::max<int>(0, height - s.firstClient.cy);
    const RECT area{s.standardArea.left, s.standardArea.top, s.standardArea.right + dx,
                    s.standardArea.bottom + dy};
    LayOutStandard(s, area);
    if (!s.child) return;
    for (const ChildControl& c : s.childControls) {
        if (!IsWindow(c.hwnd)) continue;
        const int ox = c.right ? dx : 0, oy = c.below ? dy : 0;
        MoveTo(c.hwnd, RECT{c.rect.left + ox, c.rect.top + oy, c.rect.right + ox, c.rect.bottom + oy});
    }
    if (IsWindow(s.placeholder)) MoveTo(s.placeholder, area);
    MoveWindow(s.child, 0, 0, s.firstClient.cx + dx, s.firstClient.cy + dy, TRUE);
}

void Centre(OpenState& s) {
    RECT window;
    GetWindowRect(s.host, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    RECT around{0, 0, screenW, screenH};
    HWND owner = s.ofn->hwndOwner ? GetAncestor(s.ofn->hwndOwner, GA_ROOT) : nullptr;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    x = std::clamp(x, 0, std::max(0, screenW - width));
    y = std::clamp(y, 0, std::max(0, screenH - height));
    SetWindowPos(s.host, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace win::ofn
