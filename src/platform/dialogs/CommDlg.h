// The open-file dialog: GetOpenFileName with the OPENFILENAME record, its flags, the explorer-style hook's
// notifications (WM_NOTIFY with OFNOTIFY) and queries (CDM_*), the identifiers of the dialog's controls, and
// CommDlgExtendedError. Strings and paths are UTF-8; buffer sizes count bytes.
//
// The dialog is a modal window in the classic look: the current folder (a drop-down list of the folders above
// it) with a button one level up, a list of the folder's sub-folders and of the files that match the active
// pattern (folders first, each sorted without regard to case), the file-name field, the filter box, Open and
// Cancel (and Help, and "Open as read-only", when the flags ask for them).
//
// With OFN_EXPLORER and a hook or a template, a child dialog lies under the standard controls and covers the
// whole dialog; the hook is its dialog procedure, and gets WM_INITDIALOG with lParam the OPENFILENAME record,
// then the CDN_* notifications. A template's control stc32 marks where the standard part goes: it is widened
// and heightened to the standard part's size, the template's controls right of it or below it move by as
// much, and the dialog grows to hold it all. Without stc32 the standard part goes above the template's
// controls.
//
// One file is chosen from the list. With OFN_ALLOWMULTISELECT several names typed in quotes ("a.bmp"
// "b.bmp") are chosen together: lpstrFile then holds the folder and each name, each ending in a zero byte,
// and a second zero byte after the last (blanks between them in the old style); one file gives its single
// path as without the flag.
#pragma once

#include "platform/user/Messages.h"
#include "platform/win/types.h"

#include <cstddef>

