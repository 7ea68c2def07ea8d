// The "STATIC" window class: text (left, centred, right, with or without wrapping and "&" prefixes), the
// system icons of message boxes, rectangles, frames and etched lines, and owner-drawn statics. Colours come
// from the parent through WM_CTLCOLORSTATIC.
#include "platform/controls/ControlClasses.h"
#include "platform/controls/MessageIcons.h"
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/ControlSlot.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Edges.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"
#include "platform/win/gdi_types.h"

namespace win::statics {

class StaticControl {
public:
    StaticControl(HWND hwnd, const CREATESTRUCT&) : m_hwnd(hwnd) {}

    using Handler = LRESULT (StaticControl::*)(WPARAM, LPARAM);
    static const std::unordered_map<UINT, Handler>& Handlers();

    LRESULT OnCreate(WPARAM, LPARAM) {
        if (Type() == SS_ICON) FitIcon();
        return 0;
    }
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam) {
        const LRESULT r = DefWindowProc(m_hwnd, WM_SETTEXT, wParam, lParam);
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return r;
    }
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam) {
        m_font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(static_cast<std::uintptr_t>(lParam))) InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    }
    LRESULT OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_font); }
    LRESULT OnEnable(WPARAM, LPARAM) {
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    }
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam) {
        // Only a static that reports clicks takes the mouse; others let it through to what lies beneath.
        if (!(Style() & SS_NOTIFY)) return HTTRANSPARENT;
        return DefWindowProc(m_hwnd, WM_NCHITTEST, wParam, lParam);
    }
    LRESULT OnLButtonDown(WPARAM, LPARAM) {
        if (Style() & SS_NOTIFY) controls::SendCommandNotification(GetParent(m_hwnd), m_hwnd, STN_CLICKED);
        return 0;
    }
    LRESULT OnLButtonDblClk(WPARAM, LPARAM) {
        if (Style() & SS_NOTIFY) controls::SendCommandNotification(GetParent(m_hwnd), m_hwnd, STN_DBLCLK);
        return 0;
    }
    LRESULT OnSetIcon(WPARAM wParam, LPARAM) {
        HICON old = m_icon;
        m_icon = reinterpret_cast<HICON>(wParam);
        if (Type() == SS_ICON) FitIcon();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    LRESULT OnGetIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_icon); }
    LRESULT OnSetImage(WPARAM wParam, LPARAM lParam) {
        if (wParam != IMAGE_ICON) return 0;
        return OnSetIcon(static_cast<WPARAM>(lParam), 0);
    }
    LRESULT OnGetImage(WPARAM wParam, LPARAM) {
        return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(m_icon) : 0;
    }
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return 1; }
    LRESULT OnPaint(WPARAM, LPARAM);

private:
    DWORD Style() const { return static_cast<DWORD>(GetWindowLong(m_hwnd, GWL_STYLE)); }
    DWORD Type() const { return Style() & SS_TYPEMASK; }
    void FitIcon() {
        if (Style() & SS_CENTERIMAGE) return;
        SetWindowPos(m_hwnd, nullptr, 0, 0, kMessageIconSize, kMessageIconSize,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    UINT TextFormat() const;
    void PaintText(HDC dc, const RECT& client, HBRUSH brush);
    void PaintShape(HDC dc, const RECT& client, HBRUSH brush);

    HWND m_hwnd;
    HFONT m_font = nullptr;
    HICON m_icon = nullptr;
};

const std::unordered_map<UINT, StaticControl::Handler>& StaticControl::Handlers() {
    using S = StaticControl;
    static const std::unordered_map<UINT, Handler> table = {
        {WM_CREATE, &S::OnCreate},           {WM_SETTEXT, &S::OnSetText},
        {WM_SETFONT, &S::OnSetFont},         {WM_GETFONT, &S::OnGetFont},
        {WM_ENABLE, &S::OnEnable},           {WM_NCHITTEST, &S::OnNcHitTest},
        {WM_LBUTTONDOWN, &S::OnLButtonDown}, {WM_LBUTTONDBLCLK, &S::OnLButtonDblClk},
        {STM_SETICON, &S::OnSetIcon},        {STM_GETICON, &S::OnGetIcon},
        {STM_SETIMAGE, &S::OnSetImage},      {STM_GETIMAGE, &S::OnGetImage},
        {WM_ERASEBKGND, &S::OnEraseBkgnd},   {WM_PAINT, &S::OnPaint},
    };
    return table;
}

UINT StaticControl::TextFormat() const {
    const DWORD style = Style();
    UINT format = DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
        format |= DT_SINGLELINE;
        break;
    case SS_LEFTNOWORDWRAP:
        break;
    default:
        format |= DT_WORDBREAK;
        break;
    }
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    switch (style & SS_ELLIPSISMASK) {
    case SS_ENDELLIPSIS:
        format |= DT_END_ELLIPSIS;
        break;
    case SS_PATHELLIPSIS:
        format |= DT_PATH_ELLIPSIS;
        break;
    case SS_WORDELLIPSIS:
        format |= DT_WORD_ELLIPSIS;
        break;
    default:
        break;
    }
    return format;
}

