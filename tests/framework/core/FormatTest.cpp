// Message texts and their placeholders, Format's specifiers, numbers as text, and platform errors as
// exceptions.
#include "framework/core/Format.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/OSErrors.h"
#include "framework/core/StringUtils.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

#include <string>

namespace gl {
namespace {

using namespace msg;

TEST(MessageTexts, FilledInAsTheUserSeesThem) {
    EXPECT_EQ(Format(SAssignError, "TPicture", "TBitmap"), "Cannot assign a TPicture to a TBitmap");
    EXPECT_EQ(Format(SAssignError, "nil", "TFont"), "Cannot assign a nil to a TFont");
    EXPECT_EQ(Format(SUnknownExtension, "jpg"), "Unknown picture file extension (.jpg)");
    EXPECT_EQ(Format(SUnknownExtension, ""), "Unknown picture file extension (.)");
    EXPECT_EQ(Format(SFOpenErrorEx, "/pics/a.bmp", "The system cannot find the file specified"),
              "Cannot open file \"/pics/a.bmp\". The system cannot find the file specified");
    EXPECT_EQ(Format(SFCreateErrorEx, "/x", "Access is denied"),
              "Cannot create file \"/x\". Access is denied");
    EXPECT_EQ(Format(SOSError, 8, "Not enough storage"), "System Error.  Code: 8.\r\nNot enough storage");
    EXPECT_EQ(Format(SParentRequired, "RzStatusPane1"), "Control 'RzStatusPane1' has no parent window");
    EXPECT_EQ(Format(SListIndexError, -1), "List index out of bounds (-1)");
    EXPECT_EQ(Format(SPictureDesc, 640, 480), " (640x480)");

    // The texts without placeholders, exactly.
    EXPECT_STREQ(SInvalidBitmap, "Bitmap image is not valid");
    EXPECT_STREQ(SInvalidPixelFormat, "Invalid pixel format");
    EXPECT_STREQ(SReadError, "Stream read error");
    EXPECT_STREQ(SWriteError, "Stream write error");
    EXPECT_STREQ(SNoCanvasHandle, "Canvas does not allow drawing");
    EXPECT_STREQ(SOutOfResources, "Out of system resources");
    EXPECT_STREQ(SInvalidIcon, "Icon image is not valid");
    EXPECT_STREQ(SInvalidMetafile, "Metafile is not valid");
    EXPECT_STREQ(SUnknownClipboardFormat, "Unsupported clipboard format");
    EXPECT_STREQ(SWindowDCError, "Error creating window device context");
    EXPECT_STREQ(SMemoTooLarge, "Text exceeds memo capacity");
    EXPECT_STREQ(SInsertLineError, "Unable to insert a line");
    EXPECT_STREQ(SChangeIconSize, "Cannot change the size of an icon");
    EXPECT_STREQ(SIconToClipboard, "Clipboard does not support Icons");
    EXPECT_STREQ(SInvalidPropertyValue, "Invalid property value");
    EXPECT_STREQ(SInvalidImage, "Invalid image");
}

TEST(Format, IndexedPlaceholdersGoOnFromTheirIndex) {
    // The picture filter is built with these two forms.
    EXPECT_EQ(Format("%s%s (*.%s)|*.%2:s", "", "Bitmaps", "bmp"), "Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(Format("%s (%s)|%1:s|%s", "All", "*.bmp;*.ico", "Bitmaps (*.bmp)|*.bmp"),
              "All (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(Format("%1:s %0:s %s", "a", "b"), "b a b");
    EXPECT_EQ(Format("%*d|%-*d|", 4, 7, 3, 8), "   7|8  |");
}

TEST(Format, IntegersTextsAndNumbers) {
    EXPECT_EQ(Format("%.8x", 0x804), "00000804") << "the registry key of a keyboard layout";
    EXPECT_EQ(Format("%x", -1), "FFFFFFFF") << "a 32-bit value";
    EXPECT_EQ(Format("%x", std::int64_t{-1}), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("%d%%", 50), "50%");
    EXPECT_EQ(Format("%.3d|%5d|%-5d|", -7, 42, 42), "-007|   42|42   |");
    EXPECT_EQ(Format("%u", -1), "4294967295");
    EXPECT_EQ(Format("%d", 4294967295u), "4294967295");
    EXPECT_EQ(Format("[%6s][%-6s][%.2s]", "ab", "ab", "abcdef"), "[    ab][ab    ][ab]");
    EXPECT_EQ(Format("%.1s", "宋体"), "") << "never half a character";
    EXPECT_EQ(Format("%.3s", "宋体"), "宋");
    EXPECT_EQ(Format("%s", 'K'), "K");
    EXPECT_EQ(Format("%s", std::string("Kiv")), "Kiv");
    EXPECT_EQ(Format("%f|%.1f|%n", 2.5, 0.26, 1234567.891), "2.50|0.3|1,234,567.89");
    EXPECT_EQ(Format("%g|%g|%g|%g", 1.0, 0.5, 1e20, 0.00001), "1|0.5|1E20|1E-5");
    EXPECT_EQ(Format("%e", 1.0), "1.00000000000000E+000");
    EXPECT_EQ(Format("%p", reinterpret_cast<const void*>(std::uintptr_t{0xABC})), "00000ABC");
}

TEST(Format, AMismatchRaisesInsteadOfCrashing) {
    auto message = [](auto&& call) {
        try {
            call();
        } catch (const EConvertError& e) {
            return e.Message();
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([] { Format("%d", "text"); }), "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("%s", 3); }), "Format '%s' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("%s and %s", "one"); }), "No argument for format '%s and %s'");
    EXPECT_EQ(message([] { Format("%5:s", "one"); }), "No argument for format '%5:s'");
    EXPECT_EQ(message([] { Format("100%"); }), "Format '100%' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("%q", 1); }), "Format '%q' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("%999999999s", "x"); }),
              "Format '%999999999s' invalid or incompatible with argument");
    EXPECT_EQ(Format("plain"), "plain");
    EXPECT_EQ(Format("%s", nullptr), "");
}

