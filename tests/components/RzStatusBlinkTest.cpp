// The caption pane's shared blink list on the headless clock, its frame controller link and its hints.
#include "PaneTestSupport.h"

#include "components/RzEdit.h"
#include "framework/core/Actions.h"
#include "framework/graphics/Canvas.h"
#include "framework/stored/LayoutClass.h"

#include <set>
#include <vector>

namespace gl::panetest {
namespace {

class RzStatusBlink : public PaneTest {
protected:
    // The colours of the caption's glyphs as the pane shows them now (background white).
    std::set<TColor> InkColors(TRzCustomStatusPane& pane) {
        std::set<TColor> colors;
        for (int y = 0; y < pane.Height(); ++y)
            for (int x = 0; x < pane.Width(); ++x)
                if (const TColor c = At(pane, x, y); c != Rgb(255, 255, 255)) colors.insert(c);
        return colors;
    }
    void Advance(unsigned ms) {
        win::headless::AdvanceClock(ms);
        Flush();
    }
};

TEST_F(RzStatusBlink, ListLivesWhileAPaneOrLabelIsRegistered) {
    EXPECT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
    TPaneProbe* first = MakePane();
    TPaneProbe* second = MakePane();
    TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Controls(), (std::vector<TControl*>{first, second}));
    EXPECT_EQ(list->IntervalOn(), 500);
    EXPECT_EQ(list->IntervalOff(), 500);
    // One setting for the process: the last write wins.
    first->SetBlinkIntervalOn(100);
    EXPECT_EQ(second->BlinkIntervalOn(), 100);
    second->SetBlinkIntervalOff(300);
    EXPECT_EQ(first->BlinkIntervalOff(), 300);
    delete first;
    EXPECT_EQ(TRzBlinkingControlsList::Instance(), list);
    delete second;
    EXPECT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
}

TEST_F(RzStatusBlink, PhasesAlternateOnTheSharedTimer) {
    TPaneProbe* pane = MakePane("HH");
    pane->SetFrameStyle(fsNone);
    pane->SetBlinkColor(clRed);
    pane->SetBlinking(true);
    TPaneProbe* still = MakePane("HH", 10, 50);
    Flush();
    const std::set<TColor> normal{0}, blink{clRed};
    const int stillPaints = still->paints;

    // The timer starts with the off-interval; its first tick turns the phase off, the next one on.
    Advance(499);
    EXPECT_EQ(InkColors(*pane), normal);
    Advance(1);
    EXPECT_EQ(TRzBlinkingControlsList::Instance()->Phase(), 0);
    EXPECT_EQ(InkColors(*pane), normal);
    Advance(500);
    EXPECT_EQ(TRzBlinkingControlsList::Instance()->Phase(), 1);
    EXPECT_EQ(pane->TextColor(), clRed);
    EXPECT_EQ(InkColors(*pane), blink);
    Advance(499);
    EXPECT_EQ(InkColors(*pane), blink);
    Advance(1);
    EXPECT_EQ(InkColors(*pane), normal);

    // A shorter on-interval shows the blink colour for that long, from the next on phase.
    pane->SetBlinkIntervalOn(100);
    Advance(500);
    EXPECT_EQ(InkColors(*pane), blink);
    Advance(99);
    EXPECT_EQ(InkColors(*pane), blink);
    Advance(1);
    EXPECT_EQ(InkColors(*pane), normal);
    // A pane that does not blink is never told.
    EXPECT_EQ(still->paints, stillPaints);
    EXPECT_EQ(still->TextColor(), clWindowText);
}

TEST_F(RzStatusBlink, SwitchingBlinkingOffRestoresTheColourAtOnce) {
    TPaneProbe* pane = MakePane("HH");
    pane->SetFrameStyle(fsNone);
    pane->SetBlinkColor(clRed);
    pane->SetBlinking(true);
    Advance(1000);
    ASSERT_EQ(InkColors(*pane), std::set<TColor>{clRed});
    pane->SetBlinking(false);
    // Repainted right away, without waiting for the next paint.
    EXPECT_EQ(InkColors(*pane), std::set<TColor>{0});
    Advance(1000);
    EXPECT_EQ(InkColors(*pane), std::set<TColor>{0});
    EXPECT_EQ(pane->Perform(RM_BLINKQUERY), 0);
}

TEST_F(RzStatusBlink, FrameControllerSettingsReachThePaneOnlyWhenVisible) {
    TPaneProbe* pane = MakePane("x");
    auto* controller = new TRzFrameController(&m_owner);
    pane->SetFrameController(controller);
    controller->SetFrameStyle(fsStatus);
    EXPECT_EQ(pane->FrameStyle(), fsFlat);
    EXPECT_TRUE(pane->ParentFillColor());

    controller->SetColor(clYellow);
    controller->SetFrameVisible(true);
    EXPECT_EQ(pane->FrameStyle(), fsStatus);
    EXPECT_EQ(pane->FlatColor(), clBtnShadow);
    EXPECT_EQ(pane->FlatColorAdjustment(), 0);
    EXPECT_EQ(pane->FillColor(), clYellow);
    EXPECT_FALSE(pane->ParentFillColor());
    EXPECT_FALSE(pane->ParentColor());
    controller->SetFrameColor(clRed);
    EXPECT_EQ(pane->FlatColor(), clRed);

    // A controller that goes away leaves no reference behind; a pane that goes away leaves the controller.
    delete controller;
    EXPECT_EQ(pane->FrameController(), nullptr);
    auto* other = new TRzFrameController(&m_owner);
    pane->SetFrameController(other);
    EXPECT_EQ(other->ControlCount(), 1);
    delete pane;
    EXPECT_EQ(other->ControlCount(), 0);
    other->SetFrameVisible(true);
}

TEST_F(RzStatusBlink, ControlsTakeAVisibleControllersSettingsAsSoonAsTheyAttach) {
    auto* controller = new TRzFrameController(&m_owner);
    controller->SetFrameVisible(true);
    controller->SetFrameStyle(fsGroove);
    controller->SetFrameColor(clRed);
    TPaneProbe* pane = MakePane("x");
    auto* edit = new TRzEdit(&m_owner);
    pane->SetFrameController(controller);
    edit->SetFrameController(controller);
    EXPECT_EQ(pane->FrameStyle(), fsGroove);
    EXPECT_EQ(pane->FlatColor(), clRed);
    EXPECT_EQ(edit->FrameStyle(), fsGroove);
    EXPECT_EQ(edit->FrameColor(), clRed);
    EXPECT_EQ(controller->ControlCount(), 2);
}

TEST_F(RzStatusBlink, StoredFrameControllerIsAppliedOnceLoaded) {
    RegisterStatusPaneLayout();
    LayoutClass<TFormStandIn>("TFormStandIn", "TWinControl");
    ReadLayout(*m_form, "object Form1: TFormStandIn\n"
                        "  object Pane: TRzStatusPane\n    FrameController = Frames\n  end\n"
                        "  object Frames: TRzFrameController\n"
                        "    FrameVisible = True\n    FrameStyle = fsGroove\n    FrameColor = clRed\n"
                        "  end\nend\n");
    auto* pane = dynamic_cast<TRzStatusPane*>(m_form->FindComponent("Pane"));
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->FrameController(), m_form->FindComponent("Frames"));
    EXPECT_EQ(pane->FrameStyle(), fsGroove);
    EXPECT_EQ(pane->FlatColor(), clRed);
}

TEST_F(RzStatusBlink, AutoHintShowsTheHintActionsText) {
    TPaneProbe* pane = MakePane("idle");
    THintAction hint(nullptr);
    hint.SetHint("Ready");
    const auto action = reinterpret_cast<win::LPARAM>(static_cast<TBasicAction*>(&hint));
    EXPECT_EQ(pane->Perform(CM_ACTIONEXECUTE, 0, action), 0);
    EXPECT_EQ(pane->Caption(), "idle");
    pane->SetAutoHint(true);
    EXPECT_EQ(pane->Perform(CM_ACTIONEXECUTE, 0, action), 1);
    EXPECT_EQ(pane->Caption(), "Ready");
    TBasicAction plain(nullptr);
    EXPECT_FALSE(pane->ExecuteAction(&plain));
}

} // namespace
} // namespace gl::panetest
