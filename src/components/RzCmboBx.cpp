// TRzCustomComboBox: the frame, button and colour settings of the framed combo box, the colours that follow
// focus, the pointer and the enabled state, and the frame and flat button painted over the platform's combo
// box after it has painted itself.
#include "components/RzCmboBx.h"

#include "framework/core/FlagScope.h"
#include "framework/forms/ExtCtrlsTimer.h"
#include "framework/graphics/Canvas.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Screen.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Metrics.h"

namespace gl {

TRzCustomComboBox::TRzCustomComboBox(TComponent* owner)
    : TCustomComboBox(owner), m_searchTimer(new TTimer(this)) {
    m_searchTimer->SetEnabled(false);
    m_searchTimer->SetInterval(1500);
    m_searchTimer->OnTimer = [this](TObject*) { SearchTimerFired(); };
    FlagScope updating(m_updatingColor);
    SetColor(clWindow);
}

TRzCustomComboBox::~TRzCustomComboBox() = default;

template <class T> void TRzCustomComboBox::Store(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
}

// ---- Window ----

void TRzCustomComboBox::CreateWnd() {
    TCustomComboBox::CreateWnd();
    // The platform's control forgets the width with its window; ours is kept.
    if (m_dropDownWidth > 0)
        win::SendMessage(Handle(), win::CB_SETDROPPEDWIDTH, static_cast<win::WPARAM>(m_dropDownWidth), 0);
}

void TRzCustomComboBox::Loaded() {
    TCustomComboBox::Loaded();
    UpdateColors();
    m_focused = false;
    m_mouseOver = false;
}

// ---- Properties ----

void TRzCustomComboBox::SetDropDownWidth(int width) {
    if (width < 0 || m_dropDownWidth == width) return;
    m_dropDownWidth = width;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::CB_SETDROPPEDWIDTH, static_cast<win::WPARAM>(width), 0);
}

void TRzCustomComboBox::SetFlatButtonColor(TColor color) {
    Store(m_flatButtonColor, color);
}

void TRzCustomComboBox::SetFlatButtons(bool flat) {
    Store(m_flatButtons, flat);
}

void TRzCustomComboBox::SetReadOnly(bool readOnly) {
    Store(m_readOnly, readOnly);
}

void TRzCustomComboBox::SetFrameFlat(bool flat) {
    if (!flat) return;
    SetFrameHotTrack(true);
    SetFrameStyle(fsStatus);
    SetFrameHotStyle(fsLowered);
}

bool TRzCustomComboBox::FrameLoading() const {
    return ComponentState().Contains(csLoading);
}

void TRzCustomComboBox::FrameSettingChanged(TRzFrameSetting setting) {
    switch (setting) {
    case TRzFrameSetting::FrameVisible:
        SetCtl3D(!FrameVisible());
        SetParentCtl3D(!FrameVisible());
        break;
    case TRzFrameSetting::DisabledColor:
        if (!Enabled()) UpdateColors();
        break;
    case TRzFrameSetting::FocusColor:
        if (m_focused) UpdateColors();
        break;
    default:
        break;
    }
    Invalidate();
}

// ---- Colours by state ----

void TRzCustomComboBox::UpdateColors() {
    if (ComponentState().Contains(csLoading)) return;
    FlagScope updating(m_updatingColor);
    if (!Enabled())
        SetColor(DisabledColor());
    else if (m_focused)
        SetColor(FocusColor());
    else
        SetColor(m_normalColor);
}

void TRzCustomComboBox::CMColorChanged(TMessage& message) {
    TCustomComboBox::CMColorChanged(message);
    if (m_updatingColor) return;
    // A focus colour never set apart from the normal one moves along with it.
    if (FocusColor() == m_normalColor) FrameSettings().focusColor = Color();
    m_normalColor = Color();
}

void TRzCustomComboBox::CMEnabledChanged(TMessage& message) {
    TCustomComboBox::CMEnabledChanged(message);
    UpdateColors();
    Invalidate();
}

void TRzCustomComboBox::HotStateChanged() {
    UpdateColors();
    // An open list keeps the button as it is until it closes.
    if ((FlatButtons() || FrameHotTrack()) && HandleAllocated() && !DroppedDown()) Invalidate();
}

void TRzCustomComboBox::CMMouseEnter(TMessage& message) {
    TCustomComboBox::CMMouseEnter(message);
    m_mouseOver = true;
    HotStateChanged();
}

void TRzCustomComboBox::CMMouseLeave(TMessage& message) {
    TCustomComboBox::CMMouseLeave(message);
    m_mouseOver = false;
    HotStateChanged();
}

void TRzCustomComboBox::DoEnter() {
    m_focused = true;
    HotStateChanged();
    TCustomComboBox::DoEnter();
}

void TRzCustomComboBox::DoExit() {
    m_focused = false;
    ClearSearch();
    HotStateChanged();
    TCustomComboBox::DoExit();
}

// ---- Painting ----

void TRzCustomComboBox::WMPaint(TWMPaint& message) {
    TCustomComboBox::WMPaint(message);
    PaintFrame();
}

TRect TRzCustomComboBox::ButtonRect() const {
    // The scroll bar's width, inside the two-pixel border, at the right edge.
    const int width = win::GetSystemMetrics(win::SM_CXVSCROLL);
    return TRect{Width() - 2 - width, 2, Width() - 2, Height() - 2};
}

void TRzCustomComboBox::PaintFrame() {
    if (!HandleAllocated()) return;
    const bool flatButton = m_flatButtons && !m_readOnly;
    // The platform draws no visual themes, so the own frame always applies.
    if (!FrameVisible() && !flatButton && !m_readOnly) return;
    const win::WindowDC dc(Handle());
    if (!dc) return;
    TCanvas canvas;
    const TLentContext lent(canvas, dc);
    if (FrameVisible()) PaintFrameOn(canvas, Width(), Height(), Color(), FrameHot());
    const TRect button = ButtonRect();
    if (m_readOnly) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(button);
    } else if (flatButton) {
        PaintFlatButton(canvas, button);
    }
}

void TRzCustomComboBox::PaintFlatButton(TCanvas& canvas, const TRect& button) {
    const bool open = DroppedDown();
    TRect face = button;
    if (!m_focused && !m_mouseOver && !open) {
        canvas.Brush().SetColor(Color());
    } else {
        if (m_flatButtonColor == clBtnFace)
            face = open ? DrawBorder(canvas, face, fsStatus, sdAllSides)
                        : DrawBorder(canvas, face, fsPopup, sdAllSides);
        else
            face = DrawColorBorder(canvas, face, open ? fsStatus : fsPopup, sdAllSides, m_flatButtonColor);
        canvas.Brush().SetColor(m_flatButtonColor);
    }
    canvas.FillRect(face);
    // A filled triangle 7 wide and 4 high, pointing down, one pixel right while the list is open.
    const TColor arrow = Enabled() ? TColor(0) : clBtnShadow;
    const int x = button.left + (button.right - button.left - 7) / 2 + (open ? 1 : 0);
    const int y = button.top + (button.bottom - button.top - 4) / 2;
    canvas.Brush().SetColor(arrow);
    for (int row = 0; row < 4; ++row) canvas.FillRect(TRect{x + row, y + row, x + 7 - row, y + row + 1});
}

} // namespace gl
