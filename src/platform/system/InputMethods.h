// Keyboard layouts and input methods. The desktop offers one keyboard layout and none of the platform's input
// methods, so switching layouts keeps that one and input contexts only remember whether they are open.
#pragma once

#include "platform/win/types.h"

namespace win {

inline const HKL HKL_PREV = reinterpret_cast<HKL>(std::uintptr_t{0});
inline const HKL HKL_NEXT = reinterpret_cast<HKL>(std::uintptr_t{1});
constexpr UINT KLF_ACTIVATE = 0x1;
constexpr UINT KLF_REORDER = 0x8;
constexpr UINT KLF_SETFORPROCESS = 0x100;

// The layout the desktop has: Chinese (simplified) language with the standard keyboard, 0x08040804.
HKL DefaultKeyboardLayout();

// With count 0 (or no list) the number of layouts; otherwise copies at most count of them and returns how
// many.
int GetKeyboardLayoutList(int count, HKL* list);
HKL GetKeyboardLayout(DWORD threadId);
// Returns the layout that was active, or null (ERROR_INVALID_PARAMETER) for a layout the desktop does not
// have.
HKL ActivateKeyboardLayout(HKL layout, UINT flags);

HIMC ImmGetContext(HWND window);
BOOL ImmReleaseContext(HWND window, HIMC context);
BOOL ImmSetOpenStatus(HIMC context, BOOL open);
BOOL ImmGetOpenStatus(HIMC context);
BOOL ImmIsIME(HKL layout);

} // namespace win
