// The base of the canvas's drawing objects (font, pen, brush): a persistent object that tells its owner
// through OnChange after every change of one of its properties.
#pragma once

#include "framework/core/Persistent.h"
#include "platform/gdi/Owners.h"

#include <utility>

namespace gl {

class TGraphicsObject : public TPersistent {
public:
    TGraphicsObject() = default;
    // Drawing objects are copied by Assign, which leaves the owner's OnChange in place.
    TGraphicsObject(const TGraphicsObject&) = delete;
    TGraphicsObject& operator=(const TGraphicsObject&) = delete;

    std::string ClassName() const override { return "TGraphicsObject"; }

    // Raised after a change; the canvas or control that owns the object sets it.
    TNotifyEvent OnChange;

protected:
    // Every setter that stores a new value ends here.
    virtual void Changed() {
        if (OnChange) OnChange(this);
    }

    // Drops the platform object made for the old attributes and tells OnChange. The old object is deleted
    // only after the owner has been told, so that a canvas that has it selected lets go of it first; an owner
    // that draws at once gets a new one.
    template <class Handle> void ChangedDroppingHandle(win::UniqueGdiObject<Handle>& handle) {
        const win::UniqueGdiObject<Handle> dropped(std::move(handle));
        TGraphicsObject::Changed();
    }
};

} // namespace gl
