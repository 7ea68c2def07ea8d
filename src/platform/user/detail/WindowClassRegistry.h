// Inside the window manager: looking up a registered window class by name or atom.
#pragma once

#include "platform/user/detail/WindowObject.h"

#include <memory>

namespace win::wm {

std::shared_ptr<WindowClass> FindClass(LPCSTR nameOrAtom);

} // namespace win::wm
