// The converter's work: the real main window, made on the headless display, set as a user would set it, its
// convert command run once, and the lines that this conversion appended handed on one by one.
#pragma once

#include "cli/ConvertOptions.h"

#include <functional>
#include <string>
#include <string_view>

namespace gl::cli {

// Receives each appended line, without its line end.
using LineWriter = std::function<void(std::string_view line)>;

// Empty on success; otherwise the message the window's error box would show (without the box's closing ".").
// A conversion that succeeds but has nothing to show (a picture without pixels) says so in `warning`.
// Expects the program's registrations (RegisterProgram) and a display in use.
std::string Convert(const ConvertOptions& options, const LineWriter& write, std::string* warning = nullptr);

} // namespace gl::cli
