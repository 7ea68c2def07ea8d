// The link between a control's window and its C++ object: the object is made on WM_NCCREATE, found by its
// window in a table of its kind, and deleted when the outermost message to it returns after WM_NCDESTROY, so
// that a handler whose notification made the parent destroy the window never sees its object go. The table
// (rather than the window's extra bytes) finds the object whatever class a program derives from the control's
// class, and safely answers "none" for any other window.
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

// The window extra bytes a control class asks for, as the platform's classes do.
constexpr int kSlotBytes = static_cast<int>(sizeof(void*));

template <class T> std::unordered_map<HWND, ControlSlot<T>*>& SlotTable() {
    static std::unordered_map<HWND, ControlSlot<T>*> table;
    return table;
}

template <class T> ControlSlot<T>* SlotOf(HWND hwnd) {
    const auto& table = SlotTable<T>();
    const auto found = table.find(hwnd);
    return found == table.end() ? nullptr : found->second;
}

// The object of a live control window of kind T, or null for any other window.
template <class T> T* ControlOf(HWND hwnd) {
    ControlSlot<T>* slot = hwnd ? SlotOf<T>(hwnd) : nullptr;
    return slot && !slot->dead ? slot->control : nullptr;
}

// T provides: T(HWND, const CREATESTRUCT&); using Handler = LRESULT (T::*)(WPARAM, LPARAM);
// static const std::unordered_map<UINT, Handler>& Handlers(). Messages without a handler go to DefWindowProc.
template <class T> LRESULT DispatchControlMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ControlSlot<T>* slot = SlotOf<T>(hwnd);
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (!cs) return FALSE;
        if (slot && slot->depth == 0) {
            // Left by an earlier window of the same handle that went without WM_NCDESTROY.
            delete slot->control;
            delete slot;
        }
        slot = new (std::nothrow) ControlSlot<T>;
        if (!slot) return FALSE;
        try {
            SlotTable<T>()[hwnd] = slot;
            slot->control = new T(hwnd, *cs);
        } catch (const std::bad_alloc&) {
            SlotTable<T>().erase(hwnd);
            delete slot;
            return FALSE;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    if (!slot || slot->dead || !slot->control) return DefWindowProc(hwnd, msg, wParam, lParam);
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
        SlotTable<T>().erase(hwnd);
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
