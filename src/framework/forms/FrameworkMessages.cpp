// The framework's classes that introduce message handlers, in the order their entries must go in: a derived
// class's entry for a number must come after its base's, since the last entry that applies is the one called.
#include "framework/forms/FrameworkMessages.h"

#include "framework/controls/ExtCtrlsPanel.h"
#include "framework/controls/StdCtrlsLabel.h"
#include "framework/controls/StdCtrlsMemo.h"
#include "framework/forms/Forms.h"

namespace gl {

void RegisterFrameworkMessages(MessageTable& table) {
    table.Register(&RegisterControlMessages);
    table.Register(&RegisterWinControlMessages);
    table.Register(&RegisterGraphicControlMessages);
    table.Register(&RegisterMemoMessages);
    table.Register(&RegisterExtCtrlsPanelMessages);
    table.Register(&RegisterStdCtrlsLabelMessages);
    table.Register(&RegisterFormMessages);
}

} // namespace gl
