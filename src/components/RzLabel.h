// TRzLabel: a caption without a window, drawn in its font on its parent's colour, sized to its text, and a
// member of the shared blink list.
#pragma once

#include "components/RzButton.h"
#include "framework/controls/GraphicControl.h"
#include "framework/stored/PropertyRegistry.h"

#include <cstdint>

namespace gl {

class TRzLabel : public TGraphicControl {
public:
    const MessageTable& Messages() const override;
    // Sizes itself to its text and joins the blink list.
    explicit TRzLabel(TComponent* owner);
    // Leaves the blink list.
    ~TRzLabel() override;
    std::string ClassName() const override { return "TRzLabel"; }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    TTextStyle TextStyle() const { return m_textStyle; }
    void SetTextStyle(TTextStyle value);
    TColor HighlightColor() const { return m_highlightColor; }
    void SetHighlightColor(TColor value);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor value);
    int ShadowDepth() const { return m_shadowDepth; }
    void SetShadowDepth(int value);
    bool Blinking() const { return m_blinking; }
    void SetBlinking(bool value);
    TColor BlinkColor() const { return m_blinkColor; }
    void SetBlinkColor(TColor value);
    // Held by the shared blink list: one setting for every label and caption pane of the process.
    std::uint16_t BlinkIntervalOn() const;
    void SetBlinkIntervalOn(std::uint16_t ms);
    std::uint16_t BlinkIntervalOff() const;
    void SetBlinkIntervalOff(std::uint16_t ms);

    void SetAutoSize(bool autoSize) override;
    void Loaded() override;

    // The colour the caption is drawn in now: the font's, or BlinkColor during an "on" phase.
    TColor TextColor() const;

    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    virtual void RMBlinkQuery(TMessage& message);
    virtual void RMBlinkPhase(TMessage& message);

protected:
    void Paint() override;
    void AdjustSize() override;

private:
    win::UINT TextFormat() const;
    void DrawCopy(TCanvas& canvas, TRect rect, int dx, int dy, TColor color);

    TAlignment m_alignment = taLeftJustify;
    bool m_wordWrap = false;
    bool m_showAccelChar = true;
    bool m_transparent = false;
    TTextStyle m_textStyle = tsNormal;
    TColor m_highlightColor = clBtnHighlight;
    TColor m_shadowColor = clBtnShadow;
    int m_shadowDepth = 2;
    bool m_blinking = false;
    TColor m_blinkColor = clHighlight;
    bool m_blinkOn = false;
};

// The label's stored properties. Safe to call more than once.
void RegisterLabelLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
