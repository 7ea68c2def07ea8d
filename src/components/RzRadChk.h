// The custom-drawn radio button: TRzCustomGlyphButton (a 13 x 13 glyph built from a template in role colours,
// caption beside it) and TRzRadioButton (checking unchecks its siblings; arrow keys move among them).
#pragma once

#include "components/RzButton.h"

#include <array>
#include <memory>

namespace gl {

// The colour of each role of the radio glyph's template, for one state of the button.
struct TRzRadioGlyphColors {
    TColor W, F, L, a, b, c, d, e, f, g, H, h, G, t;
};

class TRzCustomGlyphButton : public TRzCustomButton {
public:
    static constexpr int kGlyphSize = 13;

    explicit TRzCustomGlyphButton(TComponent* owner);
    ~TRzCustomGlyphButton() override;
    std::string ClassName() const override { return "TRzCustomGlyphButton"; }

    // Six glyphs of 13 x 13 side by side (unchecked, checked, each pressed, each disabled) drawn instead of
    // the built ones; their TransparentColor pixels show the background, their WinMaskColor pixels the window
    // colour. Assigning a picture turns UseCustomGlyphs on.
    TBitmap* CustomGlyphs() const { return m_customGlyphs.get(); }
    void SetCustomGlyphs(const TBitmap* glyphs);
    bool UseCustomGlyphs() const { return m_useCustomGlyphs; }
    void SetUseCustomGlyphs(bool value);

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
    void CMEnabledChanged(TMessage& message) override;
    void CMParentColorChanged(TMessage& message) override;
    void WMEraseBkgnd(TWMEraseBkgnd& message) override;
    void WMSize(TWMSize& message) override;

protected:
    // Paints into an image of the control's size over the cached background, then shows it in one copy.
    void Paint() override;
    // Paints the 13 x 13 glyph with its top-left corner at (x, y).
    virtual void DrawGlyph(TCanvas& canvas, int x, int y) = 0;
    // The custom glyph of this state, 0 to 5, when custom glyphs are in use; false otherwise.
    bool DrawCustomGlyph(TCanvas& canvas, int x, int y, int state);
    // The colour of the background's top-left pixel, which the glyph's outer corners blend with.
    TColor BackgroundCorner() const { return m_backgroundCorner; }
    // The background is rebuilt at the next paint.
    void BackgroundChanged() { m_backgroundStale = true; }
    // Hovering changes only the glyph: it is painted again over the cached background, without erasing.
    void RepaintHotArea() override;

private:
    void UpdateBackground();
    // Glyph, caption and focus rectangle.
    void PaintContent(TCanvas& canvas);
    TAlignment m_alignment = taRightJustify;
    bool m_tabOnEnter = false;
    TColor m_frameColor = clBtnShadow;
    TColor m_disabledColor = clBtnFace;
    TColor m_transparentColor = 32896;
    TColor m_winMaskColor = 65280;
    std::unique_ptr<TBitmap> m_customGlyphs;
    bool m_useCustomGlyphs = false;
    std::unique_ptr<TBitmap> m_background;
    bool m_backgroundStale = true;
    TColor m_backgroundCorner = clBtnFace;
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
    // Without hot tracking: the platform's radio frame control.
    void DrawClassicGlyph(TCanvas& canvas, int x, int y);

    bool m_checked = false;
};

// The radio button's stored properties. Safe to call more than once.
void RegisterRadioButtonLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
