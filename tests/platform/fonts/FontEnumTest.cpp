// The family enumeration: "宋体" and the installed families with their pitch-and-family bits and font types,
// stopping early, the styles of one family; and font objects: GetObject, stock fonts, long face names.
#include "TextCanvas.h"

#include "platform/gdi/StockObjects.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace win {
namespace {

using test::TextCanvas;

struct Family {
    LOGFONT logFont;
    TEXTMETRIC metrics;
    DWORD type;
    std::string style;
};

int Collect(const LOGFONT* lf, const TEXTMETRIC* tm, DWORD type, LPARAM lParam) {
    auto& families = *reinterpret_cast<std::map<std::string, Family>*>(lParam);
    const auto* elf = reinterpret_cast<const ENUMLOGFONTEX*>(lf);
    families[lf->lfFaceName] = Family{*lf, *tm, type, elf->elfStyle};
    return 1;
}

std::map<std::string, Family> Families(HDC hdc, const char* family = nullptr) {
    std::map<std::string, Family> families;
    EnumFontFamilies(hdc, family, Collect, reinterpret_cast<LPARAM>(&families));
    return families;
}

TEST(FontEnum, ListsSongTiAndTheInstalledFamiliesOnce) {
    TextCanvas canvas(4, 4);
    const auto families = Families(canvas.dc);
    ASSERT_TRUE(families.count("宋体"));
    const Family& songTi = families.at("宋体");
    EXPECT_EQ(songTi.type, TRUETYPE_FONTTYPE);
    EXPECT_EQ(songTi.logFont.lfCharSet, GB2312_CHARSET);
    EXPECT_TRUE(songTi.metrics.tmPitchAndFamily & TMPF_TRUETYPE);
    EXPECT_EQ(songTi.metrics.tmHeight, 12);

    ASSERT_TRUE(families.count("DejaVu Sans"));
    const Family& sans = families.at("DejaVu Sans");
    EXPECT_EQ(sans.metrics.tmPitchAndFamily & 0x0F, TMPF_FIXED_PITCH | TMPF_VECTOR | TMPF_TRUETYPE)
        << "variable pitch: the fixed-pitch bit is set";
    EXPECT_EQ(sans.logFont.lfPitchAndFamily & 3, VARIABLE_PITCH);
    EXPECT_EQ(sans.logFont.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(sans.style, "Book") << "the regular face describes the family";

    ASSERT_TRUE(families.count("DejaVu Sans Mono"));
    const Family& mono = families.at("DejaVu Sans Mono");
    EXPECT_EQ(mono.metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "fixed pitch: the bit is clear";
    EXPECT_EQ(mono.logFont.lfPitchAndFamily & 3, FIXED_PITCH);
    EXPECT_EQ(mono.metrics.tmPitchAndFamily & 0xF0, FF_MODERN);

    // A bitmap-only family is a raster font: neither vector nor TrueType.
    if (families.count("WenQuanYi Bitmap Song")) {
        const Family& bitmap = families.at("WenQuanYi Bitmap Song");
        EXPECT_EQ(bitmap.type, RASTER_FONTTYPE);
        EXPECT_EQ(bitmap.metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE), 0);
    }
    // No family twice, no alias of the platform's own family.
    int count = 0;
    EnumFontFamilies(
        canvas.dc, nullptr,
        [](const LOGFONT*, const TEXTMETRIC*, DWORD, LPARAM p) {
            ++*reinterpret_cast<int*>(p);
            return 1;
        },
        reinterpret_cast<LPARAM>(&count));
    EXPECT_EQ(count, static_cast<int>(families.size()));
    EXPECT_FALSE(families.count("SimSun"));
}

TEST(FontEnum, StopsWhenTheCallbackReturnsZero) {
    TextCanvas canvas(4, 4);
    int calls = 0;
    const int result = EnumFontFamilies(
        canvas.dc, nullptr,
        [](const LOGFONT*, const TEXTMETRIC*, DWORD, LPARAM p) {
            return ++*reinterpret_cast<int*>(p) == 2 ? 0 : 7;
        },
        reinterpret_cast<LPARAM>(&calls));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(EnumFontFamilies(nullptr, nullptr, Collect, 0), 0) << "a bad context";
}

TEST(FontObjects, GetObjectStockFontsAndLongNames) {
    // Stock fonts exist, are never deleted and draw.
    for (int index : {SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_VAR_FONT, ANSI_FIXED_FONT, OEM_FIXED_FONT,
                      SYSTEM_FIXED_FONT, DEVICE_DEFAULT_FONT}) {
        HGDIOBJ font = GetStockObject(index);
        ASSERT_NE(font, nullptr) << index;
        EXPECT_EQ(GetObjectType(font), OBJ_FONT);
        DeleteObject(font);
        EXPECT_EQ(GetStockObject(index), font);
        TextCanvas canvas(40, 20);
        SelectObject(canvas.dc, font);
        EXPECT_TRUE(TextOut(canvas.dc, 0, 0, "Ag", 2));
        EXPECT_FALSE(RectEmpty(canvas.Ink())) << index;
    }
    LOGFONT gui{};
    GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    EXPECT_EQ(gui.lfHeight, -12);
    EXPECT_STREQ(gui.lfFaceName, "宋体");

    // GetObject gives the record's size for a null buffer and copies no more than asked.
    HFONT font = CreateFont(-12, 0, 0, 0, FW_BOLD, 1, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    EXPECT_EQ(GetObject(font, 0, nullptr), static_cast<int>(sizeof(LOGFONT)));
    LOGFONT part{};
    part.lfWeight = 123;
    EXPECT_EQ(GetObject(font, 4, &part), 4);
    EXPECT_EQ(part.lfHeight, -12);
    EXPECT_EQ(part.lfWeight, 123);
    DeleteObject(font);

    // A face name longer than the field is cut on a character boundary and stays terminated.
    std::string name;
    for (int i = 0; i < 40; ++i) name += "宋";
    font = CreateFont(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, name.c_str());
    LOGFONT lf{};
    GetObject(font, sizeof lf, &lf);
    const std::size_t length = std::strlen(lf.lfFaceName);
    EXPECT_EQ(length % 3, 0u);
    EXPECT_LT(length, sizeof lf.lfFaceName);
    EXPECT_GE(length / 3, static_cast<std::size_t>(LF_FACESIZE - 1)) << "the platform's 31 characters fit";
    DeleteObject(font);
    EXPECT_EQ(CreateFontIndirect(nullptr), nullptr);
}

} // namespace
} // namespace win
