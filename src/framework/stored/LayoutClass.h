// Registering a class for stored layouts with typed setters: each class states the properties it adds, and a
// stored value is converted to the setter's parameter type (or refused with the property named).
//
//   LayoutClass<TRzEdit>("TRzEdit", "TRzCustomEdit").Creatable()
//       .Property("MaxLength", &TRzEdit::SetMaxLength)
//       .Property("FrameColor", &TRzEdit::SetFrameColor, "TColor")   // integers or TColor constant names
//       .Event("OnChange", &TRzEdit::OnChange)
//       .Ignored("FrameFlatStyle");                                  // a retired name: read and ignored
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/Set.h"
#include "framework/stored/LayoutMessages.h"
#include "framework/stored/LayoutReader.h"

#include <concepts>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

namespace gl {

namespace layout_detail {

template <class T> struct IsSet : std::false_type {};
template <class E> struct IsSet<TSet<E>> : std::true_type { using Element = E; };

template <class V> bool FitsIn(std::int64_t value) {
    // 32-bit properties also take unsigned 32-bit values ($FF00000F for a colour) as their bit pattern.
    if constexpr (sizeof(V) == 4) {
        return value >= std::numeric_limits<std::int32_t>::min() &&
               value <= std::numeric_limits<std::uint32_t>::max();
    } else if constexpr (std::is_signed_v<V>) {
        return value >= std::int64_t(std::numeric_limits<V>::min()) &&
               value <= std::int64_t(std::numeric_limits<V>::max());
    } else {
        return value >= 0 && std::uint64_t(value) <= std::uint64_t(std::numeric_limits<V>::max());
    }
}

bool LayoutBoolean(const LayoutValue& value, bool& result);

} // namespace layout_detail

// An enumeration value by its registered name (PropertyRegistry::RegisterEnum).
template <class E> E LayoutEnum(const LayoutValue& value, LayoutReadContext& context) {
    int ordinal =
        value.kind == LayoutValueKind::Identifier ? PropertyRegistry::EnumOrdinal<E>(value.text) : -1;
    if (ordinal < 0) context.InvalidValue(value);
    return static_cast<E>(ordinal);
}

// A set of enumeration values by their names: [fsBold, fsItalic].
template <class E> TSet<E> LayoutSetOf(const LayoutValue& value, LayoutReadContext& context) {
    if (value.kind != LayoutValueKind::Set) context.InvalidValue(value);
    TSet<E> set;
    for (const std::string& item : value.items) {
        int ordinal = PropertyRegistry::EnumOrdinal<E>(item);
        if (ordinal < 0 || ordinal >= 64) context.InvalidValue(value);
        set.Include(static_cast<E>(ordinal));
    }
    return set;
}

// A stored value as the type V of a setter's parameter. `constants` names a table of integer constants that
// an integer property also accepts by name.
template <class V>
V LayoutConvert(const LayoutValue& value, LayoutReadContext& context, std::string_view constants = {}) {
    using layout_detail::IsSet;
    if constexpr (std::is_same_v<V, LayoutValue>) {
        return value;
    } else if constexpr (std::is_same_v<V, bool>) {
        bool result = false;
        if (!layout_detail::LayoutBoolean(value, result)) context.InvalidValue(value);
        return result;
    } else if constexpr (std::is_enum_v<V>) {
        return LayoutEnum<V>(value, context);
    } else if constexpr (std::is_integral_v<V>) {
        std::int64_t number = value.integer;
        bool named = value.kind == LayoutValueKind::Identifier && !constants.empty() &&
                     PropertyRegistry::FindConstant(constants, value.text, number);
        if ((value.kind != LayoutValueKind::Integer && !named) || !layout_detail::FitsIn<V>(number))
            context.InvalidValue(value);
        return static_cast<V>(number);
    } else if constexpr (std::is_floating_point_v<V>) {
        if (value.kind == LayoutValueKind::Integer) return static_cast<V>(value.integer);
        if (value.kind != LayoutValueKind::Float) context.InvalidValue(value);
        return static_cast<V>(value.real);
    } else if constexpr (std::is_same_v<V, std::string>) {
        if (value.kind != LayoutValueKind::String) context.InvalidValue(value);
        return value.text;
    } else if constexpr (IsSet<V>::value) {
        return LayoutSetOf<typename IsSet<V>::Element>(value, context);
    } else if constexpr (std::is_same_v<V, std::vector<std::string>>) {
        if (value.kind != LayoutValueKind::List) context.InvalidValue(value);
        return value.items;
    } else if constexpr (std::is_same_v<V, std::vector<std::uint8_t>>) {
        if (value.kind != LayoutValueKind::Binary) context.InvalidValue(value);
        return value.bytes;
    } else {
        static_assert(sizeof(V) == 0, "no stored form for this property type");
    }
}

template <class T> class LayoutClass {
public:
    LayoutClass(std::string_view className, std::string_view parentName,
                PropertyRegistry& registry = PropertyRegistry::Global())
        : m_entry(registry.Register(className, parentName)) {}

    // A layout may create this class: new T(owner), freed by the owner.
    LayoutClass& Creatable() {
        m_entry.create = [](TComponent* owner) -> TComponent* { return new T(owner); };
        return *this;
    }

    // How a component of this class (and of its descendants) is put into the control that encloses it.
    LayoutClass& ParentHook(std::function<void(T&, TComponent&)> hook) {
        m_entry.setParent = [hook = std::move(hook)](TComponent& child, TComponent& enclosing) {
            hook(Cast(child), enclosing);
        };
        return *this;
    }

    template <class C, class R, class V>
    requires std::derived_from<T, C> LayoutClass& Property(std::string_view name, R (C::*setter)(V),
                                                           std::string_view constants = {}) {
        using Value = std::remove_cvref_t<V>;
        std::string table(constants);
        return Custom(name, [setter, table](T& target, const LayoutValue& value, LayoutReadContext& context) {
            (target.*setter)(LayoutConvert<Value>(value, context, table));
        });
    }

    // A setter that takes the stored value itself: retired names that map onto today's properties, and values
    // with a stored form of their own (picture data).
    LayoutClass& Custom(std::string_view name,
                        std::function<void(T&, const LayoutValue&, LayoutReadContext&)> set) {
        m_entry.properties[std::string(name)].set =
            [set = std::move(set)](TPersistent& target, const LayoutValue& value,
                                   LayoutReadContext& context) { set(Cast(target), value, context); };
        return *this;
    }

    // A retired name that older layouts may hold: read, whatever its value, and ignored.
    LayoutClass& Ignored(std::string_view name) {
        m_entry.properties[std::string(name)].set = [](TPersistent&, const LayoutValue&, LayoutReadContext&) {
        };
        return *this;
    }

    // A persistent object the property gives access to ("Font"); the layout sets its properties by dotted
    // paths.
    template <class Getter> LayoutClass& SubObject(std::string_view name, Getter getter) {
        m_entry.properties[std::string(name)].subObject = [getter](TPersistent& target) -> TPersistent* {
            decltype(auto) object = std::invoke(getter, Cast(target));
            if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(object)>>)
                return object;
            else
                return &object;
        };
        return *this;
    }

