// The root of the framework's classes: class names known at run time (messages show them) and the event type
// that most notifications use. The framework's names live in namespace gl.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace gl {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;

    // The class's own name as the program knows it ("TBitmap"); every class overrides it.
    virtual std::string ClassName() const { return "TObject"; }
    // Compares the class name without regard to case, as the program's own name checks do.
    bool ClassNameIs(std::string_view name) const;
    template <class T> bool InheritsFrom() const { return dynamic_cast<const T*>(this) != nullptr; }
};

// An event that only says who raised it.
using TNotifyEvent = std::function<void(TObject* sender)>;

} // namespace gl
