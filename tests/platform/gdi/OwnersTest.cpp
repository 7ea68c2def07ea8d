// The owners of drawing handles: what each lets go at the end of its scope, what a move hands on, and what
// Release keeps alive.
#include "platform/gdi/Owners.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/PensBrushes.h"

#include <gtest/gtest.h>

namespace win {
namespace {

bool Alive(HGDIOBJ object) {
    return GetObjectType(object) != 0;
}

TEST(Owners, AnObjectIsDeletedOnceByWhoeverOwnsItLast) {
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 1, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    {
        UniqueBitmap first(bitmap);
        UniqueBitmap second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), bitmap);
        UniqueGdiObject<HBRUSH> third(brush);
        third = UniqueGdiObject<HBRUSH>();
        EXPECT_FALSE(Alive(brush)) << "assigning over an owner deletes what it held";
        EXPECT_TRUE(Alive(bitmap));
    }
    EXPECT_FALSE(Alive(bitmap)) << "the scope's end deletes the bitmap";

    HBITMAP kept = CreateBitmap(2, 2, 1, 1, nullptr);
    {
        UniqueBitmap owner(kept);
        EXPECT_EQ(owner.Release(), kept);
    }
    EXPECT_TRUE(Alive(kept)) << "a released handle is the caller's";
    EXPECT_TRUE(DeleteObject(kept));
}

TEST(Owners, ASelectedObjectGoesBackOutAtTheScopesEnd) {
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ original = GetCurrentObject(dc, OBJ_BITMAP);
    const UniqueBitmap bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    {
        SelectedObject selected(dc, bitmap.Get());
        EXPECT_TRUE(selected);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap.Get());
        const SelectedObject moved(std::move(selected));
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap.Get()) << "a move puts nothing back";
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), original);
    {
        const SelectedObject nothing(dc, nullptr);
        EXPECT_FALSE(nothing);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), original) << "a null object selects and restores nothing";
    DeleteDC(dc);
}

TEST(Owners, AWindowContextIsGivenBackOnce) {
    WindowDC screen(nullptr);
    ASSERT_TRUE(screen);
    const HDC dc = screen.Get();
    WindowDC moved(std::move(screen));
    EXPECT_FALSE(screen);
    EXPECT_EQ(moved.Get(), dc);
}

} // namespace
} // namespace win
