// The dialog class and its window procedure: making a dialog from a template, the dialog procedure's results,
// and the default handling of a dialog (background, close, focus, default button id, font).
#include "platform/controls/ControlClasses.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/detail/DialogInternal.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/User.h"
#include "platform/win/gdi_types.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace win {

namespace dlg {
namespace {

struct InfoEntry {
    std::unique_ptr<DialogInfo> info;
    int depth = 0; // dialog procedure calls in progress on this window
};

std::unordered_map<HWND, InfoEntry>& Infos() {
    static std::unordered_map<HWND, InfoEntry> infos;
    return infos;
}

// Entries of windows destroyed without WM_NCDESTROY reaching us (a subclass kept it) are dropped here.
void ForgetDeadDialogs() {
    auto& infos = Infos();
    for (auto it = infos.begin(); it != infos.end();) {
        if (!IsWindow(it->first) && it->second.depth == 0)
            it = infos.erase(it);
        else
            ++it;
    }
}

HMENU MenuId(int id) {
    return reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(static_cast<WORD>(id)));
}

// Where a popup dialog's client area goes: the template's position from the owner's client area (the screen
// with DS_ABSALIGN or without an owner), or the screen's centre with DS_CENTER; kept on the screen.
RECT PopupRect(const DialogTemplate& t, HWND owner, const RECT& frame, int width, int height) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    POINT at{DialogUnitsToPixelsX(t.x), DialogUnitsToPixelsY(t.y)};
    if (t.style & (DS_CENTER | DS_CENTERMOUSE)) {
        at = POINT{(screenW - width) / 2 - frame.left, (screenH - height) / 2 - frame.top};
    } else if (owner && !(t.style & DS_ABSALIGN)) {
        POINT origin{0, 0};
        ClientToScreen(owner, &origin);
        at.x += origin.x;
        at.y += origin.y;
    }
    LONG left = at.x + frame.left, top = at.y + frame.top;
    left = std::clamp<LONG>(left, 0, std::max(0, screenW - width));
    top = std::clamp<LONG>(top, 0, std::max(0, screenH - height));
    return RECT{left, top, left + width, top + height};
}

bool MakeControls(HWND dialog, const DialogTemplate& t, DialogInfo& info) {
    bool defaultFound = false;
    for (const DialogItemTemplate& item : t.items) {
        const RECT r{DialogUnitsToPixelsX(item.x), DialogUnitsToPixelsY(item.y),
                     DialogUnitsToPixelsX(item.x + item.cx), DialogUnitsToPixelsY(item.y + item.cy)};
        const DWORD style = (item.style | WS_CHILD) & ~WS_POPUP;
        HWND control = CreateWindowEx(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(),
                                      item.text.c_str(), style, r.left, r.top, r.right - r.left,
                                      r.bottom - r.top, dialog, MenuId(item.id), nullptr, nullptr);
        if (!control) {
            if (t.style & DS_NOFAILCREATE) continue;
            return false;
        }
        SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(info.font), FALSE);
        if (!defaultFound && GetClassNameString(control) == WC_BUTTON &&
            (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            info.defId = item.id;
            defaultFound = true;
        }
    }
    return true;
}

// What the dialog does when its procedure leaves a message.
LRESULT DefaultProcessing(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool hasProc) {
    DialogInfo* info = InfoOf(hwnd);
    switch (msg) {
    case WM_INITDIALOG:
        return hasProc ? 0 : TRUE;
    case WM_ERASEBKGND: {
        HDC hdc = reinterpret_cast<HDC>(wParam);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessage(hwnd, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hwnd)));
        if (!brush) brush = GetSysColorBrush(COLOR_BTNFACE);
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(hdc, &r, brush);
        return 1;
    }
    case WM_CTLCOLORDLG:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE: {
        // Closing a dialog is its Cancel button, unless that button is there and disabled.
        HWND cancel = GetDlgItem(hwnd, IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel))
            PostMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_SETFOCUS: {
        if (GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT &&
            (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD))
            return 0;
        HWND target = info ? info->lastFocus : nullptr;
        if (!target || !IsChild(hwnd, target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
            target = GetNextDlgTabItem(hwnd, nullptr, FALSE);
        if (target) FocusControl(hwnd, target);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && info) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus)) info->lastFocus = focus;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(info ? info->font : nullptr);
    case WM_SETFONT:
        if (info) info->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case DM_GETDEFID:
        return info ? MAKELONG(info->defId, DC_HASDEFID) : 0;
    case DM_SETDEFID:
        if (!info) return FALSE;
        info->defId = static_cast<WORD>(wParam);
        UpdateDefaultButton(hwnd, GetFocus());
        return TRUE;
    case WM_NEXTDLGCTL: {
        HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : GetNextDlgTabItem(hwnd, GetFocus(), wParam ? TRUE : FALSE);
        if (target && (target == hwnd || IsChild(hwnd, target))) FocusControl(hwnd, target);
        return 0;
    }
    case WM_GETDLGCODE:
    case WM_COMMAND:
    case DM_REPOSITION:
        return 0;
    case WM_NCDESTROY: {
        const LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
        auto& infos = Infos();
        const auto it = infos.find(hwnd);
        if (it != infos.end() && it->second.depth == 0) infos.erase(it);
        return r;
    }
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

