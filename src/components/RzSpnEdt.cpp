// TRzSpinEdit: the number held as the field's text (range, format, rounding), the steps from buttons, keys
// and wheel, the typing filter, and the place of the button pair.
#include "components/RzSpnEdt.h"

#include "framework/controls/MessageDispatch.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ScreenText.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Screen.h"
#include "platform/user/Beep.h"
#include "platform/user/MessageLoop.h"
#include "platform/win/KeyCodes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace gl {

namespace {

// The whole text as a number (spaces around it allowed, one leading "+"); false when it is not one.
bool ParseNumber(std::string_view text, double& result) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return false;
    result = value;
    return true;
}

// Fixed notation from the number's 18 significant digits (later places are zeros), rounded half away from
// zero to `decimals` places; a result of zero has no sign.
std::string FormatFixed(double value, int decimals) {
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.17e", value);
    std::string_view text = scientific;
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    std::string digits{text[0]};
    digits.append(text.substr(2, 17));
    const auto exponent = static_cast<int>(std::strtol(text.data() + text.find('e') + 1, nullptr, 10));
    // Digits before the point; zeros in front make at least one.
    int point = exponent + 1;
    if (point < 1) {
        digits.insert(0, static_cast<std::size_t>(1 - point), '0');
        point = 1;
    }
    const auto wanted = static_cast<std::size_t>(point + decimals);
    if (wanted < digits.size()) {
        const bool roundUp = digits[wanted] >= '5';
        digits.resize(wanted);
        for (std::size_t i = wanted; roundUp && i-- > 0;) {
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
            if (i == 0) {
                digits.insert(0, 1, '1');
                ++point;
            }
        }
    } else {
        digits.resize(wanted, '0');
    }
    std::string whole = digits.substr(0, static_cast<std::size_t>(point));
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    std::string out = whole;
    if (decimals > 0) out += "." + digits.substr(static_cast<std::size_t>(point));
    if (negative && out.find_first_not_of("0.") != std::string::npos) out.insert(0, 1, '-');
    return out;
}

std::string FormatGeneral(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

} // namespace

const MessageTable& TRzSpinEdit::Messages() const {
    static const MessageTable table = TRzCustomEdit::Messages().With({
        {win::WM_PASTE, &TRzSpinEdit::WMPaste},
        {win::WM_CUT, &TRzSpinEdit::WMCut},
    });
    return table;
}

TRzSpinEdit::TRzSpinEdit(TComponent* owner) : TRzCustomEdit(owner) {
    ExcludeStyle(csSetCaption);
    SetWidth(47);
    m_buttons = new TRzSpinButtons(this);
    m_buttons->SetBounds(0, 0, 17, 17);
    m_buttons->SetFocusControl(this);
    m_buttons->OnUpRightClick = [this](TObject*) { UpButtonClicked(); };
    m_buttons->OnDownLeftClick = [this](TObject*) { DownButtonClicked(); };
    m_buttons->SetParent(this);
    SetValue(0);
}

// ---- The number ----

double TRzSpinEdit::ConstrainValue(double value) const {
    if (m_min == m_max && !m_checkRange) return value;
    if (value < m_min) return m_min;
    if (value > m_max) return m_max;
    return value;
}

void TRzSpinEdit::SetValue(double value) {
    // Not a number has no place in a range: it counts as the lower bound.
    if (!std::isfinite(value)) value = std::isinf(value) ? (value > 0 ? m_max : m_min) : m_min;
    SetText(FormatFixed(ConstrainValue(value), m_decimals));
}

double TRzSpinEdit::Value() {
    const std::string text = Text();
    if (text.empty()) {
        if (m_allowBlank) return m_blankValue;
        SetText(FormatGeneral(m_min));
        double result = m_min;
        ParseNumber(Text(), result);
        return result;
    }
    double result = m_min;
    ParseNumber(text, result);
    return result;
}

