// Control canvases on the headless display: a window-less control reads and draws on its parent's surface in
// its own coordinates and only inside its rectangle; the process-wide cache keeps at most four contexts and
// gives back every unlocked one when asked.
#include "ControlTestSupport.h"

#include "framework/controls/ControlCanvas.h"
#include "framework/core/Exceptions.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/Screen.h"

#include <memory>
#include <vector>

namespace gl::controltest {
namespace {

constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
constexpr win::COLORREF kRed = win::RGB(255, 0, 0);
constexpr win::COLORREF kBlue = win::RGB(0, 0, 255);

class ControlCanvasTest : public ControlTest {
protected:
    // A window-less control on the form that paints nothing of its own.
    TGraphicControl* MakePane(int left, int top, int width, int height) {
        auto* pane = new TGraphicControl(&m_owner);
        pane->SetParent(m_form);
        pane->SetBounds(left, top, width, height);
        return pane;
    }
    void SetFormPixel(int x, int y, win::COLORREF color) {
        const win::HWND hwnd = m_form->Handle();
        win::HDC dc = win::GetDC(hwnd);
        win::SetPixel(dc, x, y, color);
        win::ReleaseDC(hwnd, dc);
    }
    static win::COLORREF Read(TCanvas& canvas, int x, int y) {
        return static_cast<win::COLORREF>(canvas.Pixels(x, y));
    }

