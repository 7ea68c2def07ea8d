// The timer's stored properties.
#include "framework/forms/ExtCtrlsTimer.h"

#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"

namespace gl {

void RegisterTimerLayout(PropertyRegistry& registry) {
    RegisterComponentLayout(registry);
    LayoutClass<TTimer>("TTimer", "TComponent", registry)
        .Creatable()
        .Property("Enabled", &TTimer::SetEnabled)
        .Property("Interval", &TTimer::SetInterval)
        .Event("OnTimer", &TTimer::OnTimer);
}

} // namespace gl
