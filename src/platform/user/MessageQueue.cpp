// The GUI thread's queue: sending, posting, and the retrieval order of the platform (posted messages, then
// WM_QUIT, then input, then WM_PAINT, then WM_TIMER), waiting on the display, and dispatching.
#include "platform/user/MessageLoop.h"

#include "platform/display/Display.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/Timers.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>
#include <deque>
#include <map>
#include <mutex>
#include <string>

namespace win {

namespace {

struct Queue {
    std::mutex mutex; // posting may come from another thread
    std::deque<MSG> posted;
};

Queue& Posted() {
    static Queue queue;
    return queue;
}

std::function<void()>& IdleHook() {
    static std::function<void()> hook;
    return hook;
}

bool g_inIdleHook = false;
int g_sendDepth = 0;

const HWND kThreadOnly = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));

bool InRange(UINT msg, UINT minMsg, UINT maxMsg) {
    if (minMsg == 0 && maxMsg == 0) return true;
    if (minMsg <= maxMsg) return msg >= minMsg && msg <= maxMsg;
    // A reversed range excludes the messages between the two, as on the platform.
    return msg >= minMsg || msg <= maxMsg;
}

bool WindowMatches(HWND target, HWND filter) {
    if (!filter) return true;
    if (filter == kThreadOnly) return target == nullptr;
    return target == filter || IsChild(filter, target);
}

void Stamp(MSG& msg) {
    if (msg.time == 0) msg.time = GetTickCount();
    msg.pt = wm::Thread().cursorPos;
}

bool TakePosted(HWND filter, UINT minMsg, UINT maxMsg, bool remove, MSG& out) {
    Queue& q = Posted();
    std::lock_guard<std::mutex> lock(q.mutex);
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
        if (!WindowMatches(it->hwnd, filter) || !InRange(it->message, minMsg, maxMsg)) continue;
        out = *it;
        if (remove) q.posted.erase(it);
        return true;
    }
    return false;
}

bool TakeQuit(UINT minMsg, UINT maxMsg, bool remove, MSG& out) {
    wm::ThreadState& t = wm::Thread();
    if (!t.quitPosted || !InRange(WM_QUIT, minMsg, maxMsg)) return false;
    out = MSG{};
    out.message = WM_QUIT;
    out.wParam = static_cast<WPARAM>(t.quitCode);
    if (remove) t.quitPosted = false;
    return true;
}

bool TakePaint(HWND filter, UINT minMsg, UINT maxMsg, MSG& out) {
    if (!InRange(WM_PAINT, minMsg, maxMsg) || filter == kThreadOnly) return false;
    Window* w = wm::NextWindowToPaint(filter);
    if (!w) return false;
    out = MSG{};
    out.hwnd = w->handle;
    out.message = WM_PAINT;
    return true;
}

// One attempt at every source, in the platform's order.
bool TryTake(MSG* msg, HWND filter, UINT minMsg, UINT maxMsg, bool remove) {
    wm::PollDisplay();
    MSG m{};
    bool got = TakePosted(filter, minMsg, maxMsg, remove, m) || TakeQuit(minMsg, maxMsg, remove, m) ||
               wm::TakeInput(filter, minMsg, maxMsg, remove, m) || TakePaint(filter, minMsg, maxMsg, m);
    if (!got && InRange(WM_TIMER, minMsg, maxMsg) && filter != kThreadOnly)
        got = wm::TakeDueTimer(filter == kThreadOnly ? nullptr : filter, remove, m);
    if (!got) return false;
    Stamp(m);
    if (msg) *msg = m;
    return true;
}

// A display that waits for no input: lets the idle hook feed the queue once (never from inside the hook
// itself).
void RunIdleHook() {
    wm::PresentAll();
    if (IdleHook() && !g_inIdleHook) {
        g_inIdleHook = true;
        std::function<void()> hook = IdleHook();
        hook();
        g_inIdleHook = false;
    }
}