    void TearDown() override {
        FreeDeviceContexts();
        ControlTest::TearDown();
    }
};

TEST_F(ControlCanvasTest, WindowlessControlReadsItsParentInItsOwnCoordinatesAndOnlyInsideItself) {
    MakeForm(320, 240);
    TGraphicControl* pane = MakePane(10, 20, 30, 15);
    SetFormPixel(12, 23, kRed);
    SetFormPixel(39, 34, kBlue);
    SetFormPixel(40, 34, kRed);
    SetFormPixel(9, 20, kRed);

    TControlCanvas canvas;
    canvas.SetControl(pane);
    EXPECT_EQ(Read(canvas, 2, 3), kRed);
    EXPECT_EQ(Read(canvas, 29, 14), kBlue);
    EXPECT_EQ(Read(canvas, 0, 0), kWhite);
    // The parent has colour just outside the pane on both sides, but the clip keeps reads inside.
    EXPECT_EQ(Read(canvas, 30, 14), win::CLR_INVALID);
    EXPECT_EQ(Read(canvas, -1, 0), win::CLR_INVALID);
    EXPECT_EQ(Read(canvas, 0, 15), win::CLR_INVALID);
    EXPECT_EQ(Read(canvas, 0, -1), win::CLR_INVALID);

    // A pane that hangs over the parent's client area reads nothing beyond it.
    TGraphicControl* edge = MakePane(m_form->ClientWidth() - 5, 0, 20, 10);
    canvas.SetControl(edge);
    EXPECT_EQ(Read(canvas, 4, 0), kWhite);
    EXPECT_EQ(Read(canvas, 5, 0), win::CLR_INVALID);
}

TEST_F(ControlCanvasTest, DrawingThroughTheCanvasStaysInsideTheControl) {
    MakeForm(320, 240);
    TGraphicControl* pane = MakePane(10, 20, 30, 15);
    TCanvas& canvas = *pane->Canvas();
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(-50, -50, 500, 500));
    EXPECT_EQ(FormPixel(10, 20), kRed);
    EXPECT_EQ(FormPixel(39, 34), kRed);
    EXPECT_EQ(FormPixel(40, 34), kWhite);
    EXPECT_EQ(FormPixel(39, 35), kWhite);
    EXPECT_EQ(FormPixel(9, 20), kWhite);
}

TEST_F(ControlCanvasTest, WindowedControlDrawsOnItsOwnWindow) {
    MakeForm(320, 240);
    SetFormPixel(5, 6, kBlue);
    TControlCanvas canvas;
    canvas.SetControl(m_form);
    EXPECT_EQ(Read(canvas, 5, 6), kBlue);
    EXPECT_EQ(Read(canvas, m_form->ClientWidth(), 0), win::CLR_INVALID);
}

TEST_F(ControlCanvasTest, WindowlessControlWithoutParentCannotDraw) {
    TGraphicControl pane(nullptr);
    pane.SetName("Pane1");
    TControlCanvas canvas;
    canvas.SetControl(&pane);
    try {
        canvas.Pixels(0, 0);
        FAIL() << "no error";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Control 'Pane1' has no parent window");
    }
    EXPECT_EQ(CachedDeviceContextCount(), 0);
    EXPECT_EQ(canvas.LockCount(), 0) << "the failed acquisition let go of the lock";
}

TEST_F(ControlCanvasTest, CacheKeepsFourContextsAndReleasesAllButLockedOnes) {
    MakeForm(320, 240);
    std::vector<std::unique_ptr<TControlCanvas>> canvases;
    for (int i = 0; i < 6; ++i) {
        canvases.push_back(std::make_unique<TControlCanvas>());
        canvases.back()->SetControl(MakePane(10 * i, 0, 10, 10));
    }
    ASSERT_EQ(CachedDeviceContextCount(), 0);

    canvases[0]->Lock();
    for (int i = 0; i < 4; ++i) canvases[i]->Pixels(0, 0);
    EXPECT_EQ(CachedDeviceContextCount(), 4);
    // A fifth: the earliest canvas nobody holds (the second, as the first is locked) gives its context back.
    canvases[4]->Pixels(0, 0);
    EXPECT_EQ(CachedDeviceContextCount(), 4);
    EXPECT_TRUE(canvases[0]->HandleAllocated());
    EXPECT_FALSE(canvases[1]->HandleAllocated());
    EXPECT_TRUE(canvases[4]->HandleAllocated());
    // A canvas that gave its context back gets a new one on next use.
    EXPECT_EQ(Read(*canvases[1], 0, 0), kWhite);
    EXPECT_FALSE(canvases[2]->HandleAllocated());

    FreeDeviceContexts();
    EXPECT_EQ(CachedDeviceContextCount(), 1);
    EXPECT_TRUE(canvases[0]->HandleAllocated()) << "a locked canvas keeps its context";
    EXPECT_EQ(Read(*canvases[0], 0, 0), kWhite);

    canvases[0]->Unlock();
    FreeDeviceContexts();
    EXPECT_EQ(CachedDeviceContextCount(), 0);
    EXPECT_FALSE(canvases[0]->HandleAllocated());

    // Going away gives the context back too.
    canvases[5]->Pixels(0, 0);
    EXPECT_EQ(CachedDeviceContextCount(), 1);
    canvases[5].reset();
    EXPECT_EQ(CachedDeviceContextCount(), 0);
}

TEST_F(ControlCanvasTest, ContextHandedOverWhilePaintingStaysTheCallers) {
    MakeForm(320, 240);
    TGraphicControl* pane = MakePane(10, 20, 30, 15);
    TControlCanvas canvas;
    canvas.SetControl(pane);
    canvas.Pixels(0, 0);
    ASSERT_EQ(CachedDeviceContextCount(), 1);

    const win::HWND hwnd = m_form->Handle();
    win::HDC paintDc = win::GetDC(hwnd);
    canvas.Lock();
    canvas.SetHandle(paintDc);
    FreeDeviceContexts();
    EXPECT_EQ(CachedDeviceContextCount(), 1) << "locked while painting";
    canvas.SetHandle(nullptr);
    canvas.Unlock();
    FreeDeviceContexts();
    EXPECT_EQ(CachedDeviceContextCount(), 0);
    // The caller's context is still good after the canvas let go of its own.
    EXPECT_EQ(win::GetPixel(paintDc, 0, 0), kWhite);
    win::ReleaseDC(hwnd, paintDc);
}

} // namespace
} // namespace gl::controltest
