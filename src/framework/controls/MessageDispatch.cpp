// The message table shared by all controls.
#include "framework/controls/MessageDispatch.h"

namespace gl {

MessageTable& MessageTable::Global() {
    static MessageTable table = [] {
        MessageTable framework;
        RegisterControlMessages(framework);
        RegisterWinControlMessages(framework);
        RegisterGraphicControlMessages(framework);
        return framework;
    }();
    return table;
}

bool MessageTable::Dispatch(TControl& control, TMessage& message) const {
    const auto it = m_entries.find(message.Msg);
    if (it == m_entries.end()) return false;
    const std::deque<Entry>& entries = it->second;
    for (std::size_t i = entries.size(); i-- > 0;)
        if (entries[i](control, message)) return true;
    return false;
}

} // namespace gl
