// The headless display: windows are records with a copy of what was presented, events come from a queue that
// tests fill, and time moves only when told to.
#include "platform/display/headless/HeadlessDisplay.h"

#include "platform/gdi/Screen.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace win {

HeadlessDisplay::HeadlessDisplay() : m_dpi(DpiFromEnvironment()) {}

DisplayWindowId HeadlessDisplay::CreateWindow(const DisplayWindowSpec& desc) {
    const DisplayWindowId id = m_nextId++;
    ScreenWindow& w = m_windows[id];
    w.desc = desc;
    return id;
}

void HeadlessDisplay::DestroyWindow(DisplayWindowId id) {
    m_windows.erase(id);
}

void HeadlessDisplay::SetWindowTitle(DisplayWindowId id, const std::string& title) {
    auto it = m_windows.find(id);
    if (it != m_windows.end()) it->second.desc.title = title;
}

void HeadlessDisplay::SetWindowIcon(DisplayWindowId id, const DisplayIcon& icon) {
    auto it = m_windows.find(id);
    if (it != m_windows.end()) it->second.icon = icon;
}

void HeadlessDisplay::SetWindowRect(DisplayWindowId id, const RECT& clientRect) {
    auto it = m_windows.find(id);
    if (it != m_windows.end()) it->second.desc.clientRect = clientRect;
}

void HeadlessDisplay::ShowWindow(DisplayWindowId id, DisplayShow show) {
    auto it = m_windows.find(id);
    if (it != m_windows.end()) it->second.show = show;
}

void HeadlessDisplay::RaiseWindow(DisplayWindowId id) {
    auto it = m_windows.find(id);
    if (it != m_windows.end()) ++it->second.raiseCount;
}

void HeadlessDisplay::Present(DisplayWindowId id, const Surface& surface, POINT clientOrigin, SIZE clientSize,
                              const RECT& dirty) {
    auto it = m_windows.find(id);
    if (it == m_windows.end() || clientSize.cx <= 0 || clientSize.cy <= 0) return;
    ScreenWindow& w = it->second;
    if (!w.pixels || w.pixels->Width() != clientSize.cx || w.pixels->Height() != clientSize.cy) {
        w.pixels = Surface::Create(clientSize.cx, clientSize.cy, 32, true);
        if (!w.pixels) return;
    }
    // Copy the dirty part that lies inside both the client area and the source surface.
    const LONG left = std::max<LONG>({dirty.left, 0, -clientOrigin.x});
    const LONG top = std::max<LONG>({dirty.top, 0, -clientOrigin.y});
    const LONG right = std::min<LONG>({dirty.right, clientSize.cx, surface.Width() - clientOrigin.x});
    const LONG bottom = std::min<LONG>({dirty.bottom, clientSize.cy, surface.Height() - clientOrigin.y});
    if (left >= right) return;
    const bool sameLayout = surface.BitCount() == 32 && !surface.BitFields();
    for (LONG y = top; y < bottom; ++y) {
        if (sameLayout) {
            std::memcpy(w.pixels->Row(y) + left * 4,
                        surface.Row(y + clientOrigin.y) + (left + clientOrigin.x) * 4,
                        static_cast<std::size_t>(right - left) * 4);
            continue;
        }
        for (LONG x = left; x < right; ++x)
            w.pixels->SetPixel(x, y, surface.GetPixel(x + clientOrigin.x, y + clientOrigin.y));
    }
}

bool HeadlessDisplay::PollEvent(DisplayEvent& event) {
    if (m_events.empty()) return false;
    event = std::move(m_events.front());
    m_events.pop_front();
    return true;
}

bool HeadlessDisplay::WaitEvent(int) {
    // Nothing arrives by itself here, and the clock does not move while waiting.
    return !m_events.empty();
}

void HeadlessDisplay::SetTextInput(DisplayWindowId id, bool on, const RECT&) {
    auto it = m_windows.find(id);
    if (it != m_windows.end()) it->second.textInput = on;
}

bool HeadlessDisplay::SetClipboardText(std::string text) {
    m_clipboard = std::move(text);
    return true;
}

std::optional<std::string> HeadlessDisplay::GetClipboardText() {
    return m_clipboard;
}

void HeadlessDisplay::QueueEvent(DisplayEvent event) {
    if (event.time == 0) event.time = m_now;
    m_events.push_back(std::move(event));
}

void HeadlessDisplay::SetDpi(int dpi) {
    if (dpi < 48 || dpi > 960) return;
    m_dpi = dpi;
    if (CurrentHeadlessDisplay() == this) SetScreenDpi(dpi);
}

void HeadlessDisplay::SetScreenSize(SIZE size) {
    if (size.cx <= 0 || size.cy <= 0 || size.cx > 16384 || size.cy > 16384) return;
    m_screen = size;
    if (CurrentHeadlessDisplay() == this) win::SetScreenSize(size.cx, size.cy);
}

const HeadlessDisplay::ScreenWindow* HeadlessDisplay::FindWindow(DisplayWindowId id) const {
    auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : &it->second;
}

COLORREF HeadlessDisplay::PresentedPixel(DisplayWindowId id, int x, int y) const {
    const ScreenWindow* w = FindWindow(id);
    if (!w || !w->pixels || x < 0 || y < 0 || x >= w->pixels->Width() || y >= w->pixels->Height())
        return CLR_INVALID;
    return w->pixels->GetPixel(x, y);
}

} // namespace win
