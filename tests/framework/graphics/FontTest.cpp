// Fonts, pens and brushes: defaults, points and pixels at two densities, change events, Assign, the platform
// font made from the attributes, and the stored form of fonts in a layout.
#include "framework/graphics/Font.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/FontProperties.h"
#include "framework/graphics/Pen.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"
#include "platform/gdi/Screen.h"

#include <gtest/gtest.h>

#include <cstring>

namespace gl {
namespace {

// Runs a test body at a screen density and puts the environment's back afterwards.
class ScreenDensity {
public:
    explicit ScreenDensity(int dpi) { win::SetScreenDpi(dpi); }
    ~ScreenDensity() { win::SetScreenDpi(0); }
};

TEST(Font, NewFontIsEightPointsPlainInTheWindowTextColour) {
    ScreenDensity density(96);
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), win::DEFAULT_CHARSET);
    EXPECT_TRUE(font.Style().Empty());
    EXPECT_EQ(font.Pitch(), fpDefault);
    EXPECT_EQ(font.PixelsPerInch(), 96);
}

TEST(Font, PointsAndPixelsFollowTheScreenDensity) {
    {
        ScreenDensity density(96);
        TFont font;
        font.SetHeight(-12);
        EXPECT_EQ(font.Size(), 9);
        font.SetSize(9);
        EXPECT_EQ(font.Height(), -12);
        font.SetSize(1);
        EXPECT_EQ(font.Height(), -1);
    }
    {
        ScreenDensity density(120);
        TFont font;
        EXPECT_EQ(font.Height(), -13) << "8 points at 120 dpi, rounded";
        font.SetSize(9);
        EXPECT_EQ(font.Height(), -15);
        EXPECT_EQ(font.Size(), 9);
        font.SetHeight(-12);
        EXPECT_EQ(font.Size(), 7);
    }
}

TEST(Font, TellsEveryChangeOnceAndSameValuesNotAtAll) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &font);
        ++changes;
    };
    font.SetName("宋体");
    font.SetHeight(-12);
    font.SetColor(clRed);
    font.SetStyle({fsBold, fsUnderline});
    font.SetCharset(win::GB2312_CHARSET);
    font.SetPitch(fpFixed);
    EXPECT_EQ(changes, 6);
    font.SetName("宋体");
    font.SetHeight(-12);
    font.SetSize(font.Size());
    font.SetColor(clRed);
    font.SetStyle({fsUnderline, fsBold});
    font.SetCharset(win::GB2312_CHARSET);
    font.SetPitch(fpFixed);
    font.SetName("");
    EXPECT_EQ(changes, 6);
}

TEST(Font, AssignTakesEverythingWithOneChange) {
    TFont source;
    source.SetName("宋体");
    source.SetHeight(-12);
    source.SetColor(clBlue);
    source.SetStyle({fsItalic});
    source.SetCharset(win::GB2312_CHARSET);
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(font.Name(), "宋体");
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Color(), clBlue);
    EXPECT_EQ(font.Style(), TFontStyles{fsItalic});
    EXPECT_EQ(font.Charset(), win::GB2312_CHARSET);
    font.Assign(&source);
    EXPECT_EQ(changes, 1) << "an equal font changes nothing";
    EXPECT_TRUE(static_cast<bool>(font.OnChange)) << "the owner's handler stays";
}

TEST(Font, AssignFromAnotherDensityKeepsThePoints) {
    ScreenDensity outer(96);
    TFont source;
    source.SetSize(9);
    {
        ScreenDensity density(120);
        TFont font;
        font.Assign(&source);
        EXPECT_EQ(font.Size(), 9);
        EXPECT_EQ(font.Height(), -15);
    }
}

TEST(Font, AssignRejectsNullAndOtherClasses) {
    TFont font;
    try {
        font.Assign(nullptr);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a nil to a TFont");
    }
    TPen pen;
    try {
        font.Assign(&pen);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TPen to a TFont");
    }
}

TEST(Font, PlatformFontFollowsTheAttributes) {
    TFont font;
    font.SetName("宋体");
    font.SetHeight(-12);
    font.SetStyle({fsBold, fsStrikeOut});
    font.SetPitch(fpFixed);
    const win::LOGFONT lf = font.LogFont();
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_EQ(lf.lfWeight, win::FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfStrikeOut, 1);
    EXPECT_EQ(lf.lfCharSet, win::DEFAULT_CHARSET);
    EXPECT_EQ(lf.lfPitchAndFamily, win::FIXED_PITCH);
    EXPECT_STREQ(lf.lfFaceName, "宋体");
    ASSERT_NE(font.Handle(), nullptr);
    EXPECT_EQ(font.Handle(), font.Handle()) << "kept while nothing changes";
    font.SetColor(clRed);
    EXPECT_FALSE(font.HandleAllocated()) << "made again after a change";

    // A face name longer than the record holds is cut before a character that would not fit whole.
    std::string longName;
    for (int i = 0; i < 40; ++i) longName += "宋";
    font.SetName(longName);
    const win::LOGFONT cut = font.LogFont();
    const std::size_t length = std::strlen(cut.lfFaceName);
    EXPECT_EQ(length % 3, 0u);
    EXPECT_EQ(std::string(cut.lfFaceName), longName.substr(0, length));
}

TEST(Brush, NamingAColourMakesAClearBrushSolid) {
    TBrush brush;
    int changes = 0;
    brush.OnChange = [&](TObject*) { ++changes; };
    brush.SetColor(clWhite);
    EXPECT_EQ(changes, 0);
    brush.SetStyle(bsClear);
    // Even the colour it already has: whoever names a fill colour wants the area filled.
    brush.SetColor(clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_EQ(changes, 2);
}

// A component with a font, for reading fonts from a layout.
class TFontHolder : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TFontHolder"; }
    TFont font;
};

TEST(FontLayout, ReadsTheWindowFontAsStored) {
    PropertyRegistry registry;
    RegisterComponentLayout(registry);
    RegisterFontLayout(registry);
    LayoutClass<TFontHolder>("TFontHolder", "TComponent", registry)
        .SubObject("Font", [](TFontHolder& holder) { return &holder.font; });
    TFontHolder holder(nullptr);
    ReadLayout(holder,
               "object Holder: TFontHolder\n"
               "  Font.Charset = GB2312_CHARSET\n"
               "  Font.Color = clBtnFace\n"
               "  Font.Height = -12\n"
               "  Font.Name = '宋体'\n"
               "  Font.Style = [fsBold, fsItalic]\n"
               "end\n",
               {}, registry);
    EXPECT_EQ(holder.font.Charset(), win::GB2312_CHARSET);
    EXPECT_EQ(holder.font.Color(), -16777201);
    EXPECT_EQ(holder.font.Height(), -12);
    EXPECT_EQ(holder.font.Name(), "宋体");
    EXPECT_EQ(holder.font.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_THROW(
        ReadLayout(holder, "object Holder: TFontHolder\n  Font.Color = clNoSuchColour\nend\n", {}, registry),
        EReadError);
}

} // namespace
} // namespace gl
