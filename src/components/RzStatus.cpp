// TRzCustomStatusPane: its properties, the colour and caption rules, blinking, the frame controller link and
// hints. Drawing and auto width are in RzStatusPaint.cpp.
#include "components/RzStatus.h"

#include "framework/controls/MessageDispatch.h"
#include "framework/core/Actions.h"
#include "framework/graphics/Font.h"

namespace gl {

// The messages the pane adds to the table: the blink list's two and the action-execution step.
const MessageTable& TRzCustomStatusPane::Messages() const {
    static const MessageTable table = TGraphicControl::Messages().With({
        {CM_ACTIONEXECUTE, &TRzCustomStatusPane::CMActionExecute},
        {RM_BLINKQUERY, &TRzCustomStatusPane::RMBlinkQuery},
        {RM_BLINKPHASE, &TRzCustomStatusPane::RMBlinkPhase},
    });
    return table;
}

TRzCustomStatusPane::TRzCustomStatusPane(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(Left(), Top(), 100, 20);
    m_fillColor = Color();
    TRzBlinkingControlsList::Register(this);
}

TRzCustomStatusPane::~TRzCustomStatusPane() {
    ChangeFrameController(*this, m_frameController, nullptr);
    TRzBlinkingControlsList::Unregister(this);
}

// ---- Properties that only repaint ----

void TRzCustomStatusPane::SetAlignment(TAlignment alignment) {
    if (m_alignment == alignment) return;
    m_alignment = alignment;
    Invalidate();
}

void TRzCustomStatusPane::SetBlinkColor(TColor color) {
    if (m_blinkColor == color) return;
    m_blinkColor = color;
    Invalidate();
}

void TRzCustomStatusPane::SetBorderWidth(int width) {
    if (width < 0) width = 0;
    if (m_borderWidth == width) return;
    m_borderWidth = width;
    // The width follows only at the next caption, font, offset or auto-size change.
    Invalidate();
}

void TRzCustomStatusPane::SetFlatColor(TColor color) {
    if (m_flatColor == color) return;
    m_flatColor = color;
    Invalidate();
}

void TRzCustomStatusPane::SetFlatColorAdjustment(int adjustment) {
    if (m_flatColorAdjustment == adjustment) return;
    m_flatColorAdjustment = adjustment;
    Invalidate();
}

void TRzCustomStatusPane::SetFrameStyle(TFrameStyle style) {
    // The rounded flat frame belongs to the edits; a pane draws it as the plain flat one.
    if (style == fsFlatRounded) style = fsFlat;
    if (m_frameStyle == style) return;
    m_frameStyle = style;
    Invalidate();
}

// ---- Properties that change the width ----

void TRzCustomStatusPane::SetAutoSize(bool autoSize) {
    if (AutoSize() == autoSize) return;
    TGraphicControl::SetAutoSize(autoSize);
    ApplyAutoWidth();
}

void TRzCustomStatusPane::SetCaption(const std::string& caption) {
    if (m_caption == caption) return;
    m_caption = caption;
    Perform(CM_TEXTCHANGED);
}

void TRzCustomStatusPane::SetCaptionOffset(int offset) {
    if (m_captionOffset == offset) return;
    m_captionOffset = offset;
    Invalidate();
    ApplyAutoWidth();
}

void TRzCustomStatusPane::SetDefaultWidth(int width) {
    if (m_defaultWidth == width) return;
    m_defaultWidth = width;
    ApplyAutoWidth();
}

// ---- Colours ----

void TRzCustomStatusPane::SetFillColor(TColor color) {
    if (m_fillColor == color) return;
    m_fillColor = color;
    m_parentFillColor = false;
    Invalidate();
}

void TRzCustomStatusPane::SetParentFillColor(bool parentFillColor) {
    if (m_parentFillColor == parentFillColor) return;
    m_parentFillColor = parentFillColor;
    if (Parent() && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED);
}

void TRzCustomStatusPane::CMColorChanged(TMessage& message) {
    TGraphicControl::CMColorChanged(message);
    if (m_parentFillColor) m_fillColor = Color();
    Invalidate();
}

void TRzCustomStatusPane::CMParentColorChanged(TMessage& message) {
    TGraphicControl::CMParentColorChanged(message);
    if (m_parentFillColor) m_fillColor = Color();
    Invalidate();
}

void TRzCustomStatusPane::CMFontChanged(TMessage& message) {
    TGraphicControl::CMFontChanged(message);
    if (ComponentState().Contains(csLoading)) return;
    m_normalTextColor = Font()->Color();
    if (!m_blinking) m_textColor = m_normalTextColor;
    ApplyAutoWidth();
}

void TRzCustomStatusPane::CMTextChanged(TMessage& message) {
    TGraphicControl::CMTextChanged(message);
    Invalidate();
    ApplyAutoWidth();
}

void TRzCustomStatusPane::Loaded() {
    TGraphicControl::Loaded();
    m_normalTextColor = Font()->Color();
    m_textColor = m_normalTextColor;
    ApplyAutoWidth();
}

// ---- Blinking ----

std::uint16_t TRzCustomStatusPane::BlinkIntervalOff() const {
    const TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance();
    return list ? list->IntervalOff() : TRzBlinkingControlsList::kDefaultInterval;
}

void TRzCustomStatusPane::SetBlinkIntervalOff(std::uint16_t ms) {
    if (TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance()) list->SetIntervalOff(ms);
}

std::uint16_t TRzCustomStatusPane::BlinkIntervalOn() const {
    const TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance();
    return list ? list->IntervalOn() : TRzBlinkingControlsList::kDefaultInterval;
}

void TRzCustomStatusPane::SetBlinkIntervalOn(std::uint16_t ms) {
    if (TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance()) list->SetIntervalOn(ms);
}

void TRzCustomStatusPane::SetBlinking(bool blinking) {
    if (m_blinking == blinking) return;
    m_blinking = blinking;
    if (blinking) return;
    m_blinkOn = false;
    m_textColor = m_normalTextColor;
    Repaint();
}

void TRzCustomStatusPane::RMBlinkQuery(TMessage& message) {
    message.Result = m_blinking ? 1 : 0;
}

void TRzCustomStatusPane::RMBlinkPhase(TMessage& message) {
    if (m_blinking) ShowBlinkPhase(message.WParam != 0);
}

void TRzCustomStatusPane::ShowBlinkPhase(bool on) {
    m_blinkOn = on;
    m_textColor = on ? m_blinkColor : m_normalTextColor;
    Repaint();
}

// ---- Frame controller ----

void TRzCustomStatusPane::SetFrameController(TRzFrameController* controller) {
    ChangeFrameController(*this, m_frameController, controller);
}

void TRzCustomStatusPane::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    // The controller is going away: only its address may be compared now.
    if (operation == opRemove && component == m_frameController) m_frameController = nullptr;
}

void TRzCustomStatusPane::ApplyFrameController() {
    if (!m_frameController || !m_frameController->FrameVisible()) return;
    SetFrameStyle(m_frameController->FrameStyle());
    SetFlatColor(m_frameController->FrameColor());
    SetFlatColorAdjustment(0);
    SetFillColor(m_frameController->Color());
    SetParentColor(m_frameController->ParentColor());
    Invalidate();
}

// ---- Hints ----

bool TRzCustomStatusPane::ExecuteAction(TBasicAction* action) {
    auto* hintAction = dynamic_cast<THintAction*>(action);
    if (!m_autoHint || !hintAction) return false;
    SetCaption(hintAction->Hint());
    return true;
}

void TRzCustomStatusPane::CMActionExecute(TMessage& message) {
    message.Result = ExecuteAction(reinterpret_cast<TBasicAction*>(message.LParam)) ? 1 : 0;
}

} // namespace gl
