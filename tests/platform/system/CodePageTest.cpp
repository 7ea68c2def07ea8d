// Code page 936 counts and conversions, including malformed input.
#include "platform/system/CodePage.h"
#include "platform/system/LastError.h"
#include "platform/system/Utf8.h"

#include <gtest/gtest.h>

namespace win {
namespace {

TEST(CodePage, CountsBytesAndUtf16Units) {
    EXPECT_EQ(AnsiByteLength("Kiv"), 3u);
    EXPECT_EQ(Utf16Length("Kiv"), 3u);
    EXPECT_EQ(AnsiByteLength("群号"), 4u);
    EXPECT_EQ(Utf16Length("群号"), 2u);
    EXPECT_EQ(AnsiByteLength("群a"), 3u);
    EXPECT_EQ(AnsiByteLength(""), 0u);
    // An emoji is outside the code page: one "?" byte, but a surrogate pair in UTF-16.
    EXPECT_EQ(AnsiByteLength("\xF0\x9F\x98\x80"), 1u);
    EXPECT_EQ(Utf16Length("\xF0\x9F\x98\x80"), 2u);
    // Characters outside GBK but inside the BMP are one "?" each too.
    EXPECT_EQ(AnsiByteLength("\xE0\xB8\x81"), 1u) << "Thai ko kai";
    EXPECT_EQ(AnsiByteLength("\xE2\x82\xAC"), 1u) << "the euro sign is the single byte 0x80";
}

TEST(CodePage, MalformedUtf8CountsOneByteEach) {
    const std::string bad[] = {"\xFF", "\xC3", "\xE4\xB8", "\xC0\xAF", "\xED\xA0\x80", "\xF5\x80\x80\x80"};
    const std::size_t sizes[] = {1, 1, 2, 2, 3, 4};
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        EXPECT_EQ(AnsiByteLength(bad[i]), sizes[i]) << i;
        EXPECT_EQ(Utf16Length(bad[i]), sizes[i]) << i;
        EXPECT_FALSE(IsValidUtf8(bad[i])) << i;
        EXPECT_FALSE(IsValidUtf8("ok" + bad[i] + "ok")) << i;
    }
    // A truncated sequence does not swallow the character after it.
    EXPECT_EQ(Utf8ToUtf16("\xE4\xB8"
                          "a"),
              std::u16string(u"\uFFFD\uFFFDa"));
    std::size_t pos = 0;
    EXPECT_EQ(DecodeUtf8("\xEF\xBF\xBD", pos), kReplacementChar);
    EXPECT_EQ(pos, 3u) << "a real U+FFFD is one character";
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD群a\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"));
}

TEST(CodePage, ConvertsBetweenUtf8AndGbk) {
    const std::string gbk = Utf8ToAnsi("A群号\xF0\x9F\x98\x80");
    EXPECT_EQ(gbk, std::string("A\xC8\xBA\xBA\xC5?"));
    EXPECT_EQ(AnsiToUtf8("A\xC8\xBA\xBA\xC5"), "A群号");
    EXPECT_EQ(AnsiToUtf8("\xC8"), "\xEF\xBF\xBD") << "a lone lead byte";
    EXPECT_EQ(Utf16ToUtf8(u"x\xD800y"), "x\xEF\xBF\xBDy") << "an unpaired surrogate";
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("a\xF0\x9F\x98\x80群")), "a\xF0\x9F\x98\x80群");
}

} // namespace
} // namespace win