// Messages whose result is the dialog procedure's return value rather than DWLP_MSGRESULT.
bool ReturnsDirectly(UINT msg) {
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_COMPAREITEM ||
           msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM || msg == WM_QUERYDRAGICON || msg == WM_INITDIALOG;
}

} // namespace

DialogInfo* InfoOf(HWND dialog) {
    auto& infos = Infos();
    const auto it = infos.find(dialog);
    if (it == infos.end() || !IsWindow(dialog)) return nullptr;
    return it->second.info.get();
}

HFONT DialogFont() {
    static HFONT font = nullptr;
    if (!font || GetObjectType(font) != OBJ_FONT)
        font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
    return font;
}

HWND CreateFromTemplate(const DialogTemplate& t, HWND parent, DLGPROC proc, LPARAM initParam, bool modal) {
    if (!RegisterDialogClass() || !RegisterStandardControls()) return nullptr;
    const bool child = (t.style & WS_CHILD) != 0;
    if ((parent && !IsWindow(parent)) || (child && !parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    ForgetDeadDialogs();
    DWORD style = t.style & ~WS_VISIBLE;
    DWORD exStyle = t.exStyle;
    if (style & DS_CONTROL) {
        style &= ~(WS_CAPTION | WS_SYSMENU);
        exStyle |= WS_EX_CONTROLPARENT;
    }
    if (style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    RECT frame{0, 0, DialogUnitsToPixelsX(t.cx), DialogUnitsToPixelsY(t.cy)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HWND owner = parent && !child ? GetAncestor(parent, GA_ROOT) : parent;
    RECT r;
    if (child) {
        const int x = DialogUnitsToPixelsX(t.x) + frame.left, y = DialogUnitsToPixelsY(t.y) + frame.top;
        r = RECT{x, y, x + width, y + height};
    } else {
        r = PopupRect(t, owner, frame, width, height);
    }
    const char* cls = t.className.empty() ? WC_DIALOG : t.className.c_str();
    HWND hwnd = CreateWindowEx(exStyle, cls, t.title.c_str(), style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, owner, nullptr, nullptr, nullptr);
    if (!hwnd) return nullptr;
    auto info = std::make_unique<DialogInfo>();
    info->font = DialogFont();
    info->defId = IDOK;
    info->modal = modal;
    DialogInfo& kept = *info;
    Infos()[hwnd] = InfoEntry{std::move(info), 0};
    SetWindowLongPtr(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    SendMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(kept.font), FALSE);
    if (!MakeControls(hwnd, t, kept)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    const LRESULT focusFirst = SendMessage(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
    if (!IsWindow(hwnd)) return nullptr;
    if (focusFirst && first && IsChild(hwnd, first) && !child) kept.lastFocus = first;
    if ((t.style & WS_VISIBLE) && !modal) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
        if (!child && kept.lastFocus) FocusControl(hwnd, kept.lastFocus);
        UpdateWindow(hwnd);
    }
    return hwnd;
}

namespace {

// No dialog's data (the dialogs went with the windows).
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { Infos().clear(); });

} // namespace

} // namespace dlg

using namespace dlg;

bool RegisterDialogClass() {
    WNDCLASS wc;
    if (GetClassInfo(nullptr, WC_DIALOG, &wc)) return true;
    wc = WNDCLASS{};
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.lpfnWndProc = &DefDlgProc;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = WC_DIALOG;
    return RegisterClass(&wc) != 0;
}

LRESULT DefDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtr(hwnd, DWLP_DLGPROC));
    if (!proc) return DefaultProcessing(hwnd, msg, wParam, lParam, false);
    auto& infos = Infos();
    auto entry = infos.find(hwnd);
    const bool nested = entry != infos.end() && entry->second.depth > 0;
    if (entry != infos.end()) ++entry->second.depth;
    const LONG_PTR outerResult = GetWindowLongPtr(hwnd, DWLP_MSGRESULT);
    SetWindowLongPtr(hwnd, DWLP_MSGRESULT, 0);
    const INT_PTR handled = proc(hwnd, msg, wParam, lParam);
    const bool alive = IsWindow(hwnd) != FALSE;
    const LONG_PTR result = alive ? GetWindowLongPtr(hwnd, DWLP_MSGRESULT) : 0;
    // A message sent to the dialog while its procedure handles another must not change the outer result.
    if (alive && nested) SetWindowLongPtr(hwnd, DWLP_MSGRESULT, outerResult);
    entry = infos.find(hwnd);
    if (entry != infos.end()) {
        --entry->second.depth;
        if (!alive && entry->second.depth == 0) infos.erase(entry);
    }
    if (!alive) return ReturnsDirectly(msg) ? handled : result;
    if (handled) return ReturnsDirectly(msg) ? handled : result;
    return DefaultProcessing(hwnd, msg, wParam, lParam, true);
}

HWND CreateDialogIndirectParam(HINSTANCE, LPCDLGTEMPLATE dialogTemplate, HWND parent, DLGPROC proc,
                               LPARAM initParam) {
    if (!dialogTemplate) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateFromTemplate(*dialogTemplate, parent, proc, initParam, false);
}

} // namespace win
