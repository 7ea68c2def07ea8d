// The open-file dialog's behaviour: its dialog procedure (the list, the boxes, the buttons, typed names), the
// child dialog whose procedure is the caller's hook, the CDN_* notifications and the CDM_* queries.
#include "platform/controls/edit/EditMessages.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/dialogs/detail/DialogInternal.h"
#include "platform/dialogs/detail/OpenFileHost.h"
#include "platform/user/User.h"

#include <cstring>

namespace win::ofn {

namespace {

constexpr const char* kStateProp = "GlyphloomOpenFileState";

UINT RegisteredMessage(const char* name) {
    return RegisterWindowMessage(name);
}

std::string Trimmed(std::string text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    return text;
}

std::string FieldText(const OpenState& s) {
    return Trimmed(GetDlgItemTextString(s.host, edt1));
}

void SetField(OpenState& s, const std::string& text) {
    s.settingField = true;
    SetDlgItemText(s.host, edt1, text.c_str());
    s.settingField = false;
}

void FocusField(OpenState& s) {
    HWND field = GetDlgItem(s.host, edt1);
    SetFocus(field);
    SendMessage(field, EM_SETSEL, 0, -1);
}

void EnterFolder(OpenState& s, const std::string& folder) {
    SetField(s, "");
    OpenFolder(s, folder, true);
}

void SelectionChanged(OpenState& s) {
    const Entry* e = SelectedEntry(s);
    SetField(s, e && !e->folder ? e->name : std::string());
    if (s.explorer) {
        Notify(s, CDN_SELCHANGE);
    } else if (s.hook) {
        const LRESULT index = SendDlgItemMessage(s.host, lst1, LB_GETCURSEL, 0, 0);
        s.hook(s.host, RegisteredMessage(LBSELCHSTRING), lst1,
               MAKELPARAM(static_cast<int>(index), e ? CD_LBSELCHANGE : CD_LBSELNOITEMS));
    }
}

// The checks a chosen path must pass before the hook is asked: the folder and the file must exist when the
// flags say so. A failure is told in a message box and the dialog stays.
bool PassesChecks(OpenState& s, const std::string& path) {
    if (s.flags & OFN_NOVALIDATE) return true;
    const std::string name = NameOf(path);
    std::string problem;
    if ((s.flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !IsFolder(ParentFolder(path)))
        problem = name + "\nPath does not exist.\nPlease check the path and try again.";
    else if ((s.flags & OFN_FILEMUSTEXIST) && (!PathExists(path) || IsFolder(path)))
        problem = name + "\nFile not found.\nPlease check the file name and try again.";
    if (problem.empty()) return true;
    MessageBox(s.host, problem.c_str(), s.title.c_str(), MB_OK | MB_ICONEXCLAMATION);
    FocusField(s);
    return false;
}

bool HookRefuses(OpenState& s) {
    if (s.explorer) return s.child && Notify(s, CDN_FILEOK) != 0;
    return s.hook && s.hook(s.host, RegisteredMessage(FILEOKSTRING), 0, reinterpret_cast<LPARAM>(s.ofn)) != 0;
}

void TryAccept(OpenState& s, std::string path) {
    if (!s.defExt.empty() && NameOf(path).find('.') == std::string::npos) path += "." + s.defExt;
    if (!PassesChecks(s, path)) return;
    if (!WriteResult(s, path)) {
        EndDialog(s.host, IDCANCEL);
        return;
    }
    if (HookRefuses(s)) return;
    s.chosen = path;
    EndDialog(s.host, IDOK);
}

void Activate(OpenState& s, const Entry& e) {
    const std::string path = JoinPath(s.folder, e.name);
    if (e.folder)
        EnterFolder(s, path);
    else
        TryAccept(s, path);
}

// The names of a field that holds several quoted ones ("a.bmp" "b.bmp"); empty for anything else.
std::vector<std::string> QuotedNames(const std::string& text) {
    std::vector<std::string> names;
    std::size_t at = text.find_first_not_of(' ');
    while (at != std::string::npos) {
        if (text[at] != '"') return {};
        const std::size_t end = text.find('"', at + 1);
        if (end == std::string::npos || end == at + 1) return {};
        names.push_back(text.substr(at + 1, end - at - 1));
        at = text.find_first_not_of(' ', end + 1);
    }
    return names.size() >= 2 ? names : std::vector<std::string>{};
}

// Several files at once (OFN_ALLOWMULTISELECT): each must pass the checks; the hook sees them all.
void TryAcceptMany(OpenState& s, std::vector<std::string> names) {
    for (std::string& name : names) {
        if (!s.defExt.empty() && name.find('.') == std::string::npos) name += "." + s.defExt;
        if (!PassesChecks(s, ResolvePath(s.folder, name))) return;
    }
    if (!WriteNames(s, s.folder, names)) {
        EndDialog(s.host, IDCANCEL);
        return;
    }
    if (HookRefuses(s)) return;
    s.chosen = ResolvePath(s.folder, names.front());
    EndDialog(s.host, IDOK);
}

// Open: the selected item when the list has the focus or nothing is typed; otherwise the typed text, which
// may be a pattern (it replaces the filter's), a folder (it opens), a file, or several quoted names when the
// caller allows more than one.
void OpenPressed(OpenState& s) {
    if (s.flags & OFN_ALLOWMULTISELECT) {
        std::vector<std::string> names = QuotedNames(GetDlgItemTextString(s.host, edt1));
        if (!names.empty()) {
            TryAcceptMany(s, std::move(names));
            return;
        }
    }
    const std::string text = FieldText(s);
    if (GetFocus() == GetDlgItem(s.host, lst1) || text.empty()) {
        if (const Entry* e = SelectedEntry(s)) {
            const Entry chosen = *e;
            Activate(s, chosen);
            return;
        }
        if (text.empty()) return;
    }
    if (HasWildcards(text) && text.find('/') == std::string::npos) {
        s.typedPatterns = SplitPatterns(text);
        Refill(s);
        return;
    }
    const std::string path = ResolvePath(s.folder, text);
    if (IsFolder(path))
        EnterFolder(s, path);
    else
        TryAccept(s, path);
}

void FilterChosen(OpenState& s) {
    const LRESULT index = SendDlgItemMessage(s.host, cmb1, CB_GETCURSEL, 0, 0);
    if (index < 0 || index + 1 == s.filterIndex) return;
    s.filterIndex = static_cast<int>(index) + 1;
    s.typedPatterns.clear();
    s.ofn->nFilterIndex = static_cast<DWORD>(s.filterIndex);
    Refill(s);
    Notify(s, CDN_TYPECHANGE);
}

void FolderChosen(OpenState& s) {
    const LRESULT index = SendDlgItemMessage(s.host, cmb2, CB_GETCURSEL, 0, 0);
    const std::vector<std::string> chain = FolderChain(s.folder);
    if (index >= 0 && index < static_cast<LRESULT>(chain.size()) &&
        chain[static_cast<std::size_t>(index)] != s.folder)
        EnterFolder(s, chain[static_cast<std::size_t>(index)]);
}

void HelpPressed(OpenState& s) {
    if (s.ofn->hwndOwner)
        SendMessage(s.ofn->hwndOwner, RegisteredMessage(HELPMSGSTRING), reinterpret_cast<WPARAM>(s.host),
                    reinterpret_cast<LPARAM>(s.ofn));
    if (s.explorer) Notify(s, CDN_HELP);
}

void Command(OpenState& s, int id, WORD code) {
    switch (id) {
    case IDOK:
        OpenPressed(s);
        break;
    case IDCANCEL:
        EndDialog(s.host, IDCANCEL);
        break;
    case psh1:
        if (s.folder != "/") EnterFolder(s, ParentFolder(s.folder));
        break;
    case pshHelp:
        HelpPressed(s);
        break;
    case lst1:
        if (code == LBN_SELCHANGE)
            SelectionChanged(s);
        else if (code == LBN_DBLCLK)
            if (const Entry* e = SelectedEntry(s)) {
                const Entry chosen = *e;
                Activate(s, chosen);
            }
        break;
    case edt1:
        // Typing a name takes over from the list's selection.
        if (code == EN_CHANGE && !s.settingField && SendDlgItemMessage(s.host, lst1, LB_GETCURSEL, 0, 0) >= 0)
            SendDlgItemMessage(s.host, lst1, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        break;
    case cmb1:
        if (code == CBN_SELCHANGE) FilterChosen(s);
        break;
    case cmb2:
        if (code == CBN_SELCHANGE) FolderChosen(s);
        break;
    default:
        break;
    }
}

LRESULT CopyOut(const std::string& text, WPARAM size, LPARAM buffer) {
    const std::size_t needed = text.size() + 1;
    auto* out = reinterpret_cast<char*>(buffer);
    if (out && size >= needed)
        std::memcpy(out, text.c_str(), needed);
    else if (out && size >= 1)
        out[0] = '\0';
    return static_cast<LRESULT>(needed);
}

LRESULT Query(OpenState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case CDM_GETSPEC:
        return CopyOut(NameOf(CurrentPath(s)), wParam, lParam);
    case CDM_GETFILEPATH:
        return CopyOut(CurrentPath(s), wParam, lParam);
    case CDM_GETFOLDERPATH:
        return CopyOut(s.folder, wParam, lParam);
    case CDM_SETCONTROLTEXT:
        return SetDlgItemText(s.host, static_cast<int>(wParam), reinterpret_cast<LPCSTR>(lParam));
    case CDM_HIDECONTROL:
        if (HWND c = GetDlgItem(s.host, static_cast<int>(wParam))) ShowWindow(c, SW_HIDE);
        return TRUE;
    case CDM_SETDEFEXT:
        s.defExt = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
        return TRUE;
    default:
        return -1; // CDM_GETFOLDERIDLIST: there are no item id lists here
    }
}

INT_PTR InitDialog(OpenState& s, HWND hwnd, WPARAM wParam) {
    s.host = hwnd;
    SetProp(hwnd, kStateProp, &s);
    FillFilterBox(s);
    SetField(s, s.initialName);
    if (!BuildParts(s)) {
        s.error = CDERR_DIALOGFAILURE;
        EndDialog(hwnd, IDCANCEL);
        return FALSE;
    }
    OpenFolder(s, s.folder, false);
    Centre(s);
    if (!s.explorer && s.hook) s.hook(hwnd, WM_INITDIALOG, wParam, reinterpret_cast<LPARAM>(s.ofn));
    if (dlg::DialogInfo* info = dlg::InfoOf(hwnd)) info->lastFocus = GetDlgItem(hwnd, edt1);
    Notify(s, CDN_INITDONE);
    Notify(s, CDN_FOLDERCHANGE);
    return FALSE;
}

INT_PTR Result(HWND hwnd, LRESULT result) {
    SetWindowLongPtr(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace

OpenState* StateOf(HWND host) {
    return static_cast<OpenState*>(GetProp(host, kStateProp));
}

LRESULT Notify(OpenState& s, UINT code, const std::string* item) {
    if (!s.child || !IsWindow(s.child)) return 0;
    SetWindowLongPtr(s.child, DWLP_MSGRESULT, 0);
    LRESULT r;
    if (code == CDN_INCLUDEITEM) {
        OFNOTIFYEX n;
        n.hdr = NMHDR{s.host, 0, code};
        n.lpOFN = s.ofn;
        n.pidl = item ? const_cast<char*>(item->c_str()) : nullptr;
        r = SendMessage(s.child, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
    } else {
        OFNOTIFY n;
        n.hdr = NMHDR{s.host, 0, code};
        n.lpOFN = s.ofn;
        r = SendMessage(s.child, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
    }
    // A hook may answer through its return value or through DWLP_MSGRESULT alone.
    if (r == 0 && IsWindow(s.child)) r = GetWindowLongPtr(s.child, DWLP_MSGRESULT);
    return r;
}

std::string CurrentPath(const OpenState& s) {
    if (const Entry* e = SelectedEntry(s)) return JoinPath(s.folder, e->name);
    const std::string text = FieldText(s);
    if (!text.empty() && !HasWildcards(text)) return ResolvePath(s.folder, text);
    return s.folder;
}

INT_PTR HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) return InitDialog(*reinterpret_cast<OpenState*>(lParam), hwnd, wParam);
    if (msg == WM_MEASUREITEM) {
        MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return Result(hwnd, TRUE);
    }
    OpenState* s = StateOf(hwnd);
    if (!s) return FALSE;
    // The old-style hook sees the dialog's messages first, and may keep them.
    if (!s->explorer && s->hook && s->hook(hwnd, msg, wParam, lParam)) return TRUE;
    switch (msg) {
    case WM_COMMAND:
        Command(*s, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == static_cast<WPARAM>(lst1))
            DrawItem(*s, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return Result(hwnd, TRUE);
    case WM_SIZE:
        Resize(*s, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_GETMINMAXINFO:
        // The window manager fills in its limits in DefWindowProc; ours only raise the smallest size.
        DefWindowProc(hwnd, msg, wParam, lParam);
        if (s->minTrack.cx > 0 && lParam)
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{s->minTrack.cx, s->minTrack.cy};
        return TRUE;
    case WM_DESTROY:
        DestroyGlyphs(*s);
        RemoveProp(hwnd, kStateProp);
        return FALSE;
    default:
        if (msg >= CDM_FIRST && msg <= CDM_SETDEFEXT) return Result(hwnd, Query(*s, msg, wParam, lParam));
        return FALSE;
    }
}

INT_PTR ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* s = reinterpret_cast<OpenState*>(lParam);
        SetProp(hwnd, kStateProp, s);
        if (s && s->hook)
            return static_cast<INT_PTR>(s->hook(hwnd, msg, wParam, reinterpret_cast<LPARAM>(s->ofn)));
        return TRUE;
    }
    const auto* s = static_cast<const OpenState*>(GetProp(hwnd, kStateProp));
    if (msg == WM_NCDESTROY) RemoveProp(hwnd, kStateProp);
    if (!s || !s->hook) return FALSE;
    return static_cast<INT_PTR>(s->hook(hwnd, msg, wParam, lParam));
}

} // namespace win::ofn
