// The canvas on a memory context: what its defaults draw, what it puts into the context and when, pixel reads
// and writes, text output as the caption pane uses it, drawing a graphic, change events and the lock.
#include "DibCanvas.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace gl {
namespace {

using test::TDibCanvas;

constexpr const char* kBanner = "Tarnwick<QQ群号3164825>";
constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
constexpr win::COLORREF kFace = win::RGB(240, 240, 240);
// A colour no default draws: what a surface holds before the test draws on it.
constexpr win::COLORREF kMarker = win::RGB(1, 2, 3);

TEST(Canvas, StartsWithoutContextAndAPlainOneCannotMakeOne) {
    TCanvas canvas;
    EXPECT_FALSE(canvas.HandleAllocated());
    EXPECT_TRUE(canvas.State().Empty());
    try {
        canvas.Pixels(0, 0);
        FAIL() << "no error";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Canvas does not allow drawing");
    }
}

// What a fresh canvas does with its defaults: fills in solid white, lines in black one pixel wide, text on an
// opaque white background, and copies that replace the pixels underneath rather than mixing with them.
TEST(Canvas, DefaultsFillWhiteDrawThinBlackLinesAndCopyPlainly) {
    TDibCanvas canvas(8, 8);
    canvas.Clear(kMarker);
    canvas.FillRect(Rect(0, 0, 8, 2));
    EXPECT_EQ(canvas.At(7, 1), kWhite);
    EXPECT_EQ(canvas.At(7, 2), kMarker);

    canvas.MoveTo(0, 3);
    canvas.LineTo(8, 3);
    EXPECT_EQ(canvas.At(0, 3), win::RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(7, 3), win::RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(4, 2), kMarker) << "one pixel wide";
    EXPECT_EQ(canvas.At(4, 4), kMarker) << "one pixel wide";

    TDibCanvas source(2, 2);
    source.Clear(win::RGB(10, 20, 30));
    canvas.CopyRect(Rect(0, 5, 2, 7), source, Rect(0, 0, 2, 2));
    EXPECT_EQ(canvas.At(0, 5), win::RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(1, 6), win::RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(2, 6), kMarker);

    // A blank's whole cell shows the background; the text itself is black.
    canvas.TextOut(4, 4, " ");
    EXPECT_EQ(canvas.At(4, 4), kWhite);
    EXPECT_EQ(win::GetTextColor(canvas.Handle()), win::RGB(0, 0, 0));
}

TEST(Canvas, MakesEachPartValidOnlyWhenADrawingCallNeedsIt) {
    TDibCanvas canvas(8, 8);
    canvas.Pixels(0, 0);
    EXPECT_EQ(canvas.State(), TCanvasState{csHandleValid});
    canvas.TextWidth("a");
    EXPECT_EQ(canvas.State(), (TCanvasState{csHandleValid, csFontValid}));
    canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(canvas.State(), (TCanvasState{csHandleValid, csFontValid, csBrushValid}));
    canvas.Handle();
    EXPECT_EQ(canvas.State(), csAllValid);
    EXPECT_EQ(canvas.handlesMade, 1);

    // The font in the window-text colour, the solid white brush as an opaque background.
    const win::HDC dc = canvas.Context();
    EXPECT_EQ(win::GetTextColor(dc), win::RGB(0, 0, 0));
    EXPECT_EQ(win::GetBkColor(dc), kWhite);
    EXPECT_EQ(win::GetBkMode(dc), win::OPAQUE);

    // A change drops only its own part, which the next call that needs it puts back.
    canvas.Font().SetColor(clRed);
    canvas.Pen().SetWidth(2);
    EXPECT_EQ(canvas.State(), (TCanvasState{csHandleValid, csBrushValid}));
    canvas.Brush().SetStyle(bsClear);
    canvas.TextWidth("a");
    canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(win::GetTextColor(dc), win::RGB(255, 0, 0));
    EXPECT_EQ(win::GetBkMode(dc), win::TRANSPARENT);

    // Taking the context away leaves nothing valid; the next read makes it again.
    canvas.SetHandle(nullptr);
    EXPECT_TRUE(canvas.State().Empty());
    canvas.Pixels(0, 0);
    EXPECT_EQ(canvas.handlesMade, 2);
}

TEST(Canvas, ReadsAndWritesPixelsAndGivesClrInvalidOutside) {
    TDibCanvas canvas(10, 5);
    canvas.Clear(kWhite);
    canvas.SetPixels(3, 2, clBtnFace);
    canvas.SetPixels(4, 2, clBlack);
    EXPECT_EQ(canvas.At(3, 2), kFace) << "system colours are resolved";
    EXPECT_EQ(canvas.Pixels(3, 2), TColor(win::RGB(240, 240, 240)));
    EXPECT_EQ(canvas.Pixels(4, 2), TColor(win::RGB(0, 0, 0)));
    EXPECT_EQ(canvas.Pixels(0, 0), TColor(win::RGB(255, 255, 255)));
    // Outside the surface: every bit set, the invalid colour.
    for (auto [x, y] : {std::pair{10, 0}, {0, 5}, {-1, 0}, {0, -1}})
        EXPECT_EQ(static_cast<std::uint32_t>(canvas.Pixels(x, y)), 0xFFFFFFFFu) << x << "," << y;

    // A whole row at once, past the right edge.
    std::vector<win::COLORREF> row(4, 7u);
    canvas.ReadPixelRow(2, 2, row);
    EXPECT_EQ(row, (std::vector<win::COLORREF>{kWhite, kFace, 0u, kWhite}));
    canvas.ReadPixelRow(8, 2, row);
    EXPECT_EQ(row, (std::vector<win::COLORREF>{kWhite, kWhite, 0xFFFFFFFFu, 0xFFFFFFFFu}));
}

TEST(Canvas, AnnouncesEveryDrawingCallButNotReads) {
    TDibCanvas canvas(8, 8);
    std::vector<std::string> events;
    canvas.OnChanging = [&](TObject*) { events.push_back("changing"); };
    canvas.OnChange = [&](TObject*) { events.push_back("change"); };
    canvas.Pixels(1, 1);
    canvas.TextExtent("x");
    canvas.MoveTo(1, 1);
    EXPECT_TRUE(events.empty());
    canvas.LineTo(5, 1);
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "change"}));
    events.clear();
    canvas.Handle();
    EXPECT_EQ(events, std::vector<std::string>{"changing"}) << "whoever takes the handle may draw";
}

