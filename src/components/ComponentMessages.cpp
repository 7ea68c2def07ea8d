// The control library's classes that introduce message handlers, after the framework's they derive from.
#include "components/ComponentMessages.h"

#include "components/RzCmboBx.h"
#include "components/RzLabel.h"
#include "components/RzSpnEdt.h"
#include "components/RzStatus.h"
#include "framework/forms/FrameworkMessages.h"

namespace gl {

void RegisterComponentMessages(MessageTable& table) {
    RegisterFrameworkMessages(table);
    table.Register(&RegisterSpinButtonsMessages);
    table.Register(&RegisterSpinEditMessages);
    table.Register(&RegisterLabelMessages);
    table.Register(&RegisterStatusPaneMessages);
    table.Register(&RegisterFontComboBoxMessages);
}

} // namespace gl
