// Actions: commands that are offered to components, which may carry them out for their own purposes. The hint
// action carries the application's current hint text to whoever shows hints (a status pane with AutoHint).
#pragma once

#include "framework/core/Component.h"

#include <string>

namespace gl {

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* owner) : TComponent(owner) {}
    std::string ClassName() const override { return "TBasicAction"; }
};

class THintAction : public TBasicAction {
public:
    explicit THintAction(TComponent* owner) : TBasicAction(owner) {}
    std::string ClassName() const override { return "THintAction"; }

    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint) { m_hint = hint; }

private:
    std::string m_hint;
};

} // namespace gl
