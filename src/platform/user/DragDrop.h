// Files dropped on a window from the desktop: windows that accept them receive WM_DROPFILES with a drop
// handle, which lists the files and where they fell until DragFinish frees it. Names are UTF-8.
#pragma once

#include "platform/user/Clipboard.h"
#include "platform/win/types.h"

#include <string>
#include <vector>

namespace win {

using HDROP = HGLOBAL;

// The block behind a drop handle: this record, then the names, each ending in a zero, and one zero more.
struct DROPFILES {
    DWORD pFiles = sizeof(DROPFILES); // where the names start
    POINT pt{};                       // in the client coordinates of the window dropped on
    BOOL fNC = FALSE;                 // dropped on the window's frame rather than its client area
    BOOL fWide = FALSE;               // always FALSE here: the names are UTF-8
};

// Sets or clears the window's WS_EX_ACCEPTFILES.
void DragAcceptFiles(HWND hwnd, BOOL accept);
// index 0xFFFFFFFF: the number of files. Otherwise the length of that file's name without its zero when
// buffer is null, or copies it (cut to size - 1 bytes) with a zero and returns the bytes copied; 0 for an
// index past the last file or a handle that is not a drop.
UINT DragQueryFile(HDROP drop, UINT index, LPSTR buffer, UINT size);
void DragFinish(HDROP drop);

// For the input routing, the desktop's drop at a point of the screen: the window under it, or the nearest of
// its parents, that accepts files (and is enabled), and a new drop handle for its WM_DROPFILES; false when no
// window takes the files.
bool DropTarget(const std::vector<std::string>& files, POINT screen, HWND& target, HDROP& drop);

} // namespace win
