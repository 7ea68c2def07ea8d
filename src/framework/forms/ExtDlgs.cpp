// TOpenPictureDialog: the picture import's open-file dialog.
#include "framework/forms/ExtDlgs.h"

#include "framework/stored/LayoutClass.h"

namespace gl {

TOpenPictureDialog::TOpenPictureDialog(TComponent* owner) : TOpenDialog(owner) {}

TOpenPictureDialog::~TOpenPictureDialog() = default;

bool TOpenPictureDialog::Execute() {
    // Without its preview pane the dialog needs no child template of its own.
    m_templateName.clear();
    return DoExecute(&win::GetOpenFileName);
}

void RegisterExtDlgsLayout(PropertyRegistry& registry) {
    RegisterDialogsLayout(registry);
    LayoutClass<TOpenPictureDialog>("TOpenPictureDialog", "TOpenDialog", registry).Creatable();
}

} // namespace gl
