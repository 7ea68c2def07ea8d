// The stored properties of the shared frame settings, for the layout registration of each framed control.
#pragma once

#include "components/RzFrameModel.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

// The names of the settings' enumerations. Safe to call more than once.
inline void RegisterFrameModelNames() {
    PropertyRegistry::RegisterEnum<TSide>({"sdLeft", "sdTop", "sdRight", "sdBottom"});
    PropertyRegistry::RegisterEnum<TFramingPreference>({"fpCustomFraming", "fpXPThemes"});
}

template <class T> LayoutClass<T>& AddFrameModelProperties(LayoutClass<T>& layout) {
    return layout.Property("DisabledColor", &T::SetDisabledColor, "TColor")
        .Property("FocusColor", &T::SetFocusColor, "TColor")
        .Property("FrameColor", &T::SetFrameColor, "TColor")
        .Property("FrameHotColor", &T::SetFrameHotColor, "TColor")
        .Property("FrameHotTrack", &T::SetFrameHotTrack)
        .Property("FrameHotStyle", &T::SetFrameHotStyle)
        .Property("FrameSides", &T::SetFrameSides)
        .Property("FrameStyle", &T::SetFrameStyle)
        .Property("FrameVisible", &T::SetFrameVisible)
        .Property("FramingPreference", &T::SetFramingPreference)
        .Property("TabOnEnter", &T::SetTabOnEnter);
}

} // namespace gl
