// The headless display: screens in memory, a virtual clock, an in-memory clipboard and a beep counter.
// Input comes only from what tests (or glyphloom-convert) queue; nothing is ever shown.
#pragma once

#include "platform/display/Display.h"

#include <deque>
#include <map>
#include <memory>
#include <utility>

namespace win {

class HeadlessDisplay final : public Display {
public:
    HeadlessDisplay();

    const char* Name() const override { return "headless"; }
    bool ShownToPerson() const override { return false; }
    bool WaitsForInput() const override { return false; }

    SIZE ScreenSize() override { return m_screen; }
    RECT WorkArea() override { return RECT{0, 0, m_screen.cx, m_screen.cy}; }
    int Dpi() override { return m_dpi; }

    DisplayWindowId CreateWindow(const DisplayWindowSpec& desc) override;
    void DestroyWindow(DisplayWindowId id) override;
    void SetWindowTitle(DisplayWindowId id, const std::string& title) override;
    void SetWindowIcon(DisplayWindowId id, const DisplayIcon& icon) override;
    void SetWindowRect(DisplayWindowId id, const RECT& clientRect) override;
    void ShowWindow(DisplayWindowId id, DisplayShow show) override;
    void RaiseWindow(DisplayWindowId id) override;
    void Present(DisplayWindowId id, const Surface& surface, POINT clientOrigin, SIZE clientSize,
                 const RECT& dirty) override;

    bool PollEvent(DisplayEvent& event) override;
    bool WaitEvent(int timeoutMs) override;
    void Wake() override {}
    void SetTextInput(DisplayWindowId id, bool on, const RECT& caretRect) override;

    bool SetClipboardText(std::string text) override;
    std::optional<std::string> GetClipboardText() override;
    bool HasClipboardText() override { return m_clipboard.has_value(); }
    bool SetPrimaryText(std::string text) override {
        m_primary = std::move(text);
        return true;
    }
    std::optional<std::string> GetPrimaryText() override { return m_primary; }

    void Beep() override { ++m_beeps; }
    void SetCursor(CursorShape shape) override { m_cursor = shape; }
    POINT CursorPos() override { return m_cursorPos; }
    void SetCursorPos(POINT p) override { m_cursorPos = p; }

    std::uint64_t Now() override { return m_now; }

    // Test controls.
    void QueueEvent(DisplayEvent event);
    void SetDpi(int dpi);
    void SetScreenSize(SIZE size);
    void SetClock(std::uint64_t now) {
        if (now > m_now) m_now = now;
    }
    void AdvanceClock(std::uint64_t ms) { m_now += ms; }
    int BeepCount() const { return m_beeps; }
    void ResetBeepCount() { m_beeps = 0; }
    CursorShape Cursor() const { return m_cursor; }

    // What the screen would show of a window: the pixels last presented (0x00BBGGRR), CLR_INVALID outside.
    struct ScreenWindow {
        DisplayWindowSpec desc;
        DisplayShow show = DisplayShow::Hidden;
        std::unique_ptr<Surface> pixels; // the client area, as presented
        bool textInput = false;
        int raiseCount = 0;
        DisplayIcon icon;
    };
    const ScreenWindow* FindWindow(DisplayWindowId id) const;
    COLORREF PresentedPixel(DisplayWindowId id, int x, int y) const;
    std::size_t WindowCount() const { return m_windows.size(); }

private:
    SIZE m_screen{1024, 768};
    int m_dpi = 96;
    std::uint64_t m_now = 1000;
    DisplayWindowId m_nextId = 1;
    std::map<DisplayWindowId, ScreenWindow> m_windows;
    std::deque<DisplayEvent> m_events;
    std::optional<std::string> m_clipboard;
    std::optional<std::string> m_primary;
    int m_beeps = 0;
    CursorShape m_cursor = CursorShape::Arrow;
    POINT m_cursorPos{};
};

// The display in use when it is the headless one, else null.
HeadlessDisplay* CurrentHeadlessDisplay();

} // namespace win
