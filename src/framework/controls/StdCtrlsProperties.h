// The stored form of the standard edit, memo and combo box: what a layout may set on them.
#pragma once

#include "framework/stored/PropertyRegistry.h"

namespace gl {

// Registers TCustomEdit, TEdit, TCustomMaskEdit, TCustomMemo, TMemo, TCustomComboBox and TComboBox with their
// stored properties and events, their item lists, and the names of their enumerations. Safe to call more than
// once.
void RegisterStdCtrlsLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
