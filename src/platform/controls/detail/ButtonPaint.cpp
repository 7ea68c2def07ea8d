// The classic look of buttons: raised push buttons (a black frame round the default one, sunken while
// pressed, the caption moved by a pixel), check boxes and radio buttons with their caption beside the mark,
// etched group boxes with their caption on the frame, and owner-drawn buttons (WM_DRAWITEM). Focus is a
// dotted rectangle.
#include "platform/controls/detail/Button.h"
#include "platform/controls/detail/ControlDraw.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Edges.h"
#include "platform/gdi/FrameControls.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"
#include "platform/win/gdi_types.h"

namespace win::button {

namespace {

constexpr int kMarkSize = 13;
constexpr int kMarkGap = 4;

} // namespace

UINT ButtonControl::TextFormat(bool singleLine) const {
    const DWORD style = Style();
    UINT format = (style & BS_MULTILINE) && !singleLine ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    switch (style & BS_CENTER) {
    case BS_LEFT:
        format |= DT_LEFT;
        break;
    case BS_RIGHT:
        format |= DT_RIGHT;
        break;
    case BS_CENTER:
        format |= DT_CENTER;
        break;
    default:
        break;
    }
    return format;
}

void ButtonControl::PaintCaption(HDC dc, RECT r, UINT format, bool pushed) {
    const std::string text = GetWindowTextString(m_hwnd);
    if (text.empty()) return;
    if (pushed) r = controls::Offset(r, 1, 1);
    if (IsWindowEnabled(m_hwnd)) {
        controls::DrawTextIn(dc, text, r, format, GetTextColor(dc));
        return;
    }
    // Disabled captions are embossed: a light copy one pixel down and right under a shadow-coloured one.
    controls::DrawTextIn(dc, text, controls::Offset(r, 1, 1), format, GetSysColor(COLOR_BTNHIGHLIGHT));
    controls::DrawTextIn(dc, text, r, format, GetSysColor(COLOR_BTNSHADOW));
}

void ButtonControl::PaintPush(HDC dc, const RECT& client) {
    controls::ControlColors(GetParent(m_hwnd), m_hwnd, WM_CTLCOLORBTN, dc, COLOR_BTNFACE, COLOR_BTNTEXT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT r = client;
    const bool isDefault = Type() == BS_DEFPUSHBUTTON;
    if (isDefault) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        r = controls::Inflated(r, -1, -1);
    }
    if (m_pushed && isDefault) {
        // A pressed default button is flat with a shadow line.
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        const RECT face = controls::Inflated(r, -1, -1);
        controls::FillSysColor(dc, face, COLOR_BTNFACE);
    } else {
        RECT face = r;
        UINT state = DFCS_BUTTONPUSH;
        if (m_pushed) state |= DFCS_PUSHED;
        if (!IsWindowEnabled(m_hwnd)) state |= DFCS_INACTIVE;
        DrawFrameControl(dc, &face, DFC_BUTTON, state);
    }
    UINT format = TextFormat(false);
    if (!(Style() & (BS_LEFT | BS_RIGHT))) format |= DT_CENTER;
    PaintCaption(dc, controls::Inflated(r, -2, -2), format, m_pushed);
    if (m_focused) {
        const RECT focus = controls::Inflated(r, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void ButtonControl::PaintCheck(HDC dc, const RECT& client, HBRUSH brush) {
    FillRect(dc, &client, brush);
    const bool leftText = (Style() & BS_LEFTTEXT) != 0;
    const bool radio = Type() == BS_RADIOBUTTON || Type() == BS_AUTORADIOBUTTON;
    const int markLeft = leftText ? client.right - kMarkSize : 0;
    const int markTop = (client.bottom - kMarkSize) / 2;
    RECT mark{markLeft, markTop, markLeft + kMarkSize, markTop + kMarkSize};
    UINT state = radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (m_check == BST_CHECKED) state |= DFCS_CHECKED;
    if (m_check == BST_INDETERMINATE) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (m_pushed) state |= DFCS_PUSHED;
    if (!IsWindowEnabled(m_hwnd)) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &mark, DFC_BUTTON, state);

    const RECT textRect = leftText ? RECT{0, 0, client.right - kMarkSize - kMarkGap, client.bottom}
                                   : RECT{kMarkSize + kMarkGap, 0, client.right, client.bottom};
    const UINT format = TextFormat(false);
    PaintCaption(dc, textRect, format, false);
    if (!m_focused) return;
    // The focus surrounds the caption.
    const std::string text = GetWindowTextString(m_hwnd);
    RECT extent = textRect;
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &extent, (format & ~DT_VCENTER) | DT_CALCRECT);
    const int height = extent.bottom - extent.top;
    int left = textRect.left;
    const int width = extent.right - extent.left;
    if (format & DT_RIGHT)
        left = textRect.right - width;
    else if (format & DT_CENTER)
        left = textRect.left + (textRect.right - textRect.left - width) / 2;
    const int top =
        (format & DT_VCENTER) ? textRect.top + (textRect.bottom - textRect.top - height) / 2 : textRect.top;
    RECT focus{left - 1, top - 1, left + width + 1, top + height + 1};
    focus = controls::Intersection(focus, client);
    if (!controls::IsEmptyRect(focus)) DrawFocusRect(dc, &focus);
}

void ButtonControl::PaintGroup(HDC dc, const RECT& client, HBRUSH brush) {
    const std::string text = GetWindowTextString(m_hwnd);
    const int textHeight = controls::FontHeight(m_font);
    RECT frame = client;
    frame.top = text.empty() ? 0 : textHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty()) return;
    RECT extent{0, 0, client.right, textHeight};
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_SINGLELINE | DT_CALCRECT);
    constexpr int kTextLeft = 9;
    const RECT back{kTextLeft - 2, 0, kTextLeft + (extent.right - extent.left) + 2, textHeight};
    FillRect(dc, &back, brush);
    PaintCaption(dc, RECT{kTextLeft, 0, back.right, textHeight}, DT_SINGLELINE | DT_LEFT | DT_TOP, false);
}

void ButtonControl::PaintOwnerDrawn(HDC dc, const RECT& client) {
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (m_pushed ? ODS_SELECTED : 0) | (m_focused ? ODS_FOCUS : 0) |
                    (IsWindowEnabled(m_hwnd) ? 0 : ODS_DISABLED);
    dis.hwndItem = m_hwnd;
    dis.hDC = dc;
    dis.rcItem = client;
    SendMessage(GetParent(m_hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

LRESULT ButtonControl::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc) return 0;
    const RECT client = controls::ClientRectOf(m_hwnd);
    HGDIOBJ oldFont = SelectObject(dc, controls::FontOrSystem(m_font));
    switch (Type()) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_USERBUTTON:
        PaintPush(dc, client);
        break;
    case BS_GROUPBOX:
        PaintGroup(dc, client,
                   controls::ControlColors(GetParent(m_hwnd), m_hwnd, WM_CTLCOLORSTATIC, dc, COLOR_BTNFACE,
                                           COLOR_WINDOWTEXT));
        break;
    case BS_OWNERDRAW:
        PaintOwnerDrawn(dc, client);
        break;
    default:
        PaintCheck(dc, client,
                   controls::ControlColors(GetParent(m_hwnd), m_hwnd, WM_CTLCOLORSTATIC, dc, COLOR_BTNFACE,
                                           COLOR_WINDOWTEXT));
        break;
    }
    SelectObject(dc, oldFont);
    EndPaint(m_hwnd, &ps);
    return 0;
}

} // namespace win::button
