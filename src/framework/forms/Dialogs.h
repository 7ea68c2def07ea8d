// The common dialogs: TCommonDialog (the modal run and the hook that routes the dialog's notices to the
// object), TOpenDialog on the platform's open-file dialog, and TFontDialog.
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Set.h"
#include "framework/core/StringList.h"
#include "framework/stored/PropertyRegistry.h"
#include "platform/dialogs/CommDlg.h"

#include <functional>
#include <memory>
#include <string>

namespace gl {

class TFont;

// In this order; each one adds one flag to the open-file request.
enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
    ofDontAddToRecent,
    ofForceShowHidden,
};
using TOpenOptions = TSet<TOpenOption>;

enum TOpenOptionEx { ofExNoPlacesBar };
using TOpenOptionsEx = TSet<TOpenOptionEx>;

// The flag of each option, in the order of TOpenOption.
win::DWORD OpenOptionFlag(TOpenOption option);

using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
// Asked per file when ofEnableIncludeNotify is set: `path` is the item's full path.
using TIncludeItemEvent = std::function<void(TObject* sender, const std::string& path, bool& include)>;

class TCommonDialog : public TComponent {
public:
    explicit TCommonDialog(TComponent* owner);
    ~TCommonDialog() override;
    std::string ClassName() const override { return "TCommonDialog"; }

    // Runs the dialog modally: true when the user accepted it.
    virtual bool Execute() = 0;

    // Stored with the layout; the dialogs look the same either way.
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool ctl3D) { m_ctl3D = ctl3D; }
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int helpContext) { m_helpContext = helpContext; }
    // The dialog's own child window while the dialog is open; null otherwise.
    win::HWND Handle() const { return m_handle; }

    TNotifyEvent OnClose;
    TNotifyEvent OnShow;

protected:
    // The overridable steps; each raises its event.
    virtual void DoShow();
    virtual void DoClose();

    // The window the dialog belongs to: the form that owns the dialog, else the main form, else none.
    win::HWND OwnerWindow() const;
    win::HWND m_handle = nullptr;

private:
    bool m_ctl3D = true;
    int m_helpContext = 0;
};

class TOpenDialog : public TCommonDialog {
public:
    explicit TOpenDialog(TComponent* owner);
    ~TOpenDialog() override;
    std::string ClassName() const override { return "TOpenDialog"; }

    // Runs the platform's open-file dialog. Cancel and any failure give false and change nothing.
    bool Execute() override;

    const std::string& DefaultExt() const { return m_defaultExt; }
    void SetDefaultExt(const std::string& ext) { m_defaultExt = ext; }
    // After a successful run: the chosen full path. While the dialog is open: the path selected in it.
    std::string FileName() const;
    void SetFileName(const std::string& fileName) { m_fileName = fileName; }
    // Pairs of description and pattern list, all separated by "|": "Bitmaps (*.bmp)|*.bmp".
    const std::string& Filter() const { return m_filter; }
    void SetFilter(const std::string& filter) { m_filter = filter; }
    // One-based; while the dialog is open, the filter the user has active.
    int FilterIndex() const;
    void SetFilterIndex(int index) { m_filterIndex = index; }
    // One trailing "/" is dropped on assignment (the root folder keeps its own).
    const std::string& InitialDir() const { return m_initialDir; }
    void SetInitialDir(const std::string& dir);
    TOpenOptions Options() const { return m_options; }
    void SetOptions(TOpenOptions options) { m_options = options; }
    TOpenOptionsEx OptionsEx() const { return m_optionsEx; }
    void SetOptionsEx(TOpenOptionsEx options) { m_optionsEx = options; }
    // Empty leaves the platform's own caption.
    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }
    // The chosen paths after a successful run.
    TStrings* Files() const { return m_files.get(); }

    TCloseQueryEvent OnCanClose;
    TNotifyEvent OnFolderChange;
    TNotifyEvent OnSelectionChange;
    TNotifyEvent OnTypeChange;
    TIncludeItemEvent OnIncludeItem;

    // The platform's form of a filter: each "|" a zero byte, and two zero bytes at the end; empty for none.
    static std::string PlatformFilter(const std::string& filter);

protected:
    virtual bool CanClose();
    virtual void DoSelectionChange();
    virtual void DoFolderChange();
    virtual void DoTypeChange();
    virtual bool DoIncludeItem(const std::string& path);

    // Fills in the request and runs it through `call` (the platform's open-file call).
    bool DoExecute(win::BOOL (*call)(win::OPENFILENAME*));
    // The named child template, or empty for none.
    std::string m_templateName;

private:
    friend struct OpenDialogHook;

    // Takes the chosen names out of the request's file buffer into FileName and Files.
    void GetFileNames(const win::OPENFILENAME& request);
    void FillRequest(win::OPENFILENAME& request, std::string& filter, std::string& buffer);
    win::UINT_PTR HandleNotify(win::HWND child, const win::OFNOTIFY& notice);

    std::string m_defaultExt;
    std::string m_fileName;
    std::string m_filter;
    int m_filterIndex = 1;
    int m_currentFilterIndex = 1;
    std::string m_initialDir;
    TOpenOptions m_options{ofHideReadOnly, ofEnableSizing};
    TOpenOptionsEx m_optionsEx;
    std::string m_title;
    std::unique_ptr<TStringList> m_files;
};

// The font chooser. The program keeps one on its window but never opens it, and the platform offers no font
// chooser: Execute opens nothing and returns false, leaving Font as it was.
class TFontDialog : public TCommonDialog {
public:
    explicit TFontDialog(TComponent* owner);
    ~TFontDialog() override;
    std::string ClassName() const override { return "TFontDialog"; }

    bool Execute() override;

    TFont* Font() const { return m_font.get(); }
    void SetFont(const TFont* font);
    int MinFontSize() const { return m_minFontSize; }
    void SetMinFontSize(int size) { m_minFontSize = size; }
    int MaxFontSize() const { return m_maxFontSize; }
    void SetMaxFontSize(int size) { m_maxFontSize = size; }

    TNotifyEvent OnApply;

private:
    std::unique_ptr<TFont> m_font;
    int m_minFontSize = 0;
    int m_maxFontSize = 0;
};

// Places a common dialog on the monitor of the active form (else of the main form, else the first monitor):
// centred across, a third of the free height from the top, neither resized nor activated.
void PlaceDialogOnMonitor(win::HWND dialog);

// TCommonDialog, TOpenDialog and TFontDialog with their stored properties and the names of their
// enumerations. Safe to call more than once.
void RegisterDialogsLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
