// TControl: place in the parent, shared properties, text, and the way every message goes through a control.
#include "framework/controls/Control.h"

#include "framework/controls/MessageDispatch.h"
#include "framework/controls/WinControl.h"
#include "framework/core/Exceptions.h"
#include "framework/core/FlagScope.h"
#include "framework/core/MessageTexts.h"
#include "framework/graphics/Font.h"
#include "platform/user/Input.h"
#include "platform/user/Paint.h"

#include <algorithm>
#include <cstring>

namespace gl {

namespace {

// The anchors an alignment implies: the edges the control keeps its distance to.
TAnchors AnchorsOf(TAlign align) {
    switch (align) {
    case alTop:
        return {akLeft, akTop, akRight};
    case alBottom:
        return {akLeft, akRight, akBottom};
    case alLeft:
        return {akLeft, akTop, akBottom};
    case alRight:
        return {akRight, akTop, akBottom};
    case alClient:
        return {akLeft, akTop, akRight, akBottom};
    default:
        return {akLeft, akTop};
    }
}

bool IsHorizontalAlign(TAlign align) {
    return align == alTop || align == alBottom;
}
bool IsVerticalAlign(TAlign align) {
    return align == alLeft || align == alRight;
}

} // namespace

TControl::TControl(TComponent* owner)
    : TComponent(owner), m_color(clWindow), m_font(std::make_unique<TFont>()) {
    m_font->OnChange = [this](TObject*) { FontObjectChanged(); };
}

TControl::~TControl() {
    Destroying();
    ForgetMouseControl(this);
    if (m_parent) m_parent->RemoveControl(this);
    m_font->OnChange = nullptr;
}

// ---- Messages ----

// The messages of every control: mouse input, wheel, and the CM_ notifications.
const MessageTable& TControl::Messages() const {
    using namespace win;
    static const MessageTable table({
        {WM_LBUTTONDOWN, &TControl::WMLButtonDown},
        {WM_LBUTTONUP, &TControl::WMLButtonUp},
        {WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk},
        {WM_RBUTTONDOWN, &TControl::WMRButtonDown},
        {WM_RBUTTONUP, &TControl::WMRButtonUp},
        {WM_RBUTTONDBLCLK, &TControl::WMRButtonDblClk},
        {WM_MBUTTONDOWN, &TControl::WMMButtonDown},
        {WM_MBUTTONUP, &TControl::WMMButtonUp},
        {WM_MBUTTONDBLCLK, &TControl::WMMButtonDblClk},
        {WM_MOUSEMOVE, &TControl::WMMouseMove},
        {WM_MOUSEWHEEL, &TControl::WMMouseWheel},
        {CM_ENABLEDCHANGED, &TControl::CMEnabledChanged},
        {CM_VISIBLECHANGED, &TControl::CMVisibleChanged},
        {CM_COLORCHANGED, &TControl::CMColorChanged},
        {CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged},
        {CM_FONTCHANGED, &TControl::CMFontChanged},
        {CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged},
        {CM_TEXTCHANGED, &TControl::CMTextChanged},
        {CM_SHOWHINTCHANGED, &TControl::CMShowHintChanged},
        {CM_PARENTSHOWHINTCHANGED, &TControl::CMParentShowHintChanged},
        {CM_CURSORCHANGED, &TControl::CMCursorChanged},
        {CM_MOUSEENTER, &TControl::CMMouseEnter},
        {CM_MOUSELEAVE, &TControl::CMMouseLeave},
        {CM_HITTEST, &TControl::CMHitTest},
        {CM_FOCUSCHANGED, &TControl::CMFocusChanged},
        {CM_DIALOGKEY, &TControl::CMDialogKey},
        {CM_DIALOGCHAR, &TControl::CMDialogChar},
        {CM_WANTSPECIALKEY, &TControl::CMWantSpecialKey},
    });
    return table;
}

win::LRESULT TControl::Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    // A control that does not take double clicks sees the second click as another press.
    if (message.Msg == win::WM_LBUTTONDBLCLK && !m_controlStyle.Contains(csDoubleClicks))
        message.Msg = win::WM_LBUTTONDOWN;
    if (message.Msg == win::WM_LBUTTONDOWN || message.Msg == win::WM_LBUTTONDBLCLK)
        IncludeState(csLButtonDown);
    if (message.Msg == win::WM_LBUTTONUP) ExcludeState(csLButtonDown);
    Dispatch(message);
}

