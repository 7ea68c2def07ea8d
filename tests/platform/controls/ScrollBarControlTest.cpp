// Tests of the "SCROLLBAR" window class: its range, page and position through SetScrollInfo, and what arrows,
// page clicks, the repeat timer and the thumb tell the parent.
#include "ControlsTestSupport.h"

namespace win {
namespace {

using controlstest::ControlsTest;
using controlstest::Log;

class ScrollBarControlTest : public ControlsTest {
protected:
    HWND MakeBar() {
        MakeHost();
        HWND bar = MakeControl(WC_SCROLLBAR, "", SBS_VERT, 10, 10, 17, 200);
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = 99;
        si.nPage = 10;
        si.nPos = 0;
        SetScrollInfo(bar, SB_CTL, &si, TRUE);
        headless::Pump();
        return bar;
    }
    std::vector<WORD> Codes() const {
        std::vector<WORD> codes;
        for (const auto& s : Log().scrolls) codes.push_back(LOWORD(s.second));
        return codes;
    }
};

TEST_F(ScrollBarControlTest, KeepsItsPositionWithinRangeLessPage) {
    HWND bar = MakeBar();
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 500, TRUE), 0);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 90);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &si));
    EXPECT_EQ(si.nMax, 99);
    EXPECT_EQ(si.nPage, 10u);
    EXPECT_EQ(si.nPos, 90);
}

TEST_F(ScrollBarControlTest, ArrowsRepeatWhileHeldAndEndWithEndScroll) {
    HWND bar = MakeBar();
    headless::MouseDown(bar, 8, 195);
    EXPECT_EQ(Codes(), (std::vector<WORD>{SB_LINEDOWN}));
    headless::AdvanceClock(400 + 50 * 3);
    EXPECT_GE(Codes().size(), 3u);
    headless::MouseUp(bar, 8, 195);
    const auto codes = Codes();
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    for (std::size_t i = 0; i + 1 < codes.size(); ++i) EXPECT_EQ(codes[i], SB_LINEDOWN);
    EXPECT_EQ(Log().scrolls[0].first, static_cast<UINT>(WM_VSCROLL));
    // The bar leaves its position to the parent.
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
}

TEST_F(ScrollBarControlTest, DraggingTheThumbTracksAndEndsAtItsPosition) {
    HWND bar = MakeBar();
    headless::MouseDown(bar, 8, 22); // on the thumb, just under the upper arrow
    headless::MouseMove(bar, 8, 22 + 83);
    headless::MouseUp(bar, 8, 22 + 83);
    const auto& scrolls = Log().scrolls;
    ASSERT_GE(scrolls.size(), 3u);
    EXPECT_EQ(LOWORD(scrolls[0].second), SB_THUMBTRACK);
    const int tracked = HIWORD(scrolls[0].second);
    EXPECT_GT(tracked, 40);
    EXPECT_LT(tracked, 60);
    EXPECT_EQ(LOWORD(scrolls[scrolls.size() - 2].second), SB_THUMBPOSITION);
    EXPECT_EQ(HIWORD(scrolls[scrolls.size() - 2].second), tracked);
    EXPECT_EQ(LOWORD(scrolls.back().second), SB_ENDSCROLL);
}

TEST_F(ScrollBarControlTest, PageClicksAboveAndBelowTheThumb) {
    HWND bar = MakeBar();
    SetScrollPos(bar, SB_CTL, 50, TRUE);
    headless::Pump();
    headless::Click(bar, 8, 30);
    headless::AdvanceClock(1000);
    headless::Click(bar, 8, 175);
    EXPECT_EQ(Codes(), (std::vector<WORD>{SB_PAGEUP, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL}));
}

} // namespace
} // namespace win
