// Owners of state that holds for a scope and is undone however the scope ends (an event handler may throw):
// a flag raised, a value set aside, and a step run on the way out.
#pragma once

#include <utility>

namespace gl {

// A flag raised for a scope and lowered at its end.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
};

// A variable given a value for a scope; the value it had comes back at the end.
template <class T> class ValueScope {
public:
    ValueScope(T& target, T value) : m_target(target), m_saved(std::exchange(target, std::move(value))) {}
    ~ValueScope() { m_target = std::move(m_saved); }
    ValueScope(const ValueScope&) = delete;
    ValueScope& operator=(const ValueScope&) = delete;

private:
    T& m_target;
    T m_saved;
};

// A step that undoes what the scope did, run at its end unless Dismiss was called (the work was kept).
template <class Step> class ScopeExit {
public:
    explicit ScopeExit(Step step) : m_step(std::move(step)) {}
    ~ScopeExit() {
        if (m_armed) m_step();
    }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

    void Dismiss() { m_armed = false; }

private:
    Step m_step;
    bool m_armed = true;
};

} // namespace gl
