// Painting of a windowed control: its own content, then its children without a window in z-order, each in a
// saved context moved to its corner and clipped to its rectangle; the background brush and the colours a
// child window asks its parent for.
#include "framework/controls/WinControl.h"

#include "framework/core/FlagScope.h"
#include "framework/graphics/Font.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/user/Paint.h"

#include <algorithm>

namespace gl {

void TWinControl::WMPaint(TWMPaint& message) {
    // A plain window (a platform control) with nothing drawn by us paints itself.
    if (!message.DC() && !ControlState().Contains(csCustomPaint) && m_graphicControls.empty()) {
        DefaultHandler(message.Message());
        return;
    }
    PaintHandler(message);
}

void TWinControl::PaintHandler(TWMPaint& message) {
    win::PAINTSTRUCT ps;
    win::HDC dc = message.DC();
    const bool ownContext = dc == nullptr;
    if (ownContext) dc = win::BeginPaint(m_handle, &ps);
    if (!dc) return;
    const ScopeExit endPainting([&, hwnd = m_handle] {
        if (ownContext) win::EndPaint(hwnd, &ps);
    });
    {
        // Opaque children cover their rectangles: the window's own painting leaves those out.
        const win::SavedDC saved(dc);
        int clip = win::SIMPLEREGION;
        for (TControl* child : m_graphicControls) {
            if (!child->Visible() || !child->ControlStyle().Contains(csOpaque)) continue;
            clip = win::ExcludeClipRect(dc, child->Left(), child->Top(), child->Left() + child->Width(),
                                        child->Top() + child->Height());
            if (clip == win::NULLREGION) break;
        }
        if (clip != win::NULLREGION) PaintWindow(dc);
    }
    PaintControls(dc, nullptr);
}

void TWinControl::PaintWindow(win::HDC dc) {
    TMessage message{win::WM_PAINT, reinterpret_cast<win::WPARAM>(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintControls(win::HDC dc, TControl* first) {
    std::size_t start = 0;
    if (first) {
        const auto it = std::find(m_graphicControls.begin(), m_graphicControls.end(), first);
        if (it != m_graphicControls.end()) start = static_cast<std::size_t>(it - m_graphicControls.begin());
    }
    // Back to front, so that a later child paints over an earlier one. Indexes: a paint may change the list.
    for (std::size_t i = start; i < m_graphicControls.size(); ++i) {
        TControl* child = m_graphicControls[i];
        if (!child->Visible()) continue;
        const TRect bounds = child->BoundsRect();
        if (!win::RectVisible(dc, &bounds)) continue;
        const win::SavedDC saved(dc);
        win::POINT origin{};
        win::GetWindowOrgEx(dc, &origin);
        win::SetWindowOrgEx(dc, origin.x - child->Left(), origin.y - child->Top(), nullptr);
        win::IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        child->Perform(win::WM_PAINT, reinterpret_cast<win::WPARAM>(dc), 0);
    }
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& message) {
    const TRect client = ClientRect();
    win::FillRect(message.DC(), &client, BrushHandle());
    message.SetResult(1);
}

win::HBRUSH TWinControl::BrushHandle() {
    if (!m_brush) m_brush.Reset(win::CreateSolidBrush(ColorToRGB(Color())));
    return m_brush.Get();
}

void TWinControl::AnswerCtlColor(TWMCtlColor& message) {
    win::SetTextColor(message.ChildDC(), ColorToRGB(Font()->Color()));
    win::SetBkColor(message.ChildDC(), ColorToRGB(Color()));
    message.SetResult(reinterpret_cast<win::LRESULT>(BrushHandle()));
}

void TWinControl::CNCtlColorEdit(TWMCtlColor& message) {
    AnswerCtlColor(message);
}
void TWinControl::CNCtlColorStatic(TWMCtlColor& message) {
    AnswerCtlColor(message);
}
void TWinControl::CNCtlColorListBox(TWMCtlColor& message) {
    AnswerCtlColor(message);
}
void TWinControl::CNCtlColorBtn(TWMCtlColor& message) {
    AnswerCtlColor(message);
}
void TWinControl::CNCtlColorScrollBar(TWMCtlColor& message) {
    AnswerCtlColor(message);
}

void TWinControl::Invalidate() {
    if (m_handle)
        win::InvalidateRect(m_handle, nullptr, ControlStyle().Contains(csOpaque) ? win::FALSE : win::TRUE);
}

void TWinControl::Update() {
    if (m_handle) win::UpdateWindow(m_handle);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::CMColorChanged(TMessage& message) {
    m_brush.Reset();
    TControl::CMColorChanged(message);
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& message) {
    TControl::CMFontChanged(message);
    if (m_handle) Perform(win::WM_SETFONT, reinterpret_cast<win::WPARAM>(Font()->Handle()), 0);
    NotifyControls(CM_PARENTFONTCHANGED);
}

} // namespace gl
