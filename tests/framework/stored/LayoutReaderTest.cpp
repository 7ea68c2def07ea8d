// Reading a stored layout into components: creation, owner and parent, properties in stored order while
// loading, the end-of-loading step after everything, references, events, retired names, and faults.
#include "LayoutTestClasses.h"

#include "framework/core/Exceptions.h"
#include "framework/stored/LayoutReader.h"

#include <gtest/gtest.h>

namespace gl::layout_test {
namespace {

class LayoutReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        Log().clear();
    }

    // The message of the read error, with the form left as before.
    std::string ReadError(std::string_view text) {
        try {
            ReadLayout(form, text, methods);
        } catch (const Exception& e) {
            EXPECT_EQ(form.ComponentCount(), 0) << "components of a failed read are freed";
            return e.ClassName() + ": " + e.Message();
        }
        return "no error";
    }

    TTestForm form{nullptr};
    LayoutMethods methods;
};

TEST_F(LayoutReaderTest, CreatesOwnedComponentsInTheirParents) {
    ReadLayout(form, "object Form1: TTestForm\n"
                     "  object Panel: TTestControl\n"
                     "    object Edit: TTestControl end\n"
                     "  end\n"
                     "  object Other: TTestControl end\n"
                     "end\n");
    EXPECT_EQ(form.Name(), "Form1");
    ASSERT_EQ(form.ComponentCount(), 3);
    auto* panel = dynamic_cast<TTestControl*>(form.FindComponent("Panel"));
    auto* edit = dynamic_cast<TTestControl*>(form.FindComponent("Edit"));
    auto* other = dynamic_cast<TTestControl*>(form.FindComponent("Other"));
    ASSERT_TRUE(panel && edit && other);
    EXPECT_EQ(form.Components(0), panel) << "owned in creation order";
    EXPECT_EQ(edit->Owner(), &form);
    EXPECT_EQ(panel->parent, &form);
    EXPECT_EQ(edit->parent, panel);
    EXPECT_EQ(other->parent, &form);
}

TEST_F(LayoutReaderTest, PropertiesInStoredOrderWhileLoadingThenLoadedForAll) {
    ReadLayout(form, "object Form1: TTestForm\n"
                     "  Left = 3\n"
                     "  Caption = 'form'\n"
                     "  object A: TTestControl\n"
                     "    Caption = 'a'\n"
                     "    Left = 1\n"
                     "    Caption = 'again'\n"
                     "    object B: TTestControl\n"
                     "      Left = 2\n"
                     "    end\n"
                     "  end\n"
                     "end\n");
    EXPECT_EQ(Log(),
              (std::vector<std::string>{"Form1.Left=3 loading reading", "Form1.Caption=form loading reading",
                                        "A.Caption=a loading reading", "A.Left=1 loading reading",
                                        "A.Caption=again loading reading", "B.Left=2 loading reading",
                                        "loaded Form1", "loaded A", "loaded B"}));
    for (TComponent* component : {static_cast<TComponent*>(&form), form.Components(0), form.Components(1)}) {
        EXPECT_FALSE(component->ComponentState().Contains(csLoading));
        EXPECT_FALSE(component->ComponentState().Contains(csReading));
    }
}

