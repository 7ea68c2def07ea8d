// The caret: one per GUI thread, drawn by inverting its rectangle in the owner's client area and blinking on
// a timer; hidden while its window paints.
#include "platform/user/Caret.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/Metrics.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>

namespace win {

namespace {

constexpr std::uintptr_t kBlinkTimer = 0x43617274; // the blink's system timer key

struct CaretState {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    POINT pos{};
    int hideCount = 1;
    bool drawn = false;
    bool gray = false;
    UINT blinkTime = 530;
    int paintHides = 0;
};

CaretState& Caret() {
    static CaretState caret;
    return caret;
}

// Inverts the caret's rectangle where the owner's client area is visible.
void Toggle() {
    CaretState& c = Caret();
    Window* w = wm::Find(c.owner);
    if (!w) return;
    HDC hdc = wm::MakeWindowDc(w, false, nullptr, 0, false);
    if (DeviceContext* dc = FindDC(hdc))
        wm::InvertRect(*dc, RECT{c.pos.x, c.pos.y, c.pos.x + c.width, c.pos.y + c.height},
                       c.gray ? 0x00808080 : 0x00FFFFFF);
    wm::ReleaseWindowDc(hdc);
    c.drawn = !c.drawn;
}

void Erase() {
    if (Caret().drawn) Toggle();
}

void Blink() {
    CaretState& c = Caret();
    if (c.hideCount > 0 || c.paintHides > 0 || !wm::Find(c.owner)) return;
    Toggle();
}

void StartBlinking() {
    CaretState& c = Caret();
    wm::SetSystemTimer(kBlinkTimer, c.blinkTime, Blink);
}

// The desktop's input method shows its candidates next to the caret.
void TellInputMethod() {
    CaretState& c = Caret();
    Window* w = wm::Find(c.owner);
    Window* top = wm::TopLevelOf(w);
    if (!w || !top || !top->displayId || !HasCurrentDisplay()) return;
    const POINT client = wm::ClientScreenOrigin(w);
    const POINT topOrigin = wm::ScreenOrigin(top);
    const RECT content = wm::ContentRect(top);
    const LONG x = client.x - topOrigin.x - content.left + c.pos.x;
    const LONG y = client.y - topOrigin.y - content.top + c.pos.y;
    CurrentDisplay().SetTextInput(top->displayId, true, RECT{x, y, x + c.width, y + c.height});
}

void DrawNowAndRestartBlink() {
    CaretState& c = Caret();
    if (c.hideCount > 0 || c.paintHides > 0) return;
    TellInputMethod();
    if (!c.drawn) Toggle();
    StartBlinking();
}

bool OwnsCaret(HWND hwnd) {
    return !hwnd || hwnd == Caret().owner;
}

} // namespace

namespace wm {

void CaretHideForPaint(HWND hwnd) {
    CaretState& c = Caret();
    if (hwnd != c.owner) return;
    Erase();
    ++c.paintHides;
}

void CaretShowAfterPaint(HWND hwnd) {
    CaretState& c = Caret();
    if (hwnd != c.owner || c.paintHides == 0) return;
    if (--c.paintHides == 0) DrawNowAndRestartBlink();
}

void CaretWindowDestroyed(HWND hwnd) {
    if (Caret().owner != hwnd) return;
    KillSystemTimer(kBlinkTimer);
    const UINT blink = Caret().blinkTime;
    Caret() = CaretState{};
    Caret().blinkTime = blink;
}

} // namespace wm

BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height) {
    if (!wm::FindOrFail(hwnd)) return FALSE;
    DestroyCaret();
    CaretState& c = Caret();
    c.owner = hwnd;
    c.gray = reinterpret_cast<std::uintptr_t>(bitmap) == 1;
    if (const BitmapObject* b =
            reinterpret_cast<std::uintptr_t>(bitmap) > 1 ? FindGdi<BitmapObject>(bitmap) : nullptr) {
        width = b->surface ? b->surface->Width() : 0;
        height = b->surface ? b->surface->Height() : 0;
    }
    c.width = width > 0 ? std::min(width, 4096) : GetSystemMetrics(SM_CXBORDER);
    c.height = height > 0 ? std::min(height, 4096) : GetSystemMetrics(SM_CYBORDER);
    c.pos = POINT{};
    c.hideCount = 1;
    c.drawn = false;
    c.paintHides = 0;
    return TRUE;
}

BOOL DestroyCaret() {
    CaretState& c = Caret();
    if (!c.owner) return FALSE;
    Erase();
    wm::KillSystemTimer(kBlinkTimer);
    const UINT blink = c.blinkTime;
    c = CaretState{};
    c.blinkTime = blink;
    return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
    CaretState& c = Caret();
    if (!c.owner || !OwnsCaret(hwnd)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (c.hideCount == 0) return TRUE;
    if (--c.hideCount == 0) DrawNowAndRestartBlink();
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    CaretState& c = Caret();
    if (!c.owner) return FALSE;
    const POINT p{wm::ClampCoord(x), wm::ClampCoord(y)};
    if (p == c.pos) return TRUE;
    Erase();
    c.pos = p;
    DrawNowAndRestartBlink();
    return TRUE;
}

namespace {

// No caret (its owner, if any, went with the windows).
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { Caret() = CaretState{}; });

} // namespace

} // namespace win
