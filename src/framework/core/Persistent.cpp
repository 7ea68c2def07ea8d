// The persistent base rule.
#include "framework/core/Persistent.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"

namespace gl {

void TPersistent::Assign(const TPersistent* source) {
    if (!source) AssignError(nullptr);
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* destination) const {
    destination->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const {
    throw EConvertError(
        Format(msg::SAssignError, source ? source->ClassName() : std::string("nil"), ClassName()));
}

} // namespace gl
