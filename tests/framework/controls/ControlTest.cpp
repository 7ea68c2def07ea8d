// Controls without their windows: alignment arithmetic, the message table, and the CM_ notifications that
// properties send once per real change.
#include "ControlTestSupport.h"

#include "framework/controls/ControlProperties.h"
#include "framework/controls/MessageDispatch.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Font.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"

namespace gl::controltest {
namespace {

constexpr win::UINT kProbeMessage = win::WM_APP + 7;

// A panel that answers a message of its own, and takes WM_MOVE before its base classes' entry does.
class TDispatchProbe : public TPanelProbe {
public:
    explicit TDispatchProbe(TComponent* owner) : TPanelProbe(owner) {}
    const MessageTable& Messages() const override {
        static const MessageTable table = TPanelProbe::Messages().With({
            {kProbeMessage, &TDispatchProbe::ProbeMessage},
            {win::WM_MOVE, &TDispatchProbe::ProbeMove},
        });
        return table;
    }
    void ProbeMessage(TMessage& message) { message.Result = 40 + static_cast<win::LRESULT>(message.WParam); }
    void ProbeMove(TMessage& message) { message.Result = 7; }
    void WMSize(TWMSize& message) override {
        sizes.push_back(Rect(0, 0, message.Width(), message.Height()));
        TPanelProbe::WMSize(message);
    }
    std::vector<TRect> sizes;
};

TEST_F(ControlTest, AlignedChildrenShareTheClientAreaInOrder) {
    auto* form = new TFormProbe(&m_owner);
    form->SetBounds(0, 0, 588, 410); // a 580 x 383 client area inside the caption and frame
    auto* client = new TPanelProbe(&m_owner);
    client->SetParent(form);
    client->SetAlign(alClient);
    auto* second = new TPanelProbe(&m_owner);
    second->SetParent(form);
    second->SetBounds(0, 200, 10, 30);
    second->SetAlign(alTop);
    auto* band = new TPanelProbe(&m_owner);
    band->SetParent(form);
    band->SetBounds(0, 0, 10, 129);
    band->SetAlign(alTop);
    auto* status = new TPanelProbe(&m_owner);
    status->SetParent(form);
    status->SetHeight(20);
    status->SetAlign(alBottom);

    EXPECT_EQ(band->BoundsRect(), Rect(0, 0, 580, 129)) << "the top band stays above the one stored lower";
    EXPECT_EQ(second->BoundsRect(), Rect(0, 129, 580, 159));
    EXPECT_EQ(status->BoundsRect(), Rect(0, 363, 580, 383));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 159, 580, 363));

    band->SetHeight(100);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 130, 580, 363));
    band->Hide();
    EXPECT_EQ(second->BoundsRect(), Rect(0, 0, 580, 30));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 30, 580, 363));
    form->SetWidth(488);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 30, 480, 363));

    // With its window the form aligns by its real client area, and a resize of the window realigns.
    form->HandleNeeded();
    form->SetBounds(0, 0, 588, 510);
    EXPECT_EQ(status->BoundsRect(), Rect(0, 463, 580, 483));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 30, 580, 463));
    win::RECT window{};
    win::GetWindowRect(client->Handle(), &window);
    EXPECT_EQ(window.right - window.left, 580);
}

TEST_F(ControlTest, LeftAndRightColumnsAndTurningAnAlignment) {
    auto* form = new TPanelProbe(&m_owner);
    form->SetBounds(0, 0, 300, 200);
    auto* left = new TPanelProbe(&m_owner);
    left->SetParent(form);
    left->SetWidth(50);
    left->SetAlign(alLeft);
    auto* right = new TPanelProbe(&m_owner);
    right->SetParent(form);
    right->SetWidth(70);
    right->SetAlign(alRight);
    auto* rest = new TPanelProbe(&m_owner);
    rest->SetParent(form);
    rest->SetAlign(alClient);
    EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 50, 200));
    EXPECT_EQ(right->BoundsRect(), Rect(230, 0, 300, 200));
    EXPECT_EQ(rest->BoundsRect(), Rect(50, 0, 230, 200));
    EXPECT_EQ(left->Anchors(), (TAnchors{akLeft, akTop, akBottom}));

    // A column turned into a band keeps its thickness.
    left->SetAlign(alTop);
    EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 300, 50));
    EXPECT_EQ(right->BoundsRect(), Rect(230, 50, 300, 200));
    EXPECT_EQ(rest->BoundsRect(), Rect(0, 50, 230, 200));
    left->SetAlign(alNone);
    EXPECT_EQ(rest->BoundsRect(), Rect(0, 0, 230, 200));
}