void TControl::Dispatch(TMessage& message) {
    if (!Messages().Dispatch(*this, message)) DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) {
    switch (message.Msg) {
    case win::WM_GETTEXTLENGTH:
        message.Result = static_cast<win::LRESULT>(m_text.size());
        break;
    case win::WM_GETTEXT: {
        char* buffer = reinterpret_cast<char*>(message.LParam);
        if (!buffer || message.WParam == 0) break;
        std::size_t n = std::min<std::size_t>(m_text.size(), message.WParam - 1);
        // Never cut a character in half.
        while (n > 0 && n < m_text.size() && (static_cast<unsigned char>(m_text[n]) & 0xC0) == 0x80) --n;
        std::memcpy(buffer, m_text.data(), n);
        buffer[n] = '\0';
        message.Result = static_cast<win::LRESULT>(n);
        break;
    }
    case win::WM_SETTEXT:
        m_text = message.LParam ? reinterpret_cast<const char*>(message.LParam) : "";
        message.Result = 1;
        break;
    default:
        break;
    }
}

// ---- Place ----

void TControl::SetParent(TWinControl* parent) {
    if (m_parent == parent) return;
    for (const TControl* up = parent; up; up = up->m_parent)
        if (up == this) throw EInvalidOperation(msg::SControlParentSetToSelf);
    if (m_parent) m_parent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == m_left && top == m_top && width == m_width && height == m_height) return;
    InvalidateControl(m_visible, false);
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    Invalidate();
    RequestAlign();
    if (!ComponentState().Contains(csLoading)) Resize();
}

TPoint TControl::ClientOrigin() const {
    TPoint origin{m_left, m_top};
    if (m_parent) {
        const TPoint parentOrigin = m_parent->ClientOrigin();
        origin.x += parentOrigin.x;
        origin.y += parentOrigin.y;
    }
    return origin;
}

TPoint TControl::ClientToScreen(TPoint point) const {
    const TPoint origin = ClientOrigin();
    return TPoint{point.x + origin.x, point.y + origin.y};
}

TPoint TControl::ScreenToClient(TPoint point) const {
    const TPoint origin = ClientOrigin();
    return TPoint{point.x - origin.x, point.y - origin.y};
}

void TControl::SetAlign(TAlign align) {
    if (m_align == align) return;
    const TAlign old = m_align;
    m_align = align;
    m_anchors = AnchorsOf(align);
    // Turning from a band across the parent to a column (or back) turns the control's shape with it.
    if ((IsHorizontalAlign(old) && IsVerticalAlign(align)) ||
        (IsVerticalAlign(old) && IsHorizontalAlign(align)))
        SetBounds(m_left, m_top, m_height, m_width);
    if (m_parent) m_parent->AlignControl(this);
}

void TControl::RequestAlign() {
    if (m_parent && m_align != alNone) m_parent->AlignControl(this);
}

