// A class's message table and the walk along its base classes' tables.
#include "framework/controls/MessageDispatch.h"

namespace gl {

MessageTable::MessageTable(const MessageTable* base, std::initializer_list<Entry> entries) : m_base(base) {
    for (const Entry& entry : entries)
        for (win::UINT msg = entry.m_first; msg <= entry.m_last; ++msg) m_handlers.emplace(msg, entry.m_call);
}

bool MessageTable::Dispatch(TControl& control, TMessage& message) const {
    for (const MessageTable* table = this; table; table = table->m_base) {
        const auto found = table->m_handlers.find(message.Msg);
        if (found == table->m_handlers.end()) continue;
        found->second(control, message);
        return true;
    }
    return false;
}

bool MessageTable::Handles(win::UINT msg) const {
    for (const MessageTable* table = this; table; table = table->m_base)
        if (table->m_handlers.count(msg)) return true;
    return false;
}

} // namespace gl