// A display that waits for input: blocks until it has an event or the next timer is due.
void Wait() {
    wm::PresentAll();
    int timeout = -1;
    if (auto due = wm::NextTimerDue()) {
        const std::uint64_t now = wm::Now();
        timeout = *due <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(*due - now, 0x7FFFFFFF));
    }
    CurrentDisplay().WaitEvent(timeout);
}

} // namespace

namespace wm {

void PostFront(const MSG& msg) {
    Queue& q = Posted();
    std::lock_guard<std::mutex> lock(q.mutex);
    q.posted.push_front(msg);
}

void ClearQueue() {
    Queue& q = Posted();
    std::lock_guard<std::mutex> lock(q.mutex);
    q.posted.clear();
    Thread().quitPosted = false;
}

bool InIdleHook() {
    return g_inIdleHook;
}

void SetIdleHookInternal(std::function<void()> hook) {
    IdleHook() = std::move(hook);
}

} // namespace wm

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd == HWND_BROADCAST) {
        std::vector<HWND> tops;
        for (Window* top : wm::Desktop()->children) tops.push_back(top->handle);
        for (HWND h : tops) SendMessage(h, msg, wParam, lParam);
        return 0;
    }
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return 0;
    ++g_sendDepth;
    const LRESULT result = wm::CallProc(w, msg, wParam, lParam);
    --g_sendDepth;
    return result;
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd == HWND_BROADCAST) {
        for (Window* top : wm::Desktop()->children) PostMessage(top->handle, msg, wParam, lParam);
        return TRUE;
    }
    if (hwnd && !wm::FindOrFail(hwnd)) return FALSE;
    MSG m{};
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    {
        Queue& q = Posted();
        std::lock_guard<std::mutex> lock(q.mutex);
        q.posted.push_back(m);
    }
    if (HasCurrentDisplay()) CurrentDisplay().Wake();
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    wm::ThreadState& t = wm::Thread();
    t.quitPosted = true;
    t.quitCode = exitCode;
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    wm::CollectGarbage();
    if (hwnd && hwnd != kThreadOnly && !wm::FindOrFail(hwnd)) return FALSE;
    return TryTake(msg, hwnd, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    wm::CollectGarbage();
    if (hwnd && hwnd != kThreadOnly && !wm::FindOrFail(hwnd)) return -1;
    for (;;) {
        if (TryTake(msg, hwnd, filterMin, filterMax, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
        if (CurrentDisplay().WaitsForInput()) {
            Wait();
            continue;
        }
        RunIdleHook();
        if (TryTake(msg, hwnd, filterMin, filterMax, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
        // Nothing more can come from this display: end the loop as WM_QUIT would.
        *msg = MSG{};
        msg->message = WM_QUIT;
        return FALSE;
    }
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        // Only a procedure that a live timer names is called; any other lParam is ignored, never jumped to.
        if (!wm::IsLiveTimerProc(msg->hwnd, msg->wParam, msg->lParam)) return 0;
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    if (!msg->hwnd) return 0;
    Window* w = wm::FindOrFail(msg->hwnd);
    if (!w) return 0;
    return wm::CallProc(w, msg->message, msg->wParam, msg->lParam);
}

UINT RegisterWindowMessage(LPCSTR name) {
    static std::map<std::string, UINT> registered;
    static UINT next = kFirstRegisteredMessage;
    if (!name || !*name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto it = registered.find(name);
    if (it != registered.end()) return it->second;
    if (next > 0xFFFF) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    registered.emplace(name, next);
    return next++;
}

BOOL GdiFlush() {
    wm::PresentAll();
    return TRUE;
}

bool PumpWaitingMessages() {
    MSG msg;
    // A bound keeps a window that never validates its update region from holding the caller forever.
    for (int i = 0; i < 1000000 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    wm::PresentAll();
    return true;
}

namespace {

// A fresh thread: nothing posted, no idle hook, no send or idle call under way.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    wm::ClearQueue();
    IdleHook() = nullptr;
    g_inIdleHook = false;
    g_sendDepth = 0;
});

} // namespace

} // namespace win
