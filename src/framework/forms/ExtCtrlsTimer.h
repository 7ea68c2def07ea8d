// TTimer: a component that raises OnTimer every Interval milliseconds while it is enabled, on the GUI
// thread's own clock (the display's: real time on a screen, the virtual clock of the headless display).
#pragma once

#include "framework/core/Component.h"
#include "framework/stored/PropertyRegistry.h"

#include "platform/win/types.h"

namespace gl {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    // A timer runs while it is enabled and its interval is not 0 (from its construction on: enabled, 1000
    // ms); each change starts the interval again.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return m_interval; }
    void SetInterval(unsigned interval);

    // Raised every interval; exceptions it lets escape go to the application's error box and the timer goes
    // on.
    TNotifyEvent OnTimer;

    // Starts the interval again from now (when the timer runs).
    void Restart() { UpdateTimer(); }

protected:
    // The overridable step behind OnTimer.
    virtual void Timer();
    void Loaded() override;

private:
    static void TimerProc(win::HWND, win::UINT, win::UINT_PTR id, win::DWORD);
    void UpdateTimer();
    void StopTimer();

    bool m_enabled = true;
    unsigned m_interval = 1000;
    win::UINT_PTR m_id = 0;
};

// Registers TTimer's stored properties (Enabled, Interval, OnTimer); safe to call more than once.
void RegisterTimerLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
