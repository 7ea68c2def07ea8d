// The picture dialog's resources: the child template that makes room for the preview pane, and the preview
// button's glyph, a white page with a folded corner under a magnifying glass.
#include "framework/core/Resources.h"
#include "framework/forms/ExtDlgs.h"
#include "platform/dialogs/DialogTemplate.h"

#include <array>
#include <cstdint>
#include <string>

namespace gl {

namespace {

void PutWord(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void PutDword(std::string& out, std::uint32_t value) {
    PutWord(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutWord(out, static_cast<std::uint16_t>(value >> 16));
}

// The template in the platform's binary layout: a visible child dialog with the 3-D look and a font, 316 x 76
// dialog units, holding only the placeholder (stc32) for the standard controls, 204 x 76 at its left.
std::string MakeTemplate() {
    std::string t;
    PutDword(t, 0x54000444); // WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | DS_CONTROL | DS_SETFONT | DS_3DLOOK
    PutDword(t, 0);
    PutWord(t, 1);
    for (std::uint16_t v : {0, 0, 316, 76}) PutWord(t, v);
    for (int i = 0; i < 3; ++i) PutWord(t, 0); // no menu, the dialog class, no title
    PutWord(t, 8);
    for (char c : std::string_view("MS Sans Serif")) PutWord(t, static_cast<std::uint16_t>(c));
    PutWord(t, 0);
    while (t.size() % 4) t += '\0';
    PutDword(t, 0x40020000); // WS_CHILD | WS_GROUP
    PutDword(t, 0);
    for (std::uint16_t v : {0, 0, 204, 76}) PutWord(t, v);
    PutWord(t, 0x045F); // stc32
    PutWord(t, 0xFFFF);
    PutWord(t, 0x0082); // a static control
    PutWord(t, 0);      // no text
    PutWord(t, 0);      // no creation data
    return t;
}

// The sixteen colours of the glyph's table, in the platform's usual order.
constexpr std::array<std::uint32_t, 16> kPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// '.' the olive background that the button leaves out, 'k' black, 'w' white, 'a' the glass (aqua).
constexpr std::array<std::string_view, 16> kGlyph{
    "kkkkkkkk........", "kwwwwwwkk.......", "kwwwwwwkwk......", "kwwwwwwkkkk.....",
    "kwwwwwwwwwk.....", "kwwwwwwwwwk.....", "kwwwwwwwwwk.....", "kwwwwwwwwkkk....",
    "kwwwwwwwkaaak...", "kwwwwwwkaawaak..", "kwwwwwwkaaaaak..", "kwwwwwwkaaaaak..",
    "kwwwwwwwkaaakk..", "kwwwwwwwwkkkkkk.", "kkkkkkkkkkk..kkk", "..............kk",
};

std::uint8_t ColourIndex(char c) {
    switch (c) {
    case 'k':
        return 0;
    case 'w':
        return 15;
    case 'a':
        return 14;
    default:
        return 3; // olive, RGB (128, 128, 0)
    }
}

// A 16 x 16 bitmap file, 4 bits a pixel, rows from the bottom up.
std::string MakeGlyph() {
    constexpr std::uint32_t kRowBytes = 8, kBits = kRowBytes * 16, kOffset = 14 + 40 + 16 * 4;
    std::string b = "BM";
    PutDword(b, kOffset + kBits);
    PutDword(b, 0);
    PutDword(b, kOffset);
    PutDword(b, 40);
    PutDword(b, 16);
    PutDword(b, 16);
    PutWord(b, 1);
    PutWord(b, 4);
    for (std::uint32_t v : {0u, kBits, 0u, 0u, 16u, 0u}) PutDword(b, v);
    for (std::uint32_t rgb : kPalette) {
        b += static_cast<char>(rgb & 0xFF); // blue
        b += static_cast<char>((rgb >> 8) & 0xFF);
        b += static_cast<char>(rgb >> 16);
        b += '\0';
    }
    for (int row = 15; row >= 0; --row)
        for (int x = 0; x < 16; x += 2)
            b += static_cast<char>((ColourIndex(kGlyph[row][x]) << 4) | ColourIndex(kGlyph[row][x + 1]));
    return b;
}

} // namespace

std::string_view PictureDialogTemplateBytes() {
    static const std::string bytes = MakeTemplate();
    return bytes;
}

std::string_view PreviewGlyphBitmap() {
    static const std::string bytes = MakeGlyph();
    return bytes;
}

void RegisterExtDlgsResources() {
    static const bool registered = [] {
        const std::string_view bytes = PictureDialogTemplateBytes();
        win::DialogTemplate childTemplate;
        if (win::DialogTemplateFromBytes(bytes.data(), bytes.size(), &childTemplate))
            win::RegisterDialogTemplate(nullptr, "DLGTEMPLATE", childTemplate);
        RegisterResource(TResourceType::Bitmap, "PREVIEWGLYPH", PreviewGlyphBitmap());
        return true;
    }();
    (void)registered;
}

} // namespace gl
