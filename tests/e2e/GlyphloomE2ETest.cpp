// The desktop program end to end: glyphloom on its own X server (Xvfb), its convert button clicked with
// xdotool, the output view's text copied through the real clipboard and compared with glyphloom-convert's
// lines, and a screenshot kept in the build folder; a picture chosen in the import dialog, seen in its
// preview, opened and converted the same way.
#include "DesktopTest.h"

#include "support/BmpWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace gl::e2e {
namespace {

using proctest::Child;
using proctest::ReadFile;
using proctest::Rgb;
using proctest::RunResult;
using proctest::Screenshot;

const std::string kConvert = GLYPHLOOM_CONVERT;
const std::string kStartupSample = GLYPHLOOM_STARTUP_SAMPLE;
const std::string kDefaultBanner = "Tarnwick<QQ群号3164825>";

// Places in the window's client area (the real window is created at the client size).
constexpr int kConvertX = 232 + 37, kConvertY = 90 + 12; // the middle of the convert button
constexpr int kMemoX = 290, kMemoY = 250;                // inside the output view
constexpr int kBannerX = 8 + 64, kBannerY = 4 + 62;      // the banner's corner: group box + its place there
constexpr int kFaceX = 220, kFaceY = 120;                // the top band's plain face, under the input group
// The font box (108 x 22) in the output group, its arrow, and its open list: a one-pixel border, rows of 16.
constexpr int kFontBoxX = 392 + 48, kFontBoxY = 2 + 60;
constexpr int kFontArrowX = kFontBoxX + 97, kFontArrowY = kFontBoxY + 10;
constexpr int kGlyphFieldX = 392 + 14, kGlyphFieldY = 2 + 34; // the glyph string field, 65 x 20
constexpr int kListX = kFontBoxX + 1, kListY = kFontBoxY + 22 + 1, kListWidth = 106, kRow = 16;
constexpr int kImportX = 8 + 309 + 28, kImportY = 4 + 12 + 12; // the middle of the import button
// Places in the open-file dialog's client area: the file name field, the list's first item, and where a
// 64 x 48 picture shows in the preview pane (stretched to 152 x 114 and centred in its 152 x 221 box).
constexpr int kFieldX = 200, kFieldY = 215;
constexpr int kFirstItemX = 60, kFirstItemY = 50;
constexpr int kPreviewLeft = 438, kPreviewTop = 88, kPreviewRight = 590, kPreviewBottom = 202;

// A picture whose text with the program's glyphs is about 100 MB.
constexpr int kLargeWidth = 6700, kLargeHeight = 5000;

// A 64 x 48 bitmap file, 24 bits a pixel, magenta with a black left half of its top row.
void WritePicture(const std::string& path) {
    std::ofstream(path, std::ios::binary) << bmptest::Bmp24(64, 48, [](int x, int y) {
        return y == 0 && x < 32 ? bmptest::Bgr(0, 0, 0) : bmptest::Bgr(255, 0, 255);
    });
}

std::string Normalized(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// The first line on which `a` and `b` differ, for a readable failure.
std::string FirstDifference(const std::string& a, const std::string& b) {
    const std::vector<std::string> la = Lines(a + "\n"), lb = Lines(b + "\n");
    for (std::size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const std::string x = i < la.size() ? la[i] : "<none>", y = i < lb.size() ? lb[i] : "<none>";
        if (x != y) return "line " + std::to_string(i + 1) + ":\n  \"" + x + "\"\n  \"" + y + "\"";
    }
    return "no line differs";
}

class GlyphloomE2E : public DesktopTest {
protected:
    // Starts the program on a desktop with these tools, its standard error into the artifacts folder under
    // `logName`. Afterwards, when `DesktopReady()`, m_window is its main window and m_log its error output.
    void Launch(std::initializer_list<const char*> tools, const std::string& logName) {
        StartDesktop(tools);
        if (!DesktopReady()) return;
        m_log = kArtifacts + "/" + logName;
        m_window = StartProgram(m_program, m_log);
        ASSERT_FALSE(m_window.empty()) << "no window appeared; the program said:\n" << ReadFile(m_log);
    }

    // Everything in the output view, copied out as a user does: a click into it, Ctrl+A, Ctrl+C.
    std::string CopyOutputView() {
        const bool done =
            Click(m_window, kMemoX, kMemoY) && Xdotool({"key", "ctrl+a", "key", "ctrl+c"}).exitCode == 0;
        return done ? ReadClipboard() : std::string();
    }

    Child m_program; // after the X server: it ends first
    std::string m_window, m_log;
};

TEST_F(GlyphloomE2E, ConvertedArtReachesTheClipboardAsTheConverterWritesIt) {
    Launch({"Xvfb", "xdotool", "xclip", "import"}, "glyphloom-stderr.txt");
    if (!DesktopReady()) return;
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(WindowOrigin(m_window, x, y, width, height));
    EXPECT_EQ(width, 580);
    EXPECT_EQ(height, 383);
    EXPECT_EQ(x, (1024 - 588) / 2 + 4) << "centred on the screen, inside the frame the desktop would draw";
    EXPECT_EQ(y, (768 - 410) / 2 + 4 + 19);

    ASSERT_TRUE(Click(m_window, kConvertX, kConvertY));
    // The conversion runs inside the click; the screenshot waits for the picture's lines to be painted.
    Pause(500);
    const std::string shot = kArtifacts + "/glyphloom-after-convert";
    ASSERT_EQ(Tool({"import", "-window", "root", shot + ".png"}).exitCode, 0);
    ASSERT_TRUE(Shoot(shot + ".ppm"));

    const std::string copied = CopyOutputView();
    EXPECT_TRUE(m_program.Running()) << "the program ended; it said:\n" << ReadFile(m_log);

    const RunResult converted = proctest::Run({kConvert}, 20000);
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    const std::string expected = Normalized(ReadFile(kStartupSample) + converted.out);
    ASSERT_FALSE(copied.empty()) << "nothing came through the clipboard";
    EXPECT_EQ(Lines(Normalized(copied) + "\n").size(), Lines(expected + "\n").size());
    EXPECT_TRUE(Normalized(copied) == expected) << FirstDifference(Normalized(copied), expected);

    // The screenshot: the window's button face, and the banner's text exactly where the converter finds the
    // banner's black pixels.
    const Screenshot screen(shot + ".ppm");
    ASSERT_TRUE(screen.Valid());
    EXPECT_EQ(screen.At(x + kFaceX, y + kFaceY), (Rgb{240, 240, 240}));
    const RunResult banner = proctest::Run({kConvert, "--glyph", "#", "--text", kDefaultBanner}, 20000);
    ASSERT_EQ(banner.exitCode, 0) << banner.err;
    const std::vector<std::string> rows = Lines(banner.out);
    int black = 0, wrong = 0;
    std::string firstWrong;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t col = 0; col < rows[row].size(); ++col) {
            const bool dark = rows[row][col] == '#';
            const Rgb pixel =
                screen.At(x + kBannerX + static_cast<int>(col), y + kBannerY + static_cast<int>(row));
            const bool shownBlack = pixel == Rgb{0, 0, 0};
            black += dark;
            if (dark != shownBlack && wrong++ == 0)
                firstWrong = "banner pixel (" + std::to_string(col) + ", " + std::to_string(row) + ")";
        }
    }
    EXPECT_GT(black, 100);
    EXPECT_EQ(wrong, 0) << firstWrong;
    std::remove((shot + ".ppm").c_str());
}

