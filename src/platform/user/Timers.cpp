// Timers on the display's clock: window and thread timers that become WM_TIMER messages, and the window
// manager's own timers (caret blink, scroll-bar repeat, hover) that run a callback.
#include "platform/user/Timers.h"

#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/Messages.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace win {

namespace {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    TIMERPROC proc = nullptr;
    std::uint64_t due = 0;
    bool system = false;
    std::function<void()> callback;
};

std::vector<Timer>& Timers() {
    static std::vector<Timer> timers;
    return timers;
}

UINT_PTR g_nextThreadTimerId = 1;

UINT ClampInterval(UINT ms) {
    return std::clamp<UINT>(ms, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
}

Timer* FindTimer(HWND hwnd, UINT_PTR id, bool system) {
    for (Timer& t : Timers())
        if (t.hwnd == hwnd && t.id == id && t.system == system) return &t;
    return nullptr;
}

bool Matches(const Timer& t, HWND filter) {
    if (!filter) return true;
    if (filter == reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1))) return t.hwnd == nullptr;
    return t.hwnd == filter || IsChild(filter, t.hwnd);
}

} // namespace

namespace wm {

std::uint64_t Now() {
    return CurrentDisplay().Now();
}

void SetSystemTimer(std::uintptr_t key, UINT intervalMs, std::function<void()> callback) {
    const UINT interval = ClampInterval(intervalMs);
    if (Timer* t = FindTimer(nullptr, key, true)) {
        t->interval = interval;
        t->due = Now() + interval;
        t->callback = std::move(callback);
        return;
    }
    Timer t;
    t.id = key;
    t.interval = interval;
    t.due = Now() + interval;
    t.system = true;
    t.callback = std::move(callback);
    Timers().push_back(std::move(t));
}

void KillSystemTimer(std::uintptr_t key) {
    auto& timers = Timers();
    timers.erase(
        std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.system && t.id == key; }),
        timers.end());
}

std::optional<std::uint64_t> NextTimerDue() {
    std::optional<std::uint64_t> next;
    for (const Timer& t : Timers())
        if (!next || t.due < *next) next = t.due;
    return next;
}

bool TakeDueTimer(HWND filter, bool remove, MSG& msg) {
    const std::uint64_t now = Now();
    // The window manager's own timers first: they run here and produce no message. One pass only: a callback
    // that sets its timer again is due next time round.
    for (std::size_t i = 0; i < Timers().size(); ++i) {
        Timer& t = Timers()[i];
        if (!t.system || t.due > now) continue;
        t.due = now + t.interval;
        std::function<void()> callback = t.callback;
        if (callback) callback();
    }
    Timer* best = nullptr;
    for (Timer& t : Timers())
        if (!t.system && t.due <= now && Matches(t, filter) && (!best || t.due < best->due)) best = &t;
    if (!best) return false;
    msg = MSG{};
    msg.hwnd = best->hwnd;
    msg.message = WM_TIMER;
    msg.wParam = best->id;
    msg.lParam = reinterpret_cast<LPARAM>(best->proc);
    msg.time = static_cast<DWORD>(now);
    msg.pt = Thread().cursorPos;
    // Ticks missed while the program was busy are not made up: the next one is an interval from now.
    if (remove) best->due = now + best->interval;
    return true;
}

bool IsLiveTimerProc(HWND hwnd, UINT_PTR id, LPARAM proc) {
    for (const Timer& t : Timers())
        if (!t.system && t.hwnd == hwnd && t.id == id) return reinterpret_cast<LPARAM>(t.proc) == proc;
    return false;
}

void KillTimersOf(HWND hwnd) {
    auto& timers = Timers();
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [&](const Timer& t) { return !t.system && t.hwnd == hwnd; }),
                 timers.end());
}

} // namespace wm

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
    if (hwnd && !wm::FindOrFail(hwnd)) return 0;
    const UINT interval = ClampInterval(elapseMs);
    if (!hwnd) {
        if (Timer* t = id ? FindTimer(nullptr, id, false) : nullptr) {
            t->interval = interval;
            t->proc = proc;
            t->due = wm::Now() + interval;
            return id;
        }
        id = g_nextThreadTimerId++;
        if (g_nextThreadTimerId == 0) g_nextThreadTimerId = 1;
    } else if (Timer* t = FindTimer(hwnd, id, false)) {
        t->interval = interval;
        t->proc = proc;
        t->due = wm::Now() + interval;
        return id ? id : 1;
    }
    Timer t;
    t.hwnd = hwnd;
    t.id = id;
    t.interval = interval;
    t.proc = proc;
    t.due = wm::Now() + interval;
    Timers().push_back(std::move(t));
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& timers = Timers();
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return !t.system && t.hwnd == hwnd && t.id == id; });
    if (it == timers.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    timers.erase(it);
    return TRUE;
}

DWORD GetTickCount() {
    return static_cast<DWORD>(wm::Now());
}

namespace {

// No timers, and thread timers numbered from 1 again.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    Timers().clear();
    g_nextThreadTimerId = 1;
});

} // namespace

} // namespace win
