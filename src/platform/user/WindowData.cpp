// Data of a window: Get/SetWindowLongPtr (procedure, styles, id, user data, extra bytes), text, properties,
// and its enabled and visible state.
#include "platform/system/LastError.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Paint.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

bool ExtraSlot(const Window* w, int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) + size <= w->extra.size();
}

LONG_PTR SetStyle(Window* w, int index, LONG_PTR value) {
    const HWND hwnd = w->handle;
    STYLESTRUCT change;
    change.styleOld = index == GWL_STYLE ? w->style : w->exStyle;
    change.styleNew = static_cast<DWORD>(value);
    SendMessage(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    if (!(w = wm::Find(hwnd))) return 0;
    const DWORD old = index == GWL_STYLE ? w->style : w->exStyle;
    if (index == GWL_STYLE) {
        // WS_VISIBLE written here shows or hides without the messages of ShowWindow, as on the platform.
        const DWORD keep = WS_MINIMIZE | WS_MAXIMIZE;
        w->style = (change.styleNew & ~keep) | (w->style & keep);
        if ((old ^ w->style) & WS_VISIBLE) {
            wm::RefreshWindowDcs();
            if (w->Visible())
                RedrawWindow(hwnd, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            if (wm::IsTopLevel(w)) wm::SyncDisplayWindow(w);
        }
    } else {
        w->exStyle = change.styleNew;
    }
    SendMessage(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    return static_cast<LONG_PTR>(old);
}

} // namespace

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->IsChild() ? (w->parent ? w->parent->handle : nullptr)
                                                       : w->owner);
    case GWLP_ID:
        return w->id;
    case GWL_STYLE:
        return static_cast<LONG_PTR>(static_cast<LONG>(w->style));
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(static_cast<LONG>(w->exStyle));
    case GWLP_USERDATA:
        return w->userData;
    default:
        break;
    }
    if (ExtraSlot(w, index, sizeof(LONG_PTR))) {
        LONG_PTR v = 0;
        std::memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return 0;
    if (w == wm::Desktop()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return 0;
    }
    SetLastError(ERROR_SUCCESS);
    LONG_PTR old = 0;
    switch (index) {
    case GWLP_WNDPROC:
        if (!value) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        old = reinterpret_cast<LONG_PTR>(w->proc);
        w->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWLP_HINSTANCE:
        old = reinterpret_cast<LONG_PTR>(w->instance);
        w->instance = reinterpret_cast<HINSTANCE>(value);
        return old;
    case GWLP_HWNDPARENT:
        if (w->IsChild()) {
            HWND previous = w->parent ? w->parent->handle : nullptr;
            SetParent(hwnd, reinterpret_cast<HWND>(value));
            return reinterpret_cast<LONG_PTR>(previous);
        }
        old = reinterpret_cast<LONG_PTR>(w->owner);
        if (Window* owner = wm::Find(reinterpret_cast<HWND>(value)); owner && owner != w)
            w->owner = wm::TopLevelOf(owner)->handle;
        else
            w->owner = nullptr;
        return old;
    case GWLP_ID:
        old = w->id;
        w->id = value;
        return old;
    case GWLP_USERDATA:
        old = w->userData;
        w->userData = value;
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return SetStyle(w, index, value);
    default:
        break;
    }
    if (ExtraSlot(w, index, sizeof(LONG_PTR))) {
        std::memcpy(&old, w->extra.data() + index, sizeof old);
        std::memcpy(w->extra.data() + index, &value, sizeof value);
        return old;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG GetWindowLong(HWND hwnd, int index) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return 0;
    if (index >= 0 && !ExtraSlot(w, index, sizeof(LONG_PTR))) {
        if (!ExtraSlot(w, index, sizeof(LONG))) {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        LONG v = 0;
        std::memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
    return static_cast<LONG>(GetWindowLongPtr(hwnd, index));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return 0;
    if (index >= 0 && !ExtraSlot(w, index, sizeof(LONG_PTR))) {
        if (!ExtraSlot(w, index, sizeof(LONG))) {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        LONG old = 0;
        std::memcpy(&old, w->extra.data() + index, sizeof old);
        std::memcpy(w->extra.data() + index, &value, sizeof value);
        return old;
    }
    if (index == GWL_STYLE || index == GWL_EXSTYLE)
        return static_cast<LONG>(
            SetWindowLongPtr(hwnd, index, static_cast<LONG_PTR>(static_cast<DWORD>(value))));
    return static_cast<LONG>(SetWindowLongPtr(hwnd, index, value));
}

BOOL SetWindowText(HWND hwnd, LPCSTR text) {
    if (!wm::FindOrFail(hwnd)) return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, LPSTR buffer, int maxCount) {
    if (!wm::FindOrFail(hwnd)) return 0;
    if (!buffer || maxCount <= 0) return 0;
    buffer[0] = '\0';
    return static_cast<int>(
        SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    if (!wm::FindOrFail(hwnd)) return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

std::string GetWindowTextString(HWND hwnd) {
    const int length = GetWindowTextLength(hwnd);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowText(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::clamp(got, 0, length)));
    return text;
}

BOOL SetProp(HWND hwnd, LPCSTR name, HANDLE data) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w || !name) return FALSE;
    for (auto& p : w->props)
        if (p.first == name) {
            p.second = data;
            return TRUE;
        }
    w->props.emplace_back(name, data);
    return TRUE;
}

HANDLE GetProp(HWND hwnd, LPCSTR name) {
    Window* w = wm::Find(hwnd);
    if (!w || !name) return nullptr;
    for (const auto& p : w->props)
        if (p.first == name) return p.second;
    return nullptr;
}

HANDLE RemoveProp(HWND hwnd, LPCSTR name) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w || !name) return nullptr;
    for (auto it = w->props.begin(); it != w->props.end(); ++it)
        if (it->first == name) {
            HANDLE data = it->second;
            w->props.erase(it);
            return data;
        }
    return nullptr;
}

BOOL IsWindow(HWND hwnd) {
    return wm::Find(hwnd) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = wm::Find(hwnd);
    return (w && wm::IsVisibleChain(w)) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = wm::Find(hwnd);
    return (w && !w->Disabled()) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return FALSE;
    const BOOL wasDisabled = w->Disabled() ? TRUE : FALSE;
    if (enable && w->Disabled()) {
        w->style &= ~WS_DISABLED;
        SendMessage(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !w->Disabled()) {
        SendMessage(hwnd, WM_CANCELMODE, 0, 0);
        if (!(w = wm::Find(hwnd))) return wasDisabled;
        w->style |= WS_DISABLED;
        // A disabled window cannot keep the keyboard focus.
        if (wm::Thread().focus == hwnd) SetFocus(nullptr);
        SendMessage(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

} // namespace win
