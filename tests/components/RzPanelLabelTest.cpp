// The containers and captions: the group box's frame interrupted by its caption, the top band aligned and
// raised, labels sized to their text and in the blink list, and a stored layout of all these classes.
#include "RzControlsTestSupport.h"

#include "components/RzButton.h"
#include "components/RzLabel.h"
#include "components/RzPanel.h"
#include "components/RzRadChk.h"
#include "components/RzStatusBlink.h"
#include "framework/graphics/Font.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"

namespace gl::rztest {
namespace {

void UseWindowFont(TWinControl& control) {
    control.Font()->SetName("宋体");
    control.Font()->SetHeight(-12);
}

using RzPanelTest = RzControlsTest;

// A panel that counts how often it lays out its aligned children.
class TAlignCountingPanel : public TRzPanel {
public:
    using TRzPanel::TRzPanel;
    int alignments = 0;

protected:
    void AlignControls(TControl* control, TRect& rect) override {
        ++alignments;
        TRzPanel::AlignControls(control, rect);
    }
};

TEST_F(RzPanelTest, GroupBoxCaptionInterruptsTheTopFrameLine) {
    MakeForm();
    UseWindowFont(*m_form);
    auto* box = new TRzGroupBox(&m_owner);
    box->SetParent(m_form);
    box->SetBounds(8, 4, 377, 85);
    box->SetCaption("输入设置");
    const win::COLORREF frame = ColorToRGB(LighterColor(clBtnShadow, 30));
    // "Pp" is 12 pixels high in the window font: the frame's top line is row 5.
    EXPECT_EQ(Pixel(*box, 4, 5), frame);
    EXPECT_EQ(Pixel(*box, 0, 5), ColorToRGB(clBtnFace)) << "cut corner";
    EXPECT_EQ(Pixel(*box, 1, 6), frame) << "corner pixel";
    EXPECT_EQ(Pixel(*box, 0, 40), frame);
    EXPECT_EQ(Pixel(*box, 376, 40), frame);
    EXPECT_EQ(Pixel(*box, 100, 84), frame);
    EXPECT_EQ(CountColor(*box, 8, 5, 56, 6, frame), 0) << "the caption's box hides the line";
    EXPECT_GT(CountColor(*box, 8, 0, 56, 12, Rgb(0, 0, 0)), 30) << "four characters of text";
    EXPECT_EQ(CountColor(*box, 56, 0, 377, 5, Rgb(0, 0, 0)), 0);

    // Children sit inside; aligned ones below the caption.
    auto* child = new TRzPanel(&m_owner);
    child->SetParent(box);
    child->SetAlign(alTop);
    EXPECT_EQ(child->Top(), 13);
    EXPECT_EQ(child->Left(), 1);
    EXPECT_EQ(child->Width(), 375);
}

TEST_F(RzPanelTest, TopBandTakesTheWidthAndPaintsARaisedFace) {
    MakeForm(588, 410);
    auto* band = new TRzPanel(&m_owner);
    band->SetParent(m_form);
    band->SetAlign(alTop);
    band->SetHeight(129);
    EXPECT_EQ(band->Width(), m_form->ClientWidth());
    EXPECT_EQ(band->Top(), 0);
    EXPECT_EQ(band->Caption(), "") << "no name shown as caption";
    EXPECT_EQ(Pixel(*band, 0, 50), ColorToRGB(cl3DLight));
    EXPECT_EQ(Pixel(*band, 1, 50), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(*band, band->Width() - 1, 50), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(Pixel(*band, band->Width() - 2, 50), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(*band, 100, 50), ColorToRGB(clBtnFace));
}

TEST_F(RzPanelTest, LabelSizesToItsTextAndSharesTheBlinkSettings) {
    MakeForm();
    UseWindowFont(*m_form);
    auto* label = new TRzLabel(&m_owner);
    label->SetParent(m_form);
    label->SetBounds(14, 97, 100, 40);
    label->SetCaption("已输入：");
    EXPECT_EQ(label->Width(), 48);
    EXPECT_EQ(label->Height(), 12);
    EXPECT_EQ(label->Color(), m_form->Color());
    EXPECT_GT(CountColor(*m_form, 14, 97, 62, 109, Rgb(0, 0, 0)), 30);
    EXPECT_EQ(CountColor(*m_form, 62, 97, 120, 109, Rgb(0, 0, 0)), 0);

    TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance();
    ASSERT_NE(list, nullptr);
    const auto& members = list->Controls();
    EXPECT_NE(std::find(members.begin(), members.end(), label), members.end());
    label->SetBlinkIntervalOn(100);
    EXPECT_EQ(list->IntervalOn(), 100);
    EXPECT_EQ(list->IntervalOff(), 500);
    delete label;
    EXPECT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
}

TEST_F(RzPanelTest, WritingThePropertyValueAlreadyThereNeitherRealignsNorResizes) {
    MakeForm();
    UseWindowFont(*m_form);
    auto* panel = new TAlignCountingPanel(&m_owner);
    panel->SetParent(m_form);
    const int before = panel->alignments;
    panel->SetBorderOuter(panel->BorderOuter());
    panel->SetBorderInner(panel->BorderInner());
    panel->SetBorderWidth(panel->BorderWidth());
    panel->SetBorderSides(panel->BorderSides());
    EXPECT_EQ(panel->alignments, before);
    panel->SetBorderWidth(3);
    EXPECT_EQ(panel->alignments, before + 1);

    // A label sized by hand keeps its size until a setting that shapes its text really changes.
    auto* label = new TRzLabel(&m_owner);
    label->SetParent(m_form);
    label->SetCaption("已输入：");
    label->SetBounds(14, 97, 100, 40);
    label->SetWordWrap(label->WordWrap());
    label->SetShowAccelChar(label->ShowAccelChar());
    EXPECT_EQ(label->Width(), 100);
    EXPECT_EQ(label->Height(), 40);
    label->SetShowAccelChar(!label->ShowAccelChar());
    EXPECT_EQ(label->Width(), 48);
    EXPECT_EQ(label->Height(), 12);
}

TEST_F(RzPanelTest, StoredLayoutOfTheWindowsControlClasses) {
    RegisterPanelLayout();
    RegisterRadioButtonLayout();
    RegisterLabelLayout();
    LayoutClass<TRzTestForm>("TRzTestForm", "TWinControl");
    RegisterImageListLayout();
    MakeForm(588, 410);
    // The window owns its image list, so the layout finds it by name.
    auto* images = MakeImages(m_form, {});
    images->SetName("ImageList1");
    int clicks = 0;
    LayoutMethods methods;
    methods.Add("RzBitBtn4Click", TNotifyEvent([&](TObject*) { ++clicks; }));
    ReadLayout(
        *m_form,
        "object F_main: TRzTestForm\n"
        "  object RzPanel2: TRzPanel\n"
        "    Left = 0\n    Top = 0\n    Width = 580\n    Height = 129\n    Align = alTop\n"
        "    TabOrder = 1\n"
        "    object RzLabel5: TRzLabel\n      Left = 14\n      Top = 97\n      Width = 24\n"
        "      Height = 12\n      Caption = '图片'\n      BlinkIntervalOn = 100\n    end\n"
        "    object RzBitBtn4: TRzBitBtn\n      Left = 232\n      Top = 90\n      Width = 75\n"
        "      Height = 25\n      Hint = '点击输出文字'\n      Caption = '成图'\n      Color = 15791348\n"
        "      HighlightColor = 16026986\n      HotTrack = True\n      HotTrackColor = 3983359\n"
        "      HotTrackColorType = htctActual\n      ParentShowHint = False\n      ShowHint = True\n"
        "      TabOrder = 0\n      OnClick = RzBitBtn4Click\n      ImageIndex = 2\n"
        "      Images = ImageList1\n    end\n"
        "    object RzGroupBox1: TRzGroupBox\n      Left = 8\n      Top = 4\n      Width = 377\n"
        "      Height = 85\n      Caption = '输入设置'\n      TabOrder = 1\n"
        "      object RzRadioButton2: TRzRadioButton\n        Tag = 1\n        Left = 11\n"
        "        Top = 42\n        Width = 46\n        Height = 17\n        Caption = '字符'\n"
        "        FrameColor = 8409372\n        TabOrder = 0\n      end\n"
        "    end\n"
        "  end\n"
        "end\n",
        methods);
    auto* button = dynamic_cast<TRzBitBtn*>(m_form->FindComponent("RzBitBtn4"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Hint(), "点击输出文字");
    EXPECT_TRUE(button->ShowHint());
    EXPECT_EQ(button->HotTrackColorType(), htctActual);
    EXPECT_EQ(button->Images(), images);
    EXPECT_EQ(button->ImageIndex(), 2);
    EXPECT_EQ(button->TabOrder(), 0);
    button->OnClick(button);
    EXPECT_EQ(clicks, 1);
    auto* radio = dynamic_cast<TRzRadioButton*>(m_form->FindComponent("RzRadioButton2"));
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->Tag(), 1);
    EXPECT_EQ(radio->FrameColor(), 8409372);
    EXPECT_EQ(radio->Parent(), m_form->FindComponent("RzGroupBox1"));
    auto* band = dynamic_cast<TRzPanel*>(m_form->FindComponent("RzPanel2"));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->Align(), alTop);
    EXPECT_EQ(TRzBlinkingControlsList::Instance()->IntervalOn(), 100);
}

} // namespace
} // namespace gl::rztest
