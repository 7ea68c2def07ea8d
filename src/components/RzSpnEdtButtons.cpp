// The spin edit's step buttons: TRzControlButton (pressed look, arrow, repeat clicks while held) and
// TRzSpinButtons, the pair that places them and passes their clicks on.
#include "components/RzSpnEdt.h"

#include "components/RzGlyphStrip.h"
#include "framework/controls/MessageDispatch.h"
#include "framework/core/FlagScope.h"
#include "framework/forms/ExtCtrlsTimer.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "platform/user/Messages.h"
#include "platform/win/KeyCodes.h"

#include <array>

namespace gl {

const MessageTable& TRzSpinButtons::Messages() const {
    static const MessageTable table = TCustomControl::Messages().With({
        {win::WM_GETDLGCODE, &TRzSpinButtons::WMGetDlgCode},
        {win::WM_CAPTURECHANGED, &TRzSpinButtons::WMCaptureChanged},
    });
    return table;
}

// ---- TRzControlButton ----

TRzControlButton::TRzControlButton(TComponent* owner)
    : TGraphicControl(owner), m_glyph(std::make_unique<TBitmap>()),
      m_timer(std::make_unique<TTimer>(nullptr)) {
    m_glyph->OnChange = [this](TObject*) {
        if (OnGlyphChanged) OnGlyphChanged(this);
        Invalidate();
    };
    // Clicks come from the release and the repeat timer, not from the control's own click rule.
    ExcludeStyle(csClickEvents);
    ExcludeStyle(csDoubleClicks);
    SetBounds(0, 0, 17, 8);
    m_timer->SetEnabled(false);
    m_timer->OnTimer = [this](TObject*) { TimerExpired(); };
}

TRzControlButton::~TRzControlButton() = default;

void TRzControlButton::SetStyle(TRzControlButtonStyle style) {
    if (m_style == style) return;
    m_style = style;
    Invalidate();
}

void TRzControlButton::SetFlat(bool flat) {
    if (m_flat == flat) return;
    m_flat = flat;
    Invalidate();
}

void TRzControlButton::SetGlyph(const TBitmap* glyph) {
    // Assigning reports the change through the bitmap's own notification.
    m_glyph->Assign(glyph);
}

void TRzControlButton::SetNumGlyphs(int value) {
    value = value < 1 ? 1 : (value > 4 ? 4 : value);
    if (m_numGlyphs == value) return;
    m_numGlyphs = value;
    Invalidate();
}

void TRzControlButton::CancelPress() {
    if (m_releasing) return;
    m_timer->SetEnabled(false);
    if (!m_pressed) return;
    m_pressed = false;
    Invalidate();
}

void TRzControlButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    if (OnPressing && !OnPressing(this)) return;
    m_pressed = true;
    Repaint();
    if (m_repeatClicks) {
        m_timer->SetInterval(m_initialDelay);
        m_timer->SetEnabled(true);
    }
}

void TRzControlButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !m_pressed) return;
    m_timer->SetEnabled(false);
    m_pressed = false;
    Repaint();
    if (x >= 0 && y >= 0 && x < Width() && y < Height()) Click();
}

void TRzControlButton::WMLButtonUp(TWMMouse& message) {
    // Reset on every way out: a click's handler may raise.
    FlagScope releasing(m_releasing);
    TGraphicControl::WMLButtonUp(message);
}

void TRzControlButton::TimerExpired() {
    m_timer->SetInterval(m_delay);
    // The press holds on even with the pointer moved off the button, as long as the capture stays ours.
    if (m_pressed && MouseCapture())
        Click();
    else if (!m_pressed)
        m_timer->SetEnabled(false);
}

void TRzControlButton::CMMouseEnter(TMessage& message) {
    TGraphicControl::CMMouseEnter(message);
    m_mouseOver = true;
    if (m_flat) Invalidate();
}

void TRzControlButton::CMMouseLeave(TMessage& message) {
    TGraphicControl::CMMouseLeave(message);
    m_mouseOver = false;
    if (m_flat) Invalidate();
}

