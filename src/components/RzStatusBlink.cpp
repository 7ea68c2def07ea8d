// The shared blink list: its lifetime, its timer and the two messages it sends on every tick.
#include "components/RzStatusBlink.h"

#include "framework/controls/Control.h"
#include "platform/user/Timers.h"

#include <algorithm>

namespace gl {

namespace {

TRzBlinkingControlsList* g_list = nullptr;

void BlinkTimerProc(win::HWND, win::UINT, win::UINT_PTR, win::DWORD) {
    if (g_list) g_list->Tick();
}

} // namespace

TRzBlinkingControlsList::TRzBlinkingControlsList() {
    StartTimer(m_intervalOff);
}

TRzBlinkingControlsList::~TRzBlinkingControlsList() {
    if (m_timer) win::KillTimer(nullptr, m_timer);
}

TRzBlinkingControlsList* TRzBlinkingControlsList::Instance() {
    return g_list;
}

void TRzBlinkingControlsList::Register(TControl* control) {
    if (!control) return;
    if (!g_list) g_list = new TRzBlinkingControlsList();
    if (std::find(g_list->m_controls.begin(), g_list->m_controls.end(), control) == g_list->m_controls.end())
        g_list->m_controls.push_back(control);
}

void TRzBlinkingControlsList::Unregister(TControl* control) {
    if (!g_list) return;
    std::erase(g_list->m_controls, control);
    if (!g_list->m_controls.empty()) return;
    delete g_list;
    g_list = nullptr;
}

void TRzBlinkingControlsList::StartTimer(std::uint16_t interval) {
    // Setting the same thread timer again replaces its interval; a timer the display dropped comes back with
    // a new id.
    m_timer = win::SetTimer(nullptr, m_timer, interval, &BlinkTimerProc);
}

void TRzBlinkingControlsList::Tick() {
    if (m_phase == 1) {
        m_phase = 0;
        StartTimer(m_intervalOff);
    } else {
        m_phase = 1;
        StartTimer(m_intervalOn);
    }
    const int phase = m_phase;
    // A control may go away while it is told (and take the list with it when it was the last).
    const std::vector<TControl*> controls = m_controls;
    for (TControl* control : controls) {
        if (g_list != this) return;
        if (std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end()) continue;
        if (control->Perform(RM_BLINKQUERY) == 1)
            control->Perform(RM_BLINKPHASE, static_cast<win::WPARAM>(phase));
    }
}

} // namespace gl
