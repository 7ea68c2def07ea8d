// TTimer on the platform's thread timers: each running timer has a timer id of its own, and the one timer
// procedure finds the component by it.
#include "framework/forms/ExtCtrlsTimer.h"

#include "framework/forms/Application.h"
#include "platform/user/Timers.h"

#include <unordered_map>

namespace gl {

namespace {

std::unordered_map<win::UINT_PTR, TTimer*>& RunningTimers() {
    static std::unordered_map<win::UINT_PTR, TTimer*> timers;
    return timers;
}

} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    StopTimer();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == m_interval) return;
    m_interval = interval;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::StopTimer() {
    if (m_id == 0) return;
    win::KillTimer(nullptr, m_id);
    RunningTimers().erase(m_id);
    m_id = 0;
}

void TTimer::UpdateTimer() {
    StopTimer();
    // A layout sets the properties one by one: the timer starts once all of them are read.
    if (!m_enabled || m_interval == 0 || ComponentState().Contains(csLoading)) return;
    m_id = win::SetTimer(nullptr, 0, m_interval, &TTimer::TimerProc);
    if (m_id != 0) RunningTimers()[m_id] = this;
}

void TTimer::TimerProc(win::HWND, win::UINT, win::UINT_PTR id, win::DWORD) {
    const auto it = RunningTimers().find(id);
    if (it == RunningTimers().end()) return;
    TTimer* timer = it->second;
    try {
        timer->Timer();
    } catch (...) {
        // The handler may have freed the timer: it is not named here.
        ShowUnhandledException(nullptr, std::current_exception());
    }
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}

} // namespace gl
