// The link between a control's window and its C++ object: the object is made on WM_NCCREATE, kept in the
// first extra bytes of the window, and deleted when the outermost message to it returns after WM_NCDESTROY,
// so that a handler whose notification made the parent destroy the window never sees its object go.
#pragma once

#include "platform/user/User.h"

#include <new>
#include <unordered_map>

namespace win::controls {

template <class T> struct ControlSlot {
    T* control = nullptr;
    int depth = 0;
    bool dead = false;
};

// The window extra bytes a control class needs for its slot.
constexpr int kSlotBytes = static_cast<int>(sizeof(void*));

template <class T> ControlSlot<T>* SlotOf(HWND hwnd) {
    return reinterpret_cast<ControlSlot<T>*>(GetWindowLongPtr(hwnd, 0));
}

// The object of a live control window of class T, or null. The window procedure of the class must be the one
// that made the slot (checked by the caller through the class name).
template <class T> T* ControlOf(HWND hwnd) {
    ControlSlot<T>* slot = IsWindow(hwnd) ? SlotOf<T>(hwnd) : nullptr;
    return slot && !slot->dead ? slot->control : nullptr;
}

// T provides: T(HWND, const CREATESTRUCT&); using Handler = LRESULT (T::*)(WPARAM, LPARAM);
// static const std::unordered_map<UINT, Handler>& Handlers(). Messages without a handler go to DefWindowProc.
template <class T> LRESULT DispatchControlMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ControlSlot<T>* slot = SlotOf<T>(hwnd);
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (!cs || slot) return FALSE;
        slot = new (std::nothrow) ControlSlot<T>;
        if (!slot) return FALSE;
        try {
            slot->control = new T(hwnd, *cs);
        } catch (const std::bad_alloc&) {
            delete slot;
            return FALSE;
        }
        SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(slot));
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    if (!slot || slot->dead) return DefWindowProc(hwnd, msg, wParam, lParam);
    const auto& handlers = T::Handlers();
    const auto found = handlers.find(msg);
    LRESULT result = 0;
    ++slot->depth;
    if (found == handlers.end()) {
        result = DefWindowProc(hwnd, msg, wParam, lParam);
    } else {
        try {
            result = (slot->control->*(found->second))(wParam, lParam);
        } catch (const std::bad_alloc&) {
            result = 0;
        }
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtr(hwnd, 0, 0);
        slot->dead = true;
    }
    if (--slot->depth == 0 && slot->dead) {
        delete slot->control;
        delete slot;
    }
    return result;
}

// Registers a class whose windows are objects of T, unless a class of that name exists already.
template <class T> bool RegisterControlClass(LPCSTR name, UINT style, LPCSTR cursor) {
    WNDCLASS wc;
    if (GetClassInfo(nullptr, name, &wc)) return true;
    wc = WNDCLASS{};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = &DispatchControlMessage<T>;
    wc.cbWndExtra = kSlotBytes;
    wc.hCursor = LoadCursor(nullptr, cursor);
    wc.lpszClassName = name;
    return RegisterClass(&wc) != 0;
}

// A WM_COMMAND notification from a control to the window it reports to.
inline void SendCommandNotification(HWND to, HWND control, WORD code) {
    if (!to) return;
    SendMessage(to, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

} // namespace win::controls
