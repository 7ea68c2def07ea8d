// The frame model the framed edit and memo share: colours by state, the frame line painted over the
// platform's sunken border on every non-client paint, hot tracking, and the shared frame controller.
#include "components/RzEdit.h"

#include "framework/core/FlagScope.h"
#include "framework/graphics/Canvas.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Screen.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Paint.h"
#include "platform/win/KeyCodes.h"

namespace gl {

bool RzThemesActive() {
    return false;
}

template <class Base>
TRzFramedEdit<Base>::TRzFramedEdit(TComponent* owner)
    : Base(owner), m_frameCanvas(std::make_unique<TCanvas>()) {
    {
        FlagScope updating(m_updatingColor);
        this->SetColor(clWindow);
    }
    m_normalColor = clWindow;
}

template <class Base> TRzFramedEdit<Base>::~TRzFramedEdit() {
    ChangeFrameController(*this, m_frameController, nullptr);
}

// ---- Colours by state ----

template <class Base> void TRzFramedEdit<Base>::UpdateColors() {
    if (this->ComponentState().Contains(csLoading)) return;
    FlagScope updating(m_updatingColor);
    if (!this->Enabled())
        this->SetColor(DisabledColor());
    else if (m_inControl)
        this->SetColor(FocusColor());
    else
        this->SetColor(m_normalColor);
}

template <class Base> void TRzFramedEdit<Base>::CMColorChanged(TMessage& message) {
    Base::CMColorChanged(message);
    if (!m_updatingColor) {
        // A focus colour that was never set apart from the normal one moves along with it.
        if (FocusColor() == m_normalColor) FrameSettings().focusColor = this->Color();
        m_normalColor = this->Color();
    }
    if (FramePainted()) RepaintFrame();
}

template <class Base> void TRzFramedEdit<Base>::CMEnabledChanged(TMessage& message) {
    Base::CMEnabledChanged(message);
    if (this->HandleAllocated())
        win::RedrawWindow(this->Handle(), nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
    UpdateColors();
}

// ---- Frame ----

template <class Base> bool TRzFramedEdit<Base>::FramePainted() const {
    return FrameVisible() && (FramingPreference() != fpXPThemes || !RzThemesActive());
}

template <class Base> bool TRzFramedEdit<Base>::FrameHot() const {
    return FrameHotTrack() && (m_inControl || m_mouseOver);
}

template <class Base> void TRzFramedEdit<Base>::RepaintFrame() {
    if (!this->HandleAllocated()) return;
    win::RedrawWindow(this->Handle(), nullptr, nullptr,
                      win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
}

template <class Base> bool TRzFramedEdit<Base>::FrameLoading() const {
    return this->ComponentState().Contains(csLoading);
}

template <class Base> void TRzFramedEdit<Base>::FrameSettingChanged(TRzFrameSetting setting) {
    switch (setting) {
    case TRzFrameSetting::DisabledColor:
        if (!this->Enabled()) UpdateColors();
        break;
    case TRzFrameSetting::FocusColor:
        if (m_inControl) UpdateColors();
        break;
    case TRzFrameSetting::FrameVisible:
        // The line is drawn over the sunken border, so there has to be one.
        if (FrameVisible() && !this->Ctl3D()) this->SetCtl3D(true);
        this->RecreateWnd();
        break;
    case TRzFrameSetting::FrameHotTrack:
        RepaintFrame();
        this->Invalidate();
        break;
    case TRzFrameSetting::FramingPreference:
        if (FramingPreference() == fpCustomFraming) RepaintFrame();
        break;
    default:
        RepaintFrame();
        break;
    }
}

template <class Base> void TRzFramedEdit<Base>::WMNCPaint(TWMNCPaint& message) {
    Base::WMNCPaint(message);
    if (!FramePainted() || !this->HandleAllocated()) return;
    const win::HWND window = this->Handle();
    const win::WindowDC whole(window, win::GetWindowDC(window));
    if (!whole) return;
    const TLentContext lent(*m_frameCanvas, whole);
    PaintFrameOn(*m_frameCanvas, this->Width(), this->Height(), this->Color(), FrameHot());
    message.SetResult(0);
}

template <class Base> void TRzFramedEdit<Base>::WMSize(TWMSize& message) {
    Base::WMSize(message);
    if (FramePainted()) RepaintFrame();
}

// ---- Hot state ----

template <class Base> void TRzFramedEdit<Base>::HotStateChanged() {
    if (FrameHotTrack()) RepaintFrame();
    UpdateColors();
}

template <class Base> void TRzFramedEdit<Base>::CMMouseEnter(TMessage& message) {
    Base::CMMouseEnter(message);
    m_mouseOver = true;
    HotStateChanged();
}

template <class Base> void TRzFramedEdit<Base>::CMMouseLeave(TMessage& message) {
    Base::CMMouseLeave(message);
    m_mouseOver = false;
    HotStateChanged();
}

template <class Base> void TRzFramedEdit<Base>::DoEnter() {
    m_inControl = true;
    HotStateChanged();
    Base::DoEnter();
}

template <class Base> void TRzFramedEdit<Base>::DoExit() {
    m_inControl = false;
    HotStateChanged();
    Base::DoExit();
}

template <class Base> void TRzFramedEdit<Base>::Loaded() {
    Base::Loaded();
    UpdateColors();
    m_inControl = false;
    if (FrameHotTrack()) RepaintFrame();
}

// ---- Keys ----

template <class Base> void TRzFramedEdit<Base>::KeyDown(std::uint16_t& key, TShiftState shift) {
    Base::KeyDown(key, shift);
    if (TabOnEnter() && key == win::VK_RETURN && this->HandleAllocated()) {
        key = 0;
        win::PostMessage(this->Handle(), win::WM_KEYDOWN, win::VK_TAB, 0);
    }
}

template <class Base> void TRzFramedEdit<Base>::KeyPress(char32_t& key) {
    Base::KeyPress(key);
    // The Enter that became a Tab leaves no character behind (nor a beep).
    if (TabOnEnter() && key == U'\r') key = 0;
}

// ---- Frame controller ----

template <class Base> void TRzFramedEdit<Base>::SetFrameController(TRzFrameController* controller) {
    ChangeFrameController(*this, m_frameController, controller);
}

template <class Base> void TRzFramedEdit<Base>::ControllerChanged() {
    if (!m_frameController) return;
    SetFrameVisible(m_frameController->FrameVisible());
    SetFrameStyle(m_frameController->FrameStyle());
    SetFrameColor(m_frameController->FrameColor());
    if (m_frameController->ParentColor())
        this->SetParentColor(true);
    else
        this->SetColor(m_frameController->Color());
}

template <class Base> void TRzFramedEdit<Base>::Notification(TComponent* component, TOperation operation) {
    Base::Notification(component, operation);
    if (operation == opRemove && component == m_frameController) m_frameController = nullptr;
}

template class TRzFramedEdit<TCustomMaskEdit>;
template class TRzFramedEdit<TCustomMemo>;

// ---- TRzCustomEdit ----

TRzCustomEdit::TRzCustomEdit(TComponent* owner) : TRzFramedEdit<TCustomMaskEdit>(owner) {}

} // namespace gl
