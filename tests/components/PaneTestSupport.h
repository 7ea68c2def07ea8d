// Shared pieces of the caption pane tests: a fresh headless display per test and a top-level window in the
// banner's font ("宋体" at -12) that the panes are put on.
#pragma once

#include "components/RzStatus.h"
#include "framework/controls/WinControl.h"
#include "platform/user/HeadlessInput.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace gl::panetest {

inline constexpr const char* kBanner = "Tarnwick<QQ群号3164825>";

constexpr TColor Rgb(int r, int g, int b) {
    return TColor(win::RGB(r, g, b));
}

// A top-level window holding controls, white, in the banner's font.
class TFormStandIn : public TWinControl {
public:
    explicit TFormStandIn(TComponent* owner);
    std::string ClassName() const override { return "TFormStandIn"; }

protected:
    void CreateParams(TCreateParams& params) override;
};

// A pane that lets the tests see its protected steps.
class TPaneProbe : public TRzStatusPane {
public:
    using TRzStatusPane::CaptionRect;
    using TRzStatusPane::TRzStatusPane;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        TRzStatusPane::Paint();
    }
};

using GlyphMask = std::set<std::pair<int, int>>;

// The pixels the platform sets for the text drawn at (0, 0) in the font, as the caption pane would draw it.
GlyphMask GlyphsOf(const TFont& font, const std::string& text);

class PaneTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A pane on the form at (left, top), its caption set, everything painted.
    TPaneProbe* MakePane(const std::string& caption = {}, int left = 10, int top = 10);
    // Paints what is waiting.
    void Flush();
    // The pane's pixel, read through its canvas.
    TColor At(TControl& pane, int x, int y);
    // Every pixel of the pane: the glyphs moved to (x, y) in `ink`, all else `background`.
    void ExpectCaption(TControl& pane, const GlyphMask& glyphs, int x, int y, TColor ink, TColor background);

    TComponent m_owner{nullptr};
    TFormStandIn* m_form = nullptr;
};

} // namespace gl::panetest
