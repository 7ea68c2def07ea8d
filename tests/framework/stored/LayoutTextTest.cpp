// The stored-layout text: every kind of value, the tree's shape, faults reported with their line, limits, and
// writing a tree back.
#include "framework/stored/LayoutText.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace gl {
namespace {

std::string ReadError(std::string_view text) {
    try {
        ParseLayout(text);
    } catch (const EReadError& e) {
        return e.Message();
    }
    return "no error";
}

TEST(LayoutText, EveryKindOfValue) {
    auto root = ParseLayout("\xEF\xBB\xBF// a comment line\r\n"
                            "object Form1: TForm\r\n"
                            "  Left = -12\r\n"
                            "  Mask = $FF00000F\r\n"
                            "  Down = -$10\r\n"
                            "  Ratio = 1.5e3\r\n"
                            "  Half = -0.25\r\n"
                            "  Caption = 'It''s '#13#10'two' +\r\n"
                            "    ' lines 宋体'#$4E2D#20013\r\n"
                            "  Empty = ''\r\n"
                            "  Align = alClient\r\n"
                            "  Images = Form1.ImageList1\r\n"
                            "  Font.Style = [fsBold, fsItalic]\r\n"
                            "  Anchors = []\r\n"
                            "  Lines.Strings = (\r\n    'a'\r\n    'b' + 'c'\r\n    '')\r\n"
                            "  Data = {0A ff\r\n 10}\r\n"
                            "end\r\n");
    ASSERT_EQ(root->properties.size(), 13u);
    EXPECT_EQ(root->name, "Form1");
    EXPECT_EQ(root->className, "TForm");
    EXPECT_EQ(root->line, 2);
    EXPECT_EQ(root->FindProperty("Left")->value.integer, -12);
    EXPECT_EQ(root->FindProperty("Mask")->value.integer, 0xFF00000F);
    EXPECT_EQ(root->FindProperty("Down")->value.integer, -16);
    EXPECT_EQ(root->FindProperty("Ratio")->value.kind, LayoutValueKind::Float);
    EXPECT_DOUBLE_EQ(root->FindProperty("Ratio")->value.real, 1500.0);
    EXPECT_DOUBLE_EQ(root->FindProperty("Half")->value.real, -0.25);

    const LayoutProperty* caption = root->FindProperty("Caption");
    EXPECT_EQ(caption->value.text, "It's \r\ntwo lines 宋体中中");
    EXPECT_EQ(caption->line, 8);
    LayoutValue empty;
    empty.kind = LayoutValueKind::String;
    EXPECT_EQ(root->FindProperty("Empty")->value, empty);

    EXPECT_EQ(root->FindProperty("Align")->value.kind, LayoutValueKind::Identifier);
    EXPECT_EQ(root->FindProperty("Align")->value.text, "alClient");
    EXPECT_EQ(root->FindProperty("Images")->value.text, "Form1.ImageList1");
    EXPECT_EQ(root->FindProperty("Font.Style")->value.items,
              (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_EQ(root->FindProperty("Anchors")->value.kind, LayoutValueKind::Set);
    EXPECT_TRUE(root->FindProperty("Anchors")->value.items.empty());
    EXPECT_EQ(root->FindProperty("Lines.Strings")->value.items, (std::vector<std::string>{"a", "bc", ""}));
    const LayoutProperty* data = root->FindProperty("Data");
    EXPECT_EQ(data->value.bytes, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x10}));
    EXPECT_EQ(data->line, 19);
}

TEST(LayoutText, NestingAndUnnamedObjects) {
    auto root = ParseLayout("object F: TF\n"
                            "  object Panel: TPanel\n"
                            "    Top = 1\n"
                            "    object Edit: TEdit end\n"
                            "    object TLabel\n"
                            "    end\n"
                            "  end\n"
                            "  object List: TImageList end\n"
                            "end");
    ASSERT_EQ(root->children.size(), 2u);
    const LayoutObject* panel = root->FindChild("panel");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->line, 2);
    ASSERT_EQ(panel->children.size(), 2u);
    EXPECT_EQ(panel->children[0]->className, "TEdit");
    EXPECT_EQ(panel->children[1]->name, "");
    EXPECT_EQ(panel->children[1]->className, "TLabel");
    EXPECT_EQ(root->children[1]->name, "List");
}

