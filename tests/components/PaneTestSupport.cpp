// The headless fixture of the caption pane tests.
#include "PaneTestSupport.h"

#include "framework/Canvas.h"
#include "framework/Font.h"

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

} // namespace gl::panetest
