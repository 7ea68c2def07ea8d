// GetOpenFileName: checking the caller's OPENFILENAME record, the folder and name to start with, running the
// dialog, and writing the chosen path back into the record.
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/detail/OpenFileHost.h"
#include "platform/system/Files.h"
#include "platform/system/Language.h"
#include "platform/user/User.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace win {

namespace {

bool SizeAccepted(DWORD size) {
    return size == sizeof(OPENFILENAME) || size == OPENFILENAME_SIZE_VERSION_400 ||
           size == kOpenFileNameSize32 || size == kOpenFileNameSize32Old;
}

std::string CurrentFolder() {
    const DWORD needed = GetCurrentDirectory(0, nullptr);
    if (needed == 0) return "/";
    std::string folder(needed, '\0');
    const DWORD length = GetCurrentDirectory(needed, folder.data());
    folder.resize(std::min<DWORD>(length, needed));
    return folder.empty() ? "/" : folder;
}

// The folder to start in and the name to show: a path in lpstrFile names both; otherwise lpstrInitialDir, or
// the current folder.
void StartingPoint(ofn::OpenState& s) {
    const OPENFILENAME& o = *s.ofn;
    const std::string cwd = CurrentFolder();
    const std::string given(o.lpstrFile, strnlen(o.lpstrFile, o.nMaxFile));
    if (given.find('/') != std::string::npos) {
        const std::string path = ofn::ResolvePath(cwd, given);
        if (ofn::IsFolder(path)) {
            s.folder = path;
        } else if (ofn::IsFolder(ofn::ParentFolder(path))) {
            s.folder = ofn::ParentFolder(path);
            s.initialName = ofn::NameOf(path);
        }
    } else {
        s.initialName = given;
    }
    if (s.folder.empty() && o.lpstrInitialDir && *o.lpstrInitialDir) {
        const std::string dir = ofn::ResolvePath(cwd, o.lpstrInitialDir);
        if (ofn::IsFolder(dir)) s.folder = dir;
    }
    if (s.folder.empty()) s.folder = ofn::ResolvePath("/", cwd);
}

// The child template asked for, or the error code when it cannot be had.
DWORD FindChildTemplate(ofn::OpenState& s) {
    const OPENFILENAME& o = *s.ofn;
    if (!s.explorer) return 0; // the old-style dialog has no child dialog
    if (s.flags & OFN_ENABLETEMPLATEHANDLE) {
        if (!o.hInstance) return CDERR_NOHINSTANCE;
        s.childTemplate = *reinterpret_cast<const DialogTemplate*>(o.hInstance);
    } else if (s.flags & OFN_ENABLETEMPLATE) {
        if (!o.lpTemplateName) return CDERR_NOTEMPLATE;
        const DialogTemplate* named = FindDialogTemplate(o.hInstance, o.lpTemplateName);
        if (!named) return CDERR_FINDRESFAILURE;
        s.childTemplate = *named; // a copy: the hook may register templates while the dialog runs
    }
    return 0;
}

DWORD Prepare(ofn::OpenState& s) {
    OPENFILENAME& o = *s.ofn;
    if (!SizeAccepted(o.lStructSize)) return CDERR_STRUCTSIZE;
    if (o.hwndOwner && !IsWindow(o.hwndOwner)) return CDERR_DIALOGFAILURE;
    if (!o.lpstrFile || o.nMaxFile == 0) return CDERR_INITIALIZATION;
    s.flags = o.Flags;
    s.explorer = (s.flags & OFN_EXPLORER) != 0;
    if (s.flags & OFN_ENABLEHOOK) {
        if (!o.lpfnHook) return CDERR_NOHOOK;
        s.hook = o.lpfnHook;
    }
    if (const DWORD error = FindChildTemplate(s)) return error;
    s.title = (o.lpstrTitle && *o.lpstrTitle) ? o.lpstrTitle : PlatformString(PlatformText::OpenTitle);
    s.defExt = o.lpstrDefExt ? o.lpstrDefExt : "";
    s.filters = ofn::ParseFilter(o.lpstrFilter);
    const auto count = static_cast<DWORD>(s.filters.size());
    s.filterIndex =
        count == 0 ? 0
                   : static_cast<int>((o.nFilterIndex >= 1 && o.nFilterIndex <= count) ? o.nFilterIndex : 1);
    StartingPoint(s);
    return 0;
}

bool SameWithoutCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The first n bytes of a UTF-8 text, not ending inside a character.
std::size_t CutAtCharacter(const std::string& text, std::size_t n) {
    if (n >= text.size()) return text.size();
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    return n;
}

} // namespace