TEST(LayoutText, FaultsNameTheirLine) {
    EXPECT_EQ(ReadError("object A: TA\n  Caption = 'open\nend"), "Line 2: Unterminated string");
    EXPECT_EQ(ReadError("object A: TA\n  Left = 1\n"), "Line 3: end expected but end of text found");
    EXPECT_EQ(ReadError("object A: TA\n  Left 1\nend"), "Line 2: '=' expected but number found");
    EXPECT_EQ(ReadError("object A: TA\n  Left = \nend"), "Line 3: property value expected but end found");
    EXPECT_EQ(ReadError("object A: TA\n  object B: TB end\n  Left = 1\nend"),
              "Line 3: end expected but Left found");
    EXPECT_EQ(ReadError("object A: TA end\nobject B: TB end"),
              "Line 2: end of text expected but object found");
    EXPECT_EQ(ReadError("objekt A: TA end"), "Line 1: object expected but objekt found");
    EXPECT_EQ(ReadError("object A: TA\n  Left = 99999999999999999999\nend"), "Line 2: Invalid number");
    EXPECT_EQ(ReadError("object A: TA\n  Left = $\nend"), "Line 2: Invalid number");
    EXPECT_EQ(ReadError("object A: TA\n  Left = 12px\nend"), "Line 2: Invalid number");
    EXPECT_EQ(ReadError("object A: TA\n  Data = {ABC}\nend"), "Line 2: Invalid binary value");
    EXPECT_EQ(ReadError("object A: TA\n  Data = {AB\n"), "Line 2: Invalid binary value");
    EXPECT_EQ(ReadError("object A: TA\n  Data = {AX}\nend"), "Line 2: Invalid binary value");
    EXPECT_EQ(ReadError("object A: TA\n\n  Caption = #55296\nend"), "Line 3: Invalid character code");
    EXPECT_EQ(ReadError("object A: TA\n  Caption = #1114112\nend"), "Line 2: Invalid character code");
    EXPECT_EQ(ReadError("object A: TA\n  Caption = #\nend"), "Line 2: Invalid character code");
    EXPECT_EQ(ReadError("object A: TA\n  Caption = '\xC0\xAF'\nend"), "Line 2: Invalid UTF-8 text");
    EXPECT_EQ(ReadError("object A: TA\n  Caption = 'a' + \nend"), "Line 3: string expected but end found");
    EXPECT_EQ(ReadError("object A: TA\n  Left = ;\nend"), "Line 2: Invalid character ';'");
    EXPECT_EQ(ReadError("object A: TA\n  Left = 1\x01\nend"), "Line 2: Invalid character #1");
    EXPECT_EQ(ReadError("object A: TA\n  Lines = ('a' 1)\nend"), "Line 2: ')' expected but number found");
    EXPECT_EQ(ReadError("object A: TA\n  Anchors = [akLeft akTop]\nend"),
              "Line 2: ']' expected but akTop found");
    EXPECT_EQ(ReadError(""), "Line 1: object expected but end of text found");
}

TEST(LayoutText, LimitsStopHostileInput) {
    std::string deep;
    for (int i = 0; i <= kMaxLayoutDepth; ++i) deep += "object A" + std::to_string(i) + ": T\n";
    EXPECT_EQ(ReadError(deep), "Line 33: Objects nested too deeply");

    std::string longName = "object " + std::string(kMaxLayoutNameLength + 1, 'n') + ": T end";
    EXPECT_EQ(ReadError(longName), "Line 1: Name too long");

    std::string many = "object A: T\n  S = [";
    for (std::size_t i = 0; i <= kMaxLayoutEntries; ++i) many += "x,";
    many += "x]\nend";
    EXPECT_EQ(ReadError(many), "Line 2: Too many objects or properties");

    std::string objects = "object A: T\n";
    for (std::size_t i = 0; i < kMaxLayoutObjects; ++i) objects += "object T end\n";
    EXPECT_EQ(ReadError(objects + "end"), "Line 2001: Too many objects or properties");

    EXPECT_EQ(ReadError(std::string(kMaxLayoutBytes + 1, ' ')), "Line 1: Layout too large");
}

TEST(LayoutText, WrittenTreeReadsBackEqual) {
    auto root = ParseLayout("object F: TF\n"
                            "  Caption = 'It''s'#9'中文'#0\n"
                            "  A = -9223372036854775808\n"
                            "  B = 3.0\n"
                            "  C = 1e300\n"
                            "  D = [x, y]\n"
                            "  E = ('' 'q''' #10)\n"
                            "  G = {00FF}\n"
                            "  H = X.Y\n"
                            "  object TChild\n"
                            "    object N: TGrand end\n"
                            "  end\n"
                            "end\n");
    std::string text = WriteLayout(*root);
    auto again = ParseLayout(text);
    EXPECT_TRUE(*again == *root) << text;
    EXPECT_EQ(again->FindProperty("B")->value.kind, LayoutValueKind::Float);
    EXPECT_EQ(WriteLayout(*again), text);
}

} // namespace
} // namespace gl