namespace win {

using LPOFNHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct OPENFILENAME {
    DWORD lStructSize = 0;
    HWND hwndOwner = nullptr;
    HINSTANCE hInstance = nullptr; // with OFN_ENABLETEMPLATEHANDLE: the const DialogTemplate* of the child
    LPCSTR lpstrFilter = nullptr;
    LPSTR lpstrCustomFilter = nullptr; // not used
    DWORD nMaxCustFilter = 0;
    DWORD nFilterIndex = 0; // one-based; 0 or too large: the first pair
    LPSTR lpstrFile = nullptr;
    DWORD nMaxFile = 0;
    LPSTR lpstrFileTitle = nullptr;
    DWORD nMaxFileTitle = 0;
    LPCSTR lpstrInitialDir = nullptr;
    LPCSTR lpstrTitle = nullptr; // null or empty: "Open" in the user's language
    DWORD Flags = 0;
    WORD nFileOffset = 0;
    WORD nFileExtension = 0;
    LPCSTR lpstrDefExt = nullptr;
    LPARAM lCustData = 0;
    LPOFNHOOKPROC lpfnHook = nullptr;
    LPCSTR lpTemplateName =
        nullptr; // with OFN_ENABLETEMPLATE: a template registered by RegisterDialogTemplate
    void* pvReserved = nullptr;
    DWORD dwReserved = 0;
    DWORD FlagsEx = 0;
};
using OPENFILENAMEA = OPENFILENAME;
using LPOPENFILENAME = OPENFILENAME*;

// The record's accepted sizes: the whole record, and the older one that ends before pvReserved. The sizes the
// record has in 32-bit programs (88 and 76 bytes) are accepted as the same two forms.
constexpr DWORD OPENFILENAME_SIZE_VERSION_400 = offsetof(OPENFILENAME, pvReserved);
constexpr DWORD kOpenFileNameSize32 = 88;
constexpr DWORD kOpenFileNameSize32Old = 76;

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_SHOWHELP = 0x00000010;
constexpr DWORD OFN_ENABLEHOOK = 0x00000020;
constexpr DWORD OFN_ENABLETEMPLATE = 0x00000040;
constexpr DWORD OFN_ENABLETEMPLATEHANDLE = 0x00000080;
constexpr DWORD OFN_NOVALIDATE = 0x00000100;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_EXTENSIONDIFFERENT = 0x00000400;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_CREATEPROMPT = 0x00002000;
constexpr DWORD OFN_SHAREAWARE = 0x00004000;
constexpr DWORD OFN_NOREADONLYRETURN = 0x00008000;
constexpr DWORD OFN_NOTESTFILECREATE = 0x00010000;
constexpr DWORD OFN_NONETWORKBUTTON = 0x00020000;
constexpr DWORD OFN_NOLONGNAMES = 0x00040000;
constexpr DWORD OFN_EXPLORER = 0x00080000;
constexpr DWORD OFN_NODEREFERENCELINKS = 0x00100000;
constexpr DWORD OFN_LONGNAMES = 0x00200000;
constexpr DWORD OFN_ENABLEINCLUDENOTIFY = 0x00400000;
constexpr DWORD OFN_ENABLESIZING = 0x00800000;
constexpr DWORD OFN_DONTADDTORECENT = 0x02000000;
constexpr DWORD OFN_FORCESHOWHIDDEN = 0x10000000;
constexpr DWORD OFN_EX_NOPLACESBAR = 0x00000001;

// Notifications to the explorer-style hook: WM_NOTIFY to the child dialog with an OFNOTIFY (OFNOTIFYEX for
// CDN_INCLUDEITEM). hdr.hwndFrom is the dialog (the child's parent), hdr.idFrom 0.
constexpr UINT CDN_FIRST = 0u - 601u;
constexpr UINT CDN_INITDONE = CDN_FIRST - 0;     // the controls are in place, before the dialog shows
constexpr UINT CDN_SELCHANGE = CDN_FIRST - 1;    // the selection in the list changed
constexpr UINT CDN_FOLDERCHANGE = CDN_FIRST - 2; // a folder was opened (also the first one)
constexpr UINT CDN_SHAREVIOLATION = CDN_FIRST - 3;
constexpr UINT CDN_HELP = CDN_FIRST - 4;   // the Help button was pressed
constexpr UINT CDN_FILEOK = CDN_FIRST - 5; // a file was chosen: a result other than 0 refuses it
constexpr UINT CDN_TYPECHANGE =
    CDN_FIRST - 6; // another filter was chosen; lpOFN->nFilterIndex is the new one
constexpr UINT CDN_INCLUDEITEM = CDN_FIRST - 7; // with OFN_ENABLEINCLUDENOTIFY, per file: 0 leaves it out

struct OFNOTIFY {
    NMHDR hdr;
    OPENFILENAME* lpOFN = nullptr;
    LPSTR pszFile = nullptr;
};
// For CDN_INCLUDEITEM: psf is null and pidl points to the item's full path (a zero-terminated UTF-8 string).
struct OFNOTIFYEX {
    NMHDR hdr;
    OPENFILENAME* lpOFN = nullptr;
    LPVOID psf = nullptr;
    LPVOID pidl = nullptr;
};

// Queries the hook sends to the dialog (the parent of its child dialog). For the three text queries wParam is
// the buffer's size and lParam the buffer; the result is the size of the text with its terminating zero (the
// buffer gets an empty text when it is smaller than that), or a negative value for an error.
constexpr UINT CDM_FIRST = WM_USER + 100;
constexpr UINT CDM_GETSPEC = CDM_FIRST + 0;       // the chosen name without its folder
constexpr UINT CDM_GETFILEPATH = CDM_FIRST + 1;   // the full path of the selected item or of the typed name
constexpr UINT CDM_GETFOLDERPATH = CDM_FIRST + 2; // the current folder
constexpr UINT CDM_GETFOLDERIDLIST = CDM_FIRST + 3;
constexpr UINT CDM_SETCONTROLTEXT = CDM_FIRST + 4; // wParam the control id, lParam the text
constexpr UINT CDM_HIDECONTROL = CDM_FIRST + 5;    // wParam the control id
constexpr UINT CDM_SETDEFEXT = CDM_FIRST + 6;      // lParam the extension

// The messages of the old-style hook, registered by name.
inline constexpr const char* LBSELCHSTRING = "commdlg_LBSelChangedNotify";
inline constexpr const char* SHAREVISTRING = "commdlg_ShareViolation";
inline constexpr const char* FILEOKSTRING = "commdlg_FileNameOK";
inline constexpr const char* HELPMSGSTRING = "commdlg_help";
constexpr WORD CD_LBSELCHANGE = 0;
constexpr WORD CD_LBSELNOITEMS = static_cast<WORD>(-1);

// The dialog's controls.
constexpr int psh1 = 0x0400; // one folder up
constexpr int pshHelp = 0x040E;
constexpr int chx1 = 0x0410;  // open as read-only
constexpr int stc2 = 0x0441;  // "Files of type:"
constexpr int stc3 = 0x0442;  // "File name:"
constexpr int stc4 = 0x0443;  // "Look in:"
constexpr int stc32 = 0x045F; // the placeholder of the standard part in a child template
constexpr int lst1 = 0x0460;  // folders and files
constexpr int cmb1 = 0x0470;  // the filters
constexpr int cmb2 = 0x0471;  // the current folder and those above it
constexpr int edt1 = 0x0480;  // the file name

// CommDlgExtendedError codes.
constexpr DWORD CDERR_DIALOGFAILURE = 0xFFFF;
constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
constexpr DWORD CDERR_INITIALIZATION = 0x0002;
constexpr DWORD CDERR_NOTEMPLATE = 0x0003;
constexpr DWORD CDERR_NOHINSTANCE = 0x0004;
constexpr DWORD CDERR_LOADSTRFAILURE = 0x0005;
constexpr DWORD CDERR_FINDRESFAILURE = 0x0006;
constexpr DWORD CDERR_LOADRESFAILURE = 0x0007;
constexpr DWORD CDERR_LOCKRESFAILURE = 0x0008;
constexpr DWORD CDERR_MEMALLOCFAILURE = 0x0009;
constexpr DWORD CDERR_MEMLOCKFAILURE = 0x000A;
constexpr DWORD CDERR_NOHOOK = 0x000B;
constexpr DWORD CDERR_REGISTERMSGFAIL = 0x000C;
constexpr DWORD FNERR_SUBCLASSFAILURE = 0x3001;
constexpr DWORD FNERR_INVALIDFILENAME = 0x3002;
constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

// Runs the dialog modally (the owner's top-level window disabled meanwhile). TRUE when a file was chosen: its
// full path is in lpstrFile (nFileOffset and nFileExtension point into it), its name in lpstrFileTitle,
// nFilterIndex is the filter in use, and OFN_READONLY and OFN_EXTENSIONDIFFERENT in Flags say what they say.
// FALSE when the user cancelled (CommDlgExtendedError 0) or the dialog failed (a CDERR_/FNERR_ code). When
// lpstrFile is too small for the path: FALSE, FNERR_BUFFERTOOSMALL, and the size needed (bytes, with the
// terminating zero) in the buffer's first two bytes. Without OFN_NOCHANGEDIR the current folder becomes the
// chosen file's.
BOOL GetOpenFileName(OPENFILENAME* ofn);

} // namespace win
