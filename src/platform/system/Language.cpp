// The platform's texts in both languages, in one table.
#include "platform/system/Language.h"
#include "platform/system/StateReset.h"

#include <cstdlib>
#include <cstring>

namespace win {

namespace {

std::optional<UiLanguage>& LanguageForTesting() {
    static std::optional<UiLanguage> language;
    return language;
}

struct Texts {
    PlatformText key;
    const char* english;
    const char* chinese;
};

// The English labels keep the platform's English look (no access keys in the open-file dialog).
constexpr Texts kTexts[] = {
    {PlatformText::OpenTitle, "Open", "打开"},
    {PlatformText::LookIn, "Look in:", "查找范围(&I):"},
    {PlatformText::UpOneLevel, "Up", "向上"},
    {PlatformText::FileName, "File name:", "文件名(&N):"},
    {PlatformText::FilesOfType, "Files of type:", "文件类型(&T):"},
    {PlatformText::OpenReadOnly, "Open as read-only", "以只读方式打开(&R)"},
    {PlatformText::OpenButton, "Open", "打开(&O)"},
    {PlatformText::Help, "Help", "帮助(&H)"},
    {PlatformText::Ok, "OK", "确定"},
    {PlatformText::Cancel, "Cancel", "取消"},
    {PlatformText::Yes, "&Yes", "是(&Y)"},
    {PlatformText::No, "&No", "否(&N)"},
    {PlatformText::Abort, "&Abort", "中止(&A)"},
    {PlatformText::Retry, "&Retry", "重试(&R)"},
    {PlatformText::Ignore, "&Ignore", "忽略(&I)"},
    {PlatformText::Undo, "&Undo", "撤消(&U)"},
    {PlatformText::Cut, "Cu&t", "剪切(&T)"},
    {PlatformText::Copy, "&Copy", "复制(&C)"},
    {PlatformText::Paste, "&Paste", "粘贴(&P)"},
    {PlatformText::Delete, "&Delete", "删除(&D)"},
    {PlatformText::SelectAll, "Select &All", "全选(&A)"},
};

} // namespace

UiLanguage UserLanguage() {
    if (LanguageForTesting()) return *LanguageForTesting();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return std::strncmp(value, "zh", 2) == 0 ? UiLanguage::Chinese : UiLanguage::English;
    }
    return UiLanguage::English;
}

void SetUserLanguageForTesting(std::optional<UiLanguage> language) {
    LanguageForTesting() = language;
}

const char* PlatformString(PlatformText text) {
    const bool chinese = UserLanguage() == UiLanguage::Chinese;
    for (const Texts& entry : kTexts)
        if (entry.key == text) return chinese ? entry.chinese : entry.english;
    return "";
}

namespace {

// The language the environment names.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { LanguageForTesting().reset(); });

} // namespace

} // namespace win
