// The converter's work: the real main window, made on the headless display, set as a user would set it, its
// convert command run once, and each row handed on as the conversion makes it.
#pragma once

#include "cli/ConvertOptions.h"

#include <functional>
#include <string>
#include <string_view>

namespace gl::cli {

// Receives each row as the conversion makes it, without its line end; what it raises ends the conversion
// with its message.
using LineWriter = std::function<void(std::string_view line)>;

// What became of a conversion: both texts empty on success.
struct ConvertResult {
    std::string error;   // the message the window's error box would show (without the box's closing ".")
    std::string usage;   // an input the window can take but not convert (a banner wider than it draws)
    std::string warning; // a conversion that succeeded with nothing to show (a picture without pixels)
};

// Expects the program's registrations (RegisterProgram) and a display in use.
ConvertResult Convert(const ConvertOptions& options, const LineWriter& write);

} // namespace gl::cli
