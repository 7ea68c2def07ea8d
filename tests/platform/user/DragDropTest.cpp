// Files dropped from the desktop: the window under the pointer or its nearest parent that accepts them gets
// WM_DROPFILES, whose handle lists the files in order and where they fell; windows that do not accept files,
// or that a modal window disabled, get nothing.
#include "UserTestSupport.h"

#include "platform/user/DragDrop.h"

using namespace win;
using namespace usertest;

namespace {

class DragDrop : public UserTest {
protected:
    // The drops a window received, as their handles.
    std::vector<HDROP> DropsOf(HWND hwnd) {
        std::vector<HDROP> out;
        for (const Received& r : Log())
            if (r.hwnd == hwnd && r.message == WM_DROPFILES) out.push_back(reinterpret_cast<HDROP>(r.wParam));
        return out;
    }
};

TEST_F(DragDrop, TheNearestAcceptingParentGetsTheFilesInOrderAndWhereTheyFell) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND child = MakeChild(top, 20, 30, 100, 50);
    DragAcceptFiles(top, TRUE);
    EXPECT_EQ(GetWindowLong(top, GWL_EXSTYLE) & LONG(WS_EX_ACCEPTFILES), LONG(WS_EX_ACCEPTFILES));
    Log().clear();
    headless::DropFiles(child, 5, 6, {"/tmp/a picture.png", "/tmp/第二.bmp"});
    EXPECT_TRUE(DropsOf(child).empty());
    const std::vector<HDROP> drops = DropsOf(top);
    ASSERT_EQ(drops.size(), 1u);
    HDROP drop = drops[0];
    EXPECT_EQ(DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0), 2u);
    EXPECT_EQ(DragQueryFile(drop, 1, nullptr, 0), 15u); // bytes of UTF-8, without the zero
    char name[32];
    EXPECT_EQ(DragQueryFile(drop, 0, name, sizeof name), 18u);
    EXPECT_STREQ(name, "/tmp/a picture.png");
    EXPECT_EQ(DragQueryFile(drop, 1, name, 5), 4u); // cut to the buffer, with its zero
    EXPECT_STREQ(name, "/tmp");
    EXPECT_EQ(DragQueryFile(drop, 2, name, sizeof name), 0u);
    DragFinish(drop);
    EXPECT_EQ(DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0), 0u); // freed: no longer a drop

    // A child that takes files itself gets them first.
    DragAcceptFiles(child, TRUE);
    Log().clear();
    headless::DropFiles(child, 5, 6, {"/tmp/x.bmp"});
    ASSERT_EQ(DropsOf(child).size(), 1u);
    EXPECT_TRUE(DropsOf(top).empty());
    DragFinish(DropsOf(child)[0]);
}

TEST_F(DragDrop, WindowsThatDoNotAcceptOrAreDisabledGetNothing) {
    HWND top = MakeTop(0, 0, 300, 200);
    DragAcceptFiles(top, TRUE);
    DragAcceptFiles(top, FALSE);
    EXPECT_EQ(GetWindowLong(top, GWL_EXSTYLE) & LONG(WS_EX_ACCEPTFILES), 0);
    Log().clear();
    headless::DropFiles(top, 10, 10, {"/tmp/x.bmp"});
    EXPECT_TRUE(DropsOf(top).empty());
    DragAcceptFiles(top, TRUE);
    EnableWindow(top, FALSE);
    headless::DropFiles(top, 10, 10, {"/tmp/x.bmp"});
    EXPECT_TRUE(DropsOf(top).empty());
    EnableWindow(top, TRUE);
    headless::DropFiles(top, 10, 10, {});
    EXPECT_TRUE(DropsOf(top).empty()); // a drop of nothing is no drop
    headless::DropFiles(top, 10, 10, {"/tmp/x.bmp"});
    ASSERT_EQ(DropsOf(top).size(), 1u);
    DragFinish(DropsOf(top)[0]);
}

} // namespace
