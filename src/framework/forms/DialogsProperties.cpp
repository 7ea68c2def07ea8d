// The common dialogs' stored properties: TCommonDialog, TOpenDialog and TFontDialog, and the open options'
// names.
#include "framework/forms/Dialogs.h"

#include "framework/graphics/Font.h"
#include "framework/graphics/FontProperties.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterDialogsLayout(PropertyRegistry& registry) {
    RegisterComponentLayout(registry);
    RegisterFontLayout(registry);
    PropertyRegistry::RegisterEnum<TOpenOption>(
        {"ofReadOnly",         "ofOverwritePrompt",    "ofHideReadOnly",        "ofNoChangeDir",
         "ofShowHelp",         "ofNoValidate",         "ofAllowMultiSelect",    "ofExtensionDifferent",
         "ofPathMustExist",    "ofFileMustExist",      "ofCreatePrompt",        "ofShareAware",
         "ofNoReadOnlyReturn", "ofNoTestFileCreate",   "ofNoNetworkButton",     "ofNoLongNames",
         "ofOldStyleDialog",   "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing",
         "ofDontAddToRecent",  "ofForceShowHidden"});
    PropertyRegistry::RegisterEnum<TOpenOptionEx>({"ofExNoPlacesBar"});

    LayoutClass<TCommonDialog>("TCommonDialog", "TComponent", registry)
        .Property("Ctl3D", &TCommonDialog::SetCtl3D)
        .Property("HelpContext", &TCommonDialog::SetHelpContext)
        .Event("OnClose", &TCommonDialog::OnClose)
        .Event("OnShow", &TCommonDialog::OnShow);
    LayoutClass<TOpenDialog>("TOpenDialog", "TCommonDialog", registry)
        .Creatable()
        .Property("DefaultExt", &TOpenDialog::SetDefaultExt)
        .Property("FileName", &TOpenDialog::SetFileName)
        .Property("Filter", &TOpenDialog::SetFilter)
        .Property("FilterIndex", &TOpenDialog::SetFilterIndex)
        .Property("InitialDir", &TOpenDialog::SetInitialDir)
        .Property("Options", &TOpenDialog::SetOptions)
        .Property("OptionsEx", &TOpenDialog::SetOptionsEx)
        .Property("Title", &TOpenDialog::SetTitle)
        .Event("OnCanClose", &TOpenDialog::OnCanClose)
        .Event("OnFolderChange", &TOpenDialog::OnFolderChange)
        .Event("OnSelectionChange", &TOpenDialog::OnSelectionChange)
        .Event("OnTypeChange", &TOpenDialog::OnTypeChange)
        .Event("OnIncludeItem", &TOpenDialog::OnIncludeItem)
        // Older layouts say how the file name field looked; it has only one look now.
        .Ignored("FileEditStyle");
    LayoutClass<TFontDialog>("TFontDialog", "TCommonDialog", registry)
        .Creatable()
        .SubObject("Font", &TFontDialog::Font)
        .Property("MinFontSize", &TFontDialog::SetMinFontSize)
        .Property("MaxFontSize", &TFontDialog::SetMaxFontSize)
        .Event("OnApply", &TFontDialog::OnApply);
}

} // namespace gl
