// TCustomEdit: the window's styles, the change event from its two sources, the limit, the height rule, the
// selection and the input method on focus.
#include "framework/controls/StdCtrlsEdit.h"

#include "framework/core/FlagScope.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ScreenText.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Screen.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Metrics.h"

#include <algorithm>

namespace gl {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(TControlStyle{csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight});
    SetBounds(Left(), Top(), 121, 25);
    SetTabStop(true);
    SetParentColor(false);
    // The height follows the font once there is a window (or a new font), not before.
    TWinControl::SetAutoSize(true);
}

// ---- Window ----

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "EDIT");
    params.Style |= win::ES_AUTOHSCROLL | win::ES_AUTOVSCROLL;
    if (m_borderStyle == bsSingle) {
        if (Ctl3D())
            params.ExStyle |= win::WS_EX_CLIENTEDGE;
        else
            params.Style |= win::WS_BORDER;
    }
    if (m_readOnly) params.Style |= win::ES_READONLY;
    if (!m_hideSelection) params.Style |= win::ES_NOHIDESEL;
}

void TCustomEdit::CreateWnd() {
    {
        // Whatever the platform reports while the window is being made is no change by anyone.
        FlagScope creating(m_creating);
        TWinControl::CreateWnd();
    }
    // Always sent: the platform's own default limit is far below what the program may need (0 lifts it).
    SendEditMessage(win::EM_LIMITTEXT, static_cast<win::WPARAM>(m_maxLength));
    SendEditMessage(win::EM_SETMODIFY, m_modified ? 1 : 0);
    UpdateHeight();
}

void TCustomEdit::DestroyWnd() {
    m_modified = SendEditMessage(win::EM_GETMODIFY) != 0;
    TWinControl::DestroyWnd();
}

win::LRESULT TCustomEdit::SendEditMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    return win::SendMessage(Handle(), msg, wParam, lParam);
}

bool TCustomEdit::IsMultiLine() {
    return HandleAllocated() &&
           (static_cast<win::DWORD>(win::GetWindowLong(Handle(), win::GWL_STYLE)) & win::ES_MULTILINE) != 0;
}

// ---- Properties ----

void TCustomEdit::SetAutoSize(bool autoSize) {
    if (AutoSize() == autoSize) return;
    TWinControl::SetAutoSize(autoSize);
    UpdateHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle borderStyle) {
    if (m_borderStyle == borderStyle) return;
    m_borderStyle = borderStyle;
    UpdateHeight();
    RecreateWnd();
}

void TCustomEdit::Ctl3DChanged() {
    if (ControlStyle().Contains(csFixedHeight)) AdjustHeight();
    RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool hideSelection) {
    if (m_hideSelection == hideSelection) return;
    m_hideSelection = hideSelection;
    RecreateWnd();
}

void TCustomEdit::SetMaxLength(int maxLength) {
    maxLength = std::max(0, maxLength);
    if (m_maxLength == maxLength) return;
    m_maxLength = maxLength;
    if (HandleAllocated()) SendEditMessage(win::EM_LIMITTEXT, static_cast<win::WPARAM>(maxLength));
}

void TCustomEdit::SetReadOnly(bool readOnly) {
    if (m_readOnly == readOnly) return;
    m_readOnly = readOnly;
    if (HandleAllocated()) SendEditMessage(win::EM_SETREADONLY, readOnly ? 1 : 0);
}

bool TCustomEdit::Modified() const {
    if (!HandleAllocated()) return m_modified;
    return const_cast<TCustomEdit*>(this)->SendEditMessage(win::EM_GETMODIFY) != 0;
}

void TCustomEdit::SetModified(bool modified) {
    if (HandleAllocated())
        SendEditMessage(win::EM_SETMODIFY, modified ? 1 : 0);
    else
        m_modified = modified;
}

// ---- Height ----

void TCustomEdit::UpdateHeight() {
    if (AutoSize() && m_borderStyle == bsSingle) {
        IncludeStyle(csFixedHeight);
        AdjustHeight();
    } else {
        ExcludeStyle(csFixedHeight);
    }
}

void TCustomEdit::AdjustHeight() {
    const std::optional<win::TEXTMETRIC> metrics = ScreenText(*Font()).Metrics();
    if (!metrics) return;
    // The border takes 4 border units on each side with the sunken edge, 3 with the flat line.
    const int borderUnits = Ctl3D() ? 8 : 6;
    SetHeight(metrics->tmHeight + win::GetSystemMetrics(win::SM_CYBORDER) * borderUnits);
}

