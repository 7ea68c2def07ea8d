// The termination signals: the handler only records the signal and writes one byte to a pipe; a watcher
// thread reads it, wakes the GUI thread and keeps the deadline.
#include "platform/system/Termination.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace win {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};

std::atomic<int> g_signal{0};
std::atomic<bool> g_pending{false};
int g_pipe[2] = {-1, -1};

// Plain data only, so that nothing here is torn down while the watcher may still use it at exit.
std::mutex g_wakeMutex;
TerminationWake g_wake = nullptr;
void* g_wakeContext = nullptr;

void EndNow(int sig) {
    std::signal(sig, SIG_DFL);
    kill(getpid(), sig);
}

void OnSignal(int sig) {
    const int savedErrno = errno;
    int first = 0;
    if (!g_signal.compare_exchange_strong(first, sig)) {
        // Asked twice: the user will not wait for the tidying up.
        EndNow(sig);
        return;
    }
    g_pending = true;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

void Watch(std::chrono::milliseconds grace) {
    char byte = 0;
    while (read(g_pipe[0], &byte, 1) != 1) {
        if (errno != EINTR) return;
    }
    {
        std::lock_guard<std::mutex> lock(g_wakeMutex);
        if (g_wake) g_wake(g_wakeContext);
    }
    std::this_thread::sleep_for(grace);
    EndNow(g_signal);
}

} // namespace

void HandleTerminationSignals(std::chrono::milliseconds grace) {
    if (g_pipe[0] >= 0 || pipe2(g_pipe, O_CLOEXEC) != 0) return;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals) {
        struct sigaction old {};
        if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        sigaction(sig, &action, nullptr);
    }
    std::thread(Watch, grace).detach();
}

bool TakeTerminationRequest() {
    return g_pending.exchange(false);
}

void SetTerminationWake(TerminationWake wake, void* context) {
    std::lock_guard<std::mutex> lock(g_wakeMutex);
    g_wake = wake;
    g_wakeContext = context;
}

void EndByTerminationSignal() {
    if (const int sig = g_signal) EndNow(sig);
}

} // namespace win
