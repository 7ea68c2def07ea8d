// The frame controller's stored properties.
#include "components/RzFrameController.h"

#include "framework/graphics/Colors.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterFrameControllerLayout(PropertyRegistry& registry) {
    RegisterColorConstants();
    PropertyRegistry::RegisterEnum<TFrameStyleEx>({"fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered",
                                                   "fsButtonDown", "fsRaised", "fsButtonUp", "fsStatus",
                                                   "fsPopup", "fsFlatBold", "fsFlatRounded"});
    LayoutClass<TRzFrameController>("TRzFrameController", "TComponent", registry)
        .Creatable()
        .Property("FrameVisible", &TRzFrameController::SetFrameVisible)
        .Property("FrameStyle", &TRzFrameController::SetFrameStyle)
        .Property("FrameColor", &TRzFrameController::SetFrameColor, "TColor")
        .Property("Color", &TRzFrameController::SetColor, "TColor")
        .Property("ParentColor", &TRzFrameController::SetParentColor);
}

} // namespace gl