void TRzControlButton::Paint() {
    TCanvas& canvas = *Canvas();
    TRect rect{0, 0, Width(), Height()};
    TColor fill = clBtnFace;
    if (m_flat) {
        fill = Color();
        if (m_pressed)
            rect = DrawSides(canvas, rect, clBtnShadow, clBtnHighlight, sdAllSides);
        else if (m_mouseOver && Enabled())
            rect = DrawSides(canvas, rect, clBtnHighlight, clBtnShadow, sdAllSides);
    } else if (m_pressed) {
        rect = DrawSides(canvas, rect, clBtnShadow, clBtnShadow, sdAllSides);
    } else {
        rect = DrawBorder(canvas, rect, fsButtonUp, sdAllSides);
    }
    canvas.Brush().SetColor(fill);
    canvas.FillRect(rect);
    if (m_style == cbsNone)
        DrawGlyph(canvas, rect);
    else
        DrawArrow(canvas, rect, Enabled());
}

void TRzControlButton::DrawGlyph(TCanvas& canvas, TRect inside) {
    const TSize size = GlyphImageSize(*m_glyph, m_numGlyphs);
    if (size.cx <= 0) return;
    // The images of a strip: normal, disabled, pressed.
    int index = 0;
    if (!Enabled() && m_numGlyphs >= 2)
        index = 1;
    else if (m_pressed && m_numGlyphs >= 3)
        index = 2;
    const int shift = m_pressed ? 1 : 0;
    const int x = inside.left + (inside.right - inside.left - size.cx) / 2 + shift;
    const int y = inside.top + (inside.bottom - inside.top - size.cy) / 2 + shift;
    DrawGlyphImage(canvas, *m_glyph, m_numGlyphs, index, x, y);
}

void TRzControlButton::DrawArrow(TCanvas& canvas, TRect inside, bool enabledLook) {
    if (m_style == cbsNone || m_style == cbsDropDown) return;
    const int w = inside.right - inside.left;
    const int h = inside.bottom - inside.top;
    int x = inside.left + w / 2;
    int y = inside.top + (h - 1) / 2;
    if (m_style == cbsUp || m_style == cbsDown) y += 2;
    if (m_style == cbsLeft || m_style == cbsRight) x -= 2;
    if (enabledLook && m_pressed) {
        ++x;
        ++y;
    }
    std::array<TPoint, 3> points{};
    switch (m_style) {
    case cbsUp:
        points = {TPoint{x, y - 5}, TPoint{x + 4, y}, TPoint{x - 4, y}};
        break;
    case cbsDown:
        points = {TPoint{x, y + 1}, TPoint{x - 3, y - 3}, TPoint{x + 4, y - 3}};
        break;
    case cbsLeft:
        points = {TPoint{x, y}, TPoint{x + 4, y - 4}, TPoint{x + 4, y + 4}};
        break;
    default:
        points = {TPoint{x + 4, y}, TPoint{x, y + 4}, TPoint{x, y - 4}};
        break;
    }
    const TColor savedBrush = canvas.Brush().Color();
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetColor(enabledLook ? TColor(0) : clBtnShadow);
    canvas.Polygon(points);
    canvas.Pen().SetStyle(psSolid);
    canvas.Brush().SetColor(savedBrush);
}

// ---- TRzSpinButtons ----

TRzSpinButtons::TRzSpinButtons(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 16, 25);
    SetColor(clBtnFace);
    SetTabStop(false);
    m_upRight = new TRzControlButton(this);
    m_downLeft = new TRzControlButton(this);
    for (TRzControlButton* button : {m_upRight, m_downLeft}) {
        button->SetParent(this);
        button->OnClick = [this](TObject* sender) { ButtonClicked(static_cast<TRzControlButton*>(sender)); };
        button->OnPressing = [this](TRzControlButton* pressed) { return ButtonMouseDown(pressed); };
        button->OnGlyphChanged = [this](TRzControlButton* changed) { GlyphChanged(changed); };
    }
    UpdateStyles();
    ArrangeButtons(Width(), Height());
}

void TRzSpinButtons::UpdateStyles() {
    // A button with a picture of its own shows it instead of the arrow.
    const auto styleOf = [](TRzControlButton* button, TRzControlButtonStyle arrow) {
        return button->Glyph()->Empty() ? arrow : cbsNone;
    };
    m_upRight->SetStyle(styleOf(m_upRight, m_direction == sdUpDown ? cbsUp : cbsRight));
    m_downLeft->SetStyle(styleOf(m_downLeft, m_direction == sdUpDown ? cbsDown : cbsLeft));
}

