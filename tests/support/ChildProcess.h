// Programs that the tests run as a user would: found on PATH, spawned with an environment of their own, their
// output caught in files, waited for with a time limit, and never left running behind a failed test.
#pragma once

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace gl::proctest {

// Variables to set (a value) or to remove (no value) in a child's environment.
using EnvChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

inline std::vector<std::string> Environment(const EnvChanges& changes) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool changed = false;
        for (const auto& change : changes) changed = changed || change.first == name;
        if (!changed) env.push_back(entry);
    }
    for (const auto& [name, value] : changes)
        if (value) env.push_back(name + "=" + *value);
    return env;
}

// This process's own environment changed until the guard goes out of scope, when what was there comes back.
class ScopedEnvironment {
public:
    explicit ScopedEnvironment(const EnvChanges& changes) {
        for (const auto& [name, value] : changes) {
            const char* old = std::getenv(name.c_str());
            m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            Set(name, value);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (auto saved = m_saved.rbegin(); saved != m_saved.rend(); ++saved)
            Set(saved->first, saved->second);
    }

private:
    static void Set(const std::string& name, const std::optional<std::string>& value) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }

    EnvChanges m_saved;
};

inline bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    const std::string all = path ? path : "";
    for (std::size_t start = 0; start <= all.size();) {
        const std::size_t end = std::min(all.find(':', start), all.size());
        if (end > start && access((all.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One child process; stopped (SIGTERM, then SIGKILL) when it goes out of scope while still running.
class Child {
public:
    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { Stop(); }

    // Standard input comes from the file named (empty by default); standard output and error go to the files
    // named (created or truncated).
    bool Start(const std::vector<std::string>& args, const EnvChanges& env = {},
               const std::string& outPath = "/dev/null", const std::string& errPath = "/dev/null",
               const std::string& inPath = "/dev/null") {
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        std::vector<std::string> envStrings = Environment(env);
        std::vector<char*> envp;
        for (std::string& e : envStrings) envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        // Every signal takes its default action, as in a program started from a shell, whatever this
        // process was started with ignoring (a background job ignores SIGINT).
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        pid_t pid = -1;
        if (posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), envp.data()) != 0) pid = -1;
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
        m_pid = pid;
        return m_pid > 0;
    }

    bool Running() {
        if (m_pid <= 0) return false;
        int status = 0;
        rusage usage{};
        const pid_t done = wait4(m_pid, &status, WNOHANG, &usage);
        if (done == 0) return true;
        Finished(status, usage);
        return false;
    }

    // The exit code once the child has ended within `ms`; 128 + the signal for a child killed by one.
    // `between` runs between polls, for a caller that must keep serving its own messages meanwhile (a child
    // asking this process for the clipboard, say).
    std::optional<int> Wait(int ms, const std::function<void()>& between = {}) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (Running()) {
            if (std::chrono::steady_clock::now() >= end) return std::nullopt;
            if (between) between();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return m_exitCode;
    }

    void Stop() {
        if (!Running()) return;
        kill(m_pid, SIGTERM);
        if (Wait(3000)) return;
        kill(m_pid, SIGKILL);
        int status = 0;
        rusage usage{};
        wait4(m_pid, &status, 0, &usage);
        Finished(status, usage);
    }

    pid_t Pid() const { return m_pid; }
    // The most memory the ended child held at once, in KiB.
    long PeakKiB() const { return m_peakKiB; }

private:
    void Finished(int status, const rusage& usage) {
        m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        m_peakKiB = usage.ru_maxrss;
        m_pid = -1;
    }

    pid_t m_pid = -1;
    std::optional<int> m_exitCode;
    long m_peakKiB = 0;
};

struct RunResult {
    std::optional<int> exitCode; // none: the program did not end in time (it was killed)
    std::string out;
    std::string err;
    long peakKiB = 0; // the most memory the program held at once
};

// Whether the programs run under the sanitizers, whose shadow memory alone exceeds a small memory bound.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif

// Runs a program to its end (at most `timeoutMs`, `between` run while it works) and returns what it wrote.
// Standard input comes from `inPath`.
inline RunResult Run(const std::vector<std::string>& args, int timeoutMs, const EnvChanges& env = {},
                     const std::function<void()>& between = {}, const std::string& inPath = "/dev/null") {
    char dirTemplate[] = "/tmp/glyphloom-run-XXXXXX";
    const char* dir = mkdtemp(dirTemplate);
    if (!dir) return {};
    const std::string outPath = std::string(dir) + "/out", errPath = std::string(dir) + "/err";
    RunResult result;
    {
        Child child;
        if (child.Start(args, env, outPath, errPath, inPath))
            result.exitCode = child.Wait(timeoutMs, between);
        result.peakKiB = child.PeakKiB();
    }
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    rmdir(dir);
    return result;
}

} // namespace gl::proctest
