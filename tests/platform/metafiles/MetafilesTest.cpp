// Playing metafiles into a context: what the drawing calls accept, the metafile's own mapping, arcs, and
// records that lie about their sizes or their objects: passed over or the end of playing, never a crash, a
// leak or a context left changed.
#include "platform/gdi/DrawingCanvas.h"
#include "support/MetafileBuilder.h"

#include "platform/gdi/PensBrushes.h"
#include "platform/metafiles/Metafiles.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

namespace win::test {
namespace {

using gl::bmptest::Bytes;
using gl::bmptest::EmfBuilder;
using gl::bmptest::WmfBuilder;

constexpr COLORREF kRed = RGB(255, 0, 0);

// Plays the bytes (enhanced, or old-style for a picture of 20 x 20 pixels) over the whole canvas.
void Play(Canvas& canvas, const std::string& bytes, bool enhanced, int size = 20) {
    const auto* data = reinterpret_cast<const BYTE*>(bytes.data());
    HENHMETAFILE metafile;
    if (enhanced) {
        metafile = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), data);
    } else {
        METAFILEPICT picture;
        picture.xExt = picture.yExt = size * 2540 / 96;
        metafile = SetWinMetaFileBits(static_cast<UINT>(bytes.size()) - 22, data + 22, nullptr, &picture);
    }
    ASSERT_NE(metafile, nullptr);
    const RECT whole{0, 0, size, size};
    EXPECT_TRUE(PlayEnhMetaFile(canvas.dc, metafile, &whole));
    EXPECT_TRUE(DeleteEnhMetaFile(metafile));
}

std::size_t LiveObjects() {
    return GdiObjects().Count();
}

TEST(Metafiles, RefusesHeadersThatDoNotAgreeWithTheData) {
    const std::string good = EmfBuilder().Finish(2540, 2540, 1);
    std::string wrongTotal = good, wrongSignature = good;
    wrongTotal[48] = 4;
    wrongSignature[40] = 'X';
    for (const std::string& bad : {wrongTotal, wrongSignature, good.substr(0, 80)}) {
        SetLastError(0);
        EXPECT_EQ(
            SetEnhMetaFileBits(static_cast<UINT>(bad.size()), reinterpret_cast<const BYTE*>(bad.data())),
            nullptr);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA);
    }
    const std::string old = WmfBuilder().Finish(20, 20, 96, 1).substr(22);
    EXPECT_EQ(SetWinMetaFileBits(10, reinterpret_cast<const BYTE*>(old.data()), nullptr, nullptr), nullptr);
    std::string longer = old;
    longer[6] = 100; // says 100 words, holds 12
    EXPECT_EQ(SetWinMetaFileBits(static_cast<UINT>(longer.size()),
                                 reinterpret_cast<const BYTE*>(longer.data()), nullptr, nullptr),
              nullptr);

    HENHMETAFILE metafile =
        SetEnhMetaFileBits(static_cast<UINT>(good.size()), reinterpret_cast<const BYTE*>(good.data()));
    ASSERT_NE(metafile, nullptr);
    EXPECT_TRUE(DeleteEnhMetaFile(metafile));
    Canvas canvas(4, 4);
    const RECT r{0, 0, 4, 4};
    EXPECT_FALSE(PlayEnhMetaFile(canvas.dc, metafile, &r)); // stale
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Metafiles, TheMetafilesOwnMappingAndArcs) {
    Canvas canvas(20, 20);
    EmfBuilder emf;
    emf.Record(17, Bytes().U32(MM_ANISOTROPIC)).Record(9, Bytes().I32(200).I32(200)); // window extent
    emf.Record(11, Bytes().I32(20).I32(20));                                          // viewport extent
    emf.Box(43, 20, 20, 100, 60);                                                     // rectangle
    emf.CreateBrush(1, kRed).SelectObject(1).Record(37, Bytes().U32(0x80000008));     // null pen
    // A pie of the box (100, 0, 200, 100), counter-clockwise from 0 to 90 degrees: its top right quarter.
    emf.Record(47, Bytes().I32(100).I32(0).I32(200).I32(100).I32(200).I32(50).I32(150).I32(0));
    Play(canvas, emf.Finish(529, 529, 2), true); // 20 pixels of the reference
    EXPECT_EQ(canvas.Picture({{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}}).substr(0, 21 * 8),
              Rows({"....................", "...............rrrr.", "..########.....rrrrr",
                    "..#......#.....rrrrr", "..#......#.....rrrrr", "..########..........",
                    "....................", "...................."}));
}

