// Message tables: how a control turns a message number into a call of a typed handler (WM_PAINT →
// WMPaint(TWMPaint&), CM_FONTCHANGED → CMFontChanged(TMessage&)...). Every class that handles messages has
// one table of its own, chained to its base class's table, and names it by overriding TControl::Messages():
//
//   const MessageTable& TRzLabel::Messages() const {
//       static const MessageTable table = TGraphicControl::Messages().With({
//           {RM_BLINKQUERY, &TRzLabel::RMBlinkQuery},
//           {RM_BLINKPHASE, &TRzLabel::RMBlinkPhase},
//       });
//       return table;
//   }
//
// (the qualified call names the base class's table without a virtual call). A control's Dispatch walks the
// chain from its most-derived class's table up, and the first entry for the number is called; a message
// without an entry goes to the control's DefaultHandler. Derived classes override the virtual handlers.
#pragma once

#include "framework/controls/MessageRecords.h"

#include <concepts>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <unordered_map>

namespace gl {

class TControl;

// A handler: a method of a control class taking the message itself or one of its typed views.
template <class C, class View>
concept MessageHandlerOf = std::derived_from<C, TControl> &&
    (std::same_as<View, TMessage> || std::derived_from<View, TMessageView>);

class MessageTable {
public:
    // One entry: a message number, or a range of them, and the handler they go to.
    class Entry {
    public:
        template <class C, class View>
        requires MessageHandlerOf<C, View> Entry(win::UINT msg, void (C::*handler)(View&))
            : Entry(msg, msg, handler) {}
        template <class C, class View>
        requires MessageHandlerOf<C, View> Entry(win::UINT first, win::UINT last, void (C::*handler)(View&))
            : m_first(first), m_last(last), m_call([handler](TControl& control, TMessage& message) {
                  // A table is only reached from controls of its own class and the classes derived from it.
                  C& target = static_cast<C&>(control);
                  if constexpr (std::is_same_v<View, TMessage>) {
                      (target.*handler)(message);
                  } else {
                      View view(message);
                      (target.*handler)(view);
                  }
              }) {}

    private:
        friend class MessageTable;
        win::UINT m_first;
        win::UINT m_last;
        std::function<void(TControl&, TMessage&)> m_call;
    };

    // The table of a class without a base class's table (TControl's own).
    explicit MessageTable(std::initializer_list<Entry> entries) : MessageTable(nullptr, entries) {}
    // The table of a class derived from this table's class: its entries first, then this table's. This table
    // must outlive it (every class keeps its table in a static).
    MessageTable With(std::initializer_list<Entry> entries) const { return MessageTable(this, entries); }
    MessageTable(const MessageTable&) = delete;
    MessageTable& operator=(const MessageTable&) = delete;

    // Calls the first handler of the message along the chain; false when no table of the chain has one.
    bool Dispatch(TControl& control, TMessage& message) const;
    bool Handles(win::UINT msg) const;

private:
    MessageTable(const MessageTable* base, std::initializer_list<Entry> entries);

    const MessageTable* m_base;
    std::unordered_map<win::UINT, std::function<void(TControl&, TMessage&)>> m_handlers;
};

} // namespace gl
