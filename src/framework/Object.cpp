// Run-time class names.
#include "framework/Object.h"

#include "framework/StringUtils.h"

namespace gl {

bool TObject::ClassNameIs(std::string_view name) const {
    return SameText(ClassName(), name);
}

} // namespace gl
