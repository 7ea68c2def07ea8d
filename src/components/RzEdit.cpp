// The frame model the framed edit and memo share: colours by state, the frame line painted over the
// platform's sunken border on every non-client paint, hot tracking, and the shared frame controller.
#include "components/RzEdit.h"

#include "framework/Canvas.h"
#include "platform/display/VirtualKeys.h"
#include "platform/gdi/Screen.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Paint.h"

namespace gl {

namespace {

// Clears a flag however the scope ends.
class GuardScope {
public:
    explicit GuardScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~GuardScope() { m_flag = false; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

private:
    bool& m_flag;
};

// A window context bound to a canvas for one paint, given back however the paint ends.
class WindowContextScope {
public:
    WindowContextScope(win::HWND hwnd, TCanvas& canvas) : m_hwnd(hwnd), m_canvas(canvas) {
        m_dc = win::GetWindowDC(hwnd);
        if (m_dc) m_canvas.SetHandle(m_dc);
    }
    ~WindowContextScope() {
        if (!m_dc) return;
        m_canvas.SetHandle(nullptr);
        win::ReleaseDC(m_hwnd, m_dc);
    }
    WindowContextScope(const WindowContextScope&) = delete;
    WindowContextScope& operator=(const WindowContextScope&) = delete;
    bool Valid() const { return m_dc != nullptr; }

private:
    win::HWND m_hwnd;
    TCanvas& m_canvas;
    win::HDC m_dc = nullptr;
};

} // namespace

bool RzThemesActive() {
    return false;
}

template <class Base>
TRzFramedEdit<Base>::TRzFramedEdit(TComponent* owner)
    : Base(owner), m_frameCanvas(std::make_unique<TCanvas>()) {
    {
        GuardScope updating(m_updatingColor);
        this->SetColor(clWindow);
    }
    m_normalColor = clWindow;
}

template <class Base> TRzFramedEdit<Base>::~TRzFramedEdit() {
    if (m_frameController) {
        m_frameController->RemoveControl(this);
        m_frameController->RemoveFreeNotification(this);
    }
}

// ---- Colours by state ----

template <class Base> void TRzFramedEdit<Base>::UpdateColors() {
    if (this->ComponentState().Contains(csLoading)) return;
    GuardScope updating(m_updatingColor);
    if (!this->Enabled())
        this->SetColor(m_disabledColor);
    else if (m_inControl)
        this->SetColor(m_focusColor);
    else
        this->SetColor(m_normalColor);
}

template <class Base> void TRzFramedEdit<Base>::SetDisabledColor(TColor color) {
    if (m_disabledColor == color) return;
    m_disabledColor = color;
    if (!this->Enabled()) UpdateColors();
}

template <class Base> void TRzFramedEdit<Base>::SetFocusColor(TColor color) {
    if (m_focusColor == color) return;
    m_focusColor = color;
    if (m_inControl) UpdateColors();
}

template <class Base> void TRzFramedEdit<Base>::CMColorChanged(TMessage& message) {
    Base::CMColorChanged(message);
    if (!m_updatingColor) {
        // A focus colour that was never set apart from the normal one moves along with it.
        if (m_focusColor == m_normalColor) m_focusColor = this->Color();
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
    return m_frameVisible && (m_framingPreference != fpXPThemes || !RzThemesActive());
}

template <class Base> bool TRzFramedEdit<Base>::FrameHot() const {
    return m_frameHotTrack && (m_inControl || m_mouseOver);
}

template <class Base> void TRzFramedEdit<Base>::RepaintFrame() {
    if (!this->HandleAllocated()) return;
    win::RedrawWindow(this->Handle(), nullptr, nullptr,
                      win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
}

template <class Base> template <class T> void TRzFramedEdit<Base>::ChangeFrame(T& field, T value) {
    if (field == value) return;
    field = value;
    RepaintFrame();
}

template <class Base> void TRzFramedEdit<Base>::SetFrameColor(TColor color) {
    ChangeFrame(m_frameColor, color);
}
template <class Base> void TRzFramedEdit<Base>::SetFrameHotColor(TColor color) {
    ChangeFrame(m_frameHotColor, color);
}
template <class Base> void TRzFramedEdit<Base>::SetFrameHotStyle(TFrameStyle style) {
    ChangeFrame(m_frameHotStyle, style);
}
template <class Base> void TRzFramedEdit<Base>::SetFrameSides(TSides sides) {
    ChangeFrame(m_frameSides, sides);
}
template <class Base> void TRzFramedEdit<Base>::SetFrameStyle(TFrameStyle style) {
    ChangeFrame(m_frameStyle, style);
}

template <class Base> void TRzFramedEdit<Base>::SetFrameVisible(bool visible) {
    if (m_frameVisible == visible) return;
    m_frameVisible = visible;
    // The line is drawn over the sunken border, so there has to be one.
    if (visible && !this->Ctl3D()) this->SetCtl3D(true);
    this->RecreateWnd();
}

template <class Base> void TRzFramedEdit<Base>::SetFrameHotTrack(bool hotTrack) {
    if (m_frameHotTrack == hotTrack) return;
    m_frameHotTrack = hotTrack;
    if (hotTrack) {
        SetFrameVisible(true);
        if (!this->ComponentState().Contains(csLoading)) m_frameSides = sdAllSides;
    }
    RepaintFrame();
    this->Invalidate();
}

template <class Base> void TRzFramedEdit<Base>::SetFramingPreference(TFramingPreference preference) {
    if (m_framingPreference == preference) return;
    m_framingPreference = preference;
    if (preference == fpCustomFraming) RepaintFrame();
}

template <class Base> void TRzFramedEdit<Base>::WMNCPaint(TWMNCPaint& message) {
    Base::WMNCPaint(message);
    if (!FramePainted() || !this->HandleAllocated()) return;
    WindowContextScope context(this->Handle(), *m_frameCanvas);
    if (!context.Valid()) return;
    const bool hot = FrameHot();
    DrawFrame(*m_frameCanvas, this->Width(), this->Height(), m_frameSides,
              hot ? m_frameHotColor : m_frameColor, this->Color(), hot ? m_frameHotStyle : m_frameStyle);
    message.SetResult(0);
}

template <class Base> void TRzFramedEdit<Base>::WMSize(TWMSize& message) {
    Base::WMSize(message);
    if (FramePainted()) RepaintFrame();
}

// ---- Hot state ----

template <class Base> void TRzFramedEdit<Base>::HotStateChanged() {
    if (m_frameHotTrack) RepaintFrame();
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
    if (m_frameHotTrack) RepaintFrame();
}

// ---- Keys ----

template <class Base> void TRzFramedEdit<Base>::KeyDown(std::uint16_t& key, TShiftState shift) {
    Base::KeyDown(key, shift);
    if (m_tabOnEnter && key == win::VK_RETURN && this->HandleAllocated()) {
        key = 0;
        win::PostMessage(this->Handle(), win::WM_KEYDOWN, win::VK_TAB, 0);
    }
}

template <class Base> void TRzFramedEdit<Base>::KeyPress(char32_t& key) {
    Base::KeyPress(key);
    // The Enter that became a Tab leaves no character behind (nor a beep).
    if (m_tabOnEnter && key == U'\r') key = 0;
}

// ---- Frame controller ----

template <class Base> void TRzFramedEdit<Base>::SetFrameController(TRzFrameController* controller) {
    if (m_frameController == controller) return;
    if (m_frameController) {
        m_frameController->RemoveControl(this);
        m_frameController->RemoveFreeNotification(this);
    }
    m_frameController = controller;
    if (controller) {
        controller->AddControl(this);
        controller->FreeNotification(this);
        ControllerChanged();
    }
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
