// Registers every standard control class at once.
#include "platform/controls/ControlClasses.h"

#include "platform/controls/edit/EditMessages.h"

namespace win {

bool RegisterStandardControls() {
    bool ok = RegisterEditClass();
    ok = RegisterListBoxClasses() && ok;
    ok = RegisterComboBoxClass() && ok;
    ok = RegisterButtonClass() && ok;
    ok = RegisterStaticClass() && ok;
    ok = RegisterScrollBarClass() && ok;
    ok = RegisterHintClass() && ok;
    return ok;
}

} // namespace win
