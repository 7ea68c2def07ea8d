// The windowed control's message table, the reflection of the platform's notifications about a child window
// back to that child (WM_COMMAND → CN_COMMAND...), and the windowed side of the CM_ notifications.
#include "framework/controls/MessageDispatch.h"
#include "framework/controls/WinControl.h"

namespace gl {

const MessageTable& TWinControl::Messages() const {
    using namespace win;
    static const MessageTable table = TControl::Messages().With({
        {WM_PAINT, &TWinControl::WMPaint},
        {WM_ERASEBKGND, &TWinControl::WMEraseBkgnd},
        {WM_NCPAINT, &TWinControl::WMNCPaint},
        {WM_NCCALCSIZE, &TWinControl::WMNCCalcSize},
        {WM_NCHITTEST, &TWinControl::WMNCHitTest},
        {WM_SIZE, &TWinControl::WMSize},
        {WM_MOVE, &TWinControl::WMMove},
        {WM_WINDOWPOSCHANGED, &TWinControl::WMWindowPosChanged},
        {WM_SETFOCUS, &TWinControl::WMSetFocus},
        {WM_KILLFOCUS, &TWinControl::WMKillFocus},
        {WM_KEYDOWN, &TWinControl::WMKeyDown},
        {WM_SYSKEYDOWN, &TWinControl::WMSysKeyDown},
        {WM_KEYUP, &TWinControl::WMKeyUp},
        {WM_SYSKEYUP, &TWinControl::WMSysKeyUp},
        {WM_CHAR, &TWinControl::WMChar},
        {WM_COMMAND, &TWinControl::WMCommand},
        {WM_NOTIFY, &TWinControl::WMNotify},
        {WM_DRAWITEM, &TWinControl::WMDrawItem},
        {WM_MEASUREITEM, &TWinControl::WMMeasureItem},
        {WM_DELETEITEM, &TWinControl::WMDeleteItem},
        {WM_COMPAREITEM, &TWinControl::WMCompareItem},
        {WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, &TWinControl::WMCtlColor},
        {WM_HSCROLL, &TWinControl::WMHScroll},
        {WM_VSCROLL, &TWinControl::WMVScroll},
        {WM_SETCURSOR, &TWinControl::WMSetCursor},
        {WM_CONTEXTMENU, &TWinControl::WMContextMenu},
        {WM_TIMER, &TWinControl::WMTimer},
        {WM_NCDESTROY, &TWinControl::WMNCDestroy},
        {WM_MOUSELEAVE, &TWinControl::WMMouseLeave},
        {CN_COMMAND, &TWinControl::CNCommand},
        {CN_NOTIFY, &TWinControl::CNNotify},
        {CN_DRAWITEM, &TWinControl::CNDrawItem},
        {CN_MEASUREITEM, &TWinControl::CNMeasureItem},
        {CN_DELETEITEM, &TWinControl::CNDeleteItem},
        {CN_COMPAREITEM, &TWinControl::CNCompareItem},
        {CN_CTLCOLOREDIT, &TWinControl::CNCtlColorEdit},
        {CN_CTLCOLORSTATIC, &TWinControl::CNCtlColorStatic},
        {CN_CTLCOLORLISTBOX, &TWinControl::CNCtlColorListBox},
        {CN_CTLCOLORBTN, &TWinControl::CNCtlColorBtn},
        {CN_CTLCOLORSCROLLBAR, &TWinControl::CNCtlColorScrollBar},
        {CN_HSCROLL, &TWinControl::CNHScroll},
        {CN_VSCROLL, &TWinControl::CNVScroll},
        {CN_KEYDOWN, &TWinControl::CNKeyDown},
        {CN_CHAR, &TWinControl::CNChar},
        {CM_ENTER, &TWinControl::CMEnter},
        {CM_EXIT, &TWinControl::CMExit},
    });
    return table;
}

// ---- Reflection ----

bool TWinControl::DoControlMsg(win::HWND child, TMessage& message) {
    TWinControl* control = FindControl(child);
    if (!control || control == this) return false;
    message.Result = control->Perform(message.Msg + CN_BASE, message.WParam, message.LParam);
    return true;
}

void TWinControl::WMCommand(TWMCommand& message) {
    if (!DoControlMsg(message.Ctl(), message.Message())) DefaultHandler(message.Message());
}

void TWinControl::WMNotify(TWMNotify& message) {
    const win::NMHDR* header = message.NMHdr();
    if (!header || !DoControlMsg(header->hwndFrom, message.Message())) DefaultHandler(message.Message());
}

void TWinControl::WMDrawItem(TWMDrawItem& message) {
    const win::DRAWITEMSTRUCT* item = message.DrawItemStruct();
    if (!item || item->CtlType == win::ODT_MENU || !DoControlMsg(item->hwndItem, message.Message()))
        DefaultHandler(message.Message());
}

void TWinControl::WMMeasureItem(TWMMeasureItem& message) {
    // The record names the child by its control id only.
    const win::MEASUREITEMSTRUCT* item = message.MeasureItemStruct();
    if (!item || item->CtlType == win::ODT_MENU || !m_handle ||
        !DoControlMsg(win::GetDlgItem(m_handle, static_cast<int>(item->CtlID)), message.Message()))
        DefaultHandler(message.Message());
}

void TWinControl::WMDeleteItem(TWMDeleteItem& message) {
    const win::DELETEITEMSTRUCT* item = message.DeleteItemStruct();
    if (!item || !DoControlMsg(item->hwndItem, message.Message())) DefaultHandler(message.Message());
}

void TWinControl::WMCompareItem(TWMCompareItem& message) {
    const win::COMPAREITEMSTRUCT* item = message.CompareItemStruct();
    if (!item || !DoControlMsg(item->hwndItem, message.Message())) DefaultHandler(message.Message());
}

void TWinControl::WMCtlColor(TWMCtlColor& message) {
    if (!DoControlMsg(message.ChildWnd(), message.Message())) DefaultHandler(message.Message());
}

void TWinControl::WMHScroll(TWMScroll& message) {
    if (!DoControlMsg(message.ScrollBar(), message.Message())) DefaultHandler(message.Message());
}

void TWinControl::WMVScroll(TWMScroll& message) {
    if (!DoControlMsg(message.ScrollBar(), message.Message())) DefaultHandler(message.Message());
}

// A reflected notification that the control's class does not use is answered with 0.
void TWinControl::CNCommand(TWMCommand&) {}
void TWinControl::CNNotify(TWMNotify&) {}
void TWinControl::CNDrawItem(TWMDrawItem&) {}
void TWinControl::CNMeasureItem(TWMMeasureItem&) {}
void TWinControl::CNDeleteItem(TWMDeleteItem&) {}
void TWinControl::CNCompareItem(TWMCompareItem&) {}
void TWinControl::CNHScroll(TWMScroll&) {}
void TWinControl::CNVScroll(TWMScroll&) {}

// ---- Window state ----

void TWinControl::WMSize(TWMSize& message) {
    UpdateBounds();
    DefaultHandler(message.Message());
    Realign();
    if (!ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMMove(TWMMove& message) {
    UpdateBounds();
    DefaultHandler(message.Message());
}

void TWinControl::WMWindowPosChanged(TWMWindowPosMsg& message) {
    DefaultHandler(message.Message());
    UpdateBounds();
}

void TWinControl::WMNCPaint(TWMNCPaint& message) {
    DefaultHandler(message.Message());
}
void TWinControl::WMNCCalcSize(TWMNCCalcSize& message) {
    DefaultHandler(message.Message());
}
void TWinControl::WMNCHitTest(TWMNCHitTest& message) {
    DefaultHandler(message.Message());
}
void TWinControl::WMTimer(TWMTimer& message) {
    DefaultHandler(message.Message());
}

// ---- CM_ notifications ----

void TWinControl::CMEnabledChanged(TMessage& message) {
    if (m_handle) win::EnableWindow(m_handle, Enabled() ? win::TRUE : win::FALSE);
    TControl::CMEnabledChanged(message);
}

void TWinControl::CMVisibleChanged(TMessage&) {
    UpdateShowing();
}

void TWinControl::CMShowHintChanged(TMessage&) {
    NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

} // namespace gl
