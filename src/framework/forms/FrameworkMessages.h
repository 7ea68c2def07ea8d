// The framework's part of the message table: every framework class's entries, base classes first.
#pragma once

#include "framework/controls/MessageDispatch.h"

namespace gl {

// Fills the table with the framework's entries; the program's start-up calls it (through the components'
// registration) beside the stored properties' registrations, and so do the framework's tests. Running it
// again adds nothing.
void RegisterFrameworkMessages(MessageTable& table = MessageTable::Global());

} // namespace gl
