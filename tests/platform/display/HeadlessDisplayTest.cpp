// The display interface on its own: choosing the backend, the headless display's queue, clock, clipboard,
// beep counter, presented pixels and density, and what the drawing layer learns of the screen.
#include "platform/display/headless/HeadlessDisplay.h"
#include "platform/display/Display.h"
#include "platform/gdi/Screen.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace win;

namespace {

TEST(DisplayChoice, EnvironmentPicksTheBackendAndTheDensity) {
    setenv("GLYPHLOOM_DISPLAY", "headless", 1);
    setenv("GLYPHLOOM_DPI", "144", 1);
    SetCurrentDisplay(nullptr);
    EXPECT_FALSE(HasCurrentDisplay());
    Display& display = CurrentDisplay();
    EXPECT_STREQ(display.Name(), "headless");
    EXPECT_EQ(display.Dpi(), 144);
    EXPECT_EQ(ScreenDpi(), 144);
    EXPECT_EQ(ScreenWidth(), display.ScreenSize().cx);
    for (const char* bad : {"abc", "10", "5000", "96x"}) {
        setenv("GLYPHLOOM_DPI", bad, 1);
        EXPECT_EQ(DpiFromEnvironment(), 96) << bad;
    }
    unsetenv("GLYPHLOOM_DPI");
    EXPECT_EQ(DpiFromEnvironment(), 96);
    EXPECT_EQ(CreateDisplay("nonsense"), nullptr);
    EXPECT_NE(CreateDisplay("headless"), nullptr);
    // An in-memory screen is seen by nobody and no input comes to it unasked; it was asked for by name here,
    // and is merely what was left once the request is gone.
    EXPECT_FALSE(display.ShownToPerson());
    EXPECT_FALSE(display.WaitsForInput());
    EXPECT_TRUE(CurrentDisplayRequested());
    setenv("GLYPHLOOM_DISPLAY", "sdl", 1);
    EXPECT_FALSE(CurrentDisplayRequested());
    unsetenv("GLYPHLOOM_DISPLAY");
    EXPECT_FALSE(CurrentDisplayRequested());
    SetCurrentDisplay(nullptr);
}

TEST(HeadlessDisplay, EventsComeOutInOrderAndTheClockMovesOnlyWhenTold) {
    HeadlessDisplay display;
    const std::uint64_t start = display.Now();
    DisplayEvent e;
    EXPECT_FALSE(display.PollEvent(e));
    EXPECT_FALSE(display.WaitEvent(1000));
    EXPECT_EQ(display.Now(), start) << "waiting does not move virtual time";
    DisplayEvent key;
    key.type = DisplayEventType::KeyDown;
    key.virtualKey = 'A';
    display.QueueEvent(key);
    DisplayEvent text;
    text.type = DisplayEventType::Text;
    text.text = "中";
    display.QueueEvent(text);
    EXPECT_TRUE(display.WaitEvent(-1));
    ASSERT_TRUE(display.PollEvent(e));
    EXPECT_EQ(e.type, DisplayEventType::KeyDown);
    EXPECT_EQ(e.time, start);
    ASSERT_TRUE(display.PollEvent(e));
    EXPECT_EQ(e.text, "中");
    display.AdvanceClock(250);
    EXPECT_EQ(display.Now(), start + 250);
    display.SetClock(start); // never back
    EXPECT_EQ(display.Now(), start + 250);
}

TEST(HeadlessDisplay, ClipboardBeepsAndCursor) {
    HeadlessDisplay display;
    EXPECT_FALSE(display.HasClipboardText());
    EXPECT_EQ(display.GetClipboardText(), std::nullopt);
    display.SetClipboardText("剪贴板");
    EXPECT_EQ(display.GetClipboardText(), std::optional<std::string>("剪贴板"));
    display.Beep();
    display.Beep();
    EXPECT_EQ(display.BeepCount(), 2);
    display.ResetBeepCount();
    EXPECT_EQ(display.BeepCount(), 0);
    display.SetCursor(CursorShape::IBeam);
    EXPECT_EQ(display.Cursor(), CursorShape::IBeam);
}

TEST(HeadlessDisplay, PresentCopiesTheDirtyPartOfTheClientArea) {
    HeadlessDisplay display;
    DisplayWindowSpec desc;
    desc.title = "窗口";
    desc.clientRect = RECT{10, 20, 110, 70};
    const DisplayWindowId id = display.CreateWindow(desc);
    ASSERT_NE(id, 0u);
    auto surface = Surface::Create(120, 80, 32, true);
    surface->Fill(RECT{0, 0, 120, 80}, RGB(1, 2, 3));
    surface->Fill(RECT{4, 23, 14, 33}, RGB(200, 0, 0));
    // The client area starts at (4, 23) of the window's surface.
    display.Present(id, *surface, POINT{4, 23}, SIZE{100, 50}, RECT{0, 0, 5, 5});
    EXPECT_EQ(display.PresentedPixel(id, 0, 0), RGB(200, 0, 0));
    EXPECT_EQ(display.PresentedPixel(id, 4, 4), RGB(200, 0, 0));
    EXPECT_EQ(display.PresentedPixel(id, 5, 5), RGB(0, 0, 0)) << "outside the dirty part: not shown yet";
    EXPECT_EQ(display.PresentedPixel(id, 100, 0), CLR_INVALID);
    // A dirty rectangle beyond the surface is cut, never read past the end.
    display.Present(id, *surface, POINT{4, 23}, SIZE{100, 50}, RECT{-50, -50, 5000, 5000});
    EXPECT_EQ(display.PresentedPixel(id, 99, 49), RGB(1, 2, 3));
    display.SetWindowTitle(id, "新");
    EXPECT_EQ(display.FindWindow(id)->desc.title, "新");
    display.DestroyWindow(id);
    EXPECT_EQ(display.FindWindow(id), nullptr);
    display.Present(id, *surface, POINT{}, SIZE{10, 10}, RECT{0, 0, 10, 10}); // gone: ignored
}

TEST(HeadlessDisplay, DensityAndScreenSizeReachTheDrawingLayerWhenInUse) {
    SetCurrentDisplay(std::make_unique<HeadlessDisplay>());
    HeadlessDisplay* display = CurrentHeadlessDisplay();
    ASSERT_NE(display, nullptr);
    display->SetDpi(120);
    EXPECT_EQ(ScreenDpi(), 120);
    display->SetDpi(5); // refused
    EXPECT_EQ(display->Dpi(), 120);
    display->SetScreenSize(SIZE{1600, 900});
    EXPECT_EQ(ScreenWidth(), 1600);
    EXPECT_EQ(ScreenHeight(), 900);
    display->SetScreenSize(SIZE{-1, 100000});
    EXPECT_EQ(display->ScreenSize().cx, 1600);
    SetCurrentDisplay(nullptr);
}

} // namespace