std::int64_t TRzSpinEdit::IntegerValue() {
    // The default rounding mode takes halves to the even neighbour.
    const double rounded = std::nearbyint(Value());
    constexpr double limit = 9223372036854775807.0;
    if (rounded >= limit) return std::numeric_limits<std::int64_t>::max();
    if (rounded <= -limit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(rounded);
}

void TRzSpinEdit::SetMin(double min) {
    if (m_min == min) return;
    m_min = min;
    if (m_min > m_max) m_max = m_min;
    Reformat();
    Invalidate();
}

void TRzSpinEdit::SetMax(double max) {
    if (m_max == max) return;
    m_max = max;
    if (m_max < m_min) m_min = m_max;
    Reformat();
    Invalidate();
}

void TRzSpinEdit::SetCheckRange(bool checkRange) {
    if (m_checkRange == checkRange) return;
    m_checkRange = checkRange;
    Reformat();
}

void TRzSpinEdit::SetDecimals(int decimals) {
    // More digits than a double holds say nothing; the bound keeps the text short.
    decimals = decimals < 0 ? 0 : (decimals > 255 ? 255 : decimals);
    if (m_decimals == decimals) return;
    m_decimals = decimals;
    Reformat();
}

void TRzSpinEdit::SetIntegersOnly(bool integersOnly) {
    if (m_integersOnly == integersOnly) return;
    m_integersOnly = integersOnly;
    if (!integersOnly) return;
    m_decimals = 0;
    SetValue(std::nearbyint(Value()));
}

// ---- Steps ----

bool TRzSpinEdit::ChangeAllowed() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TRzSpinEdit::ReportButtonClick(TSpinButtonType button) {
    if (OnButtonClick) OnButtonClick(this, button);
}

void TRzSpinEdit::Step(double amount, TSpinButtonType button) {
    if (ReadOnly()) {
        win::MessageBeep(0);
        return;
    }
    if (!ChangeAllowed()) return;
    SetValue(Value() + amount);
    ReportButtonClick(button);
}

void TRzSpinEdit::StepUp(double amount) {
    Step(amount, sbUp);
}

void TRzSpinEdit::StepDown(double amount) {
    Step(-amount, sbDown);
}

void TRzSpinEdit::UpButtonClicked() {
    StepUp(m_increment);
}

void TRzSpinEdit::DownButtonClicked() {
    StepDown(m_increment);
}

TRzControlButton* TRzSpinEdit::ButtonOf(TSpinButtonType button) const {
    return button == sbUp ? m_buttons->UpRightButton() : m_buttons->DownLeftButton();
}

bool TRzSpinEdit::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    TControl::DoMouseWheelDown(shift, mousePos);
    StepDown(shift.Contains(ssCtrl) ? m_pageSize : m_increment);
    return true;
}

bool TRzSpinEdit::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    TControl::DoMouseWheelUp(shift, mousePos);
    StepUp(shift.Contains(ssCtrl) ? m_pageSize : m_increment);
    return true;
}

// ---- Keys ----

void TRzSpinEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    TRzCustomEdit::KeyDown(key, shift);
    if (key == 0) return;
    if (!m_allowKeyEdit && key == win::VK_DELETE) {
        win::MessageBeep(0);
        key = 0;
        return;
    }
    switch (key) {
    case win::VK_UP:
        StepUp(m_increment);
        break;
    case win::VK_DOWN:
        StepDown(m_increment);
        break;
    case win::VK_PRIOR:
        StepUp(m_pageSize);
        break;
    case win::VK_NEXT:
        StepDown(m_pageSize);
        break;
    default:
        break;
    }
}

void TRzSpinEdit::KeyPress(char32_t& key) {
    TRzCustomEdit::KeyPress(key);
    if (key == 0 || AcceptsChar(key)) return;
    key = 0;
    win::MessageBeep(0);
}

bool TRzSpinEdit::AcceptsChar(char32_t key) {
    constexpr char32_t separator = U'.';
    const bool digit = key >= U'0' && key <= U'9';
    const bool sign = key == U'+' || key == U'-';
    const bool point = key == separator && !m_integersOnly;
    bool accepted = digit || sign || point || (key < 32 && key != U'\r');
    if (!HandleAllocated()) return accepted && (m_allowKeyEdit || (key < 32 && key != 8));
    const std::string text = Text();
    if (accepted && point) {
        const std::string selected = SelText();
        const bool hasPoint = text.find('.') != std::string::npos;
        accepted = SelLength() == 0 ? !hasPoint : (!hasPoint || selected.find('.') != std::string::npos);
    }
    if (accepted && sign) {
        const bool hasSign = text.find_first_of("+-") != std::string::npos;
        if (SelStart() != 0 || hasSign) accepted = SelLength() == static_cast<int>(text.size());
    }
    // Without key editing only the control characters other than backspace get through.
    if (accepted && !m_allowKeyEdit && (key >= 32 || key == 8)) accepted = false;
    return accepted;
}

void TRzSpinEdit::WMPaste(TMessage& message) {
    if (m_allowKeyEdit && !ReadOnly()) DefaultHandler(message);
}

