// Raising the read error of the stored-layout reader: a message from the message table, prefixed by the line.
#pragma once

#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace gl {

// The read error the layout reader raises itself; it already names its line. Shown and caught as EReadError.
class ELayoutError : public EReadError {
public:
    using EReadError::EReadError;
};

// Raises ELayoutError with the text "Line <line>: <format filled in from args>".
[[noreturn]] void RaiseLayoutError(int line, std::string_view format,
                                   std::initializer_list<FormatArg> args = {});

// A character as a message shows it: printable ASCII in quotes, anything else as its #code.
std::string LayoutCharText(char c);

} // namespace gl
