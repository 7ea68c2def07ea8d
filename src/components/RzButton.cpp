// TRzCustomButton and TRzButton: properties, the mouse, Space, Enter and Escape, the active button and
// clicks. The faces are painted in RzButtonPaint.cpp, the bit button's image and caption in
// RzButtonGlyph.cpp.
#include "components/RzButton.h"

#include "components/ColorShading.h"
#include "components/StoreAndRepaint.h"
#include "framework/core/FlagScope.h"
#include "framework/core/StringUtils.h"
#include "framework/forms/Forms.h"
#include "platform/user/Input.h"
#include "platform/user/User.h"

namespace gl {

TRzRingColors HotTrackRing(TColor hotTrackColor, TRzHotTrackColorType type) {
    if (type == htctActual) return {LighterColor(hotTrackColor, 30), DarkerColor(hotTrackColor, 30)};
    HslColor hsl = RgbToHsl(ColorToRGB(hotTrackColor));
    hsl.hue = hsl.hue < 120 ? hsl.hue + 120 : hsl.hue - 120;
    hsl.saturation = 240;
    hsl.lightness = 180;
    const TColor upperLeft = static_cast<TColor>(HslToRgb(hsl));
    return {upperLeft, DarkerColor(upperLeft, 30)};
}

TRzRingColors FocusRing(TColor highlightColor) {
    HslColor hsl = RgbToHsl(ColorToRGB(highlightColor));
    hsl.saturation = 220;
    hsl.lightness = 220;
    const TColor upperLeft = static_cast<TColor>(HslToRgb(hsl));
    return {upperLeft, DarkerColor(upperLeft, 30)};
}

// ---- TRzCustomButton ----

TRzCustomButton::TRzCustomButton(TComponent* owner) : TCustomControl(owner) {
    // The button makes its clicks itself (a press may be dragged off and back on); double presses are two
    // presses.
    ExcludeStyle(csClickEvents);
    ExcludeStyle(csDoubleClicks);
    SetBounds(Left(), Top(), 115, 17);
    SetTabStop(true);
}

void TRzCustomButton::SetAlignmentVertical(TAlignmentVertical value) {
    StoreAndRepaint(*this, m_alignmentVertical, value);
}
void TRzCustomButton::SetHighlightColor(TColor value) {
    StoreAndRepaint(*this, m_highlightColor, value);
}
void TRzCustomButton::SetHotTrack(bool value) {
    StoreAndRepaint(*this, m_hotTrack, value);
}
void TRzCustomButton::SetHotTrackColor(TColor value) {
    StoreAndRepaint(*this, m_hotTrackColor, value);
}
void TRzCustomButton::SetHotTrackColorType(TRzHotTrackColorType value) {
    StoreAndRepaint(*this, m_hotTrackColorType, value);
}
void TRzCustomButton::SetLightTextStyle(bool value) {
    StoreAndRepaint(*this, m_lightTextStyle, value);
}
void TRzCustomButton::SetTextHighlightColor(TColor value) {
    StoreAndRepaint(*this, m_textHighlightColor, value);
}
void TRzCustomButton::SetTextShadowColor(TColor value) {
    StoreAndRepaint(*this, m_textShadowColor, value);
}
void TRzCustomButton::SetTextShadowDepth(int value) {
    StoreAndRepaint(*this, m_textShadowDepth, value);
}
void TRzCustomButton::SetTextStyle(TTextStyle value) {
    StoreAndRepaint(*this, m_textStyle, value);
}
void TRzCustomButton::SetThemeAware(bool value) {
    StoreAndRepaint(*this, m_themeAware, value);
}
void TRzCustomButton::SetTransparent(bool value) {
    StoreAndRepaint(*this, m_transparent, value);
}

TColor TRzCustomButton::BackgroundColor() const {
    return Parent() ? Parent()->Color() : Color();
}

void TRzCustomButton::SetPressed(bool pressed) {
    if (m_pressed == pressed) return;
    m_pressed = pressed;
    Invalidate();
}

void TRzCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && Enabled()) {
        if (!Focused() && CanFocus()) {
            m_focusingByMouse = true;
            SetFocus();
            m_focusingByMouse = false;
        }
        if (Focused()) {
            SetPressed(true);
            m_dragging = true;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TRzCustomButton::MouseMove(TShiftState shift, int x, int y) {
    if (m_dragging) SetPressed(PointInRect(ClientRect(), TPoint{x, y}));
    TCustomControl::MouseMove(shift, x, y);
}

void TRzCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && m_dragging) {
        m_dragging = false;
        SetPressed(false);
        if (PointInRect(ClientRect(), TPoint{x, y})) Click();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TRzCustomButton::MouseEnter() {
    m_mouseOver = true;
    TCustomControl::MouseEnter();
    if (m_hotTrack) RepaintHotArea();
}

void TRzCustomButton::MouseLeave() {
    m_mouseOver = false;
    TCustomControl::MouseLeave();
    if (m_hotTrack) RepaintHotArea();
}

void TRzCustomButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == win::VK_SPACE && !shift.Contains(ssAlt)) {
        m_keyArmed = true;
        SetPressed(true);
    }
    TCustomControl::KeyDown(key, shift);
}

