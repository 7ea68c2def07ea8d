// The process-wide list of controls that can blink (caption panes and labels): one timer for all of them, so
// every blinking caption changes colour in step. The list asks each control whether it blinks and tells those
// that do the new phase.
#pragma once

#include "platform/win/types.h"

#include <cstdint>
#include <vector>

namespace gl {

class TControl;

// Asked of every registered control on each tick; a control that blinks answers 1.
inline constexpr win::UINT RM_BLINKQUERY = 46056;
// The new phase, to the controls that answered 1: wParam 1 for "on" (the blink colour), 0 for "off".
inline constexpr win::UINT RM_BLINKPHASE = 46057;

class TRzBlinkingControlsList {
public:
    // Both intervals start at 500 ms.
    static constexpr std::uint16_t kDefaultInterval = 500;

    // Registering the first control creates the list and starts its timer with the off-interval;
    // unregistering the last one destroys it.
    static void Register(TControl* control);
    static void Unregister(TControl* control);
    // The list, or null while no control is registered.
    static TRzBlinkingControlsList* Instance();

    std::uint16_t IntervalOn() const { return m_intervalOn; }
    std::uint16_t IntervalOff() const { return m_intervalOff; }
    // One setting for the whole process; the timer takes a new value at its next tick.
    void SetIntervalOn(std::uint16_t ms) { m_intervalOn = ms; }
    void SetIntervalOff(std::uint16_t ms) { m_intervalOff = ms; }
    // 1 while the blink colour shows, 0 while the normal one does.
    int Phase() const { return m_phase; }
    const std::vector<TControl*>& Controls() const { return m_controls; }

    // One tick: flip the phase, set the timer for the phase's length, tell the blinking controls.
    void Tick();

    TRzBlinkingControlsList(const TRzBlinkingControlsList&) = delete;
    TRzBlinkingControlsList& operator=(const TRzBlinkingControlsList&) = delete;

private:
    TRzBlinkingControlsList();
    ~TRzBlinkingControlsList();
    void StartTimer(std::uint16_t interval);

    std::vector<TControl*> m_controls;
    std::uint16_t m_intervalOn = kDefaultInterval;
    std::uint16_t m_intervalOff = kDefaultInterval;
    int m_phase = 1;
    win::UINT_PTR m_timer = 0;
};

} // namespace gl
