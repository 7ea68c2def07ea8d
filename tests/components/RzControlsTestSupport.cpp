// The headless fixture, the form stand-in and the test image list of the control library's tests.
#include "RzControlsTestSupport.h"

#include "framework/graphics/Canvas.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/Screen.h"

namespace gl::rztest {

TRzTestForm::TRzTestForm(TComponent* owner) : TWinControl(owner) {
    IncludeStyle(csAcceptsControls);
}

void TRzTestForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = win::WS_OVERLAPPEDWINDOW | win::WS_CLIPCHILDREN;
    params.WndParent = nullptr;
}

void TStripedParent::Paint() {
    for (int y = 0; y < Height(); ++y) {
        Canvas()->Brush().SetColor(static_cast<TColor>(y % 2 == 0 ? Rgb(255, 0, 0) : Rgb(0, 128, 0)));
        Canvas()->FillRect(Rect(0, y, Width(), y + 1));
    }
}

TImageList* MakeImages(TComponent* owner, const std::vector<win::COLORREF>& colors) {
    auto* images = new TImageList(owner);
    for (win::COLORREF color : colors) {
        // 32-bit rows hold blue, green, red and a spare byte.
        const std::uint32_t pixel = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
        std::vector<std::uint32_t> bits(16 * 16, pixel);
        win::HBITMAP bitmap = win::CreateBitmap(16, 16, 1, 32, bits.data());
        images->Add(bitmap, nullptr);
        win::DeleteObject(bitmap);
    }
    return images;
}

void RzControlsTest::SetUp() {
    win::headless::Use();
}

void RzControlsTest::TearDown() {
    m_owner.DestroyComponents();
    win::headless::Use();
}

TRzTestForm* RzControlsTest::MakeForm(int width, int height) {
    m_form = new TRzTestForm(&m_owner);
    m_form->SetBounds(0, 0, width, height);
    m_form->SetParentColor(false);
    m_form->SetColor(clBtnFace);
    m_form->HandleNeeded();
    win::ShowWindow(m_form->Handle(), win::SW_SHOW);
    win::headless::Pump();
    return m_form;
}

win::COLORREF RzControlsTest::Pixel(TWinControl& control, int x, int y) {
    win::headless::Pump();
    return win::headless::Pixel(control.Handle(), x, y);
}

int RzControlsTest::CountColor(TWinControl& control, int left, int top, int right, int bottom,
                               win::COLORREF color) {
    win::headless::Pump();
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (win::headless::Pixel(control.Handle(), x, y) == color) ++count;
    return count;
}

} // namespace gl::rztest
