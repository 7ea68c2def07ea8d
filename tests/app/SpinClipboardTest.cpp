// The clipboard keys in the window's two number fields: the size box takes no paste or cut from any key,
// the space-length field takes them and then holds the pasted text to its range.
#include "MainWindowTestSupport.h"

#include "components/RzSpnEdt.h"
#include "framework/graphics/Font.h"

#include "platform/win/KeyCodes.h"

#include <optional>

namespace gl::apptest {
namespace {

TEST_F(MainWindowTest, TheSizeBoxRefusesPasteAndCutFromEveryKey) {
    TF_main& w = Open();
    ClickOn(*w.RzSpinEdit1);
    AsUser([] { win::headless::KeyChord({win::VK_CONTROL, 'A'}); });
    ASSERT_EQ(w.RzSpinEdit1->SelLength(), 1);

    win::headless::Screen().SetClipboardText("999");
    const std::vector<std::vector<int>> refused = {{win::VK_CONTROL, 'V'},
                                                   {win::VK_SHIFT, win::VK_INSERT},
                                                   {win::VK_CONTROL, 'X'},
                                                   {win::VK_SHIFT, win::VK_DELETE}};
    for (const std::vector<int>& keys : refused) {
        AsUser([&keys] {
            for (int key : keys) win::headless::KeyDown(key);
            for (auto key = keys.rbegin(); key != keys.rend(); ++key) win::headless::KeyUp(*key);
        });
        EXPECT_EQ(w.RzSpinEdit1->Text(), "1") << "keys " << keys[0] << "+" << keys[1];
        EXPECT_EQ(w.RzMemo1->Font()->Size(), 1);
        EXPECT_EQ(win::headless::Screen().GetClipboardText(), std::optional<std::string>("999"))
            << "a refused cut copies nothing either";
    }
    // Copying changes nothing in the field, so it stays allowed.
    AsUser([] { win::headless::KeyChord({win::VK_CONTROL, 'C'}); });
    EXPECT_EQ(win::headless::Screen().GetClipboardText(), std::optional<std::string>("1"));
    AsUser([] { win::headless::KeyChord({win::VK_CONTROL, win::VK_INSERT}); });
    EXPECT_EQ(win::headless::Screen().GetClipboardText(), std::optional<std::string>("1"));
}

TEST_F(MainWindowTest, TheSpaceLengthFieldPastesAndCutsThenKeepsItsRange) {
    TF_main& w = Open();
    ClickOn(*w.RzSpinEdit2);
    AsUser([] { win::headless::KeyChord({win::VK_CONTROL, 'A'}); });

    win::headless::Screen().SetClipboardText("12");
    AsUser([] { win::headless::KeyChord({win::VK_CONTROL, 'V'}); });
    EXPECT_EQ(w.RzSpinEdit2->Text(), "12");
    AsUser([] { win::headless::KeyChord({win::VK_CONTROL, 'A'}); });
    win::headless::Screen().SetClipboardText("7");
    AsUser([] { win::headless::KeyChord({win::VK_SHIFT, win::VK_INSERT}); });
    EXPECT_EQ(w.RzSpinEdit2->Text(), "7");
    AsUser([] { win::headless::KeyChord({win::VK_CONTROL, 'A'}); });
    AsUser([] { win::headless::KeyChord({win::VK_CONTROL, 'X'}); });
    EXPECT_EQ(w.RzSpinEdit2->Text(), "");
    EXPECT_EQ(win::headless::Screen().GetClipboardText(), std::optional<std::string>("7"));

    // A paste is not filtered as typing is, but leaving the field holds it to 1..20.
    win::headless::Screen().SetClipboardText("99");
    AsUser([] { win::headless::KeyChord({win::VK_SHIFT, win::VK_INSERT}); });
    EXPECT_EQ(w.RzSpinEdit2->Text(), "99");
    AsUser([] { win::headless::KeyChord({win::VK_SHIFT, win::VK_HOME}); });
    AsUser([] { win::headless::KeyChord({win::VK_SHIFT, win::VK_DELETE}); });
    EXPECT_EQ(w.RzSpinEdit2->Text(), "");
    EXPECT_EQ(win::headless::Screen().GetClipboardText(), std::optional<std::string>("99"));
    win::headless::Screen().SetClipboardText("4x");
    AsUser([] { win::headless::KeyChord({win::VK_CONTROL, 'V'}); });
    EXPECT_EQ(w.RzSpinEdit2->Text(), "4x");
    win::headless::ResetBeepCount();
    AsUser([] { win::headless::TypeText("x"); });
    EXPECT_EQ(w.RzSpinEdit2->Text(), "4x") << "typing stays filtered";
    EXPECT_EQ(win::headless::BeepCount(), 1);
    ClickOn(*w.RzSpinEdit1);
    EXPECT_EQ(w.RzSpinEdit2->Text(), "1") << "text that is no number becomes the lowest value";

    ClickOn(*w.RzSpinEdit2);
    win::headless::Screen().SetClipboardText("99");
    AsUser([] {
        win::headless::KeyChord({win::VK_CONTROL, 'A'});
        win::headless::KeyChord({win::VK_CONTROL, 'V'});
    });
    ClickOn(*w.RzSpinEdit1);
    EXPECT_EQ(w.RzSpinEdit2->Text(), "20");
}

} // namespace
} // namespace gl::apptest
