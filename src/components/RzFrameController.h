// TRzFrameController: frame settings shared by several controls. Each control that takes part attaches itself
// and is told through its notification interface whenever a setting changes.
#pragma once

#include "components/FramePainters.h"
#include "framework/core/Component.h"
#include "framework/stored/PropertyRegistry.h"

#include <vector>

namespace gl {

// What a control that follows a frame controller implements: the controller calls it after every change.
class IRzFrameControllerNotification {
public:
    virtual ~IRzFrameControllerNotification() = default;
    virtual void ControllerChanged() = 0;
};

class TRzFrameController : public TComponent {
public:
    explicit TRzFrameController(TComponent* owner);
    std::string ClassName() const override { return "TRzFrameController"; }

    bool FrameVisible() const { return m_frameVisible; }
    void SetFrameVisible(bool visible);
    TFrameStyle FrameStyle() const { return m_frameStyle; }
    void SetFrameStyle(TFrameStyle style);
    TColor FrameColor() const { return m_frameColor; }
    void SetFrameColor(TColor color);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);

    // Attached controls are told of every change, in the order they attached.
    void AddControl(IRzFrameControllerNotification* control);
    void RemoveControl(IRzFrameControllerNotification* control);
    int ControlCount() const { return static_cast<int>(m_controls.size()); }

    // The settings read from a layout reach the attached controls once loading ends.
    void Loaded() override;

protected:
    void UpdateControls();

private:
    template <class T> void Change(T& field, T value);

    bool m_frameVisible = false;
    TFrameStyle m_frameStyle = fsFlat;
    TColor m_frameColor = clBtnShadow;
    TColor m_color = clWindow;
    bool m_parentColor = false;
    std::vector<IRzFrameControllerNotification*> m_controls;
};

// Moves `follower` (a control that takes part) from the controller in `current` to `controller` (null: to
// none). The new controller's settings reach the follower at once, as later changes will.
template <class Follower>
void ChangeFrameController(Follower& follower, TRzFrameController*& current, TRzFrameController* controller) {
    if (current == controller) return;
    if (current) {
        current->RemoveControl(&follower);
        current->RemoveFreeNotification(&follower);
    }
    current = controller;
    if (!controller) return;
    controller->AddControl(&follower);
    controller->FreeNotification(&follower);
    follower.ControllerChanged();
}

// The frame styles' names and the controller's stored properties. Safe to call more than once.
void RegisterFrameControllerLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
