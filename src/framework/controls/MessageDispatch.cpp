// The message table shared by all controls.
#include "framework/controls/MessageDispatch.h"

#include <algorithm>

namespace gl {

MessageTable& MessageTable::Global() {
    static MessageTable table;
    return table;
}

void MessageTable::Register(Registration registration) {
    if (Registered(registration)) return;
    m_registered.push_back(registration);
    registration(*this);
}

bool MessageTable::Registered(Registration registration) const {
    return std::find(m_registered.begin(), m_registered.end(), registration) != m_registered.end();
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
