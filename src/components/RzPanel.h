// Containers: TRzCustomPanel (borders, face and caption), TRzPanel, and the captioned group box
// (TRzCustomGroupBox, TRzGroupBox) whose frame line is interrupted by its caption.
#pragma once

#include "components/FramePainters.h"
#include "components/RzButton.h"
#include "framework/controls/CustomControl.h"
#include "framework/stored/PropertyRegistry.h"

namespace gl {

enum TRzGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat };

class TRzCustomPanel : public TCustomControl {
public:
    explicit TRzCustomPanel(TComponent* owner);
    std::string ClassName() const override { return "TRzCustomPanel"; }

    TFrameStyle BorderOuter() const { return m_borderOuter; }
    void SetBorderOuter(TFrameStyle value);
    TFrameStyle BorderInner() const { return m_borderInner; }
    void SetBorderInner(TFrameStyle value);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int value);
    TSides BorderSides() const { return m_borderSides; }
    void SetBorderSides(TSides value);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor value);
    TColor BorderHighlight() const { return m_borderHighlight; }
    void SetBorderHighlight(TColor value);
    TColor BorderShadow() const { return m_borderShadow; }
    void SetBorderShadow(TColor value);
    TColor FlatColor() const { return m_flatColor; }
    void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return m_flatColorAdjustment; }
    void SetFlatColorAdjustment(int value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    TAlignmentVertical AlignmentVertical() const { return m_alignmentVertical; }
    void SetAlignmentVertical(TAlignmentVertical value);
    bool ThemeAware() const { return m_themeAware; }
    void SetThemeAware(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool UseGradients() const { return m_useGradients; }
    void SetUseGradients(bool value);
    bool ShowGrid() const { return m_showGrid; }
    void SetShowGrid(bool value);

    // Aligned children share what the borders leave.
    void AdjustClientRect(TRect& rect) const override;

    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;

protected:
    void Paint() override;
    // The three borders (outer, BorderWidth, inner); returns what lies inside them.
    TRect PaintBorders(TCanvas& canvas, TRect rect);
    void PaintCaption(TCanvas& canvas, TRect rect);
    void PaintFace(TCanvas& canvas, TRect rect);
    void PaintGrid(TCanvas& canvas, TRect rect);
    // Whether the panel's painting draws the caption in the middle.
    virtual bool PaintsCaption() const { return true; }
    // The adjusted flat colour of flat frames.
    TColor AdjustedFlatColor() const;
    // How many pixels a style's frame takes on each of its sides.
    int StyleWidth(TFrameStyle style) const;

private:
    TRect PaintBorder(TCanvas& canvas, TRect rect, TFrameStyle style);

    TFrameStyle m_borderOuter = fsRaised;
    TFrameStyle m_borderInner = fsNone;
    int m_borderWidth = 0;
    TSides m_borderSides = sdAllSides;
    TColor m_borderColor = clBtnFace;
    TColor m_borderHighlight = clBtnHighlight;
    TColor m_borderShadow = clBtnShadow;
    TColor m_flatColor = clBtnShadow;
    int m_flatColorAdjustment = 30;
    int m_bevelWidth = 1;
    TAlignment m_alignment = taCenter;
    TAlignmentVertical m_alignmentVertical = avCenter;
    bool m_themeAware = true;
    bool m_transparent = false;
    bool m_useGradients = false;
    bool m_showGrid = false;
};

class TRzPanel : public TRzCustomPanel {
public:
    explicit TRzPanel(TComponent* owner) : TRzCustomPanel(owner) {}
    std::string ClassName() const override { return "TRzPanel"; }
};

class TRzCustomGroupBox : public TRzCustomPanel {
public:
    explicit TRzCustomGroupBox(TComponent* owner);
    std::string ClassName() const override { return "TRzCustomGroupBox"; }

    TRzGroupBoxStyle GroupStyle() const { return m_groupStyle; }
    // Styles other than the standard and the flat one draw no themed element.
    void SetGroupStyle(TRzGroupBoxStyle value);

    // Aligned children start below the caption.
    void AdjustClientRect(TRect& rect) const override;

protected:
    void Paint() override;
    bool PaintsCaption() const override;

private:
    void PaintFrame(TCanvas& canvas, int captionHeight);
    void PaintGroupCaption(TCanvas& canvas);

    TRzGroupBoxStyle m_groupStyle = gsFlat;
};

class TRzGroupBox : public TRzCustomGroupBox {
public:
    explicit TRzGroupBox(TComponent* owner) : TRzCustomGroupBox(owner) {}
    std::string ClassName() const override { return "TRzGroupBox"; }
};

// The text height of `text` in a font, measured on the screen.
int ScreenTextHeight(TFont& font, const std::string& text);

// The panels' and group boxes' stored properties. Safe to call more than once.
void RegisterPanelLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
