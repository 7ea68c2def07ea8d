// The caret: one per GUI thread, owned by a window, drawn by inverting its pixels and blinking by timer.
#pragma once

#include "platform/win/types.h"

namespace win {

// bitmap: null for a solid caret, (HBITMAP)1 for a grey one, or a bitmap whose pixels are inverted.
BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL ShowCaret(HWND hwnd); // hwnd null: whatever window owns the caret
BOOL SetCaretPos(int x, int y);

} // namespace win