void TControl::SetZOrder(bool topMost) {
    if (!m_parent) return;
    auto& list = m_parent->m_graphicControls;
    const auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (topMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    Invalidate();
}

// ---- State ----

void TControl::SetVisible(bool visible) {
    if (m_visible == visible) return;
    m_visible = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
    if (m_enabled == enabled) return;
    m_enabled = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetAutoSize(bool autoSize) {
    if (m_autoSize == autoSize) return;
    m_autoSize = autoSize;
    if (autoSize) AdjustSize();
}

void TControl::SetColor(TColor color) {
    if (m_color == color) return;
    m_color = color;
    m_parentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor) {
    if (m_parentColor == parentColor) return;
    m_parentColor = parentColor;
    if (parentColor && m_parent) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetFont(const TFont* font) {
    m_font->Assign(font);
}

void TControl::SetParentFont(bool parentFont) {
    if (m_parentFont == parentFont) return;
    m_parentFont = parentFont;
    if (parentFont && m_parent) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontObjectChanged() {
    if (!m_takingParentFont) m_parentFont = false;
    FontChanged();
}

void TControl::FontChanged() {
    Perform(CM_FONTCHANGED);
}

std::string TControl::GetText() const {
    auto* self = const_cast<TControl*>(this);
    const win::LRESULT length = self->Perform(win::WM_GETTEXTLENGTH);
    if (length <= 0) return {};
    std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
    const win::LRESULT copied =
        self->Perform(win::WM_GETTEXT, buffer.size(), reinterpret_cast<win::LPARAM>(buffer.data()));
    buffer.resize(static_cast<std::size_t>(std::clamp<win::LRESULT>(copied, 0, length)));
    return buffer;
}

void TControl::SetTextBuffer(const char* text) {
    Perform(win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(text));
}

void TControl::SetText(const std::string& text) {
    if (GetText() == text) return;
    SetTextBuffer(text.c_str());
    Perform(CM_TEXTCHANGED);
}

void TControl::SetName(const std::string& name) {
    const auto loading = [](const TComponent* component) {
        return component && component->ComponentState().Contains(csLoading);
    };
    const bool ownerLoading = dynamic_cast<const TControl*>(Owner()) && loading(Owner());
    const bool changeText =
        m_controlStyle.Contains(csSetCaption) && !loading(this) && !ownerLoading && Name() == GetText();
    TComponent::SetName(name);
    if (changeText) SetText(name);
}

void TControl::SetShowHint(bool showHint) {
    if (m_showHint == showHint) return;
    m_showHint = showHint;
    m_parentShowHint = false;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool parentShowHint) {
    if (m_parentShowHint == parentShowHint) return;
    m_parentShowHint = parentShowHint;
    if (parentShowHint && m_parent) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
    if (m_cursor == cursor) return;
    m_cursor = cursor;
    Perform(CM_CURSORCHANGED);
}

// ---- Painting ----

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
    if (!isVisible || !m_parent || !m_parent->HandleAllocated()) return;
    const TRect rect = BoundsRect();
    win::InvalidateRect(m_parent->Handle(), &rect, isOpaque ? win::FALSE : win::TRUE);
}

void TControl::Invalidate() {
    InvalidateControl(m_visible, m_controlStyle.Contains(csOpaque));
}

void TControl::Update() {
    if (m_parent) m_parent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (!m_parent) return;
    if (m_parentColor) Perform(CM_PARENTCOLORCHANGED);
    if (m_parentFont) Perform(CM_PARENTFONTCHANGED);
    if (m_parentShowHint) Perform(CM_PARENTSHOWHINTCHANGED);
}

// ---- Notifications ----

void TControl::CMEnabledChanged(TMessage&) {
    Invalidate();
}

void TControl::CMVisibleChanged(TMessage&) {
    // The rectangle is repainted whichever way the control went: what was behind it shows again.
    InvalidateControl(true, m_visible && m_controlStyle.Contains(csOpaque));
}

void TControl::CMColorChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentColorChanged(TMessage& message) {
    if (!m_parentColor) return;
    if (message.WParam != 0)
        SetColor(static_cast<TColor>(message.LParam));
    else if (m_parent)
        SetColor(m_parent->Color());
    m_parentColor = true;
}

void TControl::CMFontChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentFontChanged(TMessage& message) {
    if (!m_parentFont) return;
    const TFont* source = message.WParam != 0 ? reinterpret_cast<const TFont*>(message.LParam)
                                              : (m_parent ? m_parent->Font() : nullptr);
    if (source && source != m_font.get()) {
        // The font tells the control only when something differs, and the control keeps following.
        FlagScope taking(m_takingParentFont);
        m_font->Assign(source);
    }
    m_parentFont = true;
}

void TControl::CMTextChanged(TMessage&) {}

void TControl::CMShowHintChanged(TMessage&) {}

void TControl::CMParentShowHintChanged(TMessage&) {
    if (!m_parentShowHint) return;
    if (m_parent) SetShowHint(m_parent->ShowHint());
    m_parentShowHint = true;
}

void TControl::CMCursorChanged(TMessage&) {
    if (MouseControl() == this && m_cursor != crDefault) win::SetCursor(CursorHandle(m_cursor));
}

void TControl::CMMouseEnter(TMessage&) {
    if (!ComponentState().Contains(csDesigning)) MouseEnter();
}

void TControl::CMMouseLeave(TMessage&) {
    if (!ComponentState().Contains(csDesigning)) MouseLeave();
}

void TControl::CMHitTest(TCMHitTest& message) {
    message.SetResult(win::HTCLIENT);
}

void TControl::CMFocusChanged(TCMFocusChanged&) {}

void TControl::CMDialogKey(TCMDialogKey&) {}

void TControl::CMDialogChar(TCMDialogChar&) {}

void TControl::CMWantSpecialKey(TCMWantSpecialKey&) {}

} // namespace gl
