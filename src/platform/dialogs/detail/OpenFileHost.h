// Inside the open-file dialog: the state of one run, shared by the files that make up the dialog
// (OpenFileDialog.cpp: the call and its result; OpenFileHostProc.cpp: the dialog's messages and the hook;
// OpenFileLayout.cpp: the controls' template and places, the child dialog around them; OpenFileList.cpp: the
// folder list, the folder box and the filter box). Not for use outside src/platform/dialogs.
#pragma once

#include "platform/dialogs/CommDlg.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/dialogs/detail/FolderPaths.h"

#include <optional>
#include <string>
#include <vector>

namespace win::ofn {

// A control of the child dialog, with where the template put it (pixels, in the child's coordinates).
struct ChildControl {
    HWND hwnd = nullptr;
    RECT rect{};
    bool right = false; // right of the placeholder: follows its right edge
    bool below = false; // below the placeholder: follows its bottom edge
};

struct OpenState {
    OPENFILENAME* ofn = nullptr;
    DWORD flags = 0;
    bool explorer = false;
    LPOFNHOOKPROC hook = nullptr;
    std::optional<DialogTemplate> childTemplate;
    std::string title;
    std::string defExt;

    std::vector<FilterPair> filters;
    int filterIndex = 0; // one-based; 0 without filters
    std::vector<std::string>
        typedPatterns; // a pattern typed as the name replaces the filter's until the next
    std::string folder;
    std::vector<Entry> entries; // what the list shows, in its order
    std::string initialName;

    HWND host = nullptr;
    HWND child = nullptr;
    HIMAGELIST glyphs = nullptr;
    bool settingField = false;

    // Places: the standard part's natural size, where it lies in the dialog, the child's controls, and the
    // dialog's first client size (the smallest it can be sized to).
    SIZE standardSize{};
    RECT standardArea{};
    HWND placeholder = nullptr;
    std::vector<ChildControl> childControls;
    SIZE firstClient{};
    SIZE minTrack{};

    std::string chosen; // the full path accepted
    DWORD error = 0;    // FNERR_BUFFERTOOSMALL: the record keeps the size needed instead of its name
};

// --- The dialog (OpenFileHostProc.cpp) ---
// The dialog procedures of the dialog and of the child dialog (whose hook is the caller's).
INT_PTR HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Sends a CDN_* notification to the child dialog; returns what the hook answered (its message result).
LRESULT Notify(OpenState& s, UINT code, const std::string* item = nullptr);
OpenState* StateOf(HWND host);

// --- Places (OpenFileLayout.cpp) ---
DialogTemplate HostTemplate(const OpenState& s);
// Makes the child dialog (when there is to be one) and sizes the dialog around both parts.
bool BuildParts(OpenState& s);
// Lays the standard controls into an area of the dialog's client area.
void LayOutStandard(OpenState& s, const RECT& area);
// Follows a new client size of the dialog.
void Resize(OpenState& s, int width, int height);
// Centres the dialog on its owner (on the screen when the owner is hidden).
void Centre(OpenState& s);

// --- Lists (OpenFileList.cpp) ---
void FillFilterBox(OpenState& s);
// Opens a folder: the list, the folder box, and CDN_FOLDERCHANGE when notify.
void OpenFolder(OpenState& s, const std::string& folder, bool notify);
// Lists the current folder again (another filter or typed pattern).
void Refill(OpenState& s);
// The entry selected in the list, or null.
const Entry* SelectedEntry(const OpenState& s);
void MeasureItem(MEASUREITEMSTRUCT* m);
void DrawItem(OpenState& s, const DRAWITEMSTRUCT* d);
void DestroyGlyphs(OpenState& s);

// --- The choice (OpenFileDialog.cpp) ---
// The full path of what is chosen now: the selected item, else the typed name, else the folder itself.
std::string CurrentPath(const OpenState& s);
// Writes a path into the caller's record as the result (lpstrFile, offsets, title, filter index, flags);
// false (with FNERR_BUFFERTOOSMALL) when lpstrFile cannot hold it.
bool WriteResult(OpenState& s, const std::string& path);
// Writes several names of one folder as the result: the folder, then each name, each ending in a zero byte
// and the list in a second one (separated by blanks instead in the old style); false (with
// FNERR_BUFFERTOOSMALL) when lpstrFile cannot hold them.
bool WriteNames(OpenState& s, const std::string& folder, const std::vector<std::string>& names);

} // namespace win::ofn
