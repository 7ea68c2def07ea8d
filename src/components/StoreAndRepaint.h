// The step the controls' plain property setters share: store the value and repaint, only when it changed.
#pragma once

#include "framework/controls/Control.h"

namespace gl {

// Stores a property value and repaints the control, unless the value is already there. True when it changed,
// so that a setter with more to do (realigning, resizing) does that only then.
template <class T> bool StoreAndRepaint(TControl& control, T& member, const T& value) {
    if (member == value) return false;
    member = value;
    control.Invalidate();
    return true;
}

} // namespace gl
