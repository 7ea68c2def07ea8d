// Every primitive honours both coordinate origins and a clip of several rectangles: drawn with shifted
// origins it changes the same pixels shifted, and drawn with a clip it changes exactly those of them inside
// the clip.
#include "DrawingCanvas.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/Edges.h"
#include "platform/gdi/FrameControls.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StockObjects.h"

#include <gtest/gtest.h>

#include <functional>

namespace win {
namespace {

using test::Canvas;

constexpr COLORREF kBack = RGB(200, 100, 50);
constexpr int kSize = 40;

using Changes = std::map<std::pair<int, int>, COLORREF>;

Changes Changed(const Canvas& c, int dx = 0, int dy = 0) {
    Changes out;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (c.At(x, y) != kBack) out[{x + dx, y + dy}] = c.At(x, y);
    return out;
}

// Draws with a pen and a brush selected, then puts the stock objects back and deletes them.
void With(HDC dc, HPEN pen, HBRUSH brush, const std::function<void()>& draw) {
    if (pen) SelectObject(dc, pen);
    if (brush) SelectObject(dc, brush);
    draw();
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    if (pen) DeleteObject(pen);
    if (brush) DeleteObject(brush);
}

struct Primitive {
    const char* name;
    std::function<void(HDC)> draw;
};

const std::vector<Primitive>& Primitives() {
    static const std::vector<Primitive> all = {
        {"LineTo",
         [](HDC dc) {
             MoveToEx(dc, 1, 2, nullptr);
             LineTo(dc, 20, 15);
         }},
        {"WideLine",
         [](HDC dc) {
             With(dc, CreatePen(PS_SOLID, 4, RGB(0, 0, 255)), nullptr, [&] {
                 MoveToEx(dc, 2, 20, nullptr);
                 LineTo(dc, 18, 3);
             });
         }},
        {"DashDotPolyline",
         [](HDC dc) {
             const POINT p[] = {{0, 9}, {22, 9}, {22, 12}, {3, 20}};
             With(dc, CreatePen(PS_DASHDOT, 1, RGB(0, 128, 0)), nullptr, [&] { Polyline(dc, p, 4); });
         }},
        {"Polygon",
         [](HDC dc) {
             const POINT star[] = {{11, 0}, {15, 20}, {0, 7}, {22, 7}, {6, 20}};
             SetPolyFillMode(dc, WINDING);
             With(dc, nullptr, CreateSolidBrush(RGB(10, 20, 30)), [&] { Polygon(dc, star, 5); });
         }},
        {"Rectangle",
         [](HDC dc) {
             With(dc, nullptr, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)),
                  [&] { Rectangle(dc, 2, 2, 20, 18); });
         }},
        {"Ellipse", [](HDC dc) { Ellipse(dc, 1, 1, 22, 17); }},
        {"RoundRect", [](HDC dc) { RoundRect(dc, 0, 1, 21, 19, 8, 6); }},
        {"FillRect",
         [](HDC dc) {
             const RECT r{3, 3, 16, 15};
             HBRUSH b = CreateSolidBrush(RGB(255, 0, 0));
             FillRect(dc, &r, b);
             DeleteObject(b);
         }},
        {"FrameRect",
         [](HDC dc) {
             const RECT r{3, 3, 10, 9};
             FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
         }},
        {"InvertRect",
         [](HDC dc) {
             const RECT r{1, 5, 19, 14};
             InvertRect(dc, &r);
         }},
        {"PatBlt",
         [](HDC dc) {
             With(dc, nullptr, CreateSolidBrush(RGB(0, 255, 255)),
                  [&] { PatBlt(dc, 4, 2, 12, 16, PATINVERT); });
         }},
        {"DrawFocusRect",
         [](HDC dc) {
             const RECT r{2, 3, 12, 10};
             DrawFocusRect(dc, &r);
         }},
        {"DrawEdge",
         [](HDC dc) {
             RECT r{1, 1, 20, 17};
             DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT | BF_MIDDLE);
         }},
        {"DrawFrameControl",
         [](HDC dc) {
             RECT r{3, 3, 16, 16};
             DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
         }},
    };
    return all;
}

void ShiftOrigins(HDC dc) { // logical (x, y) lands on device (x + 5, y + 3)
    SetViewportOrgEx(dc, 7, 2, nullptr);
    SetWindowOrgEx(dc, 2, -1, nullptr);
}

TEST(ClipAndOrigins, HoldForEveryPrimitive) {
    const RECT clip{9, 7, 19, 15};   // device coordinates
    const RECT hole{13, 11, 15, 13}; // excluded from the clip, so the clip is several rectangles
    for (const Primitive& p : Primitives()) {
        SCOPED_TRACE(p.name);
        Canvas plain(kSize, kSize, 32, {}, kBack);
        p.draw(plain.dc);
        const Changes expected = Changed(plain, 5, 3);

        Canvas shifted(kSize, kSize, 32, {}, kBack);
        ShiftOrigins(shifted.dc);
        p.draw(shifted.dc);
        EXPECT_EQ(Changed(shifted), expected);

        Canvas clipped(kSize, kSize, 32, {}, kBack);
        ShiftOrigins(clipped.dc);
        IntersectClipRect(clipped.dc, clip.left - 5, clip.top - 3, clip.right - 5, clip.bottom - 3);
        ExcludeClipRect(clipped.dc, hole.left - 5, hole.top - 3, hole.right - 5, hole.bottom - 3);
        p.draw(clipped.dc);
        Changes inside;
        bool outside = false;
        for (const auto& [at, color] : expected) {
            const bool in =
                RectContains(clip, at.first, at.second) && !RectContains(hole, at.first, at.second);
            if (in)
                inside[at] = color;
            else
                outside = true;
        }
        EXPECT_FALSE(inside.empty()) << "the primitive should reach into the clip";
        EXPECT_TRUE(outside) << "the primitive should reach beyond the clip";
        EXPECT_EQ(Changed(clipped), inside);
    }
}

TEST(ClipAndOrigins, PaletteSurfacesOfEveryDepthTakeTheSameShapes) {
    std::vector<RGBQUAD> table(256);
    for (int i = 0; i < 256; ++i) table[i] = RGBQUAD{BYTE(i * 7), BYTE(i * 13), BYTE(i * 29), 0};
    table[0] = RGBQUAD{0, 0, 0, 0};
    table[1] = RGBQUAD{255, 255, 255, 0};
    for (const int depth : {1, 4, 8, 16, 24}) {
        SCOPED_TRACE(depth);
        Canvas c(kSize, kSize, depth, table, RGB(255, 255, 255));
        SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
        Ellipse(c.dc, 2, 2, 14, 14);
        Canvas reference(kSize, kSize, 32, {}, RGB(255, 255, 255));
        SelectObject(reference.dc, GetStockObject(BLACK_BRUSH));
        Ellipse(reference.dc, 2, 2, 14, 14);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                ASSERT_EQ(c.At(x, y) == RGB(0, 0, 0), reference.At(x, y) == RGB(0, 0, 0)) << x << "," << y;
    }
}

} // namespace
} // namespace win
