// Shared pieces of the button, radio button, panel and label tests: a fresh headless display per test, a
// top-level form stand-in, an image list of solid-colour images, and pixel read-back.
#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/ImageList.h"
#include "platform/user/HeadlessInput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gl::rztest {

// A top-level window holding controls: the stand-in for a form.
class TRzTestForm : public TWinControl {
public:
    explicit TRzTestForm(TComponent* owner);
    std::string ClassName() const override { return "TRzTestForm"; }

protected:
    void CreateParams(TCreateParams& params) override;
};

// A parent that paints horizontal stripes, red (255, 0, 0) on even rows and green (0, 128, 0) on odd ones:
// what a transparent control shows of it tells the rows apart.
class TStripedParent : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override;
};

// An image list of 16 x 16 images, each one solid colour.
TImageList* MakeImages(TComponent* owner, const std::vector<win::COLORREF>& colors);

inline constexpr win::COLORREF Rgb(int r, int g, int b) {
    return static_cast<win::COLORREF>(r | (g << 8) | (b << 16));
}

class RzControlsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A form of the given outer size at (0, 0), shown, with its window made.
    TRzTestForm* MakeForm(int width = 400, int height = 300);
    // What a windowed control's window shows at a point of its client area.
    static win::COLORREF Pixel(TWinControl& control, int x, int y);
    // How many pixels of a rectangle of the window have exactly this colour.
    static int CountColor(TWinControl& control, int left, int top, int right, int bottom,
                          win::COLORREF color);

    TComponent m_owner{nullptr};
    TRzTestForm* m_form = nullptr;
};

} // namespace gl::rztest
