// TOpenPictureDialog: the open-file dialog of the picture import. The preview pane beside the file list is
// not there yet; the dialog runs as the plain open-file dialog.
#pragma once

#include "framework/forms/Dialogs.h"

namespace gl {

class TOpenPictureDialog : public TOpenDialog {
public:
    explicit TOpenPictureDialog(TComponent* owner);
    ~TOpenPictureDialog() override;
    std::string ClassName() const override { return "TOpenPictureDialog"; }

    bool Execute() override;
};

// TOpenPictureDialog with its stored properties (those of TOpenDialog). Safe to call more than once.
void RegisterExtDlgsLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
