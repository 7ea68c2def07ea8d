// The system metrics table, SystemParametersInfo and the one monitor.
#include "platform/user/Metrics.h"

#include "platform/display/Display.h"
#include "platform/gdi/Screen.h"
#include "platform/system/LastError.h"
#include "platform/user/detail/WindowObject.h"

#include <cstring>

namespace win {

namespace {

struct MetricEntry {
    int index;
    int value;
};

// The platform's classic values at 96 pixels per inch. Screen-dependent entries are answered separately.
constexpr MetricEntry kMetrics[] = {
    {SM_CXVSCROLL, 17},     {SM_CYHSCROLL, 17},        {SM_CYCAPTION, 19},
    {SM_CXBORDER, 1},       {SM_CYBORDER, 1},          {SM_CXDLGFRAME, 3},
    {SM_CYDLGFRAME, 3},     {SM_CYVTHUMB, 17},         {SM_CXHTHUMB, 17},
    {SM_CXICON, 32},        {SM_CYICON, 32},           {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},      {SM_CYMENU, 19},           {SM_CYKANJIWINDOW, 0},
    {SM_MOUSEPRESENT, 1},   {SM_CYVSCROLL, 17},        {SM_CXHSCROLL, 17},
    {SM_DEBUG, 0},          {SM_SWAPBUTTON, 0},        {SM_CXMIN, 112},
    {SM_CYMIN, 27},         {SM_CXSIZE, 18},           {SM_CYSIZE, 18},
    {SM_CXFRAME, 4},        {SM_CYFRAME, 4},           {SM_CXMINTRACK, 112},
    {SM_CYMINTRACK, 27},    {SM_CXDOUBLECLK, 4},       {SM_CYDOUBLECLK, 4},
    {SM_CXICONSPACING, 75}, {SM_CYICONSPACING, 75},    {SM_MENUDROPALIGNMENT, 0},
    {SM_DBCSENABLED, 1},    {SM_CMOUSEBUTTONS, 3},     {SM_CXEDGE, 2},
    {SM_CYEDGE, 2},         {SM_CXSMICON, 16},         {SM_CYSMICON, 16},
    {SM_CYSMCAPTION, 15},   {SM_CXSMSIZE, 12},         {SM_CYSMSIZE, 14},
    {SM_CXMENUSIZE, 18},    {SM_CYMENUSIZE, 18},       {SM_CXMINIMIZED, 160},
    {SM_CYMINIMIZED, 24},   {SM_CLEANBOOT, 0},         {SM_CXDRAG, 4},
    {SM_CYDRAG, 4},         {SM_SHOWSOUNDS, 0},        {SM_CXMENUCHECK, 13},
    {SM_CYMENUCHECK, 13},   {SM_MIDEASTENABLED, 0},    {SM_MOUSEWHEELPRESENT, 1},
    {SM_CMONITORS, 1},      {SM_SAMEDISPLAYFORMAT, 1}, {SM_IMMENABLED, 1},
    {SM_CXFOCUSBORDER, 1},  {SM_CYFOCUSBORDER, 1},     {SM_REMOTESESSION, 0},
    {SM_XVIRTUALSCREEN, 0}, {SM_YVIRTUALSCREEN, 0},
};

RECT WorkArea() {
    if (!HasCurrentDisplay()) return RECT{0, 0, ScreenWidth(), ScreenHeight()};
    return CurrentDisplay().WorkArea();
}

HMONITOR PrimaryMonitor() {
    // One monitor: a fixed value that no handle table hands out.
    return reinterpret_cast<HMONITOR>(static_cast<std::uintptr_t>(0x10000) |
                                      static_cast<std::uintptr_t>(HandleTag::Monitor));
}

bool SetBool(LPVOID p, BOOL value) {
    if (!p) return false;
    *static_cast<BOOL*>(p) = value;
    return true;
}

bool SetUint(LPVOID p, UINT value) {
    if (!p) return false;
    *static_cast<UINT*>(p) = value;
    return true;
}

LOGFONT SystemFont() {
    LOGFONT f;
    f.lfHeight = -12;
    f.lfWeight = FW_NORMAL;
    f.lfCharSet = GB2312_CHARSET;
    std::strcpy(f.lfFaceName, "宋体");
    return f;
}

void FillNonClientMetrics(NONCLIENTMETRICS& m) {
    m = NONCLIENTMETRICS{};
    m.iBorderWidth = 1;
    m.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    m.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    m.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
    m.iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
    m.iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
    m.iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
    m.iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
    m.iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
    m.lfCaptionFont = SystemFont();
    m.lfCaptionFont.lfWeight = 700;
    m.lfSmCaptionFont = m.lfCaptionFont;
    m.lfMenuFont = SystemFont();
    m.lfStatusFont = SystemFont();
    m.lfMessageFont = SystemFont();
}

} // namespace

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
        (void)CurrentDisplay();
        return ScreenWidth();
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
        (void)CurrentDisplay();
        return ScreenHeight();
    case SM_CXFULLSCREEN:
        return WorkArea().right - WorkArea().left;
    case SM_CYFULLSCREEN:
        return WorkArea().bottom - WorkArea().top - 19;
    case SM_CXMAXIMIZED:
        return WorkArea().right - WorkArea().left + 8;
    case SM_CYMAXIMIZED:
        return WorkArea().bottom - WorkArea().top + 8;
    case SM_CXMAXTRACK:
        return ScreenWidth() + 12;
    case SM_CYMAXTRACK:
        return ScreenHeight() + 12;
    default:
        break;
    }
    for (const MetricEntry& e : kMetrics)
        if (e.index == index) return e.value;
    return 0;
}