TEST(Canvas, LinesExcludeTheirEndPointAndMoveThePen) {
    TDibCanvas canvas(8, 8);
    canvas.Clear(kWhite);
    canvas.MoveTo(1, 2);
    canvas.LineTo(5, 2);
    EXPECT_EQ(canvas.At(1, 2), 0u);
    EXPECT_EQ(canvas.At(4, 2), 0u);
    EXPECT_EQ(canvas.At(5, 2), kWhite);
    EXPECT_EQ(canvas.PenPos(), Point(5, 2));
    // The pen position outlives the context.
    canvas.SetHandle(nullptr);
    EXPECT_EQ(canvas.PenPos(), Point(5, 2));
    canvas.LineTo(5, 5);
    EXPECT_EQ(canvas.At(5, 3), 0u);
}

TEST(Canvas, TextRectFillsExactlyTheRectangleAndDrawsTheBannerInPureBlack) {
    TDibCanvas canvas(160, 20);
    canvas.Clear(kWhite);
    canvas.Font().SetName("宋体");
    canvas.Font().SetHeight(-12);
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetColor(clBtnFace);
    EXPECT_EQ(canvas.TextWidth(kBanner), 138);
    EXPECT_EQ(canvas.TextHeight("Pp"), 12);

    const TRect rect = Rect(1, 1, 159, 19);
    canvas.TextRect(rect, 4, 4, kBanner);
    int black = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 160; ++x) {
            const win::COLORREF pixel = canvas.At(x, y);
            if (x < rect.left || x >= rect.right || y < rect.top || y >= rect.bottom) {
                ASSERT_EQ(pixel, kWhite) << x << "," << y << " lies outside the rectangle";
            } else if (pixel == 0) {
                ++black;
                EXPECT_TRUE(x >= 4 && x < 4 + 138 && y >= 4 && y < 4 + 12) << x << "," << y;
            } else {
                ASSERT_EQ(pixel, kFace) << x << "," << y << ": only background and pure black";
            }
        }
    EXPECT_GT(black, 100);
}

