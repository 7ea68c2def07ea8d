// Keyboard layouts, input contexts and the empty registry behave as harmless no-ops.
#include "platform/system/InputMethods.h"
#include "platform/system/LastError.h"
#include "platform/system/Registry.h"

#include <gtest/gtest.h>

namespace win {
namespace {

TEST(InputMethods, OneLayoutAndNoInputMethods) {
    HKL layouts[64] = {};
    ASSERT_EQ(GetKeyboardLayoutList(0, nullptr), 1);
    ASSERT_EQ(GetKeyboardLayoutList(64, layouts), 1);
    EXPECT_EQ(layouts[0], GetKeyboardLayout(0));
    EXPECT_FALSE(ImmIsIME(layouts[0]));

    EXPECT_EQ(ActivateKeyboardLayout(layouts[0], 0), layouts[0]);
    EXPECT_EQ(ActivateKeyboardLayout(reinterpret_cast<HKL>(std::uintptr_t{0xE0200804}), 0), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(GetKeyboardLayout(0), layouts[0]) << "a refused switch keeps the layout";
}

TEST(InputMethods, ContextsRememberTheirOpenStatus) {
    const HWND window = reinterpret_cast<HWND>(std::uintptr_t{0x1234});
    HIMC context = ImmGetContext(window);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(ImmGetContext(window), context) << "one context per window";
    EXPECT_FALSE(ImmGetOpenStatus(context));
    EXPECT_TRUE(ImmSetOpenStatus(context, TRUE));
    EXPECT_TRUE(ImmGetOpenStatus(context));
    EXPECT_TRUE(ImmReleaseContext(window, context));
    EXPECT_EQ(ImmGetContext(nullptr), nullptr);
}

TEST(Registry, EveryKeyIsMissing) {
    HKEY key = reinterpret_cast<HKEY>(std::uintptr_t{1});
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE,
                           "System\\CurrentControlSet\\Control\\Keyboard Layouts\\E0200804", 0, KEY_READ,
                           &key),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(key, nullptr);
    DWORD type = 99, size = 64;
    BYTE data[64];
    EXPECT_EQ(RegQueryValueEx(key, "layout text", nullptr, &type, data, &size),
              static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(RegCloseKey(key), static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), static_cast<LONG>(ERROR_SUCCESS));
}

} // namespace
} // namespace win
