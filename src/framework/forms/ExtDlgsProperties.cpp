// The picture dialog's stored properties.
#include "framework/forms/ExtDlgs.h"

#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterExtDlgsLayout(PropertyRegistry& registry) {
    RegisterDialogsLayout(registry);
    RegisterExtDlgsResources();
    LayoutClass<TOpenPictureDialog>("TOpenPictureDialog", "TOpenDialog", registry).Creatable();
}

} // namespace gl
