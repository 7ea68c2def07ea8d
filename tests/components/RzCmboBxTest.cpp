// Tests of the font combo box on the headless display: the family list, selecting by font and by name (no
// events), the selected font handed out, user choices by keyboard and mouse raising one change each, the
// glyph kinds, and loading from a stored layout with retired names.
#include "RzCmboBxTestSupport.h"

#include "framework/core/Exceptions.h"
#include "framework/stored/LayoutClass.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Screen.h"
#include "platform/user/MessageLoop.h"

#include <set>

namespace gl::rztest {
namespace {

using RzFontComboBoxTest = RzComboTest;

int CollectFamily(const win::LOGFONT* logFont, const win::TEXTMETRIC*, win::DWORD, win::LPARAM lParam) {
    reinterpret_cast<std::multiset<std::string>*>(lParam)->insert(logFont->lfFaceName);
    return 1;
}

TEST_F(RzFontComboBoxTest, ListsEveryFamilySortedWithSimSun) {
    TRzFontComboBox* box = MakeFontBox();
    std::multiset<std::string> families;
    win::EnumFontFamilies(win::GetDC(nullptr), nullptr, &CollectFamily,
                          reinterpret_cast<win::LPARAM>(&families));
    ASSERT_GT(families.size(), 1u);

    std::multiset<std::string> listed;
    TStrings* items = box->Items();
    for (int i = 0; i < items->Count(); ++i) {
        listed.insert(items->Strings(i));
        if (i > 0) {
            EXPECT_LE(win::listbox::CompareItemText(items->Strings(i - 1), items->Strings(i)), 0) << i;
        }
    }
    EXPECT_EQ(listed, families);
    EXPECT_GE(items->IndexOf("宋体"), 0);
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(box->DropDownCount(), 14);
    EXPECT_EQ(box->Style(), csOwnerDrawFixed);
}

TEST_F(RzFontComboBoxTest, WritingTheFontSelectsByWholeNameInAnyCaseWithoutAChange) {
    TRzFontComboBox* box = MakeFontBox();
    TFont memoFont;
    memoFont.SetName("宋体");
    memoFont.SetSize(20);
    memoFont.SetStyle({fsBold});
    memoFont.SetColor(clRed);
    box->SetCurrentFont(&memoFont);
    EXPECT_EQ(box->FontName(), "宋体");
    EXPECT_EQ(box->ItemIndex(), box->Items()->IndexOf("宋体"));
    EXPECT_EQ(changes, 0);

    // Only the face comes from the selection: size 8, no style, the colours and set of a new font.
    TFont* font = box->CurrentFont();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Name(), "宋体");
    EXPECT_EQ(font->Size(), 8);
    EXPECT_TRUE(font->Style().Empty());
    EXPECT_EQ(font->Color(), clWindowText);
    EXPECT_EQ(font->Charset(), win::DEFAULT_CHARSET);
    EXPECT_EQ(box->CurrentFont(), font);

