// Raising the read error of the stored-layout reader.
#include "framework/stored/LayoutError.h"

#include "framework/stored/LayoutMessages.h"

namespace gl {

void RaiseLayoutError(int line, std::string_view format, std::initializer_list<FormatArg> args) {
    throw ELayoutError(Format(msg::SLayoutLine, {line, Format(format, args)}));
}

std::string LayoutCharText(char c) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 33 && byte < 127) return std::string("'") + c + "'";
    return "#" + std::to_string(byte);
}

} // namespace gl
