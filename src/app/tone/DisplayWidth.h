// How many terminal columns a UTF-8 text takes: East Asian wide and full-width characters two, combining
// marks and other zero-width characters none, everything else one. Fixed tables, so that the answer does not
// depend on the machine's locale.
#pragma once

#include <string_view>

namespace gl::tone {

int DisplayWidth(std::string_view utf8);

} // namespace gl::tone
