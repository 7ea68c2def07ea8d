// The system cursors (LoadCursor with IDC_x), the current cursor shown by the display, and the pointer
// position.
#include "platform/system/HandleTable.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/Input.h"
#include "platform/user/detail/WindowManager.h"

namespace win {

namespace {

constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

struct SystemCursor {
    int id;
    CursorShape shape;
};

constexpr SystemCursor kCursors[] = {
    {32512, CursorShape::Arrow},  {32513, CursorShape::IBeam},    {32514, CursorShape::Wait},
    {32515, CursorShape::Cross},  {32516, CursorShape::UpArrow},  {32640, CursorShape::SizeAll},
    {32641, CursorShape::Arrow},  {32642, CursorShape::SizeNWSE}, {32643, CursorShape::SizeNESW},
    {32644, CursorShape::SizeWE}, {32645, CursorShape::SizeNS},   {32646, CursorShape::SizeAll},
    {32648, CursorShape::No},     {32649, CursorShape::Hand},     {32650, CursorShape::AppStarting},
    {32651, CursorShape::Help},
};
constexpr std::size_t kCursorCount = sizeof(kCursors) / sizeof(kCursors[0]);

// A cursor handle: the tag of the cursor table and the index of the system cursor.
HCURSOR HandleOf(std::size_t index) {
    return reinterpret_cast<HCURSOR>(((index + 1) << 8) | static_cast<std::uintptr_t>(HandleTag::Cursor));
}

int IndexOf(HCURSOR cursor) {
    const auto v = reinterpret_cast<std::uintptr_t>(cursor);
    if ((v & 0xFF) != static_cast<std::uintptr_t>(HandleTag::Cursor)) return -1;
    const std::uintptr_t index = (v >> 8) - 1;
    return index < kCursorCount ? static_cast<int>(index) : -1;
}

HCURSOR g_current = HandleOf(0);

void Show() {
    if (!HasCurrentDisplay()) return;
    const int index = IndexOf(g_current);
    // No cursor (SetCursor(nullptr)) shows nothing.
    const CursorShape shape = index < 0 ? CursorShape::Hidden : kCursors[index].shape;
    CurrentDisplay().SetCursor(shape);
}

} // namespace

HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name) {
    if (!instance && IS_INTRESOURCE(name)) {
        const int id = static_cast<int>(reinterpret_cast<std::uintptr_t>(name));
        for (std::size_t i = 0; i < kCursorCount; ++i)
            if (kCursors[i].id == id) return HandleOf(i);
    }
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR previous = g_current;
    if (cursor && IndexOf(cursor) < 0) cursor = LoadCursor(nullptr, IDC_ARROW);
    if (cursor == g_current) return previous;
    g_current = cursor;
    Show();
    return previous;
}

HCURSOR GetCursor() {
    return g_current;
}

BOOL GetCursorPos(POINT* point) {
    if (!point) return FALSE;
    *point = wm::Thread().cursorPos;
    return TRUE;
}

HWND WindowUnderPointer() {
    const HWND w = wm::Thread().mouseWindow;
    return wm::Find(w) ? w : nullptr;
}

namespace {

// The arrow again.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { g_current = HandleOf(0); });

} // namespace

} // namespace win