TEST_F(GlyphloomE2E, AFontChosenInTheFontBoxHeadsItsListTheNextTimeItOpens) {
    Launch({"Xvfb", "xdotool", "import"}, "glyphloom-fontbox-stderr.txt");
    if (!DesktopReady()) return;
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(WindowOrigin(m_window, x, y, width, height));

    // At rest the flat button is only its arrow on the window colour; under the pointer (over the box's
    // text, not its button) it shows its face and its shadow.
    const std::string resting = kArtifacts + "/glyphloom-fontbox-resting.ppm";
    const std::string hovered = kArtifacts + "/glyphloom-fontbox-hovered.ppm";
    ASSERT_TRUE(Shoot(resting));
    ASSERT_TRUE(PointAt(m_window, kFontBoxX + 40, kFontBoxY + 10));
    Pause(400);
    ASSERT_TRUE(Shoot(hovered));
    {
        const Screenshot rest(resting), hot(hovered);
        ASSERT_TRUE(rest.Valid() && hot.Valid());
        EXPECT_EQ(rest.At(x + kFontBoxX + 90, y + kFontBoxY + 3), (Rgb{255, 255, 255}));
        EXPECT_EQ(hot.At(x + kFontBoxX + 90, y + kFontBoxY + 3), (Rgb{240, 240, 240}));
        EXPECT_EQ(hot.At(x + kFontBoxX + 105, y + kFontBoxY + 18), (Rgb{160, 160, 160}));
    }
    std::remove(resting.c_str());
    std::remove(hovered.c_str());

    // Open the list and point at its sixth row, which the pointer highlights.
    const int rowY = kListY + 5 * kRow + kRow / 2;
    ASSERT_TRUE(Click(m_window, kFontArrowX, kFontArrowY));
    ASSERT_TRUE(WaitForShownWindows(m_program, 2)) << "the list did not open";
    Pause(400);
    // Its first paint is whole before the pointer comes near it: the list's white, not a black square.
    const std::string opened = kArtifacts + "/glyphloom-fontbox-opened.ppm";
    ASSERT_TRUE(Shoot(opened));
    const Screenshot firstPaint(opened);
    ASSERT_TRUE(firstPaint.Valid());
    int blackOnOpening = 0;
    for (int row = 0; row < 5 * kRow; ++row)
        for (int col = 0; col < kListWidth; ++col)
            blackOnOpening += firstPaint.At(x + kListX + col, y + kListY + row) == Rgb{0, 0, 0};
    EXPECT_LT(blackOnOpening, kListWidth * 5 * kRow / 4);
    std::remove(opened.c_str());
    ASSERT_TRUE(PointAt(m_window, kListX + 40, rowY));
    Pause(400);
    const std::string first = kArtifacts + "/glyphloom-fontbox-first.ppm";
    ASSERT_TRUE(Shoot(first));
    // Choose it, then open the list again without touching it.
    ASSERT_EQ(Xdotool({"click", "1"}).exitCode, 0);
    ASSERT_TRUE(WaitForShownWindows(m_program, 1)) << "the list did not close";
    ASSERT_TRUE(Click(m_window, kFontArrowX, kFontArrowY));
    ASSERT_TRUE(WaitForShownWindows(m_program, 2)) << "the list did not open";
    Pause(400);
    const std::string again = kArtifacts + "/glyphloom-fontbox-again.ppm";
    ASSERT_TRUE(Shoot(again));
    ASSERT_EQ(Xdotool({"key", "Escape"}).exitCode, 0);
    ASSERT_TRUE(WaitForShownWindows(m_program, 1)) << "the list did not close";
    // A key no font's name starts with beeps (a tone, or a flash where no sound can come out), quietly.
    ASSERT_EQ(Xdotool({"key", "z"}).exitCode, 0);
    // The keyboard came back to the window with the list gone: typed letters show in the glyph string field
    // (right of "Kiv" and the caret there was nothing dark before).
    ASSERT_TRUE(Click(m_window, kGlyphFieldX + 50, kGlyphFieldY + 10));
    ASSERT_EQ(Xdotool({"key", "End", "type", "WWW"}).exitCode, 0);
    Pause(300);
    const std::string typed = kArtifacts + "/glyphloom-fontbox-typed.ppm";
    ASSERT_TRUE(Shoot(typed));
    EXPECT_TRUE(m_program.Running()) << "the program ended; it said:\n" << ReadFile(m_log);
    m_program.Stop();
    EXPECT_EQ(ReadFile(m_log), "");
    {
        const Screenshot field(typed);
        ASSERT_TRUE(field.Valid());
        int dark = 0;
        for (int row = 3; row < 17; ++row)
            for (int col = 26; col < 62; ++col)
                dark += field.At(x + kGlyphFieldX + col, y + kGlyphFieldY + row) == Rgb{0, 0, 0};
        EXPECT_GT(dark, 20) << "nothing typed reached the field";
    }
    std::remove(typed.c_str());

    // The chosen entry now heads the list, drawn as it was under the pointer (highlighted, with its dotted
    // border), and the line under it closes the section of recently used fonts.
    const Screenshot before(first), after(again);
    ASSERT_TRUE(before.Valid() && after.Valid());
    int differing = 0, black = 0;
    for (int row = 0; row < kRow - 1; ++row)
        for (int col = 0; col < kListWidth; ++col) {
            const Rgb chosen = before.At(x + kListX + col, y + kListY + 5 * kRow + row);
            const Rgb top = after.At(x + kListX + col, y + kListY + row);
            differing += chosen != top;
            black += top == Rgb{0, 0, 0};
        }
    EXPECT_EQ(differing, 0);
    EXPECT_LT(black, kListWidth * (kRow - 1) / 2) << "the list showed black where the entry should be";
    EXPECT_EQ(after.At(x + kListX + 60, y + kListY + kRow - 1), (Rgb{0, 0, 0}));
    EXPECT_EQ(after.At(x + kListX + 60, y + kListY + 2 * kRow - 1), (Rgb{255, 255, 255}));
    std::remove(first.c_str());
    std::remove(again.c_str());
}

