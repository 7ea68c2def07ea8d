// The caption pane on the headless display: its width from a stored layout and from its triggers, and the
// pixels it paints as read back through its own canvas.
#include "PaneTestSupport.h"

#include "framework/core/Exceptions.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/stored/LayoutClass.h"
#include "platform/user/Paint.h"

#include <set>

namespace gl::panetest {
namespace {

const TColor kFace = Rgb(240, 240, 240);
const TColor kInvalid = static_cast<TColor>(win::CLR_INVALID);

class RzStatus : public PaneTest {};

TEST_F(RzStatus, BannerFromTheStoredLayoutSizesToItsCaption) {
    RegisterStatusPaneLayout();
    LayoutClass<TFormStandIn>("TFormStandIn", "TWinControl");
    ReadLayout(*m_form, "object Form1: TFormStandIn\n"
                        "  object RzStatusPane1: TRzStatusPane\n"
                        "    Left = 64\n    Top = 62\n    Width = 160\n    FrameStyle = fsNone\n"
                        "    Color = clBtnFace\n    ParentColor = False\n    FlatColor = 11571823\n"
                        "    AutoSize = True\n    BlinkIntervalOn = 100\n"
                        "    Caption = 'Tarnwick<QQ群号3164825>'\n"
                        "  end\nend\n");
    auto* pane = dynamic_cast<TRzStatusPane*>(m_form->FindComponent("RzStatusPane1"));
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->Caption(), kBanner);
    // 11 Latin characters and 8 digits or signs of 6 pixels, two Chinese ones of 12, plus 10.
    EXPECT_EQ(pane->Width(), 148);
    EXPECT_EQ(pane->Height(), 20);
    EXPECT_EQ(pane->Left(), 64);
    EXPECT_EQ(pane->FillColor(), clBtnFace);
    EXPECT_EQ(pane->FlatColor(), 11571823);
    EXPECT_EQ(pane->BlinkIntervalOn(), 100);
    EXPECT_EQ(pane->TextColor(), clWindowText);