// ---- Selection and editing ----

int TCustomEdit::SelStart() {
    win::DWORD start = 0;
    win::DWORD end = 0;
    SendEditMessage(win::EM_GETSEL, reinterpret_cast<win::WPARAM>(&start),
                    reinterpret_cast<win::LPARAM>(&end));
    return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int start) {
    SendEditMessage(win::EM_SETSEL, static_cast<win::WPARAM>(start), static_cast<win::LPARAM>(start));
}

int TCustomEdit::SelLength() {
    win::DWORD start = 0;
    win::DWORD end = 0;
    SendEditMessage(win::EM_GETSEL, reinterpret_cast<win::WPARAM>(&start),
                    reinterpret_cast<win::LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int length) {
    win::DWORD start = 0;
    win::DWORD end = 0;
    SendEditMessage(win::EM_GETSEL, reinterpret_cast<win::WPARAM>(&start),
                    reinterpret_cast<win::LPARAM>(&end));
    const int newEnd = std::max(0, static_cast<int>(start) + length);
    SendEditMessage(win::EM_SETSEL, start, static_cast<win::LPARAM>(newEnd));
    SendEditMessage(win::EM_SCROLLCARET);
}

std::string TCustomEdit::SelText() {
    win::DWORD start = 0;
    win::DWORD end = 0;
    SendEditMessage(win::EM_GETSEL, reinterpret_cast<win::WPARAM>(&start),
                    reinterpret_cast<win::LPARAM>(&end));
    const std::string text = Text();
    if (start >= end || start >= text.size()) return {};
    return text.substr(start, end - start);
}

void TCustomEdit::SetSelText(const std::string& text) {
    SendEditMessage(win::EM_REPLACESEL, 0, reinterpret_cast<win::LPARAM>(text.c_str()));
}

void TCustomEdit::SelectAll() {
    SendEditMessage(win::EM_SETSEL, 0, -1);
}
void TCustomEdit::ClearSelection() {
    SendEditMessage(win::WM_CLEAR);
}
void TCustomEdit::CopyToClipboard() {
    SendEditMessage(win::WM_COPY);
}
void TCustomEdit::CutToClipboard() {
    SendEditMessage(win::WM_CUT);
}
void TCustomEdit::PasteFromClipboard() {
    SendEditMessage(win::WM_PASTE);
}
bool TCustomEdit::CanUndo() {
    return SendEditMessage(win::EM_CANUNDO) != 0;
}
void TCustomEdit::Undo() {
    SendEditMessage(win::WM_UNDO);
}
void TCustomEdit::ClearUndo() {
    SendEditMessage(win::EM_EMPTYUNDOBUFFER);
}

// ---- Change ----

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::CNCommand(TWMCommand& message) {
    if (message.NotifyCode() == win::EN_CHANGE && !m_creating) Change();
}

// A single-line window reports every change itself (EN_CHANGE); the notification covers the text of a control
// without a window, and the whole text of a multi-line one, which the platform replaces without a word.
void TCustomEdit::CMTextChanged(TMessage& message) {
    TWinControl::CMTextChanged(message);
    if (!HandleAllocated() || IsMultiLine()) Change();
}

void TCustomEdit::CMFontChanged(TMessage& message) {
    TWinControl::CMFontChanged(message);
    const TComponentState state = ComponentState();
    if (ControlStyle().Contains(csFixedHeight) && !(state.Contains(csDesigning) && state.Contains(csLoading)))
        AdjustHeight();
}

// ---- Focus ----

void TCustomEdit::DoEnter() {
    // A click puts the caret where it lands; only the keyboard (or the program) selects everything.
    if (m_autoSelect && !ControlState().Contains(csLButtonDown) && !IsMultiLine()) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::WMSetFocus(TWMSetFocus& message) {
    TWinControl::WMSetFocus(message);
    if (HandleAllocated()) SetIme(Handle(), m_imeName, m_imeMode);
}

void TCustomEdit::WMKillFocus(TWMKillFocus& message) {
    TWinControl::WMKillFocus(message);
    if (HandleAllocated()) ResetIme(Handle(), m_imeName, m_imeMode);
}

} // namespace gl