    // Any case, but the whole name.
    const std::string other = box->Items()->Strings(0);
    std::string upper = other;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    box->SetFontName(upper);
    EXPECT_EQ(box->FontName(), other);
    box->SetFontName(other.substr(0, other.size() - 1));
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(changes, 0);
}

TEST_F(RzFontComboBoxTest, ANameNotListedLeavesNoSelectionAndNoFontToAssign) {
    TRzFontComboBox* box = MakeFontBox();
    box->SetFontName("宋体");
    TFont missing;
    missing.SetName("No Such Family");
    box->SetCurrentFont(&missing);
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(box->FontName(), "");
    EXPECT_EQ(box->CurrentFont(), nullptr);

    TFont memoFont;
    try {
        memoFont.Assign(box->CurrentFont());
        FAIL() << "a missing selection was assigned";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a nil to a TFont");
    }
}

TEST_F(RzFontComboBoxTest, ChoosingByKeyboardOrMouseRaisesOneChange) {
    TRzFontComboBox* box = MakeFontBox();
    box->SetFontName(box->Items()->Strings(0));
    const int start = box->ItemIndex();
    ASSERT_EQ(start, 0);
    box->SetFocus();
    win::headless::KeyPress(win::VK_DOWN);
    win::headless::Pump();
    EXPECT_EQ(box->ItemIndex(), start + 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box->FontName(), box->Items()->Strings(start + 1));

    // Open the list with a click, then click the entry above the selected one.
    win::COMBOBOXINFO info;
    ASSERT_TRUE(win::GetComboBoxInfo(box->Handle(), &info));
    win::headless::Click(box->Handle(), (info.rcButton.left + info.rcButton.right) / 2,
                         (info.rcButton.top + info.rcButton.bottom) / 2);
    win::headless::Pump();
    ASSERT_TRUE(box->DroppedDown());
    win::RECT entry{};
    win::SendMessage(info.hwndList, win::LB_GETITEMRECT, static_cast<win::WPARAM>(start),
                     reinterpret_cast<win::LPARAM>(&entry));
    win::headless::Click(info.hwndList, (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
    win::headless::Pump();
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(box->ItemIndex(), start);
    EXPECT_EQ(changes, 2);
}

TEST_F(RzFontComboBoxTest, TheGlyphFollowsTheKindOfFont) {
    TRzFontComboBox* box = MakeFontBox();
    // Bit 0 set means variable pitch; TrueType and fixed pitch together get their own glyph.
    EXPECT_EQ(box->GlyphFor(win::TMPF_TRUETYPE), fgTrueTypeFixed);
    EXPECT_EQ(box->GlyphFor(win::TMPF_TRUETYPE | win::TMPF_FIXED_PITCH), fgTrueType);
    EXPECT_EQ(box->GlyphFor(0), fgFixedPitch);
    EXPECT_EQ(box->GlyphFor(win::TMPF_FIXED_PITCH), fgDevice);
    box->SetFontDevice(fdPrinter);
    EXPECT_EQ(box->GlyphFor(win::TMPF_FIXED_PITCH | win::TMPF_DEVICE), fgPrinter);
}

TEST_F(RzFontComboBoxTest, LoadsTheWindowsSettingsAndRetiredNames) {
    RegisterComboBoxLayout();
    LayoutClass<TRzTestForm>("TRzTestForm", "TWinControl");
    MakeForm();
    LayoutMethods methods;
    methods.Add("RzFontComboBox1Change", TNotifyEvent([this](TObject*) { ++changes; }));
    ReadLayout(*m_form,
               "object F_main: TRzTestForm\n"
               "  object RzFontComboBox1: TRzFontComboBox\n"
               "    Left = 48\n    Top = 60\n    Width = 108\n    Height = 22\n    Ctl3D = False\n"
               "    FlatButtons = True\n    FrameColor = 12164479\n    FrameVisible = True\n"
               "    ItemHeight = 16\n    ParentCtl3D = False\n    TabOrder = 2\n"
               "    OnChange = RzFontComboBox1Change\n"
               "  end\n"
               "  object Old: TRzFontComboBox\n"
               "    FrameFlat = True\n    FrameFocusStyle = fsButtonDown\n    FrameFlatStyle = fsGroove\n"
               "  end\n"
               "end\n",
               methods);
    auto* box = dynamic_cast<TRzFontComboBox*>(m_form->FindComponent("RzFontComboBox1"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->FlatButtons());
    EXPECT_TRUE(box->FrameVisible());
    EXPECT_EQ(box->FrameColor(), TColor(Rgb(127, 157, 185)));
    EXPECT_FALSE(box->Ctl3D());
    EXPECT_EQ(box->ItemHeight(), 16);
    // The own one-pixel frame replaces the platform's sunken edge, with the background inside it.
    m_form->Update();
    win::headless::Pump();
    box->Update();
    EXPECT_EQ(Pixel(*box, 0, 10), Rgb(127, 157, 185));
    EXPECT_EQ(Pixel(*box, 50, 21), Rgb(127, 157, 185));
    EXPECT_EQ(Pixel(*box, 1, 10), Rgb(255, 255, 255));
    ASSERT_TRUE(box->OnChange);
    box->OnChange(box);
    EXPECT_EQ(changes, 1);

    auto* old = dynamic_cast<TRzFontComboBox*>(m_form->FindComponent("Old"));
    ASSERT_NE(old, nullptr);
    EXPECT_TRUE(old->FrameHotTrack());
    EXPECT_TRUE(old->FrameVisible());
    EXPECT_EQ(old->FrameStyle(), fsStatus);
    EXPECT_EQ(old->FrameHotStyle(), fsButtonDown);
}

} // namespace
} // namespace gl::rztest