TEST_F(ControlTest, MessagesReachTypedHandlersAndTheRestTheDefault) {
    auto* probe = new TDispatchProbe(&m_owner);
    EXPECT_EQ(probe->Perform(kProbeMessage, 2), 42);
    auto* other = new TPanelProbe(&m_owner);
    EXPECT_EQ(other->Perform(kProbeMessage, 2), 0) << "the entry belongs to TDispatchProbe only";

    probe->Perform(win::WM_SIZE, 0, win::MAKELPARAM(30, 40));
    ASSERT_EQ(probe->sizes.size(), 1u);
    EXPECT_EQ(probe->sizes[0], Rect(0, 0, 30, 40));

    // Without a window the text is the control's own; WM_GETTEXT never cuts a character in half.
    probe->SetText("宋体");
    char buffer[5] = {};
    EXPECT_EQ(probe->Perform(win::WM_GETTEXT, sizeof buffer, reinterpret_cast<win::LPARAM>(buffer)), 3);
    EXPECT_STREQ(buffer, "宋");
}

TEST_F(ControlTest, TheMostDerivedClassEntryWinsAndBaseEntriesStillApply) {
    auto* probe = new TDispatchProbe(&m_owner);
    EXPECT_EQ(probe->Perform(win::WM_MOVE), 7) << "the probe's own entry comes before the windowed control's";
    EXPECT_TRUE(probe->Messages().Handles(win::WM_PAINT))
        << "the windowed control's entries stay in the chain";
    EXPECT_TRUE(probe->Messages().Handles(CM_TEXTCHANGED)) << "and every control's";
    EXPECT_FALSE(TPanelProbe(nullptr).Messages().Handles(kProbeMessage));
}

TEST_F(ControlTest, ColourNotificationsComeOncePerRealChange) {
    auto* form = new TPanelProbe(&m_owner);
    auto* panel = new TPanelProbe(&m_owner);
    panel->SetParent(form);
    auto* box = new TBoxProbe(&m_owner, clRed);
    box->SetParent(panel);

    form->SetColor(clRed);
    form->SetColor(clRed);
    EXPECT_EQ(form->counts[CM_COLORCHANGED], 1);
    EXPECT_EQ(panel->counts[CM_COLORCHANGED], 1);
    EXPECT_EQ(box->counts[CM_COLORCHANGED], 1);
    EXPECT_EQ(box->Color(), clRed);
    EXPECT_TRUE(box->ParentColor());

    panel->SetColor(clBlue);
    EXPECT_FALSE(panel->ParentColor());
    form->SetColor(clLime);
    EXPECT_EQ(panel->Color(), clBlue) << "a colour of its own stops following the parent";
    EXPECT_EQ(panel->counts[CM_COLORCHANGED], 2);
    EXPECT_EQ(box->Color(), clBlue);

    panel->SetParentColor(true);
    EXPECT_EQ(panel->Color(), clLime);
    EXPECT_EQ(box->Color(), clLime);
    EXPECT_EQ(box->counts[CM_COLORCHANGED], 3);
}

TEST_F(ControlTest, FontTextHintAndEnabledNotifications) {
    auto* form = new TPanelProbe(&m_owner);
    auto* panel = new TPanelProbe(&m_owner);
    panel->SetParent(form);

    form->Font()->SetHeight(-20);
    form->Font()->SetHeight(-20);
    EXPECT_EQ(panel->counts[CM_FONTCHANGED], 1);
    EXPECT_EQ(panel->Font()->Height(), -20);
    EXPECT_TRUE(panel->ParentFont());
    panel->SetFont(form->Font());
    EXPECT_EQ(panel->counts[CM_FONTCHANGED], 1) << "assigning an equal font changes nothing";
    panel->Font()->SetName("宋体");
    EXPECT_FALSE(panel->ParentFont());
    form->Font()->SetHeight(-12);
    EXPECT_EQ(panel->Font()->Height(), -20);

    panel->SetText("a");
    panel->SetText("a");
    panel->SetCaption("a");
    EXPECT_EQ(panel->counts[CM_TEXTCHANGED], 1);
    EXPECT_EQ(panel->Caption(), "a");

    panel->SetEnabled(false);
    panel->SetEnabled(false);
    EXPECT_EQ(panel->counts[CM_ENABLEDCHANGED], 1);

    form->SetShowHint(true);
    EXPECT_TRUE(panel->ShowHint());
    EXPECT_TRUE(panel->ParentShowHint());
    panel->SetShowHint(false);
    EXPECT_FALSE(panel->ParentShowHint());
    EXPECT_EQ(panel->counts[CM_SHOWHINTCHANGED], 2);
}

