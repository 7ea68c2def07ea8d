// TRzLabel: properties, auto size, painting, blinking and the stored properties.
#include "components/RzLabel.h"

#include "components/RzStatusBlink.h"
#include "components/StoreAndRepaint.h"
#include "framework/controls/ControlProperties.h"
#include "framework/controls/MessageDispatch.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ScreenText.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Screen.h"

namespace gl {

const MessageTable& TRzLabel::Messages() const {
    static const MessageTable table = TGraphicControl::Messages().With({
        {RM_BLINKQUERY, &TRzLabel::RMBlinkQuery},
        {RM_BLINKPHASE, &TRzLabel::RMBlinkPhase},
    });
    return table;
}

TRzLabel::TRzLabel(TComponent* owner) : TGraphicControl(owner) {
    IncludeStyle(csOpaque);
    SetBounds(Left(), Top(), 65, 17);
    SetAutoSize(true);
    TRzBlinkingControlsList::Register(this);
}

TRzLabel::~TRzLabel() {
    TRzBlinkingControlsList::Unregister(this);
}

void TRzLabel::SetAlignment(TAlignment value) {
    StoreAndRepaint(*this, m_alignment, value);
}
void TRzLabel::SetTextStyle(TTextStyle value) {
    StoreAndRepaint(*this, m_textStyle, value);
}
void TRzLabel::SetHighlightColor(TColor value) {
    StoreAndRepaint(*this, m_highlightColor, value);
}
void TRzLabel::SetShadowColor(TColor value) {
    StoreAndRepaint(*this, m_shadowColor, value);
}
void TRzLabel::SetShadowDepth(int value) {
    StoreAndRepaint(*this, m_shadowDepth, value);
}
void TRzLabel::SetBlinkColor(TColor value) {
    StoreAndRepaint(*this, m_blinkColor, value);
}

void TRzLabel::SetWordWrap(bool value) {
    if (StoreAndRepaint(*this, m_wordWrap, value)) AdjustSize();
}

void TRzLabel::SetShowAccelChar(bool value) {
    if (StoreAndRepaint(*this, m_showAccelChar, value)) AdjustSize();
}

void TRzLabel::SetTransparent(bool value) {
    if (m_transparent == value) return;
    m_transparent = value;
    if (value)
        ExcludeStyle(csOpaque);
    else
        IncludeStyle(csOpaque);
    Invalidate();
}

void TRzLabel::SetBlinking(bool value) {
    if (m_blinking == value) return;
    m_blinking = value;
    if (!value) m_blinkOn = false;
    Invalidate();
}

std::uint16_t TRzLabel::BlinkIntervalOn() const {
    const auto* list = TRzBlinkingControlsList::Instance();
    return list ? list->IntervalOn() : TRzBlinkingControlsList::kDefaultInterval;
}

void TRzLabel::SetBlinkIntervalOn(std::uint16_t ms) {
    if (auto* list = TRzBlinkingControlsList::Instance()) list->SetIntervalOn(ms);
}

std::uint16_t TRzLabel::BlinkIntervalOff() const {
    const auto* list = TRzBlinkingControlsList::Instance();
    return list ? list->IntervalOff() : TRzBlinkingControlsList::kDefaultInterval;
}

void TRzLabel::SetBlinkIntervalOff(std::uint16_t ms) {
    if (auto* list = TRzBlinkingControlsList::Instance()) list->SetIntervalOff(ms);
}

TColor TRzLabel::TextColor() const {
    return m_blinkOn ? m_blinkColor : Font()->Color();
}

void TRzLabel::RMBlinkQuery(TMessage& message) {
    message.Result = m_blinking ? 1 : 0;
}

void TRzLabel::RMBlinkPhase(TMessage& message) {
    const bool on = m_blinking && message.WParam != 0;
    if (on == m_blinkOn) return;
    m_blinkOn = on;
    Invalidate();
}

void TRzLabel::SetAutoSize(bool autoSize) {
    TGraphicControl::SetAutoSize(autoSize);
}

void TRzLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustSize();
}

void TRzLabel::CMTextChanged(TMessage& message) {
    TGraphicControl::CMTextChanged(message);
    Invalidate();
    AdjustSize();
}

void TRzLabel::CMFontChanged(TMessage& message) {
    TGraphicControl::CMFontChanged(message);
    Invalidate();
    AdjustSize();
}

win::UINT TRzLabel::TextFormat() const {
    win::UINT format = win::DT_EXPANDTABS;
    if (m_wordWrap) format |= win::DT_WORDBREAK;
    if (!m_showAccelChar) format |= win::DT_NOPREFIX;
    if (m_alignment == taCenter) format |= win::DT_CENTER;
    if (m_alignment == taRightJustify) format |= win::DT_RIGHT;
    return format;
}

// The text's extent on the screen in the label's font; the label keeps its left edge (and, word-wrapped,
// its width).
void TRzLabel::AdjustSize() {
    if (!AutoSize() || ComponentState().Contains(csLoading)) return;
    const std::string text = Caption();
    TRect r = Rect(0, 0, m_wordWrap ? Width() : 0, 0);
    {
        const ScreenText screen(*Font());
        if (!screen) return;
        // An empty caption still takes the height of one line.
        const std::string measured = text.empty() ? std::string(" ") : text;
        win::DrawText(screen.Handle(), measured.c_str(), static_cast<int>(measured.size()), &r,
                      TextFormat() | win::DT_CALCRECT);
    }
    const int width = text.empty() ? 0 : r.right;
    SetBounds(Left(), Top(), m_wordWrap ? Width() : width, r.bottom);
}

void TRzLabel::DrawCopy(TCanvas& canvas, TRect rect, int dx, int dy, TColor color) {
    const std::string text = Caption();
    canvas.Font().SetColor(color);
    rect = Rect(rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy);
    win::DrawText(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &rect, TextFormat());
}

void TRzLabel::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect r = ClientRect();
    if (!m_transparent) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(r);
    }
    if (Caption().empty()) return;
    canvas.SetFont(*Font());
    canvas.Brush().SetStyle(bsClear);
    if (!Enabled()) {
        DrawCopy(canvas, r, 1, 1, clBtnHighlight);
        DrawCopy(canvas, r, 0, 0, clBtnShadow);
        return;
    }
    if (m_textStyle == tsRaised) {
        DrawCopy(canvas, r, 1, 1, m_shadowColor);
        DrawCopy(canvas, r, -1, -1, m_highlightColor);
    } else if (m_textStyle == tsRecessed) {
        DrawCopy(canvas, r, 1, 1, m_highlightColor);
        DrawCopy(canvas, r, -1, -1, m_shadowColor);
    } else if (m_textStyle == tsShadow) {
        DrawCopy(canvas, r, m_shadowDepth, m_shadowDepth, m_shadowColor);
    }
    DrawCopy(canvas, r, 0, 0, TextColor());
}

} // namespace gl
