// Registration of the platform's standard control classes. The window manager knows nothing of them, so a
// program (and each test) registers them once before it makes a control; registering again does nothing.
#pragma once

namespace win {

bool RegisterListBoxClasses(); // "LISTBOX" and "ComboLBox"
bool RegisterComboBoxClass();  // "COMBOBOX"
bool RegisterButtonClass();    // "BUTTON"
bool RegisterStaticClass();    // "STATIC"
bool RegisterScrollBarClass(); // "SCROLLBAR"
bool RegisterHintClass();      // "GlyphloomHint" (see HintWindow.h)

// Every standard control class, the edit control's included.
bool RegisterStandardControls();

} // namespace win
