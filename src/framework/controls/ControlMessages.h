// The framework's own message numbers: CM_ notifications between controls (a property changed, the mouse
// entered, the focus moved...) and CN_ messages, the platform's notifications reflected back to the child
// control they are about (CN_COMMAND is WM_COMMAND + CN_BASE, and so on).
#pragma once

#include "platform/user/Messages.h"

namespace gl {

using win::UINT;

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;          // wParam key, lParam key data; nonzero result: used
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;         // wParam character (accelerators); nonzero result: used
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;       // lParam: the TWinControl that now has the focus
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;  // wParam nonzero: lParam is the TFont to take
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9; // wParam nonzero: lParam is the TColor to take
constexpr UINT CM_HITTEST = CM_BASE + 10; // lParam: the point; nonzero result: the point is on the control
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30; // wParam key; nonzero result: the control takes the key
constexpr UINT CM_INVOKEHELP = CM_BASE + 31;
constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_WININICHANGE = CM_BASE + 37;
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr UINT CM_TIMECHANGE = CM_BASE + 39;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44; // wParam the control, lParam 1 inserted / 0 removed
constexpr UINT CM_GETDATALINK = CM_BASE + 45;
constexpr UINT CM_CHILDKEY = CM_BASE + 46; // wParam key, lParam the control; nonzero result: used
constexpr UINT CM_DRAG = CM_BASE + 47;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54; // wParam the control, lParam 1 inserted / 0 removed
constexpr UINT CM_CHANGED = CM_BASE + 55;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;
constexpr UINT CM_ACTIONUPDATE = CM_BASE + 63;
constexpr UINT CM_ACTIONEXECUTE = CM_BASE + 64;
constexpr UINT CM_HINTSHOWPAUSE = CM_BASE + 65;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;

// Notifications a parent reflects to the child they concern.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CHARTOITEM = CN_BASE + win::WM_CHARTOITEM;
constexpr UINT CN_COMMAND = CN_BASE + win::WM_COMMAND;
constexpr UINT CN_COMPAREITEM = CN_BASE + win::WM_COMPAREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + win::WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + win::WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + win::WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + win::WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + win::WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + win::WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + win::WM_CTLCOLORSTATIC;
constexpr UINT CN_DELETEITEM = CN_BASE + win::WM_DELETEITEM;
constexpr UINT CN_DRAWITEM = CN_BASE + win::WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + win::WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + win::WM_MEASUREITEM;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + win::WM_PARENTNOTIFY;
constexpr UINT CN_VKEYTOITEM = CN_BASE + win::WM_VKEYTOITEM;
constexpr UINT CN_VSCROLL = CN_BASE + win::WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + win::WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + win::WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + win::WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + win::WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + win::WM_SYSCHAR;
constexpr UINT CN_NOTIFY = CN_BASE + win::WM_NOTIFY;

} // namespace gl