TEST(Metafiles, RecordsThatLieAreSkippedAndTheContextIsLeftAsItWas) {
    Canvas canvas(20, 20);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    HGDIOBJ before = SelectObject(canvas.dc, pen);
    SetTextColor(canvas.dc, RGB(1, 2, 3));
    const std::size_t objects = LiveObjects();

    EmfBuilder emf;
    emf.Record(200, Bytes().U32(7));                              // unknown: passed over
    emf.Record(4, Bytes().I32(0).I32(0).I32(9).I32(9).U32(1000)); // a polyline without its points
    emf.CreatePen(60000, 0, 1, kRed).SelectObject(60000);         // beyond the table
    emf.CreatePen(1, 0, 1, kRed).SelectObject(1).CreateBrush(2, kRed).SelectObject(2);
    emf.Record(24, Bytes().U32(RGB(9, 9, 9))).Record(33, Bytes()).Record(33, Bytes()); // left saved
    emf.Record(34, Bytes().I32(-5)).Record(34, Bytes().I32(7)); // restores beyond what was saved
    emf.Box(43, 2, 2, 6, 6);
    std::string bytes = emf.Finish(529, 529, 3);
    Play(canvas, bytes, true);
    EXPECT_EQ(canvas.At(2, 2), kRed);
    EXPECT_EQ(canvas.At(3, 3), kRed);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), pen);
    EXPECT_EQ(GetTextColor(canvas.dc), RGB(1, 2, 3));
    EXPECT_EQ(LiveObjects(), objects); // what the metafile left selected and undeleted is gone

    // A record of size 0 or past the end ends the playing; nothing after it is drawn.
    for (std::uint32_t size : {0u, 4000u}) {
        Canvas clean(20, 20);
        std::string cut = EmfBuilder()
                              .Record(43, Bytes().I32(10).I32(10).I32(12).I32(12))
                              .Box(43, 2, 2, 6, 6)
                              .Finish(529, 529, 1);
        cut[108 + 4] = static_cast<char>(size & 0xFF);
        cut[108 + 5] = static_cast<char>(size >> 8);
        Play(clean, cut, true);
        EXPECT_EQ(clean.At(2, 2), kWhite);
        EXPECT_EQ(clean.At(10, 10), kWhite);
    }
    SelectObject(canvas.dc, before);
    DeleteObject(pen);
}

TEST(Metafiles, OldStyleTableIsBoundedAndCutRecordsEndThePlaying) {
    Canvas canvas(20, 20);
    const std::size_t objects = LiveObjects();
    WmfBuilder wmf;
    wmf.CreateBrush(0, kRed).CreateBrush(0, kBlack).CreateBrush(0, kBlack); // one slot: the rest dropped
    wmf.Words(0x012D, {0}).Words(0x012D, {1});                              // the second never made
    wmf.Words(0x0324, {50, 1, 1});                                          // 50 points, one given
    wmf.Words(0x041B, {6, 6, 2, 2});                                        // rectangle
    wmf.Words(0x041B, {14, 14, 10, 10}).Words(0x041B, {18, 18, 16, 16});
    std::string bytes = wmf.Finish(20, 20, 96, 1);
    // The next to last rectangle says it runs past the end of the data.
    const std::size_t last = bytes.size() - 6 - 14 - 14;
    bytes[last] = 60;
    Play(canvas, bytes, false);
    EXPECT_EQ(canvas.At(3, 3), kRed);
    EXPECT_EQ(canvas.At(2, 2), kBlack);
    EXPECT_EQ(canvas.At(11, 11), kWhite);
    EXPECT_EQ(canvas.At(17, 17), kWhite);
    EXPECT_EQ(LiveObjects(), objects);
}

} // namespace
} // namespace win::test