TEST(StringUtils, NumbersAndCase) {
    EXPECT_EQ(StrToInt(" 42 "), 42);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483648LL);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0xFFFFFFFF"), -1);
    EXPECT_EQ(StrToIntDef("2147483648", -5), -5);
    EXPECT_EQ(StrToIntDef("12a", -5), -5);
    EXPECT_EQ(StrToIntDef("", -5), -5);
    try {
        StrToInt("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    }
    double value = 0;
    EXPECT_TRUE(TryStrToFloat(" 1.5e2 ", value));
    EXPECT_EQ(value, 150.0);
    EXPECT_FALSE(TryStrToFloat("inf", value));
    EXPECT_FALSE(TryStrToFloat("1,5", value));
    EXPECT_EQ(FloatToStr(1.0), "1");
    EXPECT_EQ(FloatToStr(0.1), "0.1");
    EXPECT_EQ(IntToHex(0x804, 8), "00000804");

    EXPECT_EQ(CompareText("abc", "ABD"), -1);
    EXPECT_TRUE(SameText("SimSun", "simsun"));
    EXPECT_FALSE(SameText("宋体", "宋"));
    EXPECT_EQ(UpperCase("bmp宋"), "BMP宋");
    EXPECT_EQ(Trim("\t a b \r\n"), "a b");
}

TEST(OSErrors, PlatformFailuresBecomeExceptionsWithThePlatformsText) {
    try {
        RaiseLastOSError(win::ERROR_NOT_ENOUGH_MEMORY);
        FAIL();
    } catch (const EOSError& e) {
        EXPECT_EQ(e.ErrorCode(), win::ERROR_NOT_ENOUGH_MEMORY);
        EXPECT_EQ(e.Message(),
                  "System Error.  Code: 8.\r\nNot enough storage is available to process this command");
    }
    try {
        RaiseLastOSError(0);
        FAIL();
    } catch (const EOSError& e) {
        EXPECT_EQ(e.Message(), "A call to an OS function failed");
    }
    EXPECT_EQ(SysErrorMessage(win::ERROR_FILE_NOT_FOUND), "The system cannot find the file specified");

    win::SetLastError(win::ERROR_NO_SYSTEM_RESOURCES);
    try {
        GDICheck<void*>(nullptr);
        FAIL();
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.Message(), "Insufficient system resources exist to complete the requested service.");
    }
    for (win::DWORD code : {win::ERROR_SUCCESS, win::DWORD{987654}}) {
        win::SetLastError(code);
        try {
            GDIError();
        } catch (const EOutOfResources& e) {
            EXPECT_EQ(e.Message(), "Out of system resources") << "no code, or no text for it";
        }
    }
    EXPECT_THROW(Abort(), EAbort);
}

TEST(Exceptions, FollowTheClassicHierarchy) {
    const EReadError read(SReadError);
    EXPECT_NE(dynamic_cast<const EFilerError*>(&read), nullptr);
    EXPECT_NE(dynamic_cast<const EStreamError*>(&read), nullptr);
    const EOutOfResources resources(SOutOfResources);
    EXPECT_NE(dynamic_cast<const EOutOfMemory*>(&resources), nullptr);
    const EFOpenError open("x");
    EXPECT_NE(dynamic_cast<const EStreamError*>(&open), nullptr);
    EXPECT_EQ(open.ClassName(), "EFOpenError");
    EXPECT_STREQ(read.what(), "Stream read error");
}

} // namespace
} // namespace gl
