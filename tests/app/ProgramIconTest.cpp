// The program's icon: the figure's colours at known points of the drawing, and the window wearing it.
#include "MainWindowTestSupport.h"

#include "app/IconArt.h"
#include "app/Program.h"

#include "platform/user/Icons.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"

namespace gl::apptest {
namespace {

std::uint32_t Rgba(const std::vector<std::uint8_t>& pixels, int size, int x, int y) {
    const std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * size + x) * 4];
    return static_cast<std::uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

TEST(ProgramIcon, TheFigureAtFullSizeAndItsSoftEdgesWhenSmall) {
    const auto big = DrawIcon(256);
    ASSERT_EQ(big.size(), 256u * 256u * 4u);
    EXPECT_EQ(Rgba(big, 256, 0, 0), 0x00000000u) << "outside the tile";
    EXPECT_EQ(Rgba(big, 256, 20, 128), 0x2B3A67FFu) << "the tile";
    EXPECT_EQ(Rgba(big, 256, 44, 44), 0xF4EFE2FFu) << "the sheet";
    EXPECT_EQ(Rgba(big, 256, 128, 128), 0xC8553DFFu) << "the thread through the middle";
    EXPECT_EQ(Rgba(big, 256, 128, 56), 0x2B3A67FFu) << "the diamond's top cell";
    EXPECT_EQ(Rgba(big, 256, 56, 56), 0xF4EFE2FFu) << "no cell outside the diamond";

    const auto small = DrawIcon(16);
    EXPECT_EQ(Rgba(small, 16, 1, 1), 0x2B3A6730u)
        << "three of the sixteen samples fall inside the rounded corner";
    EXPECT_EQ(Rgba(small, 16, 15, 8), 0x00000000u);
}

TEST_F(MainWindowTest, TheWindowWearsTheProgramsIcon) {
    TF_main& w = Open();
    GiveProgramIcon(w.Handle());
    const auto icon =
        reinterpret_cast<win::HICON>(win::SendMessage(w.Handle(), win::WM_GETICON, win::ICON_BIG, 0));
    int width = 0, height = 0;
    std::vector<std::uint32_t> argb;
    ASSERT_TRUE(win::IconPixels(icon, width, height, argb));
    EXPECT_EQ(width, 48);
    EXPECT_EQ(height, 48);
    EXPECT_EQ(argb[24 * 48 + 24], 0xFFC8553Du);
    EXPECT_EQ(argb[24 * 48 + 6], 0xFF2B3A67u);
    EXPECT_EQ(argb[0], 0x00000000u);
}

} // namespace
} // namespace gl::apptest