// The output view's edit menu with the mouse and its access keys, in Chinese: Select All, then (right-click
// again) Copy puts the whole view on the desktop's clipboard.
TEST_F(GlyphloomE2E, TheEditMenuSelectsAllAndCopiesTheView) {
    m_locale = "zh_CN.UTF-8";
    Launch({"Xvfb", "xdotool", "xclip"}, "glyphloom-menu-stderr.txt");
    if (!DesktopReady()) return;
    // 全选(A), then 复制(C), each from a menu opened by the right button.
    for (const char* key : {"a", "c"}) {
        ASSERT_TRUE(Click(m_window, kMemoX, kMemoY, 3));
        ASSERT_TRUE(WaitForShownWindows(m_program, 2)) << "the menu did not open";
        ASSERT_EQ(Xdotool({"key", key}).exitCode, 0);
        ASSERT_TRUE(WaitForShownWindows(m_program, 1)) << "the menu did not close";
    }
    const std::string copied = ReadClipboard();
    EXPECT_TRUE(m_program.Running()) << "the program ended; it said:\n" << ReadFile(m_log);
    ASSERT_FALSE(copied.empty()) << "nothing came through the clipboard";
    EXPECT_TRUE(Normalized(copied) == Normalized(ReadFile(kStartupSample)))
        << FirstDifference(Normalized(copied), Normalized(ReadFile(kStartupSample)));
}