TEST_F(ControlTest, NameBecomesTextUntilTheTextIsSet) {
    auto* panel = new TPanelProbe(&m_owner);
    panel->SetName("Panel1");
    EXPECT_EQ(panel->Text(), "Panel1");
    panel->SetName("Panel2");
    EXPECT_EQ(panel->Text(), "Panel2");
    panel->SetText("own");
    panel->SetName("Panel3");
    EXPECT_EQ(panel->Text(), "own");
}

TEST_F(ControlTest, RenamingThroughTheComponentKeepsTheControlsRule) {
    auto* panel = new TPanelProbe(&m_owner);
    TComponent& component = *panel;
    component.SetName("Panel1");
    component.SetName("Panel2");
    EXPECT_EQ(panel->Text(), "Panel2") << "the text still equalled the old name";
    panel->SetText("own");
    component.SetName("Panel3");
    EXPECT_EQ(panel->Text(), "own");
    EXPECT_EQ(component.Name(), "Panel3");
}

TEST_F(ControlTest, ParentsFollowTheirRules) {
    auto* outer = new TPanelProbe(&m_owner);
    auto* inner = new TPanelProbe(&m_owner);
    inner->SetParent(outer);
    EXPECT_THROW(outer->SetParent(inner), EInvalidOperation);
    EXPECT_THROW(outer->SetParent(outer), EInvalidOperation);
    EXPECT_EQ(outer->ControlCount(), 1);

    auto* lone = new TEditProbe(&m_owner);
    lone->SetName("Lone");
    try {
        lone->Handle();
        FAIL() << "a child window needs a parent";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Control 'Lone' has no parent window");
    }

    // Children live as long as their parent, whoever owns them.
    auto* owned = new TBoxProbe(&m_owner, clRed);
    owned->SetParent(inner);
    const int before = m_owner.ComponentCount();
    delete outer;
    EXPECT_EQ(m_owner.ComponentCount(), before - 3);
}

TEST_F(ControlTest, LayoutsBuildControlTreesThatAlignAndOrderOnceLoaded) {
    RegisterControlLayout();
    LayoutClass<TFormProbe>("TFormProbe", "TWinControl");
    LayoutClass<TPanelProbe>("TPanelProbe", "TWinControl").Creatable();
    LayoutClass<TEditProbe>("TEditProbe", "TWinControl").Creatable();
    auto* form = new TFormProbe(&m_owner);
    ReadLayout(*form, "object Form1: TFormProbe\n"
                      "  Width = 588\n"
                      "  Height = 410\n"
                      "  Color = clBtnFace\n"
                      "  Font.Height = -12\n"
                      "  object Band: TPanelProbe\n"
                      "    Height = 129\n"
                      "    Align = alTop\n"
                      "    object Second: TEditProbe\n"
                      "      TabOrder = 1\n"
                      "    end\n"
                      "    object First: TEditProbe\n"
                      "      TabOrder = 0\n"
                      "      Cursor = crIBeam\n"
                      "    end\n"
                      "  end\n"
                      "  object Rest: TPanelProbe\n"
                      "    Align = alClient\n"
                      "    Color = clWhite\n"
                      "  end\n"
                      "end\n");
    auto* band = dynamic_cast<TPanelProbe*>(form->FindComponent("Band"));
    auto* rest = dynamic_cast<TPanelProbe*>(form->FindComponent("Rest"));
    auto* first = dynamic_cast<TEditProbe*>(form->FindComponent("First"));
    ASSERT_TRUE(band && rest && first);
    EXPECT_EQ(band->BoundsRect(), Rect(0, 0, 580, 129));
    EXPECT_EQ(rest->BoundsRect(), Rect(0, 129, 580, 383));
    EXPECT_EQ(first->Parent(), band);
    EXPECT_EQ(first->TabOrder(), 0) << "stored tab orders are put right once all siblings exist";
    EXPECT_EQ(first->Cursor(), crIBeam);
    EXPECT_EQ(band->Color(), clBtnFace);
    EXPECT_EQ(first->Font()->Height(), -12);
    EXPECT_TRUE(first->ParentFont());
    EXPECT_EQ(rest->Color(), clWhite);
    EXPECT_FALSE(rest->ParentColor());
    EXPECT_EQ(rest->Text(), "") << "a name read while loading is no text";
    EXPECT_FALSE(first->ComponentState().Contains(csLoading));
}

} // namespace
} // namespace gl::controltest
