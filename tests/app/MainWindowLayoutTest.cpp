// The main window as it opens: every control in its place with its size, captions, hints and tab order, the
// start-up state, and the same window on a denser screen.
#include "MainWindowTestSupport.h"

#include "app/Program.h"
#include "components/RzButton.h"
#include "components/RzCmboBx.h"
#include "components/RzEdit.h"
#include "components/RzLabel.h"
#include "components/RzPanel.h"
#include "components/RzRadChk.h"
#include "components/RzSpnEdt.h"
#include "components/RzStatus.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/core/Resources.h"
#include "framework/core/Strings.h"
#include "framework/forms/ExtDlgs.h"
#include "framework/forms/Hints.h"
#include "framework/graphics/Font.h"

#include "platform/user/Windows.h"
#include "platform/win/KeyCodes.h"

#include <map>

namespace gl::apptest {
namespace {

struct Place {
    TControl* control;
    const char* name;
    TControl* parent;
    int left, top, width, height; // -1: not fixed by the layout
};

std::vector<Place> Table(TF_main& w) {
    return {
        {w.RzMemo1, "RzMemo1", &w, 0, 129, 580, 254},
        {w.RzPanel2, "RzPanel2", &w, 0, 0, 580, 129},
        {w.Image1, "Image1", w.RzPanel2, 45, 96, 60, 20},
        {w.Image2, "Image2", w.RzPanel2, 136, 80, 73, 25},
        {w.RzLabel5, "RzLabel5", w.RzPanel2, 14, 97, -1, -1},
        {w.RzBitBtn4, "RzBitBtn4", w.RzPanel2, 232, 90, 75, 25},
        {w.RzGroupBox1, "RzGroupBox1", w.RzPanel2, 8, 4, 377, 85},
        {w.RzRadioButton1, "RzRadioButton1", w.RzGroupBox1, 13, 17, 57, 17},
        {w.RzRadioButton2, "RzRadioButton2", w.RzGroupBox1, 11, 42, 46, 17},
        {w.RzEdit1, "RzEdit1", w.RzGroupBox1, 64, 14, 249, 20},
        {w.RzBitBtn5, "RzBitBtn5", w.RzGroupBox1, 309, 12, 57, -1},
        {w.RzEdit3, "RzEdit3", w.RzGroupBox1, 64, 39, 305, 20},
        {w.RzLabel6, "RzLabel6", w.RzGroupBox1, 16, 66, -1, -1},
        // The banner sizes itself to its caption: 148 for the default one, always 20 high.
        {w.RzStatusPane1, "RzStatusPane1", w.RzGroupBox1, 64, 62, 148, 20},
        {w.RzGroupBox2, "RzGroupBox2", w.RzPanel2, 392, 2, 185, 115},
        {w.RzLabel1, "RzLabel1", w.RzGroupBox2, 14, 17, -1, -1},
        {w.RzLabel2, "RzLabel2", w.RzGroupBox2, 109, 17, -1, -1},
        {w.RzLabel3, "RzLabel3", w.RzGroupBox2, 14, 67, -1, -1},
        {w.RzLabel4, "RzLabel4", w.RzGroupBox2, 14, 92, -1, -1},
        {w.RzEdit2, "RzEdit2", w.RzGroupBox2, 14, 34, 65, 20},
        {w.RzSpinEdit2, "RzSpinEdit2", w.RzGroupBox2, 109, 34, 47, 20},
        {w.RzFontComboBox1, "RzFontComboBox1", w.RzGroupBox2, 48, 60, 108, 22},
        {w.RzSpinEdit1, "RzSpinEdit1", w.RzGroupBox2, 48, 88, 47, 20},
        {w.RzBitBtn1, "RzBitBtn1", w.RzPanel2, 312, 90, -1, -1},
    };
}

// Each control with its name, parent, place and (where given, >= 0) size.
void ExpectPlaces(const std::vector<Place>& places) {
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        ASSERT_NE(p.control, nullptr);
        EXPECT_EQ(p.control->Name(), p.name);
        EXPECT_EQ(p.control->Parent(), p.parent);
        EXPECT_EQ(p.control->Left(), p.left);
        EXPECT_EQ(p.control->Top(), p.top);
        if (p.width >= 0) {
            EXPECT_EQ(p.control->Width(), p.width);
        }
        if (p.height >= 0) {
            EXPECT_EQ(p.control->Height(), p.height);
        }
    }
}

TEST_F(MainWindowTest, EveryControlIsInItsPlaceWithItsSize) {
    TF_main& w = Open();
    EXPECT_EQ(w.Width(), 588);
    EXPECT_EQ(w.Height(), 410);
    EXPECT_EQ(w.ClientWidth(), 580);
    EXPECT_EQ(w.ClientHeight(), 383);
    win::RECT client{};
    win::GetClientRect(w.Handle(), &client);
    EXPECT_EQ(client.right, 580);
    EXPECT_EQ(client.bottom, 383);
    const win::SIZE screen = win::headless::Screen().ScreenSize();
    EXPECT_EQ(w.Left(), (screen.cx - 588) / 2) << "centred on the screen";
    EXPECT_EQ(w.Top(), (screen.cy - 410) / 2);

    ExpectPlaces(Table(w));
    EXPECT_FALSE(w.Image2->Visible());
    win::RECT memoWindow{};
    win::GetWindowRect(w.RzMemo1->Handle(), &memoWindow);
    win::POINT memoOrigin{memoWindow.left, memoWindow.top};
    win::ScreenToClient(w.Handle(), &memoOrigin);
    EXPECT_EQ(memoOrigin.x, 0);
    EXPECT_EQ(memoOrigin.y, 129) << "the output view fills the client area below the band";
    EXPECT_EQ(memoWindow.right - memoWindow.left, 580);
    EXPECT_EQ(memoWindow.bottom - memoWindow.top, 254);
}

TEST_F(MainWindowTest, CaptionsHintsAndTabOrders) {
    TF_main& w = Open();
    EXPECT_EQ(w.Caption(), "GlyphloomV 1.0 网址：https://glyphloom.example");
    EXPECT_EQ(win::GetWindowTextString(w.Handle()), w.Caption());
    const std::map<TControl*, std::string> captions = {
        {w.RzBitBtn4, "成图"},       {w.RzBitBtn1, "关于"},       {w.RzBitBtn5, "导入"},
        {w.RzGroupBox1, "输入设置"}, {w.RzGroupBox2, "输出设置"}, {w.RzRadioButton1, "图片"},
        {w.RzRadioButton2, "字符"},  {w.RzLabel5, "图片"},        {w.RzLabel6, "已输入："},
        {w.RzLabel1, "输入字符"},    {w.RzLabel2, "空格长度"},    {w.RzLabel3, "字体"},
        {w.RzLabel4, "大小"},
    };
    for (const auto& [control, caption] : captions) EXPECT_EQ(control->Caption(), caption) << control->Name();
    EXPECT_EQ(w.RzStatusPane1->Caption(), "Tarnwick<QQ群号3164825>");
    EXPECT_EQ(w.RzRadioButton2->Tag(), 1);
    EXPECT_EQ(w.RzBitBtn4->ImageIndex(), 2);
    EXPECT_EQ(w.RzBitBtn5->ImageIndex(), 0);
    EXPECT_EQ(w.RzBitBtn1->ImageIndex(), 6);
    EXPECT_EQ(w.ImageList1->Count(), 8);
    EXPECT_EQ(w.OpenPictureDialog1->Filter(),
              "Bitmaps (*.bmp)|*.bmp|Pictures "
              "(*.png;*.jpg;*.jpeg;*.gif;*.webp)|*.png;*.jpg;*.jpeg;*.gif;*.webp");

    const std::map<TWinControl*, int> tabOrders = {
        {w.RzMemo1, 0},         {w.RzPanel2, 1},       {w.RzBitBtn4, 0},   {w.RzGroupBox1, 1},
        {w.RzRadioButton2, 0},  {w.RzRadioButton1, 1}, {w.RzEdit1, 2},     {w.RzBitBtn5, 3},
        {w.RzEdit3, 4},         {w.RzGroupBox2, 2},    {w.RzSpinEdit2, 0}, {w.RzEdit2, 1},
        {w.RzFontComboBox1, 2}, {w.RzSpinEdit1, 3},    {w.RzBitBtn1, 3},
    };
    for (const auto& [control, order] : tabOrders) EXPECT_EQ(control->TabOrder(), order) << control->Name();

    // Tab walks the window in that order; the disabled banner text and the unchecked radio button are
    // skipped, and the output view takes Tab as a character, so the walk ends there.
    w.RzBitBtn4->SetFocus();
    const std::vector<TWinControl*> walk = {w.RzRadioButton1, w.RzEdit1,   w.RzBitBtn5,
                                            w.RzSpinEdit2,    w.RzEdit2,   w.RzFontComboBox1,
                                            w.RzSpinEdit1,    w.RzBitBtn1, w.RzMemo1};
    for (TWinControl* expected : walk) {
        Press(win::VK_TAB);
        EXPECT_EQ(w.ActiveControl(), expected) << "expected " << expected->Name() << ", focus on "
                                               << (w.ActiveControl() ? w.ActiveControl()->Name() : "nothing");
    }
}

TEST_F(MainWindowTest, HintsShowOnlyForConvertPathAndBannerText) {
    TF_main& w = Open();
    const std::vector<std::pair<TControl*, std::string>> hinted = {
        {w.RzBitBtn4, "点击输出文字"}, {w.RzEdit1, "输入图片路径"}, {w.RzEdit3, "输入文字，长度少于40"}};
    auto showing = [&] { return m_app->HintWindow() && m_app->HintWindow()->HintVisible(); };
    for (const auto& [control, hint] : hinted) {
        SCOPED_TRACE(control->Name());
        EXPECT_EQ(control->Hint(), hint);
        auto& windowed = dynamic_cast<TWinControl&>(*control);
        win::headless::MouseMove(windowed.Handle(), 5, 5);
        win::headless::AdvanceClock(499);
        EXPECT_FALSE(showing());
        win::headless::AdvanceClock(1);
        ASSERT_TRUE(showing());
        EXPECT_EQ(win::GetWindowTextString(m_app->HintWindow()->Handle()), hint);
        win::headless::AdvanceClock(2500);
        EXPECT_FALSE(showing()) << "hidden after 2500 ms";
        win::headless::MouseLeaveAll();
        win::headless::Pump();
    }
    for (TWinControl* quiet : std::vector<TWinControl*>{w.RzBitBtn1, w.RzBitBtn5, w.RzEdit2, w.RzSpinEdit2,
                                                        w.RzRadioButton1, w.RzMemo1}) {
        win::headless::MouseMove(quiet->Handle(), 5, 5);
        win::headless::AdvanceClock(1000);
        EXPECT_FALSE(showing()) << quiet->Name();
        win::headless::MouseLeaveAll();
        win::headless::Pump();
    }
}

TEST_F(MainWindowTest, StartsInPictureModeWithTheOutputFontAtOnePoint) {
    TF_main& w = Open();
    EXPECT_TRUE(w.RzRadioButton1->Checked());
    EXPECT_FALSE(w.RzRadioButton2->Checked());
    EXPECT_TRUE(w.RzEdit1->Enabled());
    EXPECT_TRUE(w.RzBitBtn5->Enabled());
    EXPECT_FALSE(w.RzEdit3->Enabled());
    EXPECT_EQ(w.RzEdit3->Text(), "Tarnwick<QQ群号3164825>");
    EXPECT_EQ(w.RzEdit3->MaxLength(), 40);
    EXPECT_EQ(w.RzEdit2->Text(), "Kiv");
    EXPECT_EQ(w.RzSpinEdit2->IntegerValue(), 3);
    EXPECT_EQ(w.RzSpinEdit2->Text(), "3");
    EXPECT_EQ(w.RzSpinEdit1->IntegerValue(), 1);
    EXPECT_EQ(w.RzSpinEdit1->Text(), "1");
    EXPECT_EQ(w.RzEdit1->Text(), DefaultPicture());

    // The window font, and the output view in it at 1 point, with the font box showing its face.
    EXPECT_EQ(w.Font()->Name(), "宋体");
    EXPECT_EQ(w.Font()->Height(), -12);
    EXPECT_EQ(w.Font()->Color(), clWindowText);
    EXPECT_EQ(w.RzMemo1->Font()->Name(), "宋体");
    EXPECT_EQ(w.RzMemo1->Font()->Size(), 1);
    EXPECT_GE(w.RzFontComboBox1->ItemIndex(), 0);
    EXPECT_EQ(w.RzFontComboBox1->FontName(), "宋体");
    EXPECT_EQ(w.RzFontComboBox1->Text(), "宋体");

    // The output view holds the start-up sample; its last 20 lines are the default banner as the convert
    // command renders it now.
    const auto sample = FindResource(TResourceType::Text, kStartupSampleResource);
    ASSERT_TRUE(sample);
    auto expected = std::make_unique<TStringList>();
    expected->SetText(std::string(*sample));
    const std::vector<std::string> lines = MemoLines();
    ASSERT_EQ(static_cast<int>(lines.size()), expected->Count());
    ASSERT_GT(lines.size(), 20u);
    for (int i = 0; i < expected->Count(); ++i)
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], expected->Strings(i));

    ClickOn(*w.RzRadioButton2);
    const std::vector<std::string> banner = Convert();
    ASSERT_EQ(banner.size(), 20u);
    for (std::size_t i = 0; i < 20; ++i) EXPECT_EQ(banner[i], lines[lines.size() - 20 + i]) << "row " << i;
}

