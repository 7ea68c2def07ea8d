// The custom-drawn radio button: TRzCustomGlyphButton (a 13 x 13 glyph built from a template in role colours,
// caption beside it) and TRzRadioButton (checking unchecks its siblings; arrow keys move among them).
#pragma once

#include "components/RzButton.h"

#include <array>

namespace gl {

// The colour of each role of the radio glyph's template, for one state of the button.
struct TRzRadioGlyphColors {
    TColor W, F, L, a, b, c, d, e, f, g, H, h, G, t;
};

class TRzCustomGlyphButton : public TRzCustomButton {
public:
    static constexpr int kGlyphSize = 13;

    explicit TRzCustomGlyphButton(TComponent* owner);
    std::string ClassName() const override { return "TRzCustomGlyphButton"; }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    bool TabOnEnter() const { return m_tabOnEnter; }
    void SetTabOnEnter(bool value) { m_tabOnEnter = value; }
    TColor FrameColor() const { return m_frameColor; }
    void SetFrameColor(TColor value);
    TColor DisabledColor() const { return m_disabledColor; }
    void SetDisabledColor(TColor value);
    TColor TransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(TColor value) { m_transparentColor = value; }
    TColor WinMaskColor() const { return m_winMaskColor; }
    void SetWinMaskColor(TColor value) { m_winMaskColor = value; }

    // Where the glyph and the caption go in the client area.
    TRect GlyphRect() const;
    TRect TextArea() const;

    void CMDialogKey(TCMDialogKey& message) override;

protected:
    void Paint() override;
    // Paints the 13 x 13 glyph with its top-left corner at (x, y).
    virtual void DrawGlyph(TCanvas& canvas, int x, int y) = 0;

private:
    TAlignment m_alignment = taRightJustify;
    bool m_tabOnEnter = false;
    TColor m_frameColor = clBtnShadow;
    TColor m_disabledColor = clBtnFace;
    TColor m_transparentColor = 32896;
    TColor m_winMaskColor = 65280;
};

class TRzRadioButton : public TRzCustomGlyphButton {
public:
    explicit TRzRadioButton(TComponent* owner);
    std::string ClassName() const override { return "TRzRadioButton"; }

    bool Checked() const { return m_checked; }
    // A new value also becomes the tab stop; checking unchecks the other radio buttons of the same parent and
    // then raises OnClick.
    void SetChecked(bool value);

    // The role colours of the glyph in the button's current state (enabled, pressed, hot).
    TRzRadioGlyphColors GlyphColors() const;

protected:
    void Click() override;
    void AccelPressed() override;
    void DoEnter() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void DrawGlyph(TCanvas& canvas, int x, int y) override;

private:
    bool m_checked = false;
};

// The radio button's stored properties. Safe to call more than once.
void RegisterRadioButtonLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
