// The default beep: the display sounds it (a tone, or a flash where there is no sound), the headless one
// counts.
#include "platform/user/Beep.h"

#include "platform/display/Display.h"

namespace win {

BOOL MessageBeep(UINT) {
    CurrentDisplay().Beep();
    return TRUE;
}

} // namespace win
