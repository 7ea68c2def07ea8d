// Dialog templates held in memory: the dialog record and its items, the dialog styles, the reader of the
// platform's binary template layout, and named templates that stand in for templates among a module's
// resources.
//
// Bounds are in dialog units, as on the platform. Every dialog here uses the one dialog font ("宋体", 12
// pixels), whose base units are 6 x 12 pixels, so a dialog unit is 6/4 pixel across and 12/8 pixel down
// (rounded to the nearest pixel, halves away from zero). The font a template names is kept but not used:
// the program's own controls and the platform's dialogs then line up in one font.
#pragma once

#include "platform/win/types.h"

#include <string>
#include <vector>

namespace win {

// Dialog styles (the low bits of a dialog's window style).
constexpr DWORD DS_ABSALIGN = 0x0001;
constexpr DWORD DS_SYSMODAL = 0x0002;
constexpr DWORD DS_3DLOOK = 0x0004;
constexpr DWORD DS_FIXEDSYS = 0x0008;
constexpr DWORD DS_NOFAILCREATE = 0x0010;
constexpr DWORD DS_LOCALEDIT = 0x0020;
constexpr DWORD DS_SETFONT = 0x0040;
constexpr DWORD DS_MODALFRAME = 0x0080;
constexpr DWORD DS_NOIDLEMSG = 0x0100;
constexpr DWORD DS_SETFOREGROUND = 0x0200;
constexpr DWORD DS_CONTROL = 0x0400;
constexpr DWORD DS_CENTER = 0x0800;
constexpr DWORD DS_CENTERMOUSE = 0x1000;
constexpr DWORD DS_CONTEXTHELP = 0x2000;
constexpr DWORD DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// The dialog font's base units in pixels.
constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 12;
// Dialog units to pixels.
int DialogUnitsToPixelsX(int du);
int DialogUnitsToPixelsY(int du);

struct DialogItemTemplate {
    DWORD style = 0; // WS_CHILD is added when the control is made
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    WORD id = 0;
    std::string
        className; // "BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX" or a registered class
    std::string text;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0; // relative to the owner's client area (the parent's for a child dialog)
    int y = 0;
    int cx = 0; // the client area's size
    int cy = 0;
    std::string title;
    std::string className; // empty: the dialog class "#32770"
    std::string fontFace;  // with DS_SETFONT: recorded only (see above)
    WORD pointSize = 0;
    std::vector<DialogItemTemplate> items;
};
using LPCDLGTEMPLATE = const DialogTemplate*;

// Reads a template in the platform's binary layout (the standard form, not the extended one): header, menu,
// class and title, the font when DS_SETFONT is set, then the items, each aligned to 4 bytes; strings are
// UTF-16 and predefined classes are the atoms 0x80..0x85. False when the data is short or malformed.
bool DialogTemplateFromBytes(const void* data, std::size_t size, DialogTemplate* out);

constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// Named templates of a module, found by OFN_ENABLETEMPLATE's template name and instance. Registering a name
// again replaces the template. A null instance means the program's module.
BOOL RegisterDialogTemplate(HINSTANCE instance, LPCSTR name, const DialogTemplate& dialogTemplate);
// The template registered under the name (an integer resource id given through MAKEINTRESOURCE works too);
// null when there is none.
const DialogTemplate* FindDialogTemplate(HINSTANCE instance, LPCSTR name);

} // namespace win