namespace ofn {

bool WriteResult(OpenState& s, const std::string& path) {
    OPENFILENAME& o = *s.ofn;
    const std::size_t needed = path.size() + 1;
    if (!o.lpstrFile || o.nMaxFile < needed) {
        if (o.lpstrFile && o.nMaxFile >= 2) {
            const auto size = static_cast<WORD>(std::min<std::size_t>(needed, 0xFFFF));
            std::memcpy(o.lpstrFile, &size, sizeof size);
        }
        s.error = FNERR_BUFFERTOOSMALL;
        return false;
    }
    std::memcpy(o.lpstrFile, path.c_str(), needed);
    // A list of names ends in two zero bytes; one path is read as a list when the caller allows several, and
    // what a longer start name left behind must not read as a second name.
    if ((s.flags & OFN_ALLOWMULTISELECT) && o.nMaxFile > needed) o.lpstrFile[needed] = '\0';
    const std::size_t nameAt = path.find_last_of('/') + 1;
    const std::string name = path.substr(nameAt);
    const std::size_t dot = name.find_last_of('.');
    o.nFileOffset = static_cast<WORD>(std::min<std::size_t>(nameAt, 0xFFFF));
    if (dot == std::string::npos)
        o.nFileExtension = static_cast<WORD>(std::min<std::size_t>(path.size(), 0xFFFF));
    else if (dot + 1 == name.size())
        o.nFileExtension = 0;
    else
        o.nFileExtension = static_cast<WORD>(std::min<std::size_t>(nameAt + dot + 1, 0xFFFF));
    if (o.lpstrFileTitle && o.nMaxFileTitle > 0) {
        const std::size_t n = CutAtCharacter(name, std::min<std::size_t>(name.size(), o.nMaxFileTitle - 1));
        std::memcpy(o.lpstrFileTitle, name.data(), n);
        o.lpstrFileTitle[n] = '\0';
    }
    if (s.filterIndex > 0) o.nFilterIndex = static_cast<DWORD>(s.filterIndex);
    if (HWND check = GetDlgItem(s.host, chx1)) {
        if (SendMessage(check, BM_GETCHECK, 0, 0) == BST_CHECKED)
            o.Flags |= OFN_READONLY;
        else
            o.Flags &= ~OFN_READONLY;
    }
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    if (!s.defExt.empty() && !SameWithoutCase(extension, s.defExt))
        o.Flags |= OFN_EXTENSIONDIFFERENT;
    else
        o.Flags &= ~OFN_EXTENSIONDIFFERENT;
    return true;
}

bool WriteNames(OpenState& s, const std::string& folder, const std::vector<std::string>& names) {
    OPENFILENAME& o = *s.ofn;
    const char separator = s.explorer ? '\0' : ' ';
    std::string list = folder;
    for (const std::string& name : names) list += separator + name;
    list += '\0';
    if (s.explorer) list += '\0';
    if (!o.lpstrFile || o.nMaxFile < list.size()) {
        if (o.lpstrFile && o.nMaxFile >= 2) {
            const auto size = static_cast<WORD>(std::min<std::size_t>(list.size(), 0xFFFF));
            std::memcpy(o.lpstrFile, &size, sizeof size);
        }
        s.error = FNERR_BUFFERTOOSMALL;
        return false;
    }
    std::memcpy(o.lpstrFile, list.data(), list.size());
    o.nFileOffset = static_cast<WORD>(std::min<std::size_t>(folder.size() + 1, 0xFFFF));
    o.nFileExtension = 0;
    if (o.lpstrFileTitle && o.nMaxFileTitle > 0) o.lpstrFileTitle[0] = '\0';
    if (s.filterIndex > 0) o.nFilterIndex = static_cast<DWORD>(s.filterIndex);
    o.Flags &= ~OFN_EXTENSIONDIFFERENT;
    return true;
}

} // namespace ofn

BOOL GetOpenFileName(OPENFILENAME* record) {
    if (!record) return FALSE;
    ofn::OpenState s;
    s.ofn = record;
    if (Prepare(s) != 0) return FALSE; // a record the dialog cannot serve shows nothing
    // What a cancelled or failed run must leave as it found it.
    const DWORD flags = record->Flags, filterIndex = record->nFilterIndex;
    const std::string file(record->lpstrFile, strnlen(record->lpstrFile, record->nMaxFile));
    const DialogTemplate hostTemplate = ofn::HostTemplate(s);
    const INT_PTR result = DialogBoxIndirectParam(nullptr, &hostTemplate, record->hwndOwner, &ofn::HostProc,
                                                  reinterpret_cast<LPARAM>(&s));
    if (result == IDOK && !s.chosen.empty()) {
        if (!(record->Flags & OFN_NOCHANGEDIR)) SetCurrentDirectory(ofn::ParentFolder(s.chosen).c_str());
        return TRUE;
    }
    record->Flags = flags;
    record->nFilterIndex = filterIndex;
    if (s.error != FNERR_BUFFERTOOSMALL) {
        std::memcpy(record->lpstrFile, file.data(), file.size());
        record->lpstrFile[std::min<std::size_t>(file.size(), record->nMaxFile - 1)] = '\0';
    }
    return FALSE;
}

} // namespace win
