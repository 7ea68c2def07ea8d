// The edit, memo and combo box read from a stored layout before they have windows, and what their windows
// show once made.
#include "StdCtrlsTestSupport.h"

#include "framework/controls/StdCtrlsComboBox.h"
#include "framework/controls/StdCtrlsMemo.h"
#include "framework/controls/StdCtrlsProperties.h"
#include "framework/core/Exceptions.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/user/MessageLoop.h"

namespace gl::controltest {
namespace {

constexpr const char* kLayout = "object Form: TFormProbe\n"
                                "  object Memo: TMemo\n"
                                "    Lines.Strings = ('first' 'second')\n"
                                "    ScrollBars = ssBoth\n"
                                "    WantTabs = True\n"
                                "  end\n"
                                "  object Combo: TComboBox\n"
                                "    ItemIndex = 1\n"
                                "    Items.Strings = ('b' 'a' 'c')\n"
                                "    Sorted = True\n"
                                "    Style = csOwnerDrawFixed\n"
                                "    ItemHeight = 18\n"
                                "    OnChange = SomethingChanged\n"
                                "  end\n"
                                "  object Edit: TEdit\n"
                                "    BorderStyle = bsNone\n"
                                "    ImeName = '极品五笔输入法'\n"
                                "    MaxLength = 40\n"
                                "    Text = 'hello'\n"
                                "    OnChange = SomethingChanged\n"
                                "  end\n"
                                "end\n";

class StdCtrlsLayoutTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        RegisterComponentLayout(m_registry);
        RegisterStdCtrlsLayout(m_registry);
        LayoutClass<TWinControl>("TWinControl", "TComponent", m_registry)
            .ParentHook([](TWinControl& control, TComponent& enclosing) {
                control.SetParent(dynamic_cast<TWinControl*>(&enclosing));
            });
        LayoutClass<TFormProbe>("TFormProbe", "TWinControl", m_registry);
    }

    PropertyRegistry m_registry;
};

TEST_F(StdCtrlsLayoutTest, StoredSettingsReachTheWindows) {
    auto* form = new TFormProbe(&m_owner);
    form->SetBounds(0, 0, 400, 300);
    EventLog log;
    LayoutMethods methods;
    methods.Add("SomethingChanged", log.Record("change"));
    ReadLayout(*form, kLayout, methods, m_registry);
    auto* memo = dynamic_cast<TMemo*>(form->FindComponent("Memo"));
    auto* combo = dynamic_cast<TComboBox*>(form->FindComponent("Combo"));
    auto* edit = dynamic_cast<TEdit*>(form->FindComponent("Edit"));
    ASSERT_TRUE(memo && combo && edit);
    EXPECT_FALSE(memo->HandleAllocated()) << "reading makes no windows";

    form->HandleNeeded();
    win::headless::Pump();
    ASSERT_TRUE(memo->HandleAllocated());
    EXPECT_EQ(memo->Text(), "first\r\nsecond\r\n");
    EXPECT_NE(memo->Perform(win::WM_GETDLGCODE) & win::DLGC_WANTTAB, 0);
    EXPECT_EQ(combo->Items()->Strings(0), "a");
    EXPECT_EQ(combo->Text(), "b") << "a stored index counts in the stored, sorted order";
    EXPECT_EQ(combo->ItemHeight(), 18);
    EXPECT_EQ(edit->Text(), "hello");
    EXPECT_EQ(edit->ImeName(), "极品五笔输入法");
    EXPECT_EQ(win::SendMessage(edit->Handle(), win::EM_GETLIMITTEXT, 0, 0), 40);
    EXPECT_EQ(win::GetWindowLong(edit->Handle(), win::GWL_EXSTYLE) &
                  static_cast<win::LONG>(win::WS_EX_CLIENTEDGE),
              0);
    EXPECT_TRUE(log.events.empty()) << "the handlers are set after the text";

    edit->SetText("changed");
    EXPECT_EQ(log.Count("change"), 1);
}

TEST_F(StdCtrlsLayoutTest, UnknownValuesAreRefusedWithTheProperty) {
    auto* form = new TFormProbe(&m_owner);
    const char* bad = "object Form: TFormProbe\n"
                      "  object Memo: TMemo\n"
                      "    ScrollBars = ssDiagonal\n"
                      "  end\n"
                      "end\n";
    try {
        ReadLayout(*form, bad, {}, m_registry);
        FAIL() << "an unknown scroll style was accepted";
    } catch (const EReadError& e) {
        EXPECT_NE(std::string(e.Message()).find("ScrollBars"), std::string::npos) << e.Message();
    }
}

} // namespace
} // namespace gl::controltest