    Flush();
    // Every pixel is the face colour but the glyphs, pure black, drawn from (1 + 2 + 1, 1 + (18 - 12) / 2).
    const GlyphMask glyphs = GlyphsOf(*pane->Font(), kBanner);
    EXPECT_LT(glyphs.rbegin()->first, 138);
    ExpectCaption(*pane, glyphs, 4, 4, 0, kFace);
    // Outside the pane nothing is read, not even the parent's pixels.
    EXPECT_EQ(At(*pane, 148, 5), kInvalid);
    EXPECT_EQ(At(*pane, 5, 20), kInvalid);
    EXPECT_EQ(At(*pane, -1, 5), kInvalid);
    EXPECT_EQ(At(*pane, 147, 19), kFace);
}

TEST_F(RzStatus, AutoWidthFollowsCaptionDefaultWidthAndOffset) {
    TPaneProbe* pane = MakePane();
    EXPECT_EQ(pane->Width(), 100);
    pane->SetAutoSize(true);
    EXPECT_EQ(pane->Width(), 40);
    pane->SetDefaultWidth(55);
    EXPECT_EQ(pane->Width(), 55);
    pane->SetCaption("ab");
    EXPECT_EQ(pane->Width(), 12 + 10);
    pane->SetCaptionOffset(5);
    EXPECT_EQ(pane->Width(), 12 + 13);
    pane->Font()->SetHeight(-16);
    EXPECT_GT(pane->Width(), 12 + 13);
    EXPECT_EQ(pane->Height(), 20);
    pane->SetCaption("");
    EXPECT_EQ(pane->Width(), 55);
    // Without AutoSize nothing moves the width.
    pane->SetAutoSize(false);
    pane->SetCaption("a long caption");
    EXPECT_EQ(pane->Width(), 55);
}

TEST_F(RzStatus, WritingTheSameCaptionNeitherInvalidatesNorResizes) {
    TPaneProbe* pane = MakePane("abc");
    pane->SetAutoSize(true);
    EXPECT_EQ(pane->Width(), 28);
    pane->SetWidth(300);
    Flush();
    const int paints = pane->paints;
    pane->SetCaption("abc");
    EXPECT_EQ(pane->Width(), 300);
    win::RECT update{};
    EXPECT_FALSE(win::GetUpdateRect(m_form->Handle(), &update, win::FALSE));
    Flush();
    EXPECT_EQ(pane->paints, paints);
    pane->SetCaption("abC");
    EXPECT_EQ(pane->Width(), 28);
}

TEST_F(RzStatus, BorderWidthWaitsForTheNextTrigger) {
    TPaneProbe* pane = MakePane("abc");
    pane->SetAutoSize(true);
    ASSERT_EQ(pane->Width(), 28);
    pane->SetBorderWidth(3);
    pane->SetFrameStyle(fsGroove);
    pane->SetAlignment(taCenter);
    EXPECT_EQ(pane->Width(), 28);
    pane->SetCaption("abcd");
    EXPECT_EQ(pane->Width(), 24 + 2 * 3 + 2 + 6);
}

TEST_F(RzStatus, FlatFrameLeavesItsCornersInTheColour) {
    TPaneProbe* pane = MakePane();
    pane->SetColor(clBtnFace);
    Flush();
    const TColor line = Rgb(192, 192, 192); // clBtnShadow lightened by 30
    EXPECT_EQ(pane->Width(), 100);
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(At(*pane, 0, y), kFace) << y;
        EXPECT_EQ(At(*pane, 99, y), kFace) << y;
        const TColor side = y >= 2 && y <= 17 ? line : kFace;
        EXPECT_EQ(At(*pane, 1, y), side) << y;
        EXPECT_EQ(At(*pane, 98, y), side) << y;
    }
    for (int x = 0; x < 100; ++x) {
        const TColor edge = x >= 2 && x <= 97 ? line : kFace;
        EXPECT_EQ(At(*pane, x, 1), edge) << x;
        EXPECT_EQ(At(*pane, x, 18), edge) << x;
        EXPECT_EQ(At(*pane, x, 0), kFace) << x;
        EXPECT_EQ(At(*pane, x, 10), x == 1 || x == 98 ? line : kFace) << x;
    }
}

TEST_F(RzStatus, StoredFlatColorAdjustmentsSaturateAtWhiteAndBlack) {
    RegisterStatusPaneLayout();
    LayoutClass<TFormStandIn>("TFormStandIn", "TWinControl");
    // Light grey (lightness 200 of 240) moved by the whole range of the stored integer, and a little past the
    // lightness's own range.
    const std::pair<const char*, TColor> cases[] = {
        {"2147483647", Rgb(255, 255, 255)}, {"-2147483648", Rgb(0, 0, 0)}, {"2147483600", Rgb(255, 255, 255)},
        {"-2147483647", Rgb(0, 0, 0)},      {"56", Rgb(255, 255, 255)},    {"-201", Rgb(0, 0, 0)},
        {"-100", Rgb(98, 98, 98)},
    };
    for (const auto& [adjustment, line] : cases) {
        SCOPED_TRACE(adjustment);
        ReadLayout(*m_form, std::string("object Form1: TFormStandIn\n"
                                        "  object Pane: TRzStatusPane\n"
                                        "    Width = 30\n    Color = clBtnFace\n    ParentColor = False\n"
                                        "    FlatColor = 13421772\n    FlatColorAdjustment = ") +
                                adjustment + "\n  end\nend\n");
        auto* pane = dynamic_cast<TRzStatusPane*>(m_form->FindComponent("Pane"));
        ASSERT_NE(pane, nullptr);
        Flush();
        EXPECT_EQ(At(*pane, 1, 10), line);
        EXPECT_EQ(At(*pane, 10, 1), line);
        delete pane;
    }
}

