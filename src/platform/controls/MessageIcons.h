// The platform's system icons of message boxes (stop, question, warning, information), drawn with shapes in
// the classic look at 32 x 32 pixels. Their handles are the icons' ids (IDI_*), for STM_SETICON and message
// boxes.
#pragma once

#include "platform/user/Input.h"
#include "platform/win/types.h"

namespace win {

inline const LPCSTR IDI_APPLICATION = MAKEINTRESOURCE(32512);
inline const LPCSTR IDI_HAND = MAKEINTRESOURCE(32513);
inline const LPCSTR IDI_QUESTION = MAKEINTRESOURCE(32514);
inline const LPCSTR IDI_EXCLAMATION = MAKEINTRESOURCE(32515);
inline const LPCSTR IDI_ASTERISK = MAKEINTRESOURCE(32516);
inline const LPCSTR IDI_ERROR = IDI_HAND;
inline const LPCSTR IDI_WARNING = IDI_EXCLAMATION;
inline const LPCSTR IDI_INFORMATION = IDI_ASTERISK;

enum class MessageIcon { None, Stop, Question, Warning, Information };

constexpr int kMessageIconSize = 32;

// The icon of a message-box type (its MB_ICON* bits).
MessageIcon MessageIconOfType(UINT messageBoxType);
// The handle of a system icon, and the icon a handle names (None for any other handle).
HICON MessageIconHandle(MessageIcon icon);
MessageIcon MessageIconOfHandle(HICON icon);
// Draws the icon with its top-left corner at (x, y).
void DrawMessageIcon(HDC hdc, int x, int y, MessageIcon icon);

} // namespace win
