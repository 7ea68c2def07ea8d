// The program's resources by kind and name.
#include "framework/core/Resources.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/StringUtils.h"

#include <map>
#include <string>
#include <utility>

namespace gl {

namespace {

using ResourceKey = std::pair<TResourceType, std::string>;

struct KeyLess {
    bool operator()(const ResourceKey& a, const ResourceKey& b) const {
        if (a.first != b.first) return a.first < b.first;
        return NoCaseLess{}(a.second, b.second);
    }
};

std::map<ResourceKey, std::string_view, KeyLess>& Table() {
    static std::map<ResourceKey, std::string_view, KeyLess> table;
    return table;
}

} // namespace

void RegisterResource(TResourceType type, std::string_view name, std::string_view data) {
    Table()[ResourceKey{type, std::string(name)}] = data;
}

void UnregisterResource(TResourceType type, std::string_view name) {
    Table().erase(ResourceKey{type, std::string(name)});
}

std::optional<std::string_view> FindResource(TResourceType type, std::string_view name) {
    const auto it = Table().find(ResourceKey{type, std::string(name)});
    if (it == Table().end()) return std::nullopt;
    return it->second;
}

std::string_view LoadResource(TResourceType type, std::string_view name) {
    if (auto data = FindResource(type, name)) return *data;
    throw EResNotFound(Format(msg::SResNotFound, name));
}

} // namespace gl
