// The language of the platform's own texts (the open-file dialog, the message box buttons, the edit menu):
// Chinese when the desktop's language is, English otherwise. The texts of the program and of its framework
// are its own and never change with it.
#pragma once

#include <optional>

namespace win {

enum class UiLanguage { English, Chinese };

// The first non-empty of LC_ALL, LC_MESSAGES and LANG decides: beginning with "zh", Chinese.
UiLanguage UserLanguage();
// For tests: a language regardless of the environment (none: the environment's again).
void SetUserLanguageForTesting(std::optional<UiLanguage> language);

enum class PlatformText {
    OpenTitle,
    LookIn,
    UpOneLevel,
    FileName,
    FilesOfType,
    OpenReadOnly,
    OpenButton,
    Help,
    Ok,
    Cancel,
    Yes,
    No,
    Abort,
    Retry,
    Ignore,
    Undo,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
};

// The text in the user's language; "&" marks the access key.
const char* PlatformString(PlatformText text);

} // namespace win
