// Synthetic input on the headless display, aimed at windows by their client coordinates, the virtual clock,
// pixel read-back, and starting a headless session afresh.
#include "platform/user/HeadlessInput.h"

#include "platform/system/StateReset.h"
#include "platform/system/Utf8.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/detail/WindowManager.h"

namespace win::headless {

namespace {

void PumpIfOutsideLoop() {
    if (!wm::InIdleHook() && wm::CallDepth() == 0) PumpWaitingMessages();
}

// Where a point in a window's client coordinates lies on the screen and on its top-level window's content.
bool Locate(HWND hwnd, int x, int y, DisplayWindowId& id, POINT& pos, POINT& screen) {
    Window* w = wm::Find(hwnd);
    Window* top = wm::TopLevelOf(w);
    if (!w || !top) return false;
    const POINT co = wm::ClientScreenOrigin(w);
    screen = POINT{co.x + x, co.y + y};
    const POINT to = wm::ScreenOrigin(top);
    const RECT content = wm::ContentRect(top);
    pos = POINT{screen.x - to.x - content.left, screen.y - to.y - content.top};
    id = top->displayId;
    return id != 0;
}

void QueueMouse(HWND hwnd, int x, int y, DisplayEventType type, MouseButton button, int wheel = 0) {
    DisplayWindowId id;
    POINT pos, screen;
    if (!Locate(hwnd, x, y, id, pos, screen)) return;
    HeadlessDisplay& display = Screen();
    if (type != DisplayEventType::MouseMove && display.CursorPos() != screen) {
        DisplayEvent move;
        move.type = DisplayEventType::MouseMove;
        move.window = id;
        move.pos = pos;
        display.QueueEvent(move);
    }
    DisplayEvent e;
    e.type = type;
    e.window = id;
    e.pos = pos;
    e.button = button;
    e.wheelDelta = wheel;
    display.SetCursorPos(screen);
    display.QueueEvent(e);
    PumpIfOutsideLoop();
}

DisplayWindowId ActiveDisplayWindow() {
    Window* w = wm::Find(GetActiveWindow());
    return w ? w->displayId : 0;
}

void QueueKey(int vk, bool down) {
    DisplayEvent e;
    e.type = down ? DisplayEventType::KeyDown : DisplayEventType::KeyUp;
    e.window = ActiveDisplayWindow();
    e.virtualKey = vk;
    e.scanCode = static_cast<int>(MapVirtualKey(static_cast<UINT>(vk), MAPVK_VK_TO_VSC));
    e.extendedKey = (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
    Screen().QueueEvent(e);
    PumpIfOutsideLoop();
}

} // namespace

HeadlessDisplay& Use() {
    ResetPlatformState();
    SetCurrentDisplay(std::make_unique<HeadlessDisplay>());
    ResetPlatformState();
    return *CurrentHeadlessDisplay();
}

HeadlessDisplay& Screen() {
    if (HeadlessDisplay* d = CurrentHeadlessDisplay()) return *d;
    return Use();
}

void MouseMove(HWND hwnd, int x, int y) {
    QueueMouse(hwnd, x, y, DisplayEventType::MouseMove, MouseButton::None);
}

void MouseDown(HWND hwnd, int x, int y, MouseButton button) {
    QueueMouse(hwnd, x, y, DisplayEventType::MouseDown, button);
}

void MouseUp(HWND hwnd, int x, int y, MouseButton button) {
    QueueMouse(hwnd, x, y, DisplayEventType::MouseUp, button);
}

void Click(HWND hwnd, int x, int y, MouseButton button) {
    MouseDown(hwnd, x, y, button);
    MouseUp(hwnd, x, y, button);
}

void DoubleClick(HWND hwnd, int x, int y) {
    Click(hwnd, x, y);
    Click(hwnd, x, y);
}

void RightClick(HWND hwnd, int x, int y) {
    Click(hwnd, x, y, MouseButton::Right);
}

void Wheel(HWND hwnd, int x, int y, int delta) {
    QueueMouse(hwnd, x, y, DisplayEventType::Wheel, MouseButton::None, delta);
}

void MouseLeaveAll() {
    DisplayEvent e;
    e.type = DisplayEventType::MouseLeave;
    Screen().QueueEvent(e);
    PumpIfOutsideLoop();
}

void DropFiles(HWND hwnd, int x, int y, const std::vector<std::string>& files) {
    DisplayWindowId id;
    POINT pos, screen;
    if (!Locate(hwnd, x, y, id, pos, screen)) return;
    DisplayEvent e;
    e.type = DisplayEventType::DropFiles;
    e.window = id;
    e.pos = pos;
    e.files = files;
    (void)screen;
    Screen().QueueEvent(e);
    PumpIfOutsideLoop();
}

void KeyDown(int virtualKey) {
    QueueKey(virtualKey, true);
}

void KeyUp(int virtualKey) {
    QueueKey(virtualKey, false);
}

void KeyPress(int virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

void KeyChord(std::initializer_list<int> keys) {
    for (int k : keys) KeyDown(k);
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) KeyUp(*it);
}

void TypeText(const std::string& utf8) {
    DisplayEvent e;
    e.type = DisplayEventType::Text;
    e.window = ActiveDisplayWindow();
    e.text = utf8;
    Screen().QueueEvent(e);
    PumpIfOutsideLoop();
}

void CloseWindow(HWND topLevel) {
    Window* w = wm::Find(topLevel);
    if (!w || !w->displayId) return;
    DisplayEvent e;
    e.type = DisplayEventType::Close;
    e.window = w->displayId;
    Screen().QueueEvent(e);
    PumpIfOutsideLoop();
}

void AdvanceClock(unsigned ms) {
    HeadlessDisplay& display = Screen();
    const std::uint64_t target = display.Now() + ms;
    if (wm::InIdleHook() || wm::CallDepth() != 0) {
        display.SetClock(target);
        return;
    }
    PumpWaitingMessages();
    // Each timer fires at its own time; the clock stops there while its handlers run.
    for (int guard = 0; guard < 1000000; ++guard) {
        const auto next = wm::NextTimerDue();
        if (!next || *next > target) break;
        display.SetClock(*next);
        if (!PumpWaitingMessages()) return;
    }
    display.SetClock(target);
    PumpWaitingMessages();
}

bool Pump() {
    Screen();
    return PumpWaitingMessages();
}

void SetIdleHook(std::function<void()> hook) {
    wm::SetIdleHookInternal(std::move(hook));
}

int BeepCount() {
    return Screen().BeepCount();
}

void ResetBeepCount() {
    Screen().ResetBeepCount();
}

void SetDpi(int dpi) {
    Screen().SetDpi(dpi);
}

void SetScreenSize(int width, int height) {
    Screen().SetScreenSize(SIZE{width, height});
}

COLORREF WindowPixel(HWND hwnd, int x, int y) {
    Window* w = wm::Find(hwnd);
    Window* top = wm::TopLevelOf(w);
    if (!w || !top || !top->surface) return CLR_INVALID;
    if (x < 0 || y < 0 || x >= w->Width() || y >= w->Height()) return CLR_INVALID;
    const POINT o = wm::SurfaceOrigin(w);
    const int sx = o.x + x, sy = o.y + y;
    if (sx < 0 || sy < 0 || sx >= top->surface->Width() || sy >= top->surface->Height()) return CLR_INVALID;
    return top->surface->GetPixel(sx, sy);
}

COLORREF Pixel(HWND hwnd, int x, int y) {
    Window* w = wm::Find(hwnd);
    if (!w) return CLR_INVALID;
    if (x < 0 || y < 0 || x >= w->client.right - w->client.left || y >= w->client.bottom - w->client.top)
        return CLR_INVALID;
    return WindowPixel(hwnd, x + w->client.left, y + w->client.top);
}

} // namespace win::headless