BOOL SystemParametersInfo(UINT action, UINT, LPVOID pvParam, UINT) {
    bool ok = false;
    switch (action) {
    case SPI_GETWHEELSCROLLLINES:
        ok = SetUint(pvParam, 3);
        break;
    case SPI_GETWHEELSCROLLCHARS:
        ok = SetUint(pvParam, 3);
        break;
    case SPI_GETWORKAREA:
        if (pvParam) {
            *static_cast<RECT*>(pvParam) = WorkArea();
            ok = true;
        }
        break;
    case SPI_GETNONCLIENTMETRICS:
        if (pvParam && static_cast<NONCLIENTMETRICS*>(pvParam)->cbSize == sizeof(NONCLIENTMETRICS)) {
            FillNonClientMetrics(*static_cast<NONCLIENTMETRICS*>(pvParam));
            ok = true;
        }
        break;
    case SPI_GETICONTITLELOGFONT:
        if (pvParam) {
            *static_cast<LOGFONT*>(pvParam) = SystemFont();
            ok = true;
        }
        break;
    case SPI_GETBORDER:
        ok = SetUint(pvParam, 1);
        break;
    case SPI_GETKEYBOARDDELAY:
        ok = SetUint(pvParam, 1);
        break;
    case SPI_GETKEYBOARDSPEED:
        ok = SetUint(pvParam, 31);
        break;
    case SPI_GETMENUSHOWDELAY:
        ok = SetUint(pvParam, 400);
        break;
    case SPI_GETFOCUSBORDERWIDTH:
    case SPI_GETFOCUSBORDERHEIGHT:
        ok = SetUint(pvParam, 1);
        break;
    case SPI_GETFONTSMOOTHINGTYPE:
        ok = SetUint(pvParam, 1);
        break;
    case SPI_GETBEEP:
    case SPI_GETFONTSMOOTHING:
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETICONTITLEWRAP:
    case SPI_GETHOTTRACKING:
        ok = SetBool(pvParam, TRUE);
        break;
    case SPI_GETKEYBOARDCUES:
    case SPI_GETKEYBOARDPREF:
    case SPI_GETSCREENREADER:
    case SPI_GETMENUDROPALIGNMENT:
    case SPI_GETUIEFFECTS:
    case SPI_GETMENUANIMATION:
    case SPI_GETCOMBOBOXANIMATION:
    case SPI_GETLISTBOXSMOOTHSCROLLING:
    case SPI_GETGRADIENTCAPTIONS:
    case SPI_GETMENUFADE:
    case SPI_GETSELECTIONFADE:
    case SPI_GETTOOLTIPANIMATION:
    case SPI_GETTOOLTIPFADE:
    case SPI_GETCURSORSHADOW:
        ok = SetBool(pvParam, FALSE);
        break;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!ok) SetLastError(ERROR_INVALID_PARAMETER);
    return ok ? TRUE : FALSE;
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags) {
    Window* w = wm::Find(hwnd);
    if (!w && flags == MONITOR_DEFAULTTONULL) return nullptr;
    return PrimaryMonitor();
}

HMONITOR MonitorFromPoint(POINT point, DWORD flags) {
    const bool inside = point.x >= 0 && point.y >= 0 && point.x < ScreenWidth() && point.y < ScreenHeight();
    if (!inside && flags == MONITOR_DEFAULTTONULL) return nullptr;
    return PrimaryMonitor();
}

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) {
    if (monitor != PrimaryMonitor() || !info || info->cbSize < sizeof(MONITORINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    (void)CurrentDisplay();
    info->rcMonitor = RECT{0, 0, ScreenWidth(), ScreenHeight()};
    info->rcWork = WorkArea();
    info->dwFlags = MONITORINFOF_PRIMARY;
    return TRUE;
}

} // namespace win
