// The registry of classes that a stored layout can name: class name → factory, parent class, and the stored
// properties each class adds (property name → setter). Lookups walk up the class chain, so a class registers
// only what it adds. Names of classes, properties, enumeration values and constants compare without regard to
// case.
#pragma once

#include "framework/core/StringUtils.h"
#include "framework/stored/LayoutText.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

namespace gl {

class TPersistent;
class TComponent;
class LayoutReadContext;

using LayoutSetter =
    std::function<void(TPersistent& target, const LayoutValue& value, LayoutReadContext& context)>;
using LayoutSubObject = std::function<TPersistent*(TPersistent& target)>;
using LayoutFactory = std::function<TComponent*(TComponent* owner)>;
using LayoutParentHook = std::function<void(TComponent& child, TComponent& enclosing)>;

// One stored property: either a value (set by `set`) or a persistent sub-object that dotted paths walk into.
struct LayoutPropertyEntry {
    LayoutSetter set;
    LayoutSubObject subObject;
};

struct LayoutClassEntry {
    std::string name;
    std::string parentName; // empty for the root of a chain
    LayoutFactory create;   // empty for classes that a layout cannot create (abstract bases, fonts, pictures)
    LayoutParentHook setParent;
    std::map<std::string, LayoutPropertyEntry, NoCaseLess> properties;
};

class PropertyRegistry {
public:
    // The registry the program's classes register in.
    static PropertyRegistry& Global();

    // The entry of a class, made on first use; a later call may fill in a parent that was not known yet.
    LayoutClassEntry& Register(std::string_view className, std::string_view parentName = {});
    const LayoutClassEntry* Find(std::string_view className) const;

    // Searches the class and then its ancestors; null when no class of the chain has it.
    const LayoutPropertyEntry* FindProperty(std::string_view className, std::string_view property) const;
    const LayoutParentHook* FindParentHook(std::string_view className) const;
    // Only the class itself: a derived class is not created by its base's factory.
    const LayoutFactory* FindFactory(std::string_view className) const;

    // Names of an enumeration's values in order (value i is named names[i]); shared by all registries.
    template <class E> static void RegisterEnum(std::initializer_list<const char*> names) {
        RegisterEnumNames(std::type_index(typeid(E)), names);
    }
    // The ordinal of a value name, or -1 (also when the enumeration has no names registered).
    template <class E> static int EnumOrdinal(std::string_view name) {
        return EnumOrdinalOf(std::type_index(typeid(E)), name);
    }

    // Named integer constants that integer properties also accept, by table: "TColor" → clBtnFace, ...
    static void RegisterConstants(std::string_view table,
                                  std::initializer_list<std::pair<const char*, std::int64_t>> constants);
    static bool FindConstant(std::string_view table, std::string_view name, std::int64_t& value);

private:
    template <class Result, class Pick>
    const Result* FindAlongChain(std::string_view className, Pick pick) const;
    static void RegisterEnumNames(std::type_index type, std::initializer_list<const char*> names);
    static int EnumOrdinalOf(std::type_index type, std::string_view name);

    std::map<std::string, LayoutClassEntry, NoCaseLess> m_classes;
};

} // namespace gl