TEST(Canvas, TextRectWithAClearBrushLeavesTheBackgroundAlone) {
    TDibCanvas canvas(40, 20);
    canvas.Clear(kWhite);
    canvas.Font().SetName("宋体");
    canvas.Font().SetHeight(-12);
    canvas.Brush().SetStyle(bsClear);
    canvas.TextRect(Rect(0, 0, 40, 20), 2, 2, "W");
    EXPECT_EQ(canvas.At(30, 10), kWhite);
    // Text out moves the pen to the end of the text.
    canvas.TextOut(10, 3, "ab");
    EXPECT_EQ(canvas.PenPos(), Point(22, 3));
}

// A picture that records how it was asked to draw itself.
class TRecordingPicture : public TCanvasDrawable {
public:
    void DrawOn(TCanvas& canvas, const TRect& rect) override {
        rects.push_back(rect);
        const win::HDC dc = canvas.Handle();
        background = win::GetBkColor(dc);
        text = win::GetTextColor(dc);
    }
    bool IsEmpty() const override { return empty; }
    int Width() const override { return 7; }
    int Height() const override { return 3; }

    bool empty = false;
    std::vector<TRect> rects;
    win::COLORREF background = 1;
    win::COLORREF text = 1;
};

TEST(Canvas, DrawsAGraphicAtItsSizeWithTheBrushAndFontColours) {
    TDibCanvas canvas(20, 20);
    TRecordingPicture picture;
    int changes = 0;
    canvas.OnChange = [&](TObject*) { ++changes; };
    canvas.Draw(2, 5, &picture);
    ASSERT_EQ(picture.rects.size(), 1u);
    EXPECT_EQ(picture.rects[0], Rect(2, 5, 9, 8));
    EXPECT_EQ(picture.background, kWhite);
    EXPECT_EQ(picture.text, win::RGB(0, 0, 0));
    EXPECT_EQ(changes, 1);

    canvas.StretchDraw(Rect(0, 0, 20, 10), &picture);
    EXPECT_EQ(picture.rects.back(), Rect(0, 0, 20, 10));

    picture.empty = true;
    canvas.Draw(0, 0, &picture);
    canvas.Draw(0, 0, nullptr);
    canvas.StretchDraw(Rect(0, 0, 1, 1), nullptr);
    EXPECT_EQ(picture.rects.size(), 2u) << "nothing for an empty or missing graphic";
}

TEST(Canvas, TryLockSucceedsOnlyWhileNobodyHoldsTheLock) {
    TCanvas canvas;
    EXPECT_TRUE(canvas.TryLock());
    EXPECT_FALSE(canvas.TryLock()) << "not even for the holder";
    canvas.Lock();
    EXPECT_EQ(canvas.LockCount(), 2);
    canvas.Unlock();
    canvas.Unlock();
    EXPECT_EQ(canvas.LockCount(), 0);
    canvas.Unlock(); // unbalanced: ignored
    EXPECT_TRUE(canvas.TryLock());
    canvas.Unlock();
}

TEST(Canvas, EveryCanvasIsListedWhileItLives) {
    auto listed = [](std::uintptr_t address) {
        for (const TCanvas* canvas : TCanvas::AllCanvases())
            if (reinterpret_cast<std::uintptr_t>(canvas) == address) return true;
        return false;
    };
    auto canvas = std::make_unique<TCanvas>();
    const auto address = reinterpret_cast<std::uintptr_t>(canvas.get());
    EXPECT_TRUE(listed(address));
    canvas.reset();
    EXPECT_FALSE(listed(address));
}

} // namespace
} // namespace gl