TEST_F(MainWindowTest, ShowsTheWindowInItsColours) {
    TF_main& w = Open();
    EXPECT_EQ(w.Color(), clBtnFace);
    EXPECT_EQ(PixelOf(w, 2, 126), Rgb(240, 240, 240)) << "the band, on the button face";
    EXPECT_EQ(win::headless::WindowPixel(w.RzMemo1->Handle(), 0, 0), Rgb(127, 157, 185))
        << "the output view's frame";
    EXPECT_EQ(win::headless::WindowPixel(w.RzEdit2->Handle(), 0, 0), Rgb(127, 157, 185))
        << "the glyph string's frame";
    EXPECT_EQ(w.RzBitBtn4->Color(), static_cast<TColor>(15791348));
    EXPECT_EQ(w.RzRadioButton1->FrameColor(), static_cast<TColor>(8409372));
    EXPECT_EQ(w.RzStatusPane1->FlatColor(), static_cast<TColor>(11571823));
    EXPECT_FALSE(w.RzStatusPane1->ParentColor());
}

// On a screen of 120 pixels per inch the window font grows to 15 pixels, and everything with it by 15 / 12.
TEST_F(MainWindowTest, ScalesWithTheScreenDensity) {
    TF_main& w = Open(120);
    EXPECT_EQ(w.Font()->Height(), -15);
    EXPECT_EQ(w.ClientWidth(), 725);  // 580 x 15 / 12
    EXPECT_EQ(w.ClientHeight(), 479); // 383 x 15 / 12 = 478.75
    const std::vector<Place> scaled = {
        {w.RzPanel2, "RzPanel2", &w, 0, 0, 725, 161},             // 129 -> 161.25
        {w.RzMemo1, "RzMemo1", &w, 0, 161, 725, 318},             // the rest of the client area
        {w.RzBitBtn4, "RzBitBtn4", w.RzPanel2, 290, 113, 94, 31}, // 112.5 -> 113, 93.75 -> 94
        {w.RzGroupBox1, "RzGroupBox1", w.RzPanel2, 10, 5, 471, 106},
        // Edits keep the height their font asks for: 15 + 8.
        {w.RzEdit1, "RzEdit1", w.RzGroupBox1, 80, 18, 311, 23},       // 17.5 -> 18, 311.25 -> 311
        {w.RzGroupBox2, "RzGroupBox2", w.RzPanel2, 490, 3, 231, 144}, // 2.5 -> 3, 231.25, 143.75
        {w.RzSpinEdit2, "RzSpinEdit2", w.RzGroupBox2, 136, 43, 59, 23},
        {w.RzLabel4, "RzLabel4", w.RzGroupBox2, 18, 115, -1, -1},
    };
    ExpectPlaces(scaled);
    EXPECT_EQ(w.RzMemo1->Font()->Size(), 1) << "the output view still starts at the size box's 1 point";
}

} // namespace
} // namespace gl::apptest
