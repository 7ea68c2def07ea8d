// The persistent base rule.
#include "framework/Persistent.h"

#include "framework/Exceptions.h"
#include "framework/Format.h"
#include "framework/MessageTexts.h"

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
