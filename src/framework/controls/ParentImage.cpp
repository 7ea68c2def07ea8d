// The parent's painting behind a control, drawn into the control's context under the parent's coordinates.
#include "framework/controls/ParentImage.h"

#include "framework/controls/WinControl.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Owners.h"
#include "platform/user/Messages.h"

namespace gl {

void DrawParentImage(TControl& control, win::HDC dc) {
    TWinControl* parent = control.Parent();
    if (!parent || !dc) return;
    const win::SavedDC saved(dc);
    if (!saved) return;
    // The parent paints in its own coordinates: move the origin to its corner and keep to our rectangle.
    win::POINT origin{};
    win::GetWindowOrgEx(dc, &origin);
    win::SetWindowOrgEx(dc, origin.x + control.Left(), origin.y + control.Top(), nullptr);
    win::IntersectClipRect(dc, control.Left(), control.Top(), control.Left() + control.Width(),
                           control.Top() + control.Height());
    parent->Perform(win::WM_ERASEBKGND, reinterpret_cast<win::WPARAM>(dc), 0);
    // A window the platform paints would paint its own screen, not this context: only what we draw for it.
    if (parent->ControlState().Contains(csCustomPaint))
        parent->Perform(win::WM_PAINT, reinterpret_cast<win::WPARAM>(dc), 0);
    else
        parent->PaintControls(dc, nullptr);
}

} // namespace gl
