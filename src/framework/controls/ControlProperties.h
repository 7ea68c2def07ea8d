// The stored form of controls: what a layout may write for any control (bounds, alignment, colour, font,
// text, hint, cursor, events) and for windowed controls (tab order, tab stop, key and focus events), and how
// a control read from a layout is put into the control that encloses it.
#pragma once

#include "framework/stored/PropertyRegistry.h"

namespace gl {

// Registers TControl, TWinControl, TGraphicControl and TCustomControl, the names of the alignments, anchors
// and caption alignments, and the cursor identifiers as table "TCursor" (with the component, font and colour
// entries they build on). A control is put into the enclosing object when that is a windowed control. Safe to
// call more than once.
void RegisterControlLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
