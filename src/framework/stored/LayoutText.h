// The stored-layout text format: an object tree ("object Name: TClass" ... "end") with properties in stored
// order, parsed into plain data that the layout reader turns into components.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gl {

// Bounds that keep a hostile or broken layout from exhausting the stack or memory.
inline constexpr std::size_t kMaxLayoutBytes = 16u << 20; // whole text
inline constexpr int kMaxLayoutDepth = 32;                // nested objects
inline constexpr std::size_t kMaxLayoutEntries = 100000;  // objects + properties + list and set items
inline constexpr std::size_t kMaxLayoutObjects = 2000;    // components: each is created, named and placed
inline constexpr std::size_t kMaxLayoutNameLength = 255;  // identifiers and property paths

enum class LayoutValueKind { Integer, Float, String, Identifier, Set, List, Binary };

// One stored value. Which members are meaningful depends on the kind.
struct LayoutValue {
    LayoutValueKind kind = LayoutValueKind::Integer;
    std::int64_t integer = 0;        // Integer
    double real = 0;                 // Float
    std::string text;                // String (UTF-8), Identifier (possibly dotted, e.g. "Form1.List")
    std::vector<std::string> items;  // Set members (identifiers), List entries (strings)
    std::vector<std::uint8_t> bytes; // Binary

    bool operator==(const LayoutValue&) const = default;
};

struct LayoutProperty {
    std::string path; // "Caption" or a dotted path into sub-objects, "Font.Name"
    LayoutValue value;
    int line = 0;
};

struct LayoutObject {
    std::string name; // empty for an unnamed object
    std::string className;
    int line = 0;
    std::vector<LayoutProperty> properties; // in stored order
    std::vector<std::unique_ptr<LayoutObject>> children;

    // The first property stored under this path, or nullptr.
    const LayoutProperty* FindProperty(std::string_view path) const;
    // The first direct child with this name (case-insensitive, as component names are), or nullptr.
    const LayoutObject* FindChild(std::string_view childName) const;
};

// Parses a whole layout: exactly one top-level object. Raises EReadError with the line number on any fault.
std::unique_ptr<LayoutObject> ParseLayout(std::string_view text);

// The layout syntax of one value, and of a whole object tree (which parses back into an equal tree).
std::string LayoutValueText(const LayoutValue& value);
std::string WriteLayout(const LayoutObject& root);

bool operator==(const LayoutObject& a, const LayoutObject& b);

} // namespace gl
