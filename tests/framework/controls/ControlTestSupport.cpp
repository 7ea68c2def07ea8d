// The headless fixture and the probe controls of the control tests.
#include "ControlTestSupport.h"

#include "framework/graphics/Canvas.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/Screen.h"

namespace gl::controltest {

void TBoxProbe::Paint() {
    Canvas()->Brush().SetColor(fill);
    Canvas()->FillRect(overpaint ? Rect(-100, -100, 1000, 1000) : ClientRect());
}

void TCanvasProbe::Paint() {
    Canvas()->Brush().SetColor(fill);
    Canvas()->FillRect(ClientRect());
}

void TEditProbe::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "EDIT");
    params.Style |= win::ES_AUTOHSCROLL;
}

void ControlTest::SetUp() {
    win::headless::Use();
    win::RegisterEditClass();
}

void ControlTest::TearDown() {
    m_owner.DestroyComponents();
    win::headless::Use();
}

TFormProbe* ControlTest::MakeForm(int width, int height) {
    m_form = new TFormProbe(&m_owner);
    m_form->SetBounds(0, 0, width, height);
    m_form->SetColor(clWhite);
    m_form->HandleNeeded();
    win::headless::Pump();
    return m_form;
}

win::COLORREF ControlTest::FormPixel(int x, int y) {
    const win::HWND hwnd = m_form->Handle();
    win::HDC dc = win::GetDC(hwnd);
    const win::COLORREF pixel = win::GetPixel(dc, x, y);
    win::ReleaseDC(hwnd, dc);
    return pixel;
}

} // namespace gl::controltest
