// Every character of code page 936, and some beyond it, drawn in "宋体" at the window font's 12 pixels: the
// banner's art counts only pure black, so no character may come out grey or vanish.
#include "TextCanvas.h"

#include "platform/system/Utf8.h"

#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <iconv.h>

#include <cstdint>
#include <string>
#include <vector>

namespace win {
namespace {

using test::MakeLogFont;

// Every character code page 936 holds, as iconv names it: the one-byte euro sign and the two-byte codes
// (lead 0x81..0xFE, trail 0x40..0xFE without 0x7F).
std::vector<char32_t> CodePage936Characters() {
    std::vector<char32_t> characters;
    iconv_t cd = iconv_open("UTF-32LE", "CP936");
    if (cd == reinterpret_cast<iconv_t>(-1)) return characters;
    auto convert = [&](std::string bytes) {
        char32_t out[2] = {};
        char* in = bytes.data();
        std::size_t inLeft = bytes.size();
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0 &&
            outLeft == sizeof out - 4)
            characters.push_back(out[0]);
    };
    convert("\x80");
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            if (trail != 0x7F) convert(std::string{static_cast<char>(lead), static_cast<char>(trail)});
    iconv_close(cd);
    return characters;
}

// Whether any installed face draws ink for a character, asked of fontconfig and FreeType directly: the
// judge of the characters that came out blank.
bool InkInAnyInstalledFace(char32_t cp) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return false;
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, cp);
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    bool ink = false;
    for (int i = 0; fonts && i < fonts->nfont && !ink; ++i) {
        FcChar8* file = nullptr;
        int index = 0;
        FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file);
        FcPatternGetInteger(fonts->fonts[i], FC_INDEX, 0, &index);
        FT_Face face = nullptr;
        if (!file || FT_New_Face(library, reinterpret_cast<const char*>(file), index, &face) != 0) continue;
        const bool sized = FT_IS_SCALABLE(face) ? FT_Set_Pixel_Sizes(face, 0, 48) == 0
                                                : face->num_fixed_sizes > 0 && FT_Select_Size(face, 0) == 0;
        const FT_UInt glyph = FT_Get_Char_Index(face, cp);
        if (sized && glyph && FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) == 0) {
            const FT_Bitmap& bitmap = face->glyph->bitmap;
            for (unsigned y = 0; y < bitmap.rows && !ink; ++y)
                for (unsigned x = 0; x < static_cast<unsigned>(std::abs(bitmap.pitch)) && !ink; ++x)
                    ink = bitmap.buffer[y * std::abs(bitmap.pitch) + x] != 0;
        }
        FT_Done_Face(face);
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcCharSetDestroy(wanted);
    FcPatternDestroy(pattern);
    FT_Done_FreeType(library);
    return ink;
}

// A white 32-bit surface of one row of 24 x 24 cells, each character drawn in "宋体" at (4, 6) of its own
// cell, read back through the section's bits.
class CellStrip {
public:
    static constexpr int kCell = 24;
    static constexpr int kCells = 256;

    explicit CellStrip(int pixels = 12) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kCell * kCells;
        info.bmiHeader.biHeight = -kCell;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_dc = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<const std::uint32_t*>(bits);
        m_oldBitmap = SelectObject(m_dc, m_bitmap);
        const LOGFONT lf = MakeLogFont("宋体", -pixels);
        m_font = CreateFontIndirect(&lf);
        m_oldFont = SelectObject(m_dc, m_font);
        SetTextColor(m_dc, RGB(0, 0, 0));
        SetBkColor(m_dc, RGB(255, 255, 255));
    }
    ~CellStrip() {
        DeleteObject(SelectObject(m_dc, m_oldFont));
        SelectObject(m_dc, m_oldBitmap);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    CellStrip(const CellStrip&) = delete;
    CellStrip& operator=(const CellStrip&) = delete;

    // Draws up to kCells characters, one a cell, as one opaque line over the whole strip.
    void Draw(const char32_t* characters, int count) {
        std::string text;
        std::vector<INT> dx(static_cast<std::size_t>(count), kCell);
        for (int i = 0; i < count; ++i) AppendUtf8(text, characters[i]);
        const RECT all{0, 0, kCell * kCells, kCell};
        ASSERT_TRUE(
            ExtTextOut(m_dc, 4, 6, ETO_OPAQUE, &all, text.data(), static_cast<UINT>(text.size()), dx.data()));
    }
    // Counts a cell's black pixels; any colour but black and white counts in `others`.
    int Black(int cell, int& others) const {
        int black = 0;
        for (int y = 0; y < kCell; ++y)
            for (int x = cell * kCell; x < (cell + 1) * kCell; ++x) {
                const std::uint32_t pixel = m_bits[y * kCell * kCells + x] & 0xFFFFFF;
                black += pixel == 0;
                others += pixel != 0 && pixel != 0xFFFFFF;
            }
        return black;
    }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    HFONT m_font = nullptr;
    HGDIOBJ m_oldFont = nullptr;
    const std::uint32_t* m_bits = nullptr;
};