void StaticControl::PaintText(HDC dc, const RECT& client, HBRUSH brush) {
    FillRect(dc, &client, brush);
    HGDIOBJ oldFont = SelectObject(dc, controls::FontOrSystem(m_font));
    const COLORREF color = IsWindowEnabled(m_hwnd) ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    controls::DrawTextIn(dc, GetWindowTextString(m_hwnd), client, TextFormat(), color);
    SelectObject(dc, oldFont);
}

void StaticControl::PaintShape(HDC dc, const RECT& client, HBRUSH brush) {
    RECT r = client;
    switch (Type()) {
    case SS_ICON:
        FillRect(dc, &client, brush);
        if (Style() & SS_CENTERIMAGE)
            DrawMessageIcon(dc, (client.right - kMessageIconSize) / 2, (client.bottom - kMessageIconSize) / 2,
                            MessageIconOfHandle(m_icon));
        else
            DrawMessageIcon(dc, 0, 0, MessageIconOfHandle(m_icon));
        break;
    case SS_BLACKRECT:
        controls::FillSysColor(dc, r, COLOR_WINDOWFRAME);
        break;
    case SS_GRAYRECT:
        controls::FillSysColor(dc, r, COLOR_BTNSHADOW);
        break;
    case SS_WHITERECT:
        controls::FillSysColor(dc, r, COLOR_WINDOW);
        break;
    case SS_BLACKFRAME:
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        break;
    case SS_GRAYFRAME:
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        break;
    case SS_WHITEFRAME:
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
        break;
    case SS_ETCHEDHORZ:
        DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
        break;
    case SS_ETCHEDVERT:
        DrawEdge(dc, &r, EDGE_ETCHED, BF_LEFT);
        break;
    case SS_ETCHEDFRAME:
        DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
        break;
    default:
        FillRect(dc, &client, brush);
        break;
    }
}

LRESULT StaticControl::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc) return 0;
    const RECT client = controls::ClientRectOf(m_hwnd);
    const DWORD type = Type();
    if (type == SS_OWNERDRAW) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_STATIC;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = IsWindowEnabled(m_hwnd) ? 0 : ODS_DISABLED;
        dis.hwndItem = m_hwnd;
        dis.hDC = dc;
        dis.rcItem = client;
        SendMessage(GetParent(m_hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    } else {
        HBRUSH brush = controls::ControlColors(GetParent(m_hwnd), m_hwnd, WM_CTLCOLORSTATIC, dc,
                                               COLOR_BTNFACE, COLOR_WINDOWTEXT);
        const bool text = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE ||
                          type == SS_LEFTNOWORDWRAP;
        if (text)
            PaintText(dc, client, brush);
        else
            PaintShape(dc, client, brush);
    }
    if (Style() & SS_SUNKEN) {
        RECT r = client;
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    }
    EndPaint(m_hwnd, &ps);
    return 0;
}

} // namespace win::statics

namespace win {

bool RegisterStaticClass() {
    return controls::RegisterControlClass<statics::StaticControl>(WC_STATIC, CS_DBLCLKS, IDC_ARROW);
}

} // namespace win
