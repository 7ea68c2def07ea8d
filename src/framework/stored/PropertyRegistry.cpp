// The registry of classes, stored properties, enumeration names and named constants used by the layout
// reader.
#include "framework/stored/PropertyRegistry.h"

namespace gl {

namespace {

std::map<std::type_index, std::vector<std::string>>& EnumTables() {
    static std::map<std::type_index, std::vector<std::string>> tables;
    return tables;
}

std::map<std::string, std::map<std::string, std::int64_t, NoCaseLess>, NoCaseLess>& ConstantTables() {
    static std::map<std::string, std::map<std::string, std::int64_t, NoCaseLess>, NoCaseLess> tables;
    return tables;
}

} // namespace

PropertyRegistry& PropertyRegistry::Global() {
    static PropertyRegistry registry;
    return registry;
}

LayoutClassEntry& PropertyRegistry::Register(std::string_view className, std::string_view parentName) {
    auto it = m_classes.find(className);
    if (it == m_classes.end()) {
        it = m_classes.emplace(std::string(className), LayoutClassEntry{}).first;
        it->second.name = std::string(className);
    }
    if (!parentName.empty()) it->second.parentName = std::string(parentName);
    return it->second;
}

const LayoutClassEntry* PropertyRegistry::Find(std::string_view className) const {
    auto it = m_classes.find(className);
    return it == m_classes.end() ? nullptr : &it->second;
}

template <class Result, class Pick>
const Result* PropertyRegistry::FindAlongChain(std::string_view className, Pick pick) const {
    // A chain is never longer than the number of classes; the bound also stops a mistaken cycle.
    const LayoutClassEntry* entry = Find(className);
    for (std::size_t steps = 0; entry && steps <= m_classes.size(); ++steps) {
        if (const Result* result = pick(*entry)) return result;
        if (entry->parentName.empty()) break;
        entry = Find(entry->parentName);
    }
    return nullptr;
}

const LayoutPropertyEntry* PropertyRegistry::FindProperty(std::string_view className,
                                                          std::string_view property) const {
    return FindAlongChain<LayoutPropertyEntry>(className, [&](const LayoutClassEntry& entry) {
        auto it = entry.properties.find(property);
        return it == entry.properties.end() ? nullptr : &it->second;
    });
}

const LayoutParentHook* PropertyRegistry::FindParentHook(std::string_view className) const {
    return FindAlongChain<LayoutParentHook>(className, [](const LayoutClassEntry& entry) {
        return entry.setParent ? &entry.setParent : nullptr;
    });
}

const LayoutFactory* PropertyRegistry::FindFactory(std::string_view className) const {
    const LayoutClassEntry* entry = Find(className);
    return entry && entry->create ? &entry->create : nullptr;
}

void PropertyRegistry::RegisterEnumNames(std::type_index type, std::initializer_list<const char*> names) {
    EnumTables()[type].assign(names.begin(), names.end());
}

int PropertyRegistry::EnumOrdinalOf(std::type_index type, std::string_view name) {
    auto it = EnumTables().find(type);
    if (it == EnumTables().end()) return -1;
    const auto& names = it->second;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameText(names[i], name)) return static_cast<int>(i);
    return -1;
}

void PropertyRegistry::RegisterConstants(
    std::string_view table, std::initializer_list<std::pair<const char*, std::int64_t>> constants) {
    auto& entries = ConstantTables()[std::string(table)];
    for (const auto& [name, value] : constants) entries[name] = value;
}

bool PropertyRegistry::FindConstant(std::string_view table, std::string_view name, std::int64_t& value) {
    auto tableIt = ConstantTables().find(table);
    if (tableIt == ConstantTables().end()) return false;
    auto it = tableIt->second.find(name);
    if (it == tableIt->second.end()) return false;
    value = it->second;
    return true;
}

} // namespace gl
