// The program's resources: blocks of data the program carries inside itself (the stored layouts of its forms,
// bitmaps such as the button glyph strip), registered by name at start and looked up by kind and name, as
// forms and controls need them.
#pragma once

#include <optional>
#include <string_view>

namespace gl {

enum class TResourceType { Layout, Bitmap, Text };

// Makes `data` known under `name` (names compare without regard to case); a later registration of the same
// kind and name replaces the earlier one. The data is not copied: it must live as long as the program (the
// embedded resources are constants).
void RegisterResource(TResourceType type, std::string_view name, std::string_view data);
void UnregisterResource(TResourceType type, std::string_view name);

// The data registered under the name, or none.
std::optional<std::string_view> FindResource(TResourceType type, std::string_view name);
// The data registered under the name; EResNotFound "Resource %s not found" when there is none.
std::string_view LoadResource(TResourceType type, std::string_view name);

} // namespace gl
