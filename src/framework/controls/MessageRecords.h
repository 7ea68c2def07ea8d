// Message records: TMessage, the one record every message travels in through a control, and typed views of it
// that name the parts of each kind of message (the point of a mouse message, the key of a key message...).
// A view refers to the record it was made from, so a handler that changes a part (a key set to 0, a result)
// changes the message itself.
#pragma once

#include "framework/controls/ControlTypes.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

#include <cstdint>

namespace gl {

struct TMessage {
    win::UINT Msg = 0;
    win::WPARAM WParam = 0;
    win::LPARAM LParam = 0;
    win::LRESULT Result = 0;
};

class TMessageView {
public:
    explicit TMessageView(TMessage& message) : m_message(message) {}

    TMessage& Message() const { return m_message; }
    win::UINT Msg() const { return m_message.Msg; }
    win::WPARAM WParam() const { return m_message.WParam; }
    win::LPARAM LParam() const { return m_message.LParam; }
    win::LRESULT Result() const { return m_message.Result; }
    void SetResult(win::LRESULT result) const { m_message.Result = result; }

protected:
    template <class T> T* LParamAs() const { return reinterpret_cast<T*>(m_message.LParam); }
    template <class T> T WParamAsHandle() const { return reinterpret_cast<T>(m_message.WParam); }
    template <class T> T LParamAsHandle() const { return reinterpret_cast<T>(m_message.LParam); }

private:
    TMessage& m_message;
};

// Mouse messages in client coordinates (WM_MOUSEMOVE, WM_xBUTTONDOWN/UP/DBLCLK).
class TWMMouse : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::WPARAM Keys() const { return WParam(); }
    int XPos() const { return win::GET_X_LPARAM(LParam()); }
    int YPos() const { return win::GET_Y_LPARAM(LParam()); }
    TPoint Pos() const { return TPoint{XPos(), YPos()}; }
};

// WM_MOUSEWHEEL: the point is in screen coordinates.
class TWMMouseWheel : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::WORD Keys() const { return win::GET_KEYSTATE_WPARAM(WParam()); }
    int WheelDelta() const { return win::GET_WHEEL_DELTA_WPARAM(WParam()); }
    int XPos() const { return win::GET_X_LPARAM(LParam()); }
    int YPos() const { return win::GET_Y_LPARAM(LParam()); }
    TPoint Pos() const { return TPoint{XPos(), YPos()}; }
};

// Key messages (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, CN_KEYDOWN, CM_DIALOGKEY, CM_WANTSPECIALKEY...).
class TWMKey : public TMessageView {
public:
    using TMessageView::TMessageView;
    std::uint16_t CharCode() const { return static_cast<std::uint16_t>(WParam()); }
    void SetCharCode(std::uint16_t key) const { Message().WParam = key; }
    win::LPARAM KeyData() const { return LParam(); }
};

// Character messages (WM_CHAR, WM_SYSCHAR, CN_CHAR, CM_DIALOGCHAR): one Unicode code point.
class TWMChar : public TMessageView {
public:
    using TMessageView::TMessageView;
    char32_t CharCode() const { return static_cast<char32_t>(WParam()); }
    void SetCharCode(char32_t character) const { Message().WParam = character; }
    win::LPARAM KeyData() const { return LParam(); }
};

// WM_PAINT; DC() is nonzero when the sender paints into a context of its own (a parent painting its
// window-less children).
class TWMPaint : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::HDC DC() const { return WParamAsHandle<win::HDC>(); }
};

class TWMEraseBkgnd : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::HDC DC() const { return WParamAsHandle<win::HDC>(); }
};

class TWMSize : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::WPARAM SizeType() const { return WParam(); }
    int Width() const { return win::LOWORD(static_cast<std::uintptr_t>(LParam())); }
    int Height() const { return win::HIWORD(static_cast<std::uintptr_t>(LParam())); }
};

class TWMMove : public TMessageView {
public:
    using TMessageView::TMessageView;
    int XPos() const { return win::GET_X_LPARAM(LParam()); }
    int YPos() const { return win::GET_Y_LPARAM(LParam()); }
};

class TWMWindowPosMsg : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::WINDOWPOS* WindowPos() const { return LParamAs<win::WINDOWPOS>(); }
};

// WM_SETFOCUS (the window that lost the focus) and WM_KILLFOCUS (the window that gets it).
class TWMFocus : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::HWND FocusedWnd() const { return WParamAsHandle<win::HWND>(); }
};
using TWMSetFocus = TWMFocus;
using TWMKillFocus = TWMFocus;

// WM_COMMAND and CN_COMMAND.
class TWMCommand : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::WORD ItemID() const { return win::LOWORD(WParam()); }
    win::WORD NotifyCode() const { return win::HIWORD(WParam()); }
    win::HWND Ctl() const { return LParamAsHandle<win::HWND>(); }
};

