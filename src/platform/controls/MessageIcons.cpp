// The message-box icons, drawn with ellipses, polygons and rectangles: a red disc with a white cross (stop),
// a white disc with a blue "i" (information) or "?" (question), and a yellow triangle with a black "!"
// (warning).
#include "platform/controls/MessageIcons.h"

#include "platform/controls/detail/ControlDraw.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Shapes.h"
#include "platform/user/Beep.h"
#include "platform/win/gdi_types.h"

#include <initializer_list>

namespace win {

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDarkRed = RGB(128, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Shapes in one outline and one fill colour; the context keeps its own objects.
class ShapePainter {
public:
    ShapePainter(HDC hdc, int x, int y) : m_hdc(hdc), m_x(x), m_y(y), m_saved(SaveDC(hdc)) {}
    ~ShapePainter() {
        RestoreDC(m_hdc, m_saved);
        if (m_pen) DeleteObject(m_pen);
        if (m_brush) DeleteObject(m_brush);
    }
    ShapePainter(const ShapePainter&) = delete;
    ShapePainter& operator=(const ShapePainter&) = delete;

    void Use(COLORREF outline, COLORREF fill) {
        HPEN pen = CreatePen(PS_SOLID, 1, outline);
        HBRUSH brush = CreateSolidBrush(fill);
        SelectObject(m_hdc, pen);
        SelectObject(m_hdc, brush);
        if (m_pen) DeleteObject(m_pen);
        if (m_brush) DeleteObject(m_brush);
        m_pen = pen;
        m_brush = brush;
    }
    void Disc(int left, int top, int right, int bottom) {
        Ellipse(m_hdc, m_x + left, m_y + top, m_x + right, m_y + bottom);
    }
    void Shape(std::initializer_list<POINT> points) {
        POINT moved[8];
        int n = 0;
        for (const POINT& p : points) {
            if (n == 8) break;
            moved[n++] = POINT{m_x + p.x, m_y + p.y};
        }
        Polygon(m_hdc, moved, n);
    }
    void Box(int left, int top, int right, int bottom, COLORREF color) {
        controls::FillColor(m_hdc, RECT{m_x + left, m_y + top, m_x + right, m_y + bottom}, color);
    }

private:
    HDC m_hdc;
    int m_x;
    int m_y;
    int m_saved;
    HPEN m_pen = nullptr;
    HBRUSH m_brush = nullptr;
};

void DrawStop(ShapePainter& p) {
    p.Use(kDarkRed, kRed);
    p.Disc(1, 1, 31, 31);
    p.Use(kWhite, kWhite);
    p.Shape({{9, 11}, {11, 9}, {23, 21}, {21, 23}});
    p.Shape({{21, 9}, {23, 11}, {11, 23}, {9, 21}});
}

void DrawInformation(ShapePainter& p) {
    p.Use(kGrey, kWhite);
    p.Disc(1, 1, 31, 31);
    p.Use(kBlue, kBlue);
    p.Disc(14, 5, 19, 10);
    p.Box(14, 12, 18, 25, kBlue);
    p.Box(12, 12, 14, 14, kBlue);
    p.Box(12, 23, 20, 25, kBlue);
}

void DrawQuestion(ShapePainter& p) {
    p.Use(kGrey, kWhite);
    p.Disc(1, 1, 31, 31);
    p.Box(12, 7, 20, 9, kBlue);
    p.Box(10, 9, 13, 13, kBlue);
    p.Box(19, 9, 22, 15, kBlue);
    p.Box(16, 14, 20, 17, kBlue);
    p.Box(15, 17, 18, 20, kBlue);
    p.Box(15, 22, 18, 25, kBlue);
}

void DrawWarning(ShapePainter& p) {
    p.Use(kBlack, kYellow);
    p.Shape({{16, 2}, {30, 28}, {2, 28}});
    p.Box(15, 10, 17, 21, kBlack);
    p.Box(15, 23, 17, 25, kBlack);
}

} // namespace

MessageIcon MessageIconOfType(UINT messageBoxType) {
    switch (messageBoxType & MB_ICONMASK) {
    case MB_ICONHAND:
        return MessageIcon::Stop;
    case MB_ICONQUESTION:
        return MessageIcon::Question;
    case MB_ICONEXCLAMATION:
        return MessageIcon::Warning;
    case MB_ICONASTERISK:
        return MessageIcon::Information;
    default:
        return MessageIcon::None;
    }
}

HICON MessageIconHandle(MessageIcon icon) {
    LPCSTR id = nullptr;
    switch (icon) {
    case MessageIcon::Stop:
        id = IDI_HAND;
        break;
    case MessageIcon::Question:
        id = IDI_QUESTION;
        break;
    case MessageIcon::Warning:
        id = IDI_EXCLAMATION;
        break;
    case MessageIcon::Information:
        id = IDI_ASTERISK;
        break;
    case MessageIcon::None:
        return nullptr;
    }
    return reinterpret_cast<HICON>(const_cast<char*>(id));
}

MessageIcon MessageIconOfHandle(HICON icon) {
    for (MessageIcon m :
         {MessageIcon::Stop, MessageIcon::Question, MessageIcon::Warning, MessageIcon::Information})
        if (icon && icon == MessageIconHandle(m)) return m;
    return MessageIcon::None;
}

void DrawMessageIcon(HDC hdc, int x, int y, MessageIcon icon) {
    if (icon == MessageIcon::None) return;
    ShapePainter painter(hdc, x, y);
    switch (icon) {
    case MessageIcon::Stop:
        DrawStop(painter);
        break;
    case MessageIcon::Question:
        DrawQuestion(painter);
        break;
    case MessageIcon::Warning:
        DrawWarning(painter);
        break;
    case MessageIcon::Information:
        DrawInformation(painter);
        break;
    case MessageIcon::None:
        break;
    }
}

} // namespace win
