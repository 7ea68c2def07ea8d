// Every class that declares stored properties anywhere in the source is known once the program has started,
// so no layout can name a class whose registration the start-up forgot.
#include "MainWindowTestSupport.h"

#include "framework/stored/PropertyRegistry.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

namespace gl::apptest {
namespace {

// The class names of every `LayoutClass<T>("Name", ...)` in the program's source.
std::set<std::string> DeclaredLayoutClasses() {
    static const std::regex declaration(R"re(LayoutClass<[^>]+>\("(\w+)")re");
    std::set<std::string> names;
    for (const auto& file : std::filesystem::recursive_directory_iterator(GLYPHLOOM_SOURCE)) {
        if (file.path().extension() != ".cpp") continue;
        std::ifstream in(file.path());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::sregex_iterator it(text.begin(), text.end(), declaration), end; it != end; ++it)
            names.insert((*it)[1]);
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
