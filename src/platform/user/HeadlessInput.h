// Driving the window manager on the headless display: synthetic mouse, keyboard and text input aimed at
// windows, the virtual clock, beeps and pixel read-back. Used by tests and by glyphloom-convert.
//
// Each input call queues the display events a real device would give and then runs the waiting messages, so
// its handlers have run when it returns. Called from inside a running loop (an idle hook while a modal loop
// waits), it only queues, and that loop picks the input up.
#pragma once

#include "platform/display/headless/HeadlessDisplay.h"
#include "platform/win/types.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace win::headless {

// Installs a fresh headless display as the one in use, and returns it. Windows still open are destroyed
// first, and all platform state starts clean (ResetPlatformState): input, clipboard, timers, beeps, and what
// a test set for itself (language, program path, density, message-box hook), so a test sets those after this.
HeadlessDisplay& Use();
// The headless display in use (installing one when none is).
HeadlessDisplay& Screen();

// Mouse, at (x, y) in the client coordinates of hwnd (which may lie outside its client area, on its frame or
// elsewhere on the screen). The pointer moves there first when it is elsewhere.
void MouseMove(HWND hwnd, int x, int y);
void MouseDown(HWND hwnd, int x, int y, MouseButton button = MouseButton::Left);
void MouseUp(HWND hwnd, int x, int y, MouseButton button = MouseButton::Left);
void Click(HWND hwnd, int x, int y, MouseButton button = MouseButton::Left);
void DoubleClick(HWND hwnd, int x, int y);
void RightClick(HWND hwnd, int x, int y);
// Wheel notches of 120 (or any delta); hold Control with KeyDown(VK_CONTROL) for MK_CONTROL.
void Wheel(HWND hwnd, int x, int y, int delta);
// The pointer leaves every window of the program.
void MouseLeaveAll();
// Files dragged from the desktop and dropped at (x, y) in the client coordinates of hwnd.
void DropFiles(HWND hwnd, int x, int y, const std::vector<std::string>& files);

// Keyboard: virtual-key codes of win/KeyCodes.h. KeyPress is down and up; its character (if any) comes from
// TranslateMessage as on the platform (US layout, Shift applied).
void KeyDown(int virtualKey);
void KeyUp(int virtualKey);
void KeyPress(int virtualKey);
// Holds the keys in order, then releases them in reverse: KeyChord({VK_CONTROL, 'C'}).
void KeyChord(std::initializer_list<int> keys);
// Committed text, as an input method delivers it: one WM_CHAR per character, no key messages.
void TypeText(const std::string& utf8);

// The desktop closes a window (WM_CLOSE).
void CloseWindow(HWND topLevel);

// Moves the virtual clock forward; every timer that falls due on the way fires at its own time, in order.
void AdvanceClock(unsigned ms);

// Runs what is waiting (posted messages, input, paints); false when WM_QUIT was met.
bool Pump();

// While a loop waits with nothing to do, this runs first (for example to answer a modal box); when it queues
// nothing either, the wait ends as if WM_QUIT were posted. Pass an empty function to remove it.
void SetIdleHook(std::function<void()> hook);

int BeepCount();
void ResetBeepCount();
void SetDpi(int dpi);
void SetScreenSize(int width, int height);

// The pixel of a window's client area as last painted (0x00BBGGRR); CLR_INVALID outside the client area.
COLORREF Pixel(HWND hwnd, int x, int y);
// The pixel of a window at (x, y) of the whole window (frame included).
COLORREF WindowPixel(HWND hwnd, int x, int y);

} // namespace win::headless
