// What the program makes known before its window is created: the platform's standard controls, the stored
// properties of every class the window's layout names, the window's layout, the program's resources and the
// picture formats it reads besides the framework's.
#pragma once

#include "platform/win/types.h"

#include <string_view>

namespace gl {

// The button glyphs: eight 16 x 16 images side by side (bitmap resource).
inline constexpr std::string_view kGlyphStripResource = "BUTTONGLYPHS";
// The output view's start-up sample (text resource); the window starts with an empty view without it.
inline constexpr std::string_view kStartupSampleResource = "STARTUPSAMPLE";

// Safe to call more than once.
void RegisterProgram();

// The start-up sample, made at build time by the program's own conversion; only the desktop program and the
// window's tests carry it (the converter writes just what it appends).
void RegisterStartupSample();

// Gives a top-level window the program's icon (drawn at 48 pixels), which the desktop shows in its task bar
// and window list. The icon lives as long as the program.
void GiveProgramIcon(win::HWND window);

} // namespace gl