// A result of about 100 MB goes to the desktop's clipboard whole, with LF line ends, and as much comes in by
// the middle button from another program's primary selection; the program lives on throughout.
TEST_F(GlyphloomE2E, AHundredMegabyteResultCopiesOutAndAsMuchPastesBackIn) {
    StartDesktop({"Xvfb", "xdotool", "xclip"});
    if (!DesktopReady()) return;
    const std::string folder = MakeFolder("glyphloom-e2e-large");
    ASSERT_FALSE(folder.empty());
    // A two-colour picture of stripes and blocks, stored with a bit a pixel.
    bmptest::BmpRecipe recipe;
    recipe.width = kLargeWidth;
    recipe.height = kLargeHeight;
    recipe.bitCount = 1;
    recipe.colors = {{0, 0, 0}, {255, 255, 255}};
    recipe.pixels = bmptest::PackRows(kLargeWidth, kLargeHeight, 1, false,
                                      [](int x, int y) { return (x / 7 + y / 5) % 3 == 0 ? 0u : 1u; });
    const std::string picture = folder + "/large.bmp";
    std::ofstream(picture, std::ios::binary) << bmptest::MakeBmp(recipe);
    m_log = kArtifacts + "/glyphloom-large-stderr.txt";
    m_window = StartProgram(m_program, m_log, {picture});
    ASSERT_FALSE(m_window.empty()) << "no window appeared; the program said:\n" << ReadFile(m_log);

    const RunResult converted = proctest::Run({kConvert, picture}, 60000);
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    ASSERT_TRUE(Click(m_window, kConvertX, kConvertY));
    const bool keyed =
        Click(m_window, kMemoX, kMemoY) && Xdotool({"key", "ctrl+a", "key", "ctrl+c"}).exitCode == 0;
    ASSERT_TRUE(keyed);
    const std::string copied = ReadClipboard(60);
    ASSERT_TRUE(m_program.Running()) << "the program ended; it said:\n" << ReadFile(m_log);
    EXPECT_GT(copied.size(), 100'000'000u);
    EXPECT_EQ(copied.find('\r'), std::string::npos);
    EXPECT_TRUE(Normalized(copied) == Normalized(ReadFile(kStartupSample) + converted.out))
        << FirstDifference(Normalized(copied), Normalized(ReadFile(kStartupSample) + converted.out));

    // Another program's text of about the same size, offered as the primary selection, pasted into the view
    // with the middle button where the pointer is, and the whole view copied out again.
    const std::string pasted = folder + "/pasted.txt";
    {
        std::ofstream out(pasted, std::ios::binary);
        for (int row = 0; out && row < 1'000'000; ++row)
            out << "row " << row << std::string(90 - std::to_string(row).size(), '~') << "\n";
    }
    const std::string offered = ReadFile(pasted);
    ASSERT_EQ(offered.size(), 95'000'000u);
    ASSERT_EQ(Tool({"xclip", "-i", "-selection", "primary", pasted}).exitCode, 0);
    ASSERT_TRUE(Click(m_window, kMemoX, kMemoY, 2));
    ASSERT_EQ(Xdotool({"key", "ctrl+a", "key", "ctrl+c"}).exitCode, 0);
    std::string again = ReadClipboard(60, copied);
    ASSERT_TRUE(m_program.Running()) << "the program ended; it said:\n" << ReadFile(m_log);
    ASSERT_EQ(again.size(), copied.size() + offered.size());
    const std::size_t at = again.find(offered);
    ASSERT_NE(at, std::string::npos) << "the pasted text is not in the view whole";
    EXPECT_TRUE(again.erase(at, offered.size()) == copied) << FirstDifference(again, copied);
    m_program.Stop();
}

