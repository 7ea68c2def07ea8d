// The stored properties every layout builds on: TPersistent, TComponent's Tag, and string lists stored whole.
#include "framework/stored/LayoutReader.h"

#include "framework/core/StringList.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterComponentLayout(PropertyRegistry& registry) {
    LayoutClass<TPersistent>("TPersistent", {}, registry);
    LayoutClass<TComponent>("TComponent", "TPersistent", registry).Property("Tag", &TComponent::SetTag);
    // Lists are stored whole: Items.Strings = ('first' 'second').
    LayoutClass<TStrings>("TStrings", "TPersistent", registry)
        .Custom("Strings", [](TStrings& list, const LayoutValue& value, LayoutReadContext& context) {
            auto items = LayoutConvert<std::vector<std::string>>(value, context);
            TStringsUpdate update(list);
            list.Clear();
            for (const std::string& item : items) list.Add(item);
        });
    LayoutClass<TStringList>("TStringList", "TStrings", registry);
}

} // namespace gl
