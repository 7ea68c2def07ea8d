// The spin edit tests' field: one of the window's number fields (47 x 20, flat buttons, framed), made on a
// parent with the window's settings.
#pragma once

#include "components/RzSpnEdt.h"

namespace gl::panetest {

// A field of range 1..max showing `value`, loaded as the window's layout loads it.
inline TRzSpinEdit* MakeNumberField(TComponent* owner, TWinControl* parent, double max, double value,
                                    bool allowKeyEdit) {
    auto* spin = new TRzSpinEdit(owner);
    spin->SetBounds(109, 34, 47, 20);
    spin->SetAllowKeyEdit(allowKeyEdit);
    spin->SetMax(max);
    spin->SetMin(1);
    spin->SetValue(value);
    spin->SetFlatButtons(true);
    spin->SetFrameColor(TColor(12164479));
    spin->SetFrameVisible(true);
    spin->SetParent(parent);
    spin->Loaded();
    return spin;
}

} // namespace gl::panetest
