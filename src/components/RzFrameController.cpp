// TRzFrameController: storing the shared frame settings and passing every change on to the attached controls.
#include "components/RzFrameController.h"

#include <algorithm>

namespace gl {

TRzFrameController::TRzFrameController(TComponent* owner) : TComponent(owner) {}

template <class T> void TRzFrameController::Change(T& field, T value) {
    if (field == value) return;
    field = value;
    UpdateControls();
}

void TRzFrameController::SetFrameVisible(bool visible) {
    Change(m_frameVisible, visible);
}
void TRzFrameController::SetFrameStyle(TFrameStyle style) {
    Change(m_frameStyle, style);
}
void TRzFrameController::SetFrameColor(TColor color) {
    Change(m_frameColor, color);
}
void TRzFrameController::SetParentColor(bool parentColor) {
    Change(m_parentColor, parentColor);
}

void TRzFrameController::SetColor(TColor color) {
    if (m_color == color) return;
    m_color = color;
    // A colour of its own, as a control's does, stops it following the parent's.
    m_parentColor = false;
    UpdateControls();
}

void TRzFrameController::AddControl(IRzFrameControllerNotification* control) {
    if (!control || std::find(m_controls.begin(), m_controls.end(), control) != m_controls.end()) return;
    m_controls.push_back(control);
}

void TRzFrameController::RemoveControl(IRzFrameControllerNotification* control) {
    std::erase(m_controls, control);
}

void TRzFrameController::Loaded() {
    TComponent::Loaded();
    UpdateControls();
}

void TRzFrameController::UpdateControls() {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    // A control may detach while it is told; work on a copy.
    const std::vector<IRzFrameControllerNotification*> controls = m_controls;
    for (IRzFrameControllerNotification* control : controls)
        if (std::find(m_controls.begin(), m_controls.end(), control) != m_controls.end())
            control->ControllerChanged();
}

} // namespace gl
