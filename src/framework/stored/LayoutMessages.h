// Message texts of the stored-layout reader; the general ones (class not found, ...) are in MessageTexts.h.
#pragma once

namespace gl::msg {

inline constexpr const char* SLayoutLine = "Line %d: %s";
inline constexpr const char* SLayoutExpected = "%s expected but %s found";
inline constexpr const char* SLayoutInvalidChar = "Invalid character %s";
inline constexpr const char* SLayoutInvalidNumber = "Invalid number";
inline constexpr const char* SLayoutUnterminatedString = "Unterminated string";
inline constexpr const char* SLayoutInvalidCharCode = "Invalid character code";
inline constexpr const char* SLayoutInvalidUtf8 = "Invalid UTF-8 text";
inline constexpr const char* SLayoutInvalidBinary = "Invalid binary value";
inline constexpr const char* SLayoutNameTooLong = "Name too long";
inline constexpr const char* SLayoutTooDeep = "Objects nested too deeply";
inline constexpr const char* SLayoutTooManyEntries = "Too many objects or properties";
inline constexpr const char* SLayoutTooLarge = "Layout too large";
inline constexpr const char* SLayoutWrongRoot = "Layout holds a %s, not a %s";
inline constexpr const char* SLayoutUnknownProperty = "Property %s does not exist in class %s";
inline constexpr const char* SLayoutInvalidValue = "Invalid value %s for property %s";
inline constexpr const char* SLayoutComponentNotFound = "Component %s not found";
inline constexpr const char* SLayoutMethodNotFound = "Method %s not found";
inline constexpr const char* SLayoutMethodMismatch = "Method %s does not fit event %s";
inline constexpr const char* SLayoutPropertyError = "Error reading %s.%s: %s";

} // namespace gl::msg
