// The message table: one table for all controls that turns a message number into a call of a typed virtual
// handler (WM_PAINT → WMPaint(TWMPaint&), CM_FONTCHANGED → CMFontChanged(TMessage&)...). A control's Dispatch
// looks the number up here; a message without an entry that applies goes to the control's DefaultHandler.
//
// A class that introduces a message registers it once, for itself and its descendants, and derived classes
// override the virtual handler. Each such class has one function in its own .cpp that adds its entries,
//
//   void RegisterLabelMessages(MessageTable& table) {
//       table.Add(RM_BLINKQUERY, &TRzLabel::RMBlinkQuery);
//   }
//
// and its layer's registration (RegisterFrameworkMessages, RegisterComponentMessages) runs it through
// Register, base classes first; the program's start-up calls the top one beside the stored properties'
// registrations. Nothing registers on its own: a table nobody filled dispatches nothing.
//
// An entry applies to controls of the class it was registered for; when several entries of one number apply,
// the one registered last is called.
#pragma once

#include "framework/controls/MessageRecords.h"

#include <concepts>
#include <deque>
#include <functional>
#include <type_traits>
#include <unordered_map>
#include <vector>

namespace gl {

class TControl;

class MessageTable {
public:
    // The table every control dispatches through; empty until the start-up's registration fills it.
    static MessageTable& Global();

    using Registration = void (*)(MessageTable&);
    // Runs `registration` (one class's function that adds its entries) unless it ran on this table before, so
    // that every start-up path may ask for the classes it needs, in any number.
    void Register(Registration registration);
    bool Registered(Registration registration) const;

    template <class C, class View>
    requires std::derived_from<C, TControl> &&
        (std::same_as<View, TMessage> ||
         std::derived_from<View, TMessageView>)void Add(win::UINT msg, void (C::*handler)(View&)) {
        m_entries[msg].push_back([handler](TControl& control, TMessage& message) {
            C* target = nullptr;
            if constexpr (std::is_same_v<C, TControl>) {
                target = &control;
            } else {
                target = dynamic_cast<C*>(&control);
                if (!target) return false;
            }
            if constexpr (std::is_same_v<View, TMessage>) {
                (target->*handler)(message);
            } else {
                View view(message);
                (target->*handler)(view);
            }
            return true;
        });
    }

    // The same handler for each number of [first, last].
    template <class C, class View> void AddRange(win::UINT first, win::UINT last, void (C::*handler)(View&)) {
        for (win::UINT msg = first; msg <= last; ++msg) Add(msg, handler);
    }

    // Calls the handler for the message; false when no entry applies to this control.
    bool Dispatch(TControl& control, TMessage& message) const;
    bool Handles(win::UINT msg) const { return m_entries.count(msg) != 0; }

private:
    using Entry = std::function<bool(TControl&, TMessage&)>;
    // A deque keeps every entry in place when a handler's class registers more entries during a dispatch.
    std::unordered_map<win::UINT, std::deque<Entry>> m_entries;
    std::vector<Registration> m_registered;
};

// The entries of the classes of this folder that introduce handlers (each in that class's .cpp); the rest of
// the framework's are in their classes' headers, and RegisterFrameworkMessages runs them all.
void RegisterControlMessages(MessageTable& table);
void RegisterWinControlMessages(MessageTable& table);
void RegisterGraphicControlMessages(MessageTable& table);

} // namespace gl