TEST_F(LayoutReaderTest, ConvertsEveryKindOfValue) {
    ReadLayout(form, "object Form1: TTestForm\n"
                     "  Big = -$7FFFFFFFFF\n"
                     "  Small = 255\n"
                     "  Color = clTestFace\n"
                     "  Visible = false\n"
                     "  Ratio = 2\n"
                     "  Align = TACLIENT\n"
                     "  Items = ('x' 'y')\n"
                     "  Data = {CAFE}\n"
                     "  Font.Name = '宋体'\n"
                     "  Font.Height = -12\n"
                     "  Font.Style = [tsItalic, tsBold]\n"
                     "  Tag = 7\n"
                     "end\n");
    EXPECT_EQ(form.big, -0x7FFFFFFFFF);
    EXPECT_EQ(form.small, 255);
    EXPECT_EQ(form.color, 0xFF00000Fu);
    EXPECT_FALSE(form.visible);
    EXPECT_DOUBLE_EQ(form.ratio, 2.0);
    EXPECT_EQ(form.align, taClient);
    EXPECT_EQ(form.items, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(form.data, (std::vector<std::uint8_t>{0xCA, 0xFE}));
    EXPECT_EQ(form.font.name, "宋体");
    EXPECT_EQ(form.font.height, -12);
    EXPECT_EQ(form.font.style, (TSet<TTestStyle>{tsBold, tsItalic}));
    EXPECT_EQ(form.Tag(), 7);
}

TEST_F(LayoutReaderTest, ReferencesResolveAfterTheWholeTreeAndEventsFindTheirHandlers) {
    int clicks = 0;
    methods.Add<TNotifyEvent>("ButtonClick", [&](TObject*) { ++clicks; });
    ReadLayout(form,
               "object Form1: TTestForm\n"
               "  Buddy = Form1\n"
               "  object A: TTestControl\n"
               "    Buddy = Later\n"
               "    OnClick = buttonclick\n"
               "  end\n"
               "  object Later: TTestControl\n"
               "    Buddy = nil\n"
               "  end\n"
               "end\n",
               methods);
    auto* a = dynamic_cast<TTestControl*>(form.FindComponent("A"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->buddy, form.FindComponent("Later"));
    EXPECT_EQ(form.buddy, &form);
    ASSERT_TRUE(a->OnClick);
    a->OnClick(a);
    EXPECT_EQ(clicks, 1);
    // "nil" is set at once; names wait until every component exists, and come before the end-of-loading
    // steps.
    EXPECT_EQ(Log(), (std::vector<std::string>{"Later.Buddy=nil loading reading", "Form1.Buddy=Form1 loading",
                                               "A.Buddy=Later loading", "loaded Form1", "loaded A",
                                               "loaded Later"}));
}

TEST_F(LayoutReaderTest, RetiredNamesAreReadAndIgnoredOrMapped) {
    ReadLayout(form, "object Form1: TTestForm\n"
                     "  OldFlag = [anything, at, all]\n"
                     "  oldflag = 'any kind'\n"
                     "  Flat = True\n"
                     "end\n");
    EXPECT_TRUE(form.hotTrack);
}

TEST_F(LayoutReaderTest, UnknownNamesAreRefusedWithTheirLineAndClass) {
    EXPECT_EQ(ReadError("object Form1: TTestForm\n  object A: TTestControl\n    Xyz = 1\n  end\nend"),
              "EReadError: Line 3: Property Xyz does not exist in class TTestControl");
    EXPECT_EQ(ReadError("object Form1: TTestForm\n  Font.Xyz = 1\nend"),
              "EReadError: Line 2: Property Xyz does not exist in class TTestFont");
    EXPECT_EQ(ReadError("object Form1: TTestForm\n  Caption.Size = 1\nend"),
              "EReadError: Line 2: Property Caption.Size does not exist in class TTestForm");
    EXPECT_EQ(ReadError("object Form1: TTestForm\n  object A: TNoSuchClass end\nend"),
              "EReadError: Line 2: Class TNoSuchClass not found");
    EXPECT_EQ(ReadError("object Form1: TTestForm\n  object A: TTestAbstract end\nend"),
              "EReadError: Line 2: Class TTestAbstract not found");
    EXPECT_EQ(ReadError("object Form1: TTestControl\nend"),
              "EReadError: Line 1: Layout holds a TTestControl, not a TTestForm");
    EXPECT_EQ(ReadError("object Form1: TTestForm\n  object A: TTestControl\n    Buddy = Nobody\n  end\nend"),
              "EReadError: Line 3: Component Nobody not found");
    EXPECT_EQ(ReadError("object Form1: TTestForm\n  OnClick = NoHandler\nend"),
              "EReadError: Line 2: Method NoHandler not found");
    methods.Add<std::function<void()>>("WrongShape", [] {});
    EXPECT_EQ(ReadError("object Form1: TTestForm\n  OnClick = WrongShape\nend"),
              "EReadError: Line 2: Method WrongShape does not fit event OnClick");
}

TEST_F(LayoutReaderTest, ValuesOfTheWrongKindOrRangeAreRefused) {
    auto valueError = [&](std::string_view property) {
        return ReadError("object Form1: TTestForm\n  " + std::string(property) + "\nend");
    };
    EXPECT_EQ(valueError("Left = 'ten'"), "EReadError: Line 2: Invalid value 'ten' for property Form1.Left");
    EXPECT_EQ(valueError("Left = 4294967296"),
              "EReadError: Line 2: Invalid value 4294967296 for property Form1.Left");
    EXPECT_EQ(valueError("Small = 256"), "EReadError: Line 2: Invalid value 256 for property Form1.Small");
    EXPECT_EQ(valueError("Small = -1"), "EReadError: Line 2: Invalid value -1 for property Form1.Small");
    EXPECT_EQ(valueError("Left = clTestRed"),
              "EReadError: Line 2: Invalid value clTestRed for property Form1.Left");
    EXPECT_EQ(valueError("Color = clNoSuch"),
              "EReadError: Line 2: Invalid value clNoSuch for property Form1.Color");
    EXPECT_EQ(valueError("Visible = 1"), "EReadError: Line 2: Invalid value 1 for property Form1.Visible");
    EXPECT_EQ(valueError("Align = alNowhere"),
              "EReadError: Line 2: Invalid value alNowhere for property Form1.Align");
    EXPECT_EQ(valueError("Font.Style = [tsBold, tsShadow]"),
              "EReadError: Line 2: Invalid value [tsBold, tsShadow] for property Form1.Font.Style");
    EXPECT_EQ(valueError("Left = '" + std::string(60, 'x') + "'"),
              "EReadError: Line 2: Invalid value '" + std::string(36, 'x') + "... for property Form1.Left");
    EXPECT_EQ(valueError("Font = 1"), "EReadError: Line 2: Invalid value 1 for property Form1.Font");
    EXPECT_EQ(valueError("Ratio = 'x'"), "EReadError: Line 2: Invalid value 'x' for property Form1.Ratio");
}

TEST_F(LayoutReaderTest, AsManyComponentsAsALayoutMayHold) {
    std::string text = "object Form1: TTestForm\n";
    for (std::size_t i = 1; i < kMaxLayoutObjects; ++i)
        text += "object C" + std::to_string(i) + ": TTestControl end\n";
    ReadLayout(form, text + "end");
    EXPECT_EQ(form.ComponentCount(), int(kMaxLayoutObjects) - 1);
}

TEST_F(LayoutReaderTest, TheFrameworksOwnErrorsKeepTheirClassAndGetTheLine) {
    EXPECT_EQ(
        ReadError("object Form1: TTestForm\n  object A: TTestControl end\n  object a: TTestControl end\nend"),
        "EComponentError: Line 3: Error reading a.Name: A component named a already exists");
    EXPECT_EQ(ReadError("object Form1: TTestForm\n  Tag = 1\nobject A: TTestControl end\nend extra"),
              "EReadError: Line 4: end of text expected but extra found");
}

} // namespace
} // namespace gl::layout_test