void TRzCustomButton::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (key == win::VK_SPACE) {
        SetPressed(false);
        // Only a Space that went down on this button clicks it: a release whose press went elsewhere (the
        // focus moved in between) does nothing.
        if (m_keyArmed) {
            m_keyArmed = false;
            Click();
        }
    }
    TCustomControl::KeyUp(key, shift);
}

void TRzCustomButton::WMKillFocus(TWMKillFocus& message) {
    m_keyArmed = false;
    m_dragging = false;
    SetPressed(false);
    TCustomControl::WMKillFocus(message);
}

void TRzCustomButton::CMEnabledChanged(TMessage& message) {
    if (!Enabled()) {
        m_keyArmed = false;
        m_dragging = false;
        m_pressed = false;
        // A button that is disabled while focused gives the focus to the next control first.
        if (HandleAllocated() && Focused() && Parent()) Parent()->SelectNext(this, true, true);
    }
    TCustomControl::CMEnabledChanged(message);
    Invalidate();
}

void TRzCustomButton::CMTextChanged(TMessage& message) {
    TCustomControl::CMTextChanged(message);
    Invalidate();
}

void TRzCustomButton::CMFontChanged(TMessage& message) {
    TCustomControl::CMFontChanged(message);
    Invalidate();
}

void TRzCustomButton::CMDialogChar(TCMDialogChar& message) {
    if (IsAccel(message.CharCode(), Caption()) && CanFocus()) {
        AccelPressed();
        message.SetResult(1);
        return;
    }
    TCustomControl::CMDialogChar(message);
}

// ---- TRzButton ----

TRzButton::TRzButton(TComponent* owner) : TRzCustomButton(owner) {
    SetBounds(Left(), Top(), 75, 25);
    SetParentColor(false);
    SetColor(clBtnFace);
}

void TRzButton::SetAlignment(TAlignment value) {
    StoreAndRepaint(*this, m_alignment, value);
}
void TRzButton::SetShowFocusRect(bool value) {
    StoreAndRepaint(*this, m_showFocusRect, value);
}
void TRzButton::SetShowDownPattern(bool value) {
    StoreAndRepaint(*this, m_showDownPattern, value);
}

void TRzButton::SetDefault(bool value) {
    if (m_default == value) return;
    m_default = value;
    // Without a focused button the default one is the one Enter clicks.
    if (!Focused()) {
        m_active = value;
        Invalidate();
    }
}

void TRzButton::SetHotTrack(bool value) {
    TRzCustomButton::SetHotTrack(value);
    SetTransparent(value);
}

void TRzButton::SetGroupIndex(int value) {
    if (m_groupIndex == value) return;
    m_groupIndex = value;
    UpdateGroup();
    Invalidate();
}

void TRzButton::SetDown(bool value) {
    if (m_groupIndex == 0) value = false;
    if (m_down == value) return;
    // The last button down of a group stays down unless the group may be all up.
    if (m_down && !value && !m_allowAllUp) return;
    m_down = value;
    if (value) UpdateGroup();
    Invalidate();
}

void TRzButton::SetAllowAllUp(bool value) {
    if (m_allowAllUp == value) return;
    m_allowAllUp = value;
    UpdateGroup();
}

// The other buttons of the same group and parent follow: one down at most, one AllowAllUp for all.
void TRzButton::UpdateGroup() {
    if (m_groupIndex == 0 || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TRzButton*>(Parent()->Controls(i));
        if (!other || other == this || other->m_groupIndex != m_groupIndex) continue;
        other->m_allowAllUp = m_allowAllUp;
        if (m_down && other->m_down) {
            other->m_down = false;
            other->Invalidate();
        }
    }
}

void TRzButton::Click() {
    if (m_groupIndex != 0)
        SetDown(!m_down || !m_allowAllUp);
    else
        Invalidate();
    FlagScope clicking(m_clicking);
    // A button in a modal form closes it with its result.
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(m_modalResult);
    TRzCustomButton::Click();
    // The classic look framed the button for the click's duration.
    m_clicking = false;
    Invalidate();
}

void TRzButton::CMFocusChanged(TCMFocusChanged& message) {
    TWinControl* focused = message.Sender();
    const bool active = dynamic_cast<TRzButton*>(focused) ? focused == this : m_default;
    if (active != m_active) {
        m_active = active;
        Invalidate();
    }
    TRzCustomButton::CMFocusChanged(message);
}

// Enter that reaches the focused button as a plain key (no dialog-key step took it on the way) clicks it
// just the same.
void TRzButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == win::VK_RETURN && m_active && shift.Empty()) {
        key = 0;
        Click();
        return;
    }
    TRzCustomButton::KeyDown(key, shift);
}

void TRzButton::CMDialogKey(TCMDialogKey& message) {
    const std::uint16_t key = message.CharCode();
    const bool noShift = KeyDataToShiftState(message.KeyData()).Empty();
    const bool clicks = (key == win::VK_RETURN && m_active) || (key == win::VK_ESCAPE && m_cancel);
    if (clicks && noShift && CanFocus()) {
        Click();
        message.SetResult(1);
        return;
    }
    TRzCustomButton::CMDialogKey(message);
}

} // namespace gl