TEST_F(GlyphloomE2E, APictureChosenInTheImportDialogShowsInItsPreviewAndConvertsAsTheConverterDoes) {
    // The dialog is found by its English caption.
    m_locale = "C.UTF-8";
    Launch({"Xvfb", "xdotool", "xclip", "import"}, "glyphloom-dialog-stderr.txt");
    if (!DesktopReady()) return;
    const std::string folder = MakeFolder("glyphloom-e2e-dialog"), picture = folder + "/picture.bmp";
    ASSERT_FALSE(folder.empty());
    WritePicture(picture);
    ASSERT_TRUE(Click(m_window, kImportX, kImportY));
    const std::string dialog = FindWindow("^Open$");
    ASSERT_FALSE(dialog.empty()) << "the import button opened no dialog; the program said:\n"
                                 << ReadFile(m_log);
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(WindowOrigin(dialog, x, y, width, height));
    EXPECT_EQ(width, 598);
    EXPECT_EQ(height, 264);

    // Into the picture's folder through the name field, then the picture selected in the list.
    ASSERT_TRUE(Click(dialog, kFieldX, kFieldY));
    ASSERT_EQ(Xdotool({"key", "ctrl+a", "type", folder}).exitCode, 0);
    ASSERT_EQ(Xdotool({"key", "Return"}).exitCode, 0);
    // The list may still be filling: the first item is clicked until the preview shows a picture (5 s).
    const std::string shot = kArtifacts + "/glyphloom-picture-dialog";
    for (int attempt = 0; attempt < 10; ++attempt) {
        Pause(500);
        ASSERT_TRUE(Click(dialog, kFirstItemX, kFirstItemY));
        Pause(300);
        ASSERT_TRUE(Shoot(shot + ".ppm"));
        if (Screenshot(shot + ".ppm").At(x + kPreviewLeft + 10, y + kPreviewTop + 60) == Rgb{255, 0, 255})
            break;
    }
    const Screenshot screen(shot + ".ppm");
    ASSERT_TRUE(screen.Valid());
    // The picture's magenta fills exactly its place in the preview pane, nowhere else on the dialog.
    int magenta = 0, outside = 0;
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < width; ++px) {
            if (screen.At(x + px, y + py) != Rgb{255, 0, 255}) continue;
            ++magenta;
            outside += px < kPreviewLeft || px >= kPreviewRight || py < kPreviewTop || py >= kPreviewBottom;
        }
    EXPECT_GT(magenta, (kPreviewRight - kPreviewLeft) * (kPreviewBottom - kPreviewTop) * 9 / 10);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(screen.At(x + kPreviewLeft + 10, y + kPreviewTop + 60), (Rgb{255, 0, 255}));
    // The black half row stays the top left: the picture is neither flipped nor mirrored.
    EXPECT_EQ(screen.At(x + kPreviewLeft + 10, y + kPreviewTop), (Rgb{0, 0, 0}));
    EXPECT_EQ(screen.At(x + kPreviewRight - 10, y + kPreviewTop), (Rgb{255, 0, 255}));
    std::remove((shot + ".ppm").c_str());

    // Open, convert, and copy the output view.
    ASSERT_EQ(Xdotool({"key", "Return"}).exitCode, 0);
    Pause(300);
    ASSERT_TRUE(Click(m_window, kConvertX, kConvertY));
    Pause(300);
    const std::string copied = CopyOutputView();
    EXPECT_TRUE(m_program.Running()) << "the program ended; it said:\n" << ReadFile(m_log);
    const RunResult converted = proctest::Run({kConvert, picture}, 20000);
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    const std::string expected = Normalized(ReadFile(kStartupSample) + converted.out);
    ASSERT_FALSE(copied.empty()) << "nothing came through the clipboard";
    EXPECT_EQ(Lines(Normalized(copied) + "\n").size(), Lines(expected + "\n").size());
    EXPECT_TRUE(Normalized(copied) == expected) << FirstDifference(Normalized(copied), expected);
    m_program.Stop();
}

} // namespace
} // namespace gl::e2e
