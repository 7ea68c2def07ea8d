// TCommonDialog and TOpenDialog: the open-file request built from the properties, the task-modal run, the
// hook that turns the dialog's notices into the object's steps, and reading the chosen names back.
#include "framework/forms/Dialogs.h"

#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "framework/forms/Screen.h"
#include "platform/system/Files.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Windows.h"

#include <array>
#include <vector>

namespace gl {

namespace {

constexpr std::array<win::DWORD, 22> kOptionFlags{
    win::OFN_READONLY,
    win::OFN_OVERWRITEPROMPT,
    win::OFN_HIDEREADONLY,
    win::OFN_NOCHANGEDIR,
    win::OFN_SHOWHELP,
    win::OFN_NOVALIDATE,
    win::OFN_ALLOWMULTISELECT,
    win::OFN_EXTENSIONDIFFERENT,
    win::OFN_PATHMUSTEXIST,
    win::OFN_FILEMUSTEXIST,
    win::OFN_CREATEPROMPT,
    win::OFN_SHAREAWARE,
    win::OFN_NOREADONLYRETURN,
    win::OFN_NOTESTFILECREATE,
    win::OFN_NONETWORKBUTTON,
    win::OFN_NOLONGNAMES,
    win::OFN_EXPLORER,
    win::OFN_NODEREFERENCELINKS,
    win::OFN_ENABLEINCLUDENOTIFY,
    win::OFN_ENABLESIZING,
    win::OFN_DONTADDTORECENT,
    win::OFN_FORCESHOWHIDDEN,
};

constexpr std::size_t kSingleFileBuffer = win::MAX_PATH;
constexpr std::size_t kMultiFileBuffer = 65519;

// The dialog being started: the hook takes it on the child's first message. Only one common dialog starts at
// a time (the call is modal and the hook runs before anything else can start another).
TOpenDialog* g_starting = nullptr;

// Cut to at most `size` bytes without splitting a character.
std::string CutToBytes(const std::string& text, std::size_t size) {
    if (text.size() <= size) return text;
    std::size_t end = size;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

// The other windows of the program are disabled while a dialog runs (the platform disables the owner itself),
// and enabled again afterwards; the active window and the focus come back too.
class TaskModal {
public:
    explicit TaskModal(win::HWND owner) : m_active(win::GetActiveWindow()), m_focus(win::GetFocus()) {
        m_owner = owner;
        win::EnumWindows(&TaskModal::Collect, reinterpret_cast<win::LPARAM>(this));
        for (win::HWND hwnd : m_disabled) win::EnableWindow(hwnd, win::FALSE);
    }
    ~TaskModal() {
        for (win::HWND hwnd : m_disabled)
            if (win::IsWindow(hwnd)) win::EnableWindow(hwnd, win::TRUE);
        if (m_active && win::IsWindow(m_active)) win::SetActiveWindow(m_active);
        if (m_focus && win::IsWindow(m_focus)) win::SetFocus(m_focus);
    }
    TaskModal(const TaskModal&) = delete;
    TaskModal& operator=(const TaskModal&) = delete;

private:
    static win::BOOL Collect(win::HWND hwnd, win::LPARAM lParam) {
        auto* self = reinterpret_cast<TaskModal*>(lParam);
        if (hwnd != self->m_owner && win::IsWindowVisible(hwnd) && win::IsWindowEnabled(hwnd))
            self->m_disabled.push_back(hwnd);
        return win::TRUE;
    }

    win::HWND m_active;
    win::HWND m_focus;
    win::HWND m_owner = nullptr;
    std::vector<win::HWND> m_disabled;
};

// The monitor the dialog belongs on: that of the active form, else of the main form, else the first one.
TMonitor DialogMonitor() {
    TCustomForm* form = Screen->ActiveForm();
    if (!form && Application) form = Application->MainForm();
    if (form && form->HandleAllocated()) return Screen->MonitorFromWindow(form->Handle());
    return Screen->Monitors(0);
}

} // namespace

void PlaceDialogOnMonitor(win::HWND dialog) {
    win::RECT rect{};
    if (!win::GetWindowRect(dialog, &rect)) return;
    const TMonitor monitor = DialogMonitor();
    // A third of the free height above the dialog and two thirds below it: the eye starts high on a screen.
    const int left = monitor.Left() + (monitor.Width() - RectWidth(rect)) / 2;
    const int top = monitor.Top() + (monitor.Height() - RectHeight(rect)) / 3;
    win::SetWindowPos(dialog, nullptr, left, top, 0, 0,
                      win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
}

win::DWORD OpenOptionFlag(TOpenOption option) {
    const auto index = static_cast<std::size_t>(option);
    return index < kOptionFlags.size() ? kOptionFlags[index] : 0;
}

// ---- TCommonDialog ----

TCommonDialog::TCommonDialog(TComponent* owner) : TComponent(owner) {}

TCommonDialog::~TCommonDialog() = default;

void TCommonDialog::DoShow() {
    if (OnShow) OnShow(this);
}

void TCommonDialog::DoClose() {
    if (OnClose) OnClose(this);
}

win::HWND TCommonDialog::OwnerWindow() const {
    for (TComponent* owner = Owner(); owner; owner = owner->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(owner); form && form->HandleAllocated())
            return form->Handle();
    if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
        return Application->MainForm()->Handle();
    return nullptr;
}

// ---- The hook ----

// The hook of the explorer-style dialog, a friend of TOpenDialog. It finds its object in the child's
// DWLP_USER slot. Exceptions from the object's steps go to the application's error display and never reach
// the platform.
struct OpenDialogHook {
    static win::UINT_PTR Proc(win::HWND child, win::UINT msg, win::WPARAM, win::LPARAM lParam) {
        if (msg == win::WM_INITDIALOG) {
            // The old-style dialog has no child: the hook runs on the dialog itself, which is placed at once.
            if (!(win::GetWindowLong(child, win::GWL_STYLE) & win::WS_CHILD)) PlaceDialogOnMonitor(child);
            if (g_starting) {
                g_starting->m_handle = child;
                win::SetWindowLongPtr(child, win::DWLP_USER, reinterpret_cast<win::LONG_PTR>(g_starting));
                g_starting = nullptr;
            }
            return 0;
        }
        auto* dialog = reinterpret_cast<TOpenDialog*>(win::GetWindowLongPtr(child, win::DWLP_USER));
        if (!dialog) return 0;
        try {
            if (msg == win::WM_NOTIFY &&
                reinterpret_cast<const win::NMHDR*>(lParam)->code == win::CDN_INITDONE)
                PlaceDialogOnMonitor(win::GetParent(child));
            if (msg == win::WM_NOTIFY)
                return dialog->HandleNotify(child, *reinterpret_cast<const win::OFNOTIFY*>(lParam));
            if (msg == win::WM_DESTROY) dialog->DoClose();
            if (msg == win::WM_NCDESTROY) dialog->m_handle = nullptr;
        } catch (...) {
            if (Application) Application->HandleException(dialog);
        }
        return 0;
    }
};

// ---- TOpenDialog ----

TOpenDialog::TOpenDialog(TComponent* owner)
    : TCommonDialog(owner), m_files(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

std::string TOpenDialog::PlatformFilter(const std::string& filter) {
    if (filter.empty()) return {};
    std::string result = filter;
    for (char& c : result)
        if (c == '|') c = '\0';
    result.append(2, '\0');
    return result;
}

std::string TOpenDialog::FileName() const {
    if (!m_handle) return m_fileName;
    std::array<char, std::size_t{win::MAX_PATH} + 1> path{};
    // The explorer style's handle is the child dialog inside the open-file dialog; the old style's is the
    // dialog.
    const bool child = (win::GetWindowLong(m_handle, win::GWL_STYLE) & win::WS_CHILD) != 0;
    const auto size = win::SendMessage(child ? win::GetParent(m_handle) : m_handle, win::CDM_GETFILEPATH,
                                       path.size(), reinterpret_cast<win::LPARAM>(path.data()));
    return size > 0 ? std::string(path.data()) : std::string();
}

int TOpenDialog::FilterIndex() const {
    return m_handle ? m_currentFilterIndex : m_filterIndex;
}

void TOpenDialog::SetInitialDir(const std::string& dir) {
    m_initialDir = dir;
    // The root folder keeps its only delimiter, as a drive's root does after its colon.
    const std::size_t n = m_initialDir.size();
    if (n > 1 && (m_initialDir.back() == '/' || m_initialDir.back() == '\\') && m_initialDir[n - 2] != ':')
        m_initialDir.pop_back();
}

bool TOpenDialog::Execute() {
    return DoExecute(&win::GetOpenFileName);
}

void TOpenDialog::FillRequest(win::OPENFILENAME& request, std::string& filter, std::string& buffer) {
    request.lStructSize = sizeof(win::OPENFILENAME);
    request.hwndOwner = OwnerWindow();
    filter = PlatformFilter(m_filter);
    request.lpstrFilter = filter.empty() ? nullptr : filter.data();
    request.nFilterIndex = static_cast<win::DWORD>(m_filterIndex);
    m_currentFilterIndex = m_filterIndex;

    const std::size_t size = m_options.Contains(ofAllowMultiSelect) ? kMultiFileBuffer : kSingleFileBuffer;
    buffer.assign(size + 2, '\0');
    const std::string initial = CutToBytes(m_fileName, size);
    buffer.replace(0, initial.size(), initial);
    request.lpstrFile = buffer.data();
    request.nMaxFile = static_cast<win::DWORD>(size);
    request.lpstrInitialDir = m_initialDir.c_str();
    request.lpstrTitle = m_title.empty() ? nullptr : m_title.c_str();

    win::DWORD flags = win::OFN_ENABLEHOOK;
    for (std::size_t i = 0; i < kOptionFlags.size(); ++i)
        if (m_options.Contains(static_cast<TOpenOption>(i))) flags |= kOptionFlags[i];
    // The explorer style unless the old style is asked for.
    flags ^= win::OFN_EXPLORER;
    if (m_optionsEx.Contains(ofExNoPlacesBar)) request.FlagsEx |= win::OFN_EX_NOPLACESBAR;
    request.lpfnHook = &OpenDialogHook::Proc;
    if (!m_templateName.empty()) {
        flags |= win::OFN_ENABLETEMPLATE;
        request.lpTemplateName = m_templateName.c_str();
    }
    request.Flags = flags;
}

bool TOpenDialog::DoExecute(win::BOOL (*call)(win::OPENFILENAME*)) {
    m_files->Clear();
    win::OPENFILENAME request{};
    std::string filter;
    std::string buffer;
    FillRequest(request, filter, buffer);
    std::string defaultExt = m_defaultExt;
    if (defaultExt.empty() && !(request.Flags & win::OFN_EXPLORER)) {
        const std::size_t dot = m_fileName.rfind('.');
        if (dot != std::string::npos && m_fileName.find('/', dot) == std::string::npos)
            defaultExt = m_fileName.substr(dot + 1);
    }
    request.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();

    win::BOOL chosen = win::FALSE;
    {
        TaskModal modal(request.hwndOwner);
        g_starting = this;
        chosen = call(&request);
        g_starting = nullptr;
        m_handle = nullptr;
    }
    if (!chosen) return false;
    GetFileNames(request);
    if (request.Flags & win::OFN_EXTENSIONDIFFERENT)
        m_options.Include(ofExtensionDifferent);
    else
        m_options.Exclude(ofExtensionDifferent);
    if (request.Flags & win::OFN_READONLY)
        m_options.Include(ofReadOnly);
    else
        m_options.Exclude(ofReadOnly);
    m_filterIndex = static_cast<int>(request.nFilterIndex);
    return true;
}

void TOpenDialog::GetFileNames(const win::OPENFILENAME& request) {
    // One path, or (with multiple selection) a folder followed by names, all ending in a zero byte each. A
    // single path is read only up to its zero byte: what follows is the rest of a longer start name.
    std::vector<std::string> parts;
    const bool several = m_options.Contains(ofAllowMultiSelect);
    const char* p = request.lpstrFile;
    const char* end = p + request.nMaxFile;
    while (p < end && *p && (several || parts.empty())) {
        const char* start = p;
        while (p < end && *p) ++p;
        parts.emplace_back(start, p);
        ++p;
    }
    // The old style separates the names of a multiple selection by blanks instead.
    if (parts.size() == 1 && m_options.Contains(ofAllowMultiSelect) && !(request.Flags & win::OFN_EXPLORER) &&
        request.nFileOffset > 0 && request.nFileOffset <= parts.front().size() &&
        parts.front()[request.nFileOffset - 1] == ' ') {
        std::vector<std::string> names;
        std::string_view rest(parts.front());
        for (std::size_t at = 0; at <= rest.size();) {
            const std::size_t blank = std::min(rest.find(' ', at), rest.size());
            if (blank > at) names.emplace_back(rest.substr(at, blank - at));
            at = blank + 1;
        }
        parts = std::move(names);
    }
    m_files->Clear();
    if (parts.size() <= 1) {
        m_fileName = parts.empty() ? std::string() : parts.front();
        m_files->Add(m_fileName);
        return;
    }
    std::string folder = parts.front();
    if (folder.back() != '/') folder += '/';
    for (std::size_t i = 1; i < parts.size(); ++i)
        m_files->Add(parts[i].front() == '/' ? parts[i] : folder + parts[i]);
    m_fileName = m_files->Strings(0);
}

win::UINT_PTR TOpenDialog::HandleNotify(win::HWND child, const win::OFNOTIFY& notice) {
    switch (notice.hdr.code) {
    case win::CDN_INITDONE:
        DoShow();
        break;
    case win::CDN_SELCHANGE:
        DoSelectionChange();
        break;
    case win::CDN_FOLDERCHANGE:
        DoFolderChange();
        break;
    case win::CDN_TYPECHANGE:
        if (notice.lpOFN && static_cast<int>(notice.lpOFN->nFilterIndex) != m_currentFilterIndex) {
            m_currentFilterIndex = static_cast<int>(notice.lpOFN->nFilterIndex);
            DoTypeChange();
        }
        break;
    case win::CDN_INCLUDEITEM: {
        const auto& item = reinterpret_cast<const win::OFNOTIFYEX&>(notice);
        const bool include = DoIncludeItem(item.pidl ? static_cast<const char*>(item.pidl) : "");
        win::SetWindowLongPtr(child, win::DWLP_MSGRESULT, include ? 1 : 0);
        return include ? 1 : 0;
    }
    case win::CDN_FILEOK: {
        // The handler sees the names; they become the result only when the run ends with them.
        const std::string kept = m_fileName;
        if (notice.lpOFN) GetFileNames(*notice.lpOFN);
        const bool accepted = CanClose();
        m_files->Clear();
        m_fileName = kept;
        if (!accepted) {
            win::SetWindowLongPtr(child, win::DWLP_MSGRESULT, 1);
            return 1;
        }
        break;
    }
    default:
        break;
    }
    return 0;
}

bool TOpenDialog::CanClose() {
    bool canClose = true;
    if (OnCanClose) OnCanClose(this, canClose);
    return canClose;
}

void TOpenDialog::DoSelectionChange() {
    if (OnSelectionChange) OnSelectionChange(this);
}

void TOpenDialog::DoFolderChange() {
    if (OnFolderChange) OnFolderChange(this);
}

void TOpenDialog::DoTypeChange() {
    if (OnTypeChange) OnTypeChange(this);
}

bool TOpenDialog::DoIncludeItem(const std::string& path) {
    bool include = true;
    if (OnIncludeItem) OnIncludeItem(this, path, include);
    return include;
}

} // namespace gl
