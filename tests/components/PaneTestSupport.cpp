// The headless fixture of the caption pane tests.
#include "PaneTestSupport.h"

#include "MemorySurface.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"

namespace gl::panetest {

TFormStandIn::TFormStandIn(TComponent* owner) : TWinControl(owner) {
    IncludeStyle(csAcceptsControls);
    SetBounds(0, 0, 400, 200);
    SetColor(clWhite);
    Font()->SetName("宋体");
    Font()->SetHeight(-12);
}

void TFormStandIn::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = win::WS_OVERLAPPEDWINDOW | win::WS_CLIPCHILDREN;
    params.WndParent = nullptr;
    params.WindowClass.hbrBackground = nullptr;
}

GlyphMask GlyphsOf(const TFont& font, const std::string& text) {
    test::Surface surface(400, 40);
    const win::COLORREF white = win::RGB(255, 255, 255);
    surface.Clear(white);
    surface.canvas.SetFont(font);
    surface.canvas.Font().SetColor(clBlack);
    surface.canvas.Brush().SetStyle(bsClear);
    surface.canvas.TextOut(0, 0, text);
    GlyphMask glyphs;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.At(x, y) != white) glyphs.insert({x, y});
    return glyphs;
}

void PaneTest::SetUp() {
    win::headless::Use();
    m_form = new TFormStandIn(&m_owner);
    m_form->HandleNeeded();
    Flush();
}

void PaneTest::TearDown() {
    m_owner.DestroyComponents();
    win::headless::Use();
}

TPaneProbe* PaneTest::MakePane(const std::string& caption, int left, int top) {
    auto* pane = new TPaneProbe(&m_owner);
    pane->SetLeft(left);
    pane->SetTop(top);
    pane->SetParent(m_form);
    pane->SetCaption(caption);
    Flush();
    return pane;
}

void PaneTest::Flush() {
    m_form->Update();
    win::headless::Pump();
}

TColor PaneTest::At(TControl& pane, int x, int y) {
    return static_cast<TGraphicControl&>(pane).Canvas()->Pixels(x, y);
}

void PaneTest::ExpectCaption(TControl& pane, const GlyphMask& glyphs, int x, int y, TColor ink,
                             TColor background) {
    ASSERT_FALSE(glyphs.empty());
    for (int py = 0; py < pane.Height(); ++py)
        for (int px = 0; px < pane.Width(); ++px) {
            const TColor expected = glyphs.count({px - x, py - y}) ? ink : background;
            EXPECT_EQ(At(pane, px, py), expected) << "at (" << px << ", " << py << ")";
        }
}

} // namespace gl::panetest