TEST_F(RzStatus, CaptionRectByStyleAndBorder) {
    TPaneProbe* pane = MakePane();
    auto expectRect = [&](int inset) {
        const TRect r = pane->CaptionRect();
        EXPECT_EQ(r.left, inset);
        EXPECT_EQ(r.top, inset);
        EXPECT_EQ(r.right, 100 - inset);
        EXPECT_EQ(r.bottom, 20 - inset);
    };
    expectRect(2);
    pane->SetFrameStyle(fsNone);
    expectRect(1);
    pane->SetFrameStyle(fsStatus);
    expectRect(2);
    pane->SetFrameStyle(fsFlatBold);
    expectRect(3);
    pane->SetBorderWidth(0);
    pane->SetFrameStyle(fsNone);
    expectRect(0);
}

TEST_F(RzStatus, AlignmentPlacesTheCaption) {
    TPaneProbe* pane = MakePane("HHH");
    pane->SetFrameStyle(fsNone);
    pane->SetColor(clWhite);
    const TColor white = Rgb(255, 255, 255);
    const GlyphMask glyphs = GlyphsOf(*pane->Font(), "HHH");
    Flush();
    ExpectCaption(*pane, glyphs, 4, 4, 0, white);
    // Right: the 18-pixel text ends at 99 - 2 - 1.
    pane->SetAlignment(taRightJustify);
    Flush();
    ExpectCaption(*pane, glyphs, 96 - 18, 4, 0, white);
    // Centre: around 1 + 98 / 2.
    pane->SetAlignment(taCenter);
    Flush();
    ExpectCaption(*pane, glyphs, 50 - 9, 4, 0, white);
}

TEST_F(RzStatus, DisabledPaneDrawsHighlightCopyThenShadowText) {
    TPaneProbe* pane = MakePane("Hi 群");
    pane->SetFrameStyle(fsNone);
    pane->SetColor(clBtnFace);
    Flush();
    std::set<std::pair<int, int>> glyphs;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (At(*pane, x, y) == 0) glyphs.insert({x, y});
    ASSERT_FALSE(glyphs.empty());

    pane->SetEnabled(false);
    Flush();
    const TColor highlight = Rgb(255, 255, 255), shadow = Rgb(160, 160, 160);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x) {
            TColor expected = kFace;
            if (glyphs.count({x, y}))
                expected = shadow;
            else if (glyphs.count({x - 1, y - 1}))
                expected = highlight;
            EXPECT_EQ(At(*pane, x, y), expected) << x << ", " << y;
        }
}

TEST_F(RzStatus, FillColorFollowsColorUntilSetItself) {
    TPaneProbe* pane = MakePane("x");
    EXPECT_TRUE(pane->ParentColor());
    EXPECT_EQ(pane->Color(), clWhite);
    EXPECT_EQ(pane->FillColor(), clWhite);
    m_form->SetColor(clBtnFace);
    EXPECT_EQ(pane->Color(), clBtnFace);
    EXPECT_EQ(pane->FillColor(), clBtnFace);

    pane->SetFillColor(clRed);
    EXPECT_FALSE(pane->ParentFillColor());
    pane->SetColor(clYellow);
    EXPECT_EQ(pane->FillColor(), clRed);
    Flush();
    EXPECT_EQ(At(*pane, 0, 0), clYellow);
    EXPECT_EQ(At(*pane, 50, 3), clRed);
    pane->SetParentFillColor(true);
    EXPECT_EQ(pane->FillColor(), clYellow);
}

TEST_F(RzStatus, TextTakesTheFontColour) {
    TPaneProbe* pane = MakePane("HH");
    pane->SetFrameStyle(fsNone);
    EXPECT_EQ(pane->TextColor(), clWindowText);
    pane->Font()->SetColor(clBlue);
    EXPECT_EQ(pane->TextColor(), clBlue);
    Flush();
    ExpectCaption(*pane, GlyphsOf(*pane->Font(), "HH"), 4, 4, clBlue, Rgb(255, 255, 255));
}

TEST_F(RzStatus, CanvasWithoutParentRaises) {
    TRzStatusPane pane(nullptr);
    pane.SetName("Lonely");
    try {
        pane.Canvas()->Pixels(0, 0);
        FAIL() << "no error";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Control 'Lonely' has no parent window");
    }
}

} // namespace
} // namespace gl::panetest
