// Every class that declares stored properties anywhere in the source is known once the program has started,
// so no layout can name a class whose registration the start-up forgot.
#include "MainWindowTestSupport.h"

#include "framework/stored/PropertyRegistry.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>

namespace gl::apptest {
namespace {

// The class names of every `LayoutClass<T>("Name", ...)` in the program's source.
std::set<std::string> DeclaredLayoutClasses() {
    static constexpr std::string_view kOpening = "LayoutClass<";
    std::set<std::string> names;
    for (const auto& file : std::filesystem::recursive_directory_iterator(GLYPHLOOM_SOURCE)) {
        if (file.path().extension() != ".cpp") continue;
        std::ifstream in(file.path());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::size_t at = text.find(kOpening); at != std::string::npos;
             at = text.find(kOpening, at + 1)) {
            const std::size_t close = text.find('>', at);
            if (close == std::string::npos || text.compare(close + 1, 2, "(\"") != 0) continue;
            const std::size_t end = text.find('"', close + 3);
            if (end != std::string::npos) names.insert(text.substr(close + 3, end - close - 3));
        }
    }
    return names;
}

TEST_F(MainWindowTest, EveryClassWithStoredPropertiesIsKnownAfterStartUp) {
    const std::set<std::string> declared = DeclaredLayoutClasses();
    for (const char* name :
         {"TComponent", "TForm", "TF_main", "TRzFontComboBox", "TRzSpinEdit", "TImageList"})
        EXPECT_TRUE(declared.count(name)) << name << " is missing from the scan of the source";
    const PropertyRegistry& registry = PropertyRegistry::Global();
    for (const std::string& name : declared) {
        const LayoutClassEntry* entry = registry.Find(name);
        ASSERT_NE(entry, nullptr) << name
                                  << " declares stored properties but the start-up never registers it";
        if (entry->parentName.empty()) continue;
        EXPECT_NE(registry.Find(entry->parentName), nullptr) << name << "'s parent " << entry->parentName;
    }
}

} // namespace
} // namespace gl::apptest
