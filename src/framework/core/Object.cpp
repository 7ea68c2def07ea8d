// Run-time class names.
#include "framework/core/Object.h"

#include "framework/core/StringUtils.h"

namespace gl {

bool TObject::ClassNameIs(std::string_view name) const {
    return SameText(ClassName(), name);
}

} // namespace gl
