// Fitting a picture to a size in text and toning it to black and white, on pictures made here.
#include "app/tone/DisplayWidth.h"
#include "app/tone/Fit.h"
#include "app/tone/Tone.h"

#include <gtest/gtest.h>

#include <numeric>

namespace gl::tone {
namespace {

GreyImage Flat(int width, int height, std::uint8_t grey) {
    GreyImage picture(width, height);
    std::fill(picture.levels.begin(), picture.levels.end(), LinearGrey(grey, grey, grey));
    return picture;
}

TEST(Fit, ShrinkingAveragesEachCellInLinearLight) {
    // 4 x 4-pixel blocks of black, white and sRGB grey 128, shrunk by 4, give the blocks exactly.
    const std::uint8_t blocks[2][3] = {{0, 255, 128}, {128, 0, 255}};
    GreyImage picture(12, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            picture.At(x, y) = LinearGrey(blocks[y / 4][x / 4], blocks[y / 4][x / 4], blocks[y / 4][x / 4]);
    const GreyImage shrunk = Resample(picture, 3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_NEAR(EncodedGrey(shrunk.At(x, y)), blocks[y][x], 0.01) << x << "," << y;

    // A 1-pixel black line on white, shrunk by 2: half the light, which a screen shows as grey 187.5 (an
    // average of the grey levels would give 127.5, and the line would turn the cell black).
    GreyImage line = Flat(4, 4, 255);
    for (int y = 0; y < 4; ++y) line.At(1, y) = 0.0f;
    const GreyImage cells = Resample(line, 2, 2);
    EXPECT_NEAR(EncodedGrey(cells.At(0, 0)), 187.5, 0.1);
    EXPECT_NEAR(EncodedGrey(cells.At(1, 1)), 255.0, 0.01);
}

TEST(Fit, TheGridFollowsThePictureAsTheTextShowsIt) {
    struct Case {
        const char* glyphs;
        std::optional<int> columns, lines;
        double ratio;
        int cells, rows;
    } cases[] = {
        {"Kiv", 90, {}, 2.0, 30, 45}, // a cell 3 columns wide, a line 2 columns tall
        {"织", 60, {}, 2.0, 30, 30},  {"@", {}, 50, 2.0, 100, 50},    {"@", 80, {}, 1.0, 80, 80},
        {"Kiv", 90, 10, 2.0, 30, 10}, {"Kiv", {}, {}, 2.0, 300, 300}, // no size: one cell per pixel
    };
    for (const Case& c : cases) {
        ConversionSettings settings;
        settings.columns = c.columns;
        settings.lines = c.lines;
        settings.cellRatio = c.ratio;
        const CellGrid grid = FitGrid(300, 300, settings, DisplayWidth(c.glyphs));
        EXPECT_EQ(grid.cells, c.cells) << c.glyphs;
        EXPECT_EQ(grid.lines, c.rows) << c.glyphs;
    }
}

TEST(Fit, DisplayWidthCountsTerminalColumns) {
    const std::pair<const char*, int> cases[] = {
        {"Kiv", 3}, {"织", 2}, {"e\xCC\x81", 1}, {"한", 2}, {"\xF0\x9F\x98\x80", 2}, {"ａ", 2}, {"", 0}};
    for (const auto& [text, width] : cases) EXPECT_EQ(DisplayWidth(text), width) << text;
}

double DarkShare(const std::vector<std::uint8_t>& dark) {
    return static_cast<double>(std::accumulate(dark.begin(), dark.end(), 0)) /
           static_cast<double>(dark.size());
}

TEST(Tone, EachDitherKeepsTheShareOfDarkAndFlatBlackAndWhiteStayFlat) {
    const std::pair<Dither, bool> methods[] = {{Dither::None, false},
                                               {Dither::Ordered, true},
                                               {Dither::FloydSteinberg, true},
                                               {Dither::Atkinson, false}};
    for (const auto& [method, rowsDiffer] : methods) {
        ConversionSettings settings;
        settings.dither = method;
        EXPECT_EQ(DarkShare(ToneMap(Flat(200, 200, 255), settings)), 0.0);
        EXPECT_EQ(DarkShare(ToneMap(Flat(200, 200, 0), settings)), 1.0);
        if (method == Dither::None) continue;
        // Half way between black and white as a screen shows it.
        const std::vector<std::uint8_t> dark = ToneMap(Flat(200, 200, 128), settings);
        EXPECT_GE(DarkShare(dark), 0.45) << static_cast<int>(method);
        EXPECT_LE(DarkShare(dark), 0.55) << static_cast<int>(method);
        if (!rowsDiffer) continue;
        for (int y = 1; y < 200; ++y)
            EXPECT_FALSE(
                std::equal(dark.begin() + (y - 1) * 200, dark.begin() + y * 200, dark.begin() + y * 200))
                << static_cast<int>(method) << " rows " << y - 1 << " and " << y;
    }
}

TEST(Tone, ThresholdAndInvert) {
    const GreyImage greys = [] {
        GreyImage row(4, 1);
        const std::uint8_t levels[] = {0, 99, 100, 255};
        for (int x = 0; x < 4; ++x) row.At(x, 0) = LinearGrey(levels[x], levels[x], levels[x]);
        return row;
    }();
    ConversionSettings settings;
    settings.threshold = 100;
    EXPECT_EQ(ToneMap(greys, settings), (std::vector<std::uint8_t>{1, 1, 0, 0}));
    settings.invert = true;
    EXPECT_EQ(ToneMap(greys, settings), (std::vector<std::uint8_t>{0, 0, 0, 1}));
    settings = {};
    EXPECT_EQ(ToneMap(greys, settings), (std::vector<std::uint8_t>{1, 1, 1, 0}))
        << "no threshold: the cut at 128";
}

} // namespace
} // namespace gl::tone
