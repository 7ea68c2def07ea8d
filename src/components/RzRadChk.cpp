// TRzCustomGlyphButton and TRzRadioButton: properties, checking, the arrow keys among siblings, and the
// stored properties. The glyph template and its colours are in RzRadChkGlyph.cpp.
#include "components/RzRadChk.h"

#include "framework/controls/ControlProperties.h"
#include "framework/graphics/Canvas.h"
#include "framework/stored/LayoutClass.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/user/Input.h"
#include "platform/user/User.h"

#include <algorithm>

namespace gl {

// ---- TRzCustomGlyphButton ----

TRzCustomGlyphButton::TRzCustomGlyphButton(TComponent* owner) : TRzCustomButton(owner) {}

void TRzCustomGlyphButton::SetAlignment(TAlignment value) {
    if (m_alignment == value) return;
    m_alignment = value;
    Invalidate();
}

void TRzCustomGlyphButton::SetFrameColor(TColor value) {
    if (m_frameColor == value) return;
    m_frameColor = value;
    Invalidate();
}

void TRzCustomGlyphButton::SetDisabledColor(TColor value) {
    if (m_disabledColor == value) return;
    m_disabledColor = value;
    Invalidate();
}

TRect TRzCustomGlyphButton::GlyphRect() const {
    const int x = m_alignment == taRightJustify ? 0 : Width() - kGlyphSize;
    int y = 2;
    if (AlignmentVertical() == avCenter) y = (Height() - kGlyphSize) / 2;
    if (AlignmentVertical() == avBottom) y = Height() - 15;
    return Rect(x, y, x + kGlyphSize, y + kGlyphSize);
}

TRect TRzCustomGlyphButton::TextArea() const {
    TRect area = Rect(1, 1, Width() - 1, Height() - 1);
    if (m_alignment == taRightJustify)
        area.left += kGlyphSize + 4;
    else
        area.right -= kGlyphSize + 4;
    return area;
}

void TRzCustomGlyphButton::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetColor(Transparent() ? BackgroundColor() : Color());
    canvas.FillRect(ClientRect());
    const TRect glyph = GlyphRect();
    DrawGlyph(canvas, glyph.left, glyph.top);
    const TRect area = TextArea();
    DrawCaptionText(canvas, area, win::DT_LEFT | win::DT_WORDBREAK | win::DT_EXPANDTABS);
    const std::string caption = Caption();
    if (!Focused() || caption.empty()) return;
    canvas.SetFont(*Font());
    const int trimmed = canvas.TextWidth(caption.substr(0, caption.find_last_not_of(' ') + 1));
    const int width = std::min(area.right - area.left + 2, trimmed + 3);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Font().SetColor(clBlack);
    const TRect focus = Rect(area.left - 1, 0, area.left - 1 + width, Height());
    win::SetTextColor(canvas.Handle(), 0);
    win::SetBkColor(canvas.Handle(), 0xFFFFFF);
    canvas.DrawFocusRect(focus);
}

// With TabOnEnter, Enter on the focused glyph button moves on as Tab would.
void TRzCustomGlyphButton::CMDialogKey(TCMDialogKey& message) {
    if (m_tabOnEnter && message.CharCode() == win::VK_RETURN && Focused() && Parent()) {
        Parent()->SelectNext(this, true, true);
        message.SetResult(1);
        return;
    }
    TRzCustomButton::CMDialogKey(message);
}

// ---- TRzRadioButton ----

TRzRadioButton::TRzRadioButton(TComponent* owner) : TRzCustomGlyphButton(owner) {
    SetAlignmentVertical(avTop);
    SetTabStop(false);
}

void TRzRadioButton::SetChecked(bool value) {
    if (m_checked == value) return;
    m_checked = value;
    SetTabStop(value);
    Invalidate();
    if (!value) return;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TRzRadioButton*>(parent->Controls(i));
            if (sibling && sibling != this) sibling->SetChecked(false);
        }
    }
    TRzCustomGlyphButton::Click();
}

// A click checks an unchecked radio button (and raises OnClick through the check); a checked one ignores it.
void TRzRadioButton::Click() {
    if (!m_checked) SetChecked(true);
}

// The access key takes the focus to the radio button and checks it.
void TRzRadioButton::AccelPressed() {
    SetFocus();
    SetChecked(true);
}

// Focus that comes by the keyboard (arrows, Tab, code) checks the radio button; a press of the mouse waits
// for its release.
void TRzRadioButton::DoEnter() {
    if (!FocusingByMouse()) SetChecked(true);
    TRzCustomGlyphButton::DoEnter();
}

// Arrow keys that nothing above took move to the next or previous sibling in tab order, wrapping round and
// regardless of tab stops.
void TRzRadioButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    const bool forward = key == win::VK_RIGHT || key == win::VK_DOWN;
    const bool backward = key == win::VK_LEFT || key == win::VK_UP;
    if ((forward || backward) && Parent()) {
        if (TWinControl* next = Parent()->FindNextControl(this, forward, false, true)) {
            if (next != this) next->SetFocus();
            key = 0;
            return;
        }
    }
    TRzCustomGlyphButton::KeyDown(key, shift);
}

void RegisterRadioButtonLayout(PropertyRegistry& registry) {
    RegisterButtonLayout(registry);
    using Glyph = TRzCustomGlyphButton;
    LayoutClass<Glyph>("TRzCustomGlyphButton", "TRzCustomButton", registry)
        .Property("Alignment", &Glyph::SetAlignment)
        .Property("TabOnEnter", &Glyph::SetTabOnEnter)
        .Property("FrameColor", &Glyph::SetFrameColor, "TColor")
        .Property("DisabledColor", &Glyph::SetDisabledColor, "TColor")
        .Property("TransparentColor", &Glyph::SetTransparentColor, "TColor")
        .Property("WinMaskColor", &Glyph::SetWinMaskColor, "TColor");
    LayoutClass<TRzRadioButton>("TRzRadioButton", "TRzCustomGlyphButton", registry)
        .Creatable()
        .Property("Checked", &TRzRadioButton::SetChecked);
}

} // namespace gl
