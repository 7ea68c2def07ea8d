// The image control's stored properties.
#include "framework/controls/ExtCtrlsImage.h"

#include "framework/controls/ControlProperties.h"

#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterImageLayout(PropertyRegistry& registry) {
    RegisterControlLayout(registry);
    RegisterPictureLayout(registry);
    LayoutClass<TImage>("TImage", "TGraphicControl", registry)
        .Creatable()
        .Property("Center", &TImage::SetCenter)
        .Property("IncrementalDisplay", &TImage::SetIncrementalDisplay)
        .Property("Proportional", &TImage::SetProportional)
        .Property("Stretch", &TImage::SetStretch)
        .Property("Transparent", &TImage::SetTransparent)
        .SubObject("Picture", &TImage::Picture)
        .Event("OnProgress", &TImage::OnProgress);
}

} // namespace gl