void TRzSpinButtons::GlyphChanged(TRzControlButton*) {
    UpdateStyles();
}

TBitmap* TRzSpinButtons::GlyphUpRight() const {
    return m_upRight->Glyph();
}

void TRzSpinButtons::SetGlyphUpRight(const TBitmap* glyph) {
    m_upRight->SetGlyph(glyph);
}

TBitmap* TRzSpinButtons::GlyphDownLeft() const {
    return m_downLeft->Glyph();
}

void TRzSpinButtons::SetGlyphDownLeft(const TBitmap* glyph) {
    m_downLeft->SetGlyph(glyph);
}

void TRzSpinButtons::SetDirection(TSpinDirection direction) {
    if (m_direction == direction) return;
    m_direction = direction;
    // The pictures were drawn for the other direction.
    m_upRight->SetGlyph(nullptr);
    m_downLeft->SetGlyph(nullptr);
    UpdateStyles();
    Invalidate();
}

void TRzSpinButtons::SetOrientation(TOrientation orientation) {
    if (m_orientation == orientation) return;
    m_orientation = orientation;
    if (ComponentState().Contains(csLoading)) return;
    SetWidth(orientation == orVertical ? Width() / 2 : Width() * 2);
    Invalidate();
}

void TRzSpinButtons::SetFlat(bool flat) {
    if (m_flat == flat) return;
    m_flat = flat;
    m_upRight->SetFlat(flat);
    m_downLeft->SetFlat(flat);
}

void TRzSpinButtons::SetButtonColor(TColor color) {
    SetColor(color);
    m_upRight->SetColor(color);
    m_downLeft->SetColor(color);
}

void TRzSpinButtons::SetEnabled(bool enabled) {
    TCustomControl::SetEnabled(enabled);
    m_upRight->SetEnabled(enabled);
    m_downLeft->SetEnabled(enabled);
}

void TRzSpinButtons::SetBounds(int left, int top, int width, int height) {
    ArrangeButtons(width, height);
    TCustomControl::SetBounds(left, top, width, height);
}

void TRzSpinButtons::Loaded() {
    TCustomControl::Loaded();
    ArrangeButtons(Width(), Height());
}

void TRzSpinButtons::ArrangeButtons(int width, int height) {
    if (ComponentState().Contains(csLoading) || !m_upRight || !m_downLeft) return;
    if (m_orientation == orVertical) {
        // The bottom row stays free.
        m_upRight->SetBounds(0, 0, width, height / 2);
        m_downLeft->SetBounds(0, height / 2, width, height - height / 2 - 1);
    } else {
        m_downLeft->SetBounds(0, 0, width / 2, height - 1);
        m_upRight->SetBounds(width / 2, 0, width - width / 2, height - 1);
    }
}

void TRzSpinButtons::ButtonClicked(TRzControlButton* button) {
    if (button == m_upRight) {
        if (OnUpRightClick) OnUpRightClick(this);
    } else if (OnDownLeftClick) {
        OnDownLeftClick(this);
    }
}

bool TRzSpinButtons::ButtonMouseDown(TRzControlButton*) {
    const auto takeFocus = [](TWinControl* control) {
        if (!control->TabStop() || !control->CanFocus() || control->Focused()) return true;
        control->SetFocus();
        return control->Focused();
    };
    if (m_focusControl && m_focusControl->TabStop() && m_focusControl->CanFocus())
        return takeFocus(m_focusControl);
    if (m_focusControl && m_focusControl->Focused()) return true;
    return takeFocus(this);
}

void TRzSpinButtons::WMGetDlgCode(TMessage& message) {
    // Focused, the pair steps with the arrow keys instead of letting them move the focus.
    DefaultHandler(message);
    message.Result |= win::DLGC_WANTARROWS;
}

void TRzSpinButtons::WMCaptureChanged(TMessage& message) {
    // A box raised from a step (or anything else) took the mouse: the held button lets go, without a click.
    DefaultHandler(message);
    if (reinterpret_cast<win::HWND>(message.LParam) == (HandleAllocated() ? Handle() : nullptr)) return;
    m_upRight->CancelPress();
    m_downLeft->CancelPress();
}

void TRzSpinButtons::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == win::VK_UP)
        ButtonClicked(m_upRight);
    else if (key == win::VK_DOWN)
        ButtonClicked(m_downLeft);
}

} // namespace gl
