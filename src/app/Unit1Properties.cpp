// The main window's class as a stored layout names it, and the layout it is built from.
#include "app/Unit1.h"

#include "framework/stored/LayoutClass.h"

#include "embedded/Unit1Layout.h"

namespace gl {

void RegisterMainFormLayout() {
    LayoutClass<TF_main>("TF_main", "TForm");
    RegisterFormLayoutText("TF_main", resources::Unit1Layout);
}

} // namespace gl
