// The persistent base: objects that can be assigned from one another. Assign(source) asks the source to
// assign itself to this object; a class that knows how to take a source overrides Assign, a class that knows
// how to give itself to a destination overrides AssignTo. When neither does, EConvertError "Cannot assign a
// %s to a %s" names the source's class ("nil" for none) and the destination's class.
#pragma once

#include "framework/core/Object.h"

namespace gl {

class TPersistent : public TObject {
public:
    std::string ClassName() const override { return "TPersistent"; }

    virtual void Assign(const TPersistent* source);
    // Raises the conversion error for assigning source (which may be null) to this object.
    [[noreturn]] void AssignError(const TPersistent* source) const;

protected:
    virtual void AssignTo(TPersistent* destination) const;
};

} // namespace gl