    // An event member set to the handler the layout names, taken from the methods given to the reader.
    template <class C, class Handler>
    requires std::derived_from<T, C> LayoutClass& Event(std::string_view name, Handler C::*member) {
        std::string eventName(name);
        return Custom(name,
                      [member, eventName](T& target, const LayoutValue& value, LayoutReadContext& context) {
                          if (value.kind != LayoutValueKind::Identifier) context.InvalidValue(value);
                          const std::any* method = context.FindMethod(value.text);
                          if (!method) context.Fail(Format(msg::SLayoutMethodNotFound, {value.text}));
                          const auto* handler = std::any_cast<Handler>(method);
                          if (!handler)
                              context.Fail(Format(msg::SLayoutMethodMismatch, {value.text, eventName}));
                          target.*member = *handler;
                      });
    }

    // A reference to another component of the form, by name, set once the whole layout is read (the component
    // may be stored further down). "nil" stores no reference.
    template <class C, class R, class Ref>
    requires std::derived_from<T, C> && std::derived_from<Ref, TComponent> LayoutClass&
    Reference(std::string_view name, R (C::*setter)(Ref*)) {
        return Custom(name, [setter](T& target, const LayoutValue& value, LayoutReadContext& context) {
            if (value.kind != LayoutValueKind::Identifier) context.InvalidValue(value);
            if (SameText(value.text, "nil")) return (void)(target.*setter)(nullptr);
            context.AddFixup([&target, &context, setter, name = value.text] {
                auto* component = dynamic_cast<Ref*>(context.FindComponent(name));
                if (!component) context.Fail(Format(msg::SLayoutComponentNotFound, {name}));
                (target.*setter)(component);
            });
        });
    }

private:
    static T& Cast(TPersistent& target) {
        T* object = dynamic_cast<T*>(&target);
        // A class name registered for the wrong class; the reader must not go on with a bad cast.
        if (!object) throw EInvalidCast(msg::SInvalidCast);
        return *object;
    }

    LayoutClassEntry& m_entry;
};

} // namespace gl
