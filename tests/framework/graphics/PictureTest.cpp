// The picture container: loading by extension, failed loads, assignment both ways (the assign-to table),
// forcing a bitmap, the format registries and dialog filters, and the stored form.
#include "PictureTestSupport.h"

#include "framework/core/MessageTexts.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/GraphicsFormats.h"
#include "framework/graphics/GraphicsIcon.h"
#include "framework/graphics/GraphicsMetafile.h"
#include "framework/graphics/GraphicsPicture.h"

#include <gtest/gtest.h>

namespace gl::bmptest {
namespace {

std::string SmallBitmap(int width = 3, int height = 2) {
    return Rgb24File(width, height, [](int x, int) { return x % 2 ? 0xFFFFFFu : 0u; });
}

std::string SmallIcon() {
    IconImageSpec image;
    image.value = [](int, int) { return 0xFF0000u; };
    image.transparent = [](int x, int) { return x < 8; };
    return IconFile({image});
}

// A picture that counts its change announcements.
struct CountedPicture {
    CountedPicture() {
        picture.OnChange = [this](TObject*) { ++changes; };
    }
    TPicture picture;
    int changes = 0;
};

TEST(PictureLoad, ChoosesTheClassByExtensionInAnyCase) {
    TempFolder folder;
    for (const char* name : {"a.bmp", "b.BMP", "c.Bmp"}) {
        SCOPED_TRACE(name);
        CountedPicture p;
        p.picture.LoadFromFile(folder.Write(name, SmallBitmap()));
        ASSERT_NE(dynamic_cast<TBitmap*>(p.picture.Graphic()), nullptr);
        EXPECT_EQ(p.picture.Width(), 3);
        EXPECT_EQ(p.changes, 1);
    }
    TPicture picture;
    picture.LoadFromFile(folder.Write("d.ICO", SmallIcon()));
    EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
    picture.LoadFromFile(folder.Write("e.wmf", EnhancedMetafile(2540, 2540))); // the content decides the kind
    ASSERT_NE(dynamic_cast<TMetafile*>(picture.Graphic()), nullptr);
    EXPECT_TRUE(static_cast<TMetafile*>(picture.Graphic())->Enhanced());
}

TEST(PictureLoad, UnknownExtensionsFailWithoutOpeningTheFile) {
    TempFolder folder;
    CountedPicture p;
    p.picture.LoadFromFile(folder.Write("keep.bmp", SmallBitmap()));
    TGraphic* kept = p.picture.Graphic();
    // None of these files exists: only the extension is looked at.
    const std::pair<std::string, std::string> cases[] = {{"photo.jpg", "jpg"},
                                                         {"PHOTO.JPG", "JPG"},
                                                         {"noextension", ""},
                                                         {"folder.d/file", ""},
                                                         {"trailing.", ""}};
    for (const auto& [name, shown] : cases) {
        SCOPED_TRACE(name);
        const std::string path = folder.Path(name); // bindings cannot be captured everywhere yet
        ExpectError<EInvalidGraphic>([&] { p.picture.LoadFromFile(path); },
                                     "Unknown picture file extension (." + shown + ")");
    }
    EXPECT_EQ(p.picture.Graphic(), kept);
    EXPECT_EQ(p.changes, 1);
}

TEST(PictureLoad, FailedLoadsKeepTheOldPictureAndAnnounceNothing) {
    TempFolder folder;
    CountedPicture p;
    p.picture.LoadFromFile(folder.Write("good.bmp", SmallBitmap(5, 4)));
    TGraphic* kept = p.picture.Graphic();

    const std::string missing = folder.Path("missing.bmp");
    try {
        p.picture.LoadFromFile(missing);
        ADD_FAILURE() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << e.Message();
    }
    std::string notBitmap = SmallBitmap();
    notBitmap[1] = 'X';
    ExpectError<EInvalidGraphic>([&] { p.picture.LoadFromFile(folder.Write("bad.bmp", notBitmap)); },
                                 "Bitmap image is not valid");
    ExpectError<EReadError>([&] { p.picture.LoadFromFile(folder.Write("short.bmp", "BM")); },
                            "Stream read error");
    ExpectError<EInvalidGraphic>(
        [&] { p.picture.LoadFromFile(folder.Write("bad.ico", std::string("\0\0\2\0\1\0", 6))); },
        "Icon image is not valid");
    ExpectError<EInvalidGraphic>(
        [&] { p.picture.LoadFromFile(folder.Write("bad.emf", std::string(200, 'x'))); },
        "Metafile is not valid");
    EXPECT_EQ(p.picture.Graphic(), kept);
    EXPECT_EQ(p.picture.Width(), 5);
    EXPECT_EQ(p.changes, 1);

    // A bitmap file of no bytes at all is an empty bitmap, not an error.
    p.picture.LoadFromFile(folder.Write("empty.bmp", ""));
    ASSERT_NE(dynamic_cast<TBitmap*>(p.picture.Graphic()), nullptr);
    EXPECT_TRUE(p.picture.Graphic()->Empty());
    EXPECT_EQ(p.changes, 2);
}

TEST(PictureAssign, AssigningAPictureToABitmapByWhatItHolds) {
    TBitmap source;
    LoadBytes(source, SmallBitmap());
    TPicture holdsBitmap;
    holdsBitmap.SetGraphic(&source);
    TBitmap bitmap;
    bitmap.Assign(&holdsBitmap);
    EXPECT_EQ(&bitmap.Image(), &source.Image()); // shared, not copied

    TPicture empty;
    TIcon icon;
    LoadBytes(bitmap, SmallBitmap()); // an image of its own, to see that the failures below keep it
    TStringStream iconBytes(SmallIcon());
    icon.LoadFromStream(iconBytes);
    TPicture holdsIcon;
    holdsIcon.SetGraphic(&icon);
    TMetafile metafile;
    TStringStream metafileBytes(PlaceableMetafile(100, 50, 96));
    metafile.LoadFromStream(metafileBytes);
    TPicture holdsMetafile;
    holdsMetafile.SetGraphic(&metafile);
    for (TPicture* picture : {&empty, &holdsIcon, &holdsMetafile}) {
        ExpectError<EConvertError>([&] { bitmap.Assign(picture); }, "Cannot assign a TPicture to a TBitmap");
        EXPECT_EQ(bitmap.Width(), 3);
    }
    ExpectError<EConvertError>([&] { bitmap.Assign(&metafile); }, "Cannot assign a TMetafile to a TBitmap");
    // An icon picture gives itself to an icon.
    TIcon other;
    other.Assign(&holdsIcon);
    EXPECT_EQ(&other.Image(), &static_cast<TIcon*>(holdsIcon.Graphic())->Image());
}

TEST(PictureAssign, APictureHoldsItsOwnGraphicSharingTheImage) {
    TBitmap bitmap;
    LoadBytes(bitmap, SmallBitmap());
    CountedPicture p;
    p.picture.Assign(&bitmap);
    EXPECT_EQ(p.changes, 1);
    auto* held = dynamic_cast<TBitmap*>(p.picture.Graphic());
    ASSERT_NE(held, nullptr);
    EXPECT_NE(held, &bitmap);
    EXPECT_EQ(&held->Image(), &bitmap.Image());

    // Changing the bitmap afterwards leaves the picture's copy as it was.
    bitmap.Canvas().SetPixels(0, 0, clWhite);
    EXPECT_EQ(PixelAt(*held, 0, 0), 0u);
    EXPECT_EQ(p.changes, 1);

    TPicture other;
    other.Assign(&p.picture);
    EXPECT_EQ(&static_cast<TBitmap*>(other.Graphic())->Image(), &held->Image());
    other.Assign(nullptr);
    EXPECT_EQ(other.Graphic(), nullptr);
    TFont font;
    ExpectError<EConvertError>([&] { other.Assign(&font); }, "Cannot assign a TFont to a TPicture");
}

TEST(PictureAssign, ReadingTheBitmapReplacesOtherGraphics) {
    CountedPicture p;
    TBitmap* bitmap = p.picture.Bitmap(); // an empty picture gets an empty bitmap
    EXPECT_EQ(bitmap->Width(), 0);
    EXPECT_EQ(p.changes, 1);
    EXPECT_EQ(p.picture.Bitmap(), bitmap);
    EXPECT_EQ(p.changes, 1);

    TStringStream bytes(SmallIcon());
    TIcon icon;
    icon.LoadFromStream(bytes);
    p.picture.SetGraphic(&icon);
    EXPECT_EQ(p.changes, 2);
    EXPECT_TRUE(p.picture.Bitmap()->Empty());
    EXPECT_EQ(p.changes, 3);
    EXPECT_EQ(dynamic_cast<TIcon*>(p.picture.Graphic()), nullptr);
}

TEST(PictureFormats, FilterStringsListTheKindsLatestFirst) {
    EXPECT_EQ(
        GraphicFilter(TGraphic::StaticClass()),
        "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
        "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
    EXPECT_EQ(GraphicFilter(TBitmap::StaticClass()), "Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(GraphicFilter(TMetafile::StaticClass()),
              "All (*.emf;*.wmf)|*.emf;*.wmf|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
    EXPECT_EQ(GraphicFileMask(TGraphic::StaticClass()), "*.bmp;*.ico;*.emf;*.wmf");
    EXPECT_EQ(GraphicExtension(TBitmap::StaticClass()), "bmp");
    EXPECT_EQ(GraphicExtension(TMetafile::StaticClass()), "emf");
    EXPECT_EQ(GetFileFormats().FindExt("BmP"), TBitmap::StaticClass());
    EXPECT_EQ(GetFileFormats().FindExt("jpg"), nullptr);
    EXPECT_EQ(GetFileFormats().FindClassName("TIcon"), TIcon::StaticClass());
    EXPECT_EQ(GetFileFormats().FindClassName("ticon"), nullptr);
    EXPECT_TRUE(TPicture::SupportsClipboardFormat(2));
    EXPECT_TRUE(TPicture::SupportsClipboardFormat(14));
    EXPECT_FALSE(TPicture::SupportsClipboardFormat(8));
}

TEST(PictureStoredForm, DataNamesTheClassThenHoldsTheGraphicsOwnData) {
    TPicture picture;
    LoadBytes(*picture.Bitmap(), SmallBitmap());
    TMemoryStream data;
    picture.WriteData(data);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.Memory()), 8), "\x07TBitmap");
    data.SetPosition(0);
    CountedPicture copy;
    copy.picture.ReadData(data);
    EXPECT_EQ(copy.changes, 1);
    EXPECT_EQ(Pixels(*copy.picture.Bitmap()), Pixels(*picture.Bitmap()));

    // A class that is not registered leaves the picture empty, without error; so does an overlong name.
    for (const std::string& name : {std::string("TJPEGImage"), std::string(200, 'T')}) {
        TStringStream unknown(std::string(1, static_cast<char>(name.size())) + name + "rest");
        copy.picture.ReadData(unknown);
        EXPECT_EQ(copy.picture.Graphic(), nullptr);
    }
}

} // namespace
} // namespace gl::bmptest
