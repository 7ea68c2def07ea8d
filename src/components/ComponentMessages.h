// The control library's part of the message table, on top of the framework's.
#pragma once

#include "framework/controls/MessageDispatch.h"

namespace gl {

// Fills the table with the framework's entries and then the control library's; the program's start-up
// (RegisterProgram) calls it, and so do the control library's tests. Running it again adds nothing.
void RegisterComponentMessages(MessageTable& table = MessageTable::Global());

} // namespace gl
