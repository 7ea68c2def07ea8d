// The platform's language follows the first non-empty of LC_ALL, LC_MESSAGES and LANG; its texts come from
// one table.
#include "platform/system/Language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace win {
namespace {

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            m_saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (m_saved[i])
                ::setenv(kNames[i], m_saved[i]->c_str(), 1);
            else
                ::unsetenv(kNames[i]);
        }
        SetUserLanguageForTesting(std::nullopt);
    }
    static void Set(const char* all, const char* messages, const char* lang) {
        const char* values[] = {all, messages, lang};
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (values[i])
                ::setenv(kNames[i], values[i], 1);
            else
                ::unsetenv(kNames[i]);
        }
    }
    static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> m_saved;
};

TEST_F(LanguageTest, TheFirstNonEmptyVariableDecides) {
    struct Case {
        const char *all, *messages, *lang;
        UiLanguage expected;
    };
    for (const Case& c :
         {Case{nullptr, nullptr, "zh_CN.UTF-8", UiLanguage::Chinese},
          Case{"C.UTF-8", nullptr, "zh_CN.UTF-8", UiLanguage::English},
          Case{"", "zh_TW.Big5", "en_US.UTF-8", UiLanguage::Chinese},
          Case{"", "", "en_GB.UTF-8", UiLanguage::English}, Case{"zh", nullptr, nullptr, UiLanguage::Chinese},
          Case{nullptr, nullptr, "ZH_CN", UiLanguage::English},
          Case{nullptr, nullptr, nullptr, UiLanguage::English}, Case{"", "", "", UiLanguage::English}}) {
        SCOPED_TRACE(std::string(c.all ? c.all : "-") + " " + (c.messages ? c.messages : "-") + " " +
                     (c.lang ? c.lang : "-"));
        Set(c.all, c.messages, c.lang);
        EXPECT_EQ(UserLanguage(), c.expected);
    }
    Set(nullptr, nullptr, "zh_CN.UTF-8");
    SetUserLanguageForTesting(UiLanguage::English);
    EXPECT_EQ(UserLanguage(), UiLanguage::English) << "a test's language holds over the environment";
}

TEST_F(LanguageTest, TextsInBothLanguages) {
    SetUserLanguageForTesting(UiLanguage::Chinese);
    EXPECT_STREQ(PlatformString(PlatformText::LookIn), "查找范围(&I):");
    EXPECT_STREQ(PlatformString(PlatformText::OpenButton), "打开(&O)");
    EXPECT_STREQ(PlatformString(PlatformText::Ok), "确定");
    EXPECT_STREQ(PlatformString(PlatformText::Undo), "撤消(&U)");
    EXPECT_STREQ(PlatformString(PlatformText::SelectAll), "全选(&A)");
    SetUserLanguageForTesting(UiLanguage::English);
    EXPECT_STREQ(PlatformString(PlatformText::LookIn), "Look in:");
    EXPECT_STREQ(PlatformString(PlatformText::Cut), "Cu&t");
    EXPECT_STREQ(PlatformString(PlatformText::SelectAll), "Select &All");
}

} // namespace
} // namespace win
