// TScreen: the screen's size, density and monitors from the platform, and the forms of the program.
#include "framework/forms/Screen.h"

#include "framework/controls/WinControl.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/StringList.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/Font.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Screen.h"
#include "platform/user/User.h"

#include <algorithm>

namespace gl {

namespace {

TMonitor MonitorOf(win::HMONITOR handle) {
    TMonitor monitor;
    monitor.Handle = handle;
    win::MONITORINFO info;
    if (handle && win::GetMonitorInfo(handle, &info)) {
        monitor.BoundsRect = info.rcMonitor;
        monitor.WorkareaRect = info.rcWork;
        monitor.Primary = (info.dwFlags & win::MONITORINFOF_PRIMARY) != 0;
    }
    return monitor;
}

int CollectFamily(const win::LOGFONT* logFont, const win::TEXTMETRIC*, win::DWORD, win::LPARAM lParam) {
    auto* list = reinterpret_cast<TStringList*>(lParam);
    // Vertical variants ("@宋体") are for vertical text only: nothing the program can choose.
    if (logFont && logFont->lfFaceName[0] != '\0' && logFont->lfFaceName[0] != '@')
        list->Add(logFont->lfFaceName);
    return 1;
}

// Never destroyed: forms that outlive everything else still find it.
TScreen* MakeScreen() {
    return new TScreen(nullptr);
}

} // namespace

TScreen* Screen = MakeScreen();

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TScreen::~TScreen() = default;

int TScreen::PixelsPerInch() const {
    return ScreenPixelsPerInch();
}

int TScreen::Width() const {
    return win::GetSystemMetrics(win::SM_CXSCREEN);
}

int TScreen::Height() const {
    return win::GetSystemMetrics(win::SM_CYSCREEN);
}

TRect TScreen::WorkAreaRect() const {
    TRect rect{0, 0, Width(), Height()};
    win::SystemParametersInfo(win::SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

TRect TScreen::DesktopRect() const {
    return TRect{0, 0, Width(), Height()};
}

int TScreen::MonitorCount() const {
    return std::max(1, win::GetSystemMetrics(win::SM_CMONITORS));
}

TMonitor TScreen::Monitors(int index) const {
    if (index < 0 || index >= MonitorCount()) throw EListError(Format(msg::SListIndexError, index));
    // The platform has one monitor, the screen; further ones would be found from their corners.
    TMonitor monitor = MonitorOf(win::MonitorFromPoint(TPoint{0, 0}, win::MONITOR_DEFAULTTOPRIMARY));
    monitor.MonitorNum = index;
    return monitor;
}

TMonitor TScreen::MonitorFromWindow(win::HWND window) const {
    return MonitorOf(win::MonitorFromWindow(window, win::MONITOR_DEFAULTTONEAREST));
}

TMonitor TScreen::MonitorFromPoint(TPoint point) const {
    return MonitorOf(win::MonitorFromPoint(point, win::MONITOR_DEFAULTTONEAREST));
}

TCustomForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount()) throw EListError(Format(msg::SListIndexError, index));
    return m_forms[static_cast<std::size_t>(index)];
}

TWinControl* TScreen::ActiveControl() const {
    return m_activeForm ? m_activeForm->ActiveControl() : nullptr;
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == m_cursor) return;
    m_cursor = cursor;
    if (cursor != crDefault) {
        win::SetCursor(CursorHandle(cursor));
        return;
    }
    // Back to the controls' own cursors: let the window under the pointer choose again.
    win::POINT point{};
    win::GetCursorPos(&point);
    if (win::HWND window = win::WindowFromPoint(point))
        win::SendMessage(window, win::WM_SETCURSOR, reinterpret_cast<win::WPARAM>(window),
                         win::MAKELPARAM(static_cast<win::WORD>(win::HTCLIENT), win::WM_MOUSEMOVE));
}

TStrings* TScreen::Fonts() {
    if (m_fonts) return m_fonts.get();
    m_fonts = std::make_unique<TStringList>();
    m_fonts->SetSorted(true);
    m_fonts->SetDuplicates(dupIgnore);
    if (const win::WindowDC screen(nullptr); screen)
        win::EnumFontFamilies(screen, nullptr, &CollectFamily, reinterpret_cast<win::LPARAM>(m_fonts.get()));
    return m_fonts.get();
}

void TScreen::ResetFonts() {
    m_fonts.reset();
}

void TScreen::AddForm(TCustomForm* form) {
    if (form && std::find(m_forms.begin(), m_forms.end(), form) == m_forms.end()) m_forms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
    if (m_activeForm == form) SetActiveForm(nullptr);
}

void TScreen::SetActiveForm(TCustomForm* form) {
    if (form == m_activeForm) return;
    m_activeForm = form;
    if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::ActiveControlChanged() {
    if (OnActiveControlChange) OnActiveControlChange(this);
}

} // namespace gl
