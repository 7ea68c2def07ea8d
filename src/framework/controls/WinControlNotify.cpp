// The message table entries of windowed controls, the reflection of the platform's notifications about a
// child window back to that child (WM_COMMAND → CN_COMMAND...), and the windowed side of the CM_
// notifications.
#include "framework/controls/MessageDispatch.h"
#include "framework/controls/WinControl.h"

namespace gl {

void RegisterWinControlMessages(MessageTable& table) {
    using namespace win;
    using W = TWinControl;
    table.Add(WM_PAINT, &W::WMPaint);
    table.Add(WM_ERASEBKGND, &W::WMEraseBkgnd);
    table.Add(WM_NCPAINT, &W::WMNCPaint);
    table.Add(WM_NCCALCSIZE, &W::WMNCCalcSize);
    table.Add(WM_NCHITTEST, &W::WMNCHitTest);
    table.Add(WM_SIZE, &W::WMSize);
    table.Add(WM_MOVE, &W::WMMove);
    table.Add(WM_WINDOWPOSCHANGED, &W::WMWindowPosChanged);
    table.Add(WM_SETFOCUS, &W::WMSetFocus);
    table.Add(WM_KILLFOCUS, &W::WMKillFocus);
    table.Add(WM_KEYDOWN, &W::WMKeyDown);
    table.Add(WM_SYSKEYDOWN, &W::WMSysKeyDown);
    table.Add(WM_KEYUP, &W::WMKeyUp);
    table.Add(WM_SYSKEYUP, &W::WMSysKeyUp);
    table.Add(WM_CHAR, &W::WMChar);
    table.Add(WM_COMMAND, &W::WMCommand);
    table.Add(WM_NOTIFY, &W::WMNotify);
    table.Add(WM_DRAWITEM, &W::WMDrawItem);
    table.Add(WM_MEASUREITEM, &W::WMMeasureItem);
    table.Add(WM_DELETEITEM, &W::WMDeleteItem);
    table.Add(WM_COMPAREITEM, &W::WMCompareItem);
    table.AddRange(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, &W::WMCtlColor);
    table.Add(WM_HSCROLL, &W::WMHScroll);
    table.Add(WM_VSCROLL, &W::WMVScroll);
    table.Add(WM_SETCURSOR, &W::WMSetCursor);
    table.Add(WM_CONTEXTMENU, &W::WMContextMenu);
    table.Add(WM_TIMER, &W::WMTimer);
    table.Add(WM_NCDESTROY, &W::WMNCDestroy);
    table.Add(WM_MOUSELEAVE, &W::WMMouseLeave);
    table.Add(CN_COMMAND, &W::CNCommand);
    table.Add(CN_NOTIFY, &W::CNNotify);
    table.Add(CN_DRAWITEM, &W::CNDrawItem);
    table.Add(CN_MEASUREITEM, &W::CNMeasureItem);
    table.Add(CN_DELETEITEM, &W::CNDeleteItem);
    table.Add(CN_COMPAREITEM, &W::CNCompareItem);
    table.Add(CN_CTLCOLOREDIT, &W::CNCtlColorEdit);
    table.Add(CN_CTLCOLORSTATIC, &W::CNCtlColorStatic);
    table.Add(CN_CTLCOLORLISTBOX, &W::CNCtlColorListBox);
    table.Add(CN_CTLCOLORBTN, &W::CNCtlColorBtn);
    table.Add(CN_CTLCOLORSCROLLBAR, &W::CNCtlColorScrollBar);
    table.Add(CN_HSCROLL, &W::CNHScroll);
    table.Add(CN_VSCROLL, &W::CNVScroll);
    table.Add(CN_KEYDOWN, &W::CNKeyDown);
    table.Add(CN_CHAR, &W::CNChar);
    table.Add(CM_ENTER, &W::CMEnter);
    table.Add(CM_EXIT, &W::CMExit);
    // The CM_ notifications that TControl already maps reach TWinControl's overrides through their virtuals.
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