struct CoverageFaults {
    std::vector<char32_t> grey;  // cells with a colour other than black and white
    std::vector<char32_t> blank; // cells without a black pixel whose character has ink in some face
};

CoverageFaults DrawAll(const std::vector<char32_t>& characters, int pixels = 12) {
    CoverageFaults faults;
    CellStrip strip(pixels);
    for (std::size_t first = 0; first < characters.size(); first += CellStrip::kCells) {
        const int count =
            static_cast<int>(std::min<std::size_t>(CellStrip::kCells, characters.size() - first));
        strip.Draw(characters.data() + first, count);
        for (int i = 0; i < count; ++i) {
            const char32_t cp = characters[first + static_cast<std::size_t>(i)];
            int others = 0;
            const int black = strip.Black(i, others);
            if (others > 0) faults.grey.push_back(cp);
            if (black == 0 && InkInAnyInstalledFace(cp)) faults.blank.push_back(cp);
        }
    }
    return faults;
}

std::string Listed(const std::vector<char32_t>& characters) {
    std::string list;
    for (std::size_t i = 0; i < characters.size() && i < 40; ++i) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X ", static_cast<unsigned>(characters[i]));
        list += code;
    }
    return list + "(" + std::to_string(characters.size()) + ")";
}

TEST(SongTiCoverage, EveryCodePageCharacterIsPureBlackAndNoneVanishes) {
    const std::vector<char32_t> characters = CodePage936Characters();
    ASSERT_EQ(characters.size(), 21792u) << "the euro sign's byte and the two-byte codes iconv knows";
    const CoverageFaults faults = DrawAll(characters);
    EXPECT_TRUE(faults.grey.empty()) << "grey in " << Listed(faults.grey);
    EXPECT_TRUE(faults.blank.empty()) << "no black in " << Listed(faults.blank);
}

TEST(SongTiCoverage, CharactersBeyondTheCodePageArePureBlackOrAQuestionMark) {
    // Greek with a tonos, Cyrillic yi, Hangul, Thai, a smiling face, a musical sign, an emoji, a private-use
    // character and a character no face has.
    const std::vector<char32_t> beyond = {0x03AC,  0x0457,  0xD55C, 0x0E01,  0x263A,
                                          0x1D11E, 0x1F600, 0xE900, 0x10FFFD};
    const CoverageFaults faults = DrawAll(beyond);
    EXPECT_TRUE(faults.grey.empty()) << "grey in " << Listed(faults.grey);
    EXPECT_TRUE(faults.blank.empty()) << "no black in " << Listed(faults.blank);

    // What no installed face has is drawn as the code page's replacement, "?".
    CellStrip strip;
    const char32_t pair[] = {U'?', 0x10FFFD};
    strip.Draw(pair, 2);
    int others = 0;
    EXPECT_EQ(strip.Black(1, others), strip.Black(0, others));
    EXPECT_GT(strip.Black(1, others), 0);
}

TEST(SongTiCoverage, StrokesThinnerThanAPixelKeepTheirInkOneBitDeep) {
    // At 11 pixels these marks have no bitmap, and their one-bit outlines come out empty.
    const CoverageFaults faults = DrawAll({0x0357, 0x20D2, 0x20E6}, 11);
    EXPECT_TRUE(faults.grey.empty()) << "grey in " << Listed(faults.grey);
    EXPECT_TRUE(faults.blank.empty()) << "no black in " << Listed(faults.blank);
}

} // namespace
} // namespace win