void TRzSpinEdit::WMCut(TMessage& message) {
    if (m_allowKeyEdit && !ReadOnly()) DefaultHandler(message);
}

// ---- Focus and hot state ----

void TRzSpinEdit::DoEnter() {
    TRzCustomEdit::DoEnter();
    SetTextMargins();
    UpdateFlatButtons(true);
}

void TRzSpinEdit::DoExit() {
    TRzCustomEdit::DoExit();
    SetTextMargins();
    UpdateFlatButtons(false);
    if (m_allowBlank && Text().empty()) return;
    double value = m_min;
    ParseNumber(Text(), value);
    SetValue(value);
}

void TRzSpinEdit::CMMouseEnter(TMessage& message) {
    TRzCustomEdit::CMMouseEnter(message);
    UpdateFlatButtons(true);
}

void TRzSpinEdit::CMMouseLeave(TMessage& message) {
    TRzCustomEdit::CMMouseLeave(message);
    UpdateFlatButtons(InControl());
}

void TRzSpinEdit::UpdateFlatButtons(bool on) {
    if (!FlatButtons()) return;
    m_buttons->SetButtonColor(on || InControl() ? FlatButtonColor() : Color());
}

void TRzSpinEdit::CMEnabledChanged(TMessage& message) {
    TRzCustomEdit::CMEnabledChanged(message);
    m_buttons->SetEnabled(Enabled());
    if (FlatButtons()) m_buttons->SetButtonColor(Color());
    SetTextMargins();
}

void TRzSpinEdit::CMFontChanged(TMessage& message) {
    // The platform edit takes its margins from a new font; the buttons' room is kept again.
    TRzCustomEdit::CMFontChanged(message);
    SetTextMargins();
}

void TRzSpinEdit::SetFlatButtons(bool flatButtons) {
    if (FlatButtons() == flatButtons) return;
    TRzCustomEdit::SetFlatButtons(flatButtons);
    m_buttons->SetFlat(flatButtons);
    if (flatButtons) m_buttons->SetButtonColor(Color());
    PlaceButtons();
}

// ---- Layout ----

void TRzSpinEdit::CreateParams(TCreateParams& params) {
    TRzCustomEdit::CreateParams(params);
    params.Style |= win::ES_RIGHT | win::WS_CLIPCHILDREN;
}

void TRzSpinEdit::CreateWnd() {
    TRzCustomEdit::CreateWnd();
    SetTextMargins();
}

void TRzSpinEdit::Loaded() {
    TRzCustomEdit::Loaded();
    PlaceButtons();
}

void TRzSpinEdit::WMSize(TWMSize& message) {
    TRzCustomEdit::WMSize(message);
    PlaceButtons();
}

void TRzSpinEdit::SetButtonWidth(int width) {
    if (width < 0) width = 0;
    if (m_buttonWidth == width) return;
    m_buttonWidth = width;
    m_buttons->SetWidth(Orientation() == orVertical ? width : width * 2);
    PlaceButtons();
    Invalidate();
}

void TRzSpinEdit::SetOrientation(TOrientation orientation) {
    if (Orientation() == orientation) return;
    m_buttons->SetOrientation(orientation);
    PlaceButtons();
}

void TRzSpinEdit::PlaceButtons() {
    if (ComponentState().Contains(csLoading)) return;
    const std::optional<win::TEXTMETRIC> metrics = ScreenText(*Font()).Metrics();
    const int textHeight = metrics ? metrics->tmHeight : 0;
    if (Height() < textHeight + 2) {
        SetHeight(textHeight + 2);
        return;
    }
    const int bw = m_buttons->Width();
    if (FrameVisible() || Ctl3D()) {
        if (RzThemesActive())
            m_buttons->SetBounds(Width() - bw - 3, -1, bw, Height() - 1);
        else
            m_buttons->SetBounds(Width() - bw - 4, 0, bw, Height() - 3);
    } else {
        m_buttons->SetBounds(Width() - bw - 1, 1, bw, Height() - 3);
    }
    SetTextMargins();
}

void TRzSpinEdit::SetTextMargins() {
    if (!HandleAllocated()) return;
    const int margin = m_buttons->Width() + 2;
    win::SendMessage(Handle(), win::EM_SETMARGINS, win::EC_LEFTMARGIN | win::EC_RIGHTMARGIN,
                     static_cast<win::LPARAM>(win::MAKELONG(0, static_cast<win::WORD>(margin))));
}

} // namespace gl