// WM_NOTIFY and CN_NOTIFY.
class TWMNotify : public TMessageView {
public:
    using TMessageView::TMessageView;
    int IDCtrl() const { return static_cast<int>(WParam()); }
    win::NMHDR* NMHdr() const { return LParamAs<win::NMHDR>(); }
};

// WM_DRAWITEM and CN_DRAWITEM.
class TWMDrawItem : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::UINT Ctl() const { return static_cast<win::UINT>(WParam()); }
    win::DRAWITEMSTRUCT* DrawItemStruct() const { return LParamAs<win::DRAWITEMSTRUCT>(); }
};

// WM_MEASUREITEM and CN_MEASUREITEM.
class TWMMeasureItem : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::UINT IDCtl() const { return static_cast<win::UINT>(WParam()); }
    win::MEASUREITEMSTRUCT* MeasureItemStruct() const { return LParamAs<win::MEASUREITEMSTRUCT>(); }
};

// WM_DELETEITEM and CN_DELETEITEM.
class TWMDeleteItem : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::DELETEITEMSTRUCT* DeleteItemStruct() const { return LParamAs<win::DELETEITEMSTRUCT>(); }
};

// WM_COMPAREITEM and CN_COMPAREITEM.
class TWMCompareItem : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::COMPAREITEMSTRUCT* CompareItemStruct() const { return LParamAs<win::COMPAREITEMSTRUCT>(); }
};

// WM_CTLCOLORxxx and CN_CTLCOLORxxx: the child's context and window; the result is the background brush.
class TWMCtlColor : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::HDC ChildDC() const { return WParamAsHandle<win::HDC>(); }
    win::HWND ChildWnd() const { return LParamAsHandle<win::HWND>(); }
};

// WM_HSCROLL / WM_VSCROLL and their CN_ forms.
class TWMScroll : public TMessageView {
public:
    using TMessageView::TMessageView;
    int ScrollCode() const { return win::LOWORD(WParam()); }
    int Pos() const { return static_cast<win::SHORT>(win::HIWORD(WParam())); }
    win::HWND ScrollBar() const { return LParamAsHandle<win::HWND>(); }
};

class TWMSetCursor : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::HWND CursorWnd() const { return WParamAsHandle<win::HWND>(); }
    int HitTest() const {
        return static_cast<win::SHORT>(win::LOWORD(static_cast<std::uintptr_t>(LParam())));
    }
    win::UINT MouseMsg() const { return win::HIWORD(static_cast<std::uintptr_t>(LParam())); }
};

// WM_CONTEXTMENU: screen coordinates, (-1, -1) when asked for from the keyboard.
class TWMContextMenu : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::HWND Wnd() const { return WParamAsHandle<win::HWND>(); }
    int XPos() const { return win::GET_X_LPARAM(LParam()); }
    int YPos() const { return win::GET_Y_LPARAM(LParam()); }
    TPoint Pos() const { return TPoint{XPos(), YPos()}; }
};

class TWMNCPaint : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::HRGN Rgn() const { return WParamAsHandle<win::HRGN>(); }
};

class TWMNCCalcSize : public TMessageView {
public:
    using TMessageView::TMessageView;
    bool CalcValidRects() const { return WParam() != 0; }
    win::NCCALCSIZE_PARAMS* CalcSizeParams() const { return LParamAs<win::NCCALCSIZE_PARAMS>(); }
    // With CalcValidRects false, lParam is a single rectangle.
    win::RECT* Rect() const { return LParamAs<win::RECT>(); }
};

// WM_NCHITTEST: screen coordinates.
class TWMNCHitTest : public TMessageView {
public:
    using TMessageView::TMessageView;
    int XPos() const { return win::GET_X_LPARAM(LParam()); }
    int YPos() const { return win::GET_Y_LPARAM(LParam()); }
};

class TWMTimer : public TMessageView {
public:
    using TMessageView::TMessageView;
    win::UINT_PTR TimerID() const { return WParam(); }
};

// CM_HITTEST: a point in the control's client coordinates.
class TCMHitTest : public TMessageView {
public:
    using TMessageView::TMessageView;
    int XPos() const { return win::GET_X_LPARAM(LParam()); }
    int YPos() const { return win::GET_Y_LPARAM(LParam()); }
};

class TWinControl;

// CM_FOCUSCHANGED: the windowed control that now has the focus.
class TCMFocusChanged : public TMessageView {
public:
    using TMessageView::TMessageView;
    TWinControl* Sender() const { return LParamAs<TWinControl>(); }
};

using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMChar;
using TCMWantSpecialKey = TWMKey;

} // namespace gl
