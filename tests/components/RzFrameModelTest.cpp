// Tests of the frame settings the framed edit and the framed combo box share: the defaults, the hot-track
// rule in code and while a layout is read, and what turning the frame on does to each control's sunken edge.
#include "RzControlsTestSupport.h"

#include "components/RzCmboBx.h"
#include "components/RzEdit.h"
#include "framework/stored/LayoutClass.h"
#include "platform/controls/ControlClasses.h"

namespace gl::rztest {
namespace {

class RzFrameModelTest : public RzControlsTest {
protected:
    void SetUp() override {
        RzControlsTest::SetUp();
        ASSERT_TRUE(win::RegisterStandardControls());
    }
    template <class C> C* Make() {
        MakeForm();
        auto* control = new C(&m_owner);
        control->SetBounds(20, 20, 120, 22);
        control->SetParent(m_form);
        control->HandleNeeded();
        return control;
    }
};

// Both controls start from the same settings, and turning hot tracking on outside of loading shows the frame
// on all four sides.
template <class C> void ExpectSharedRules(C& control) {
    EXPECT_EQ(control.DisabledColor(), clBtnFace);
    EXPECT_EQ(control.FocusColor(), clWindow);
    EXPECT_EQ(control.FrameColor(), clBtnShadow);
    EXPECT_EQ(control.FrameHotStyle(), fsFlatBold);
    EXPECT_EQ(control.FrameStyle(), fsFlat);
    EXPECT_EQ(control.FramingPreference(), fpXPThemes);
    EXPECT_FALSE(control.FrameVisible());
    EXPECT_FALSE(control.TabOnEnter());

    control.SetFrameSides(TSides{sdLeft});
    control.SetFrameHotTrack(true);
    EXPECT_TRUE(control.FrameVisible());
    EXPECT_EQ(control.FrameSides(), sdAllSides);
    // Turning it off again leaves the frame and its sides alone.
    control.SetFrameSides(TSides{sdTop});
    control.SetFrameHotTrack(false);
    EXPECT_TRUE(control.FrameVisible());
    EXPECT_EQ(control.FrameSides(), TSides{sdTop});
}

TEST_F(RzFrameModelTest, EditAndComboBoxShareDefaultsAndTheHotTrackRule) {
    ExpectSharedRules(*Make<TRzEdit>());
    ExpectSharedRules(*Make<TRzComboBox>());
}

TEST_F(RzFrameModelTest, TheFrameKeepsTheEditsSunkenEdgeButReplacesTheComboBoxs) {
    auto* edit = Make<TRzEdit>();
    edit->SetCtl3D(false);
    edit->SetFrameVisible(true);
    EXPECT_TRUE(edit->Ctl3D()) << "the edit's line is drawn over its sunken border";

    auto* box = Make<TRzComboBox>();
    box->SetFrameVisible(true);
    EXPECT_FALSE(box->Ctl3D());
    EXPECT_FALSE(box->ParentCtl3D());
    box->SetFrameVisible(false);
    EXPECT_TRUE(box->Ctl3D());
}

TEST_F(RzFrameModelTest, ALayoutKeepsTheSidesItStatesBeforeHotTracking) {
    RegisterRzEditLayout();
    RegisterComboBoxLayout();
    LayoutClass<TRzTestForm>("TRzTestForm", "TWinControl");
    MakeForm();
    ReadLayout(*m_form, "object F: TRzTestForm\n"
                        "  object E: TRzEdit\n"
                        "    FrameSides = [sdBottom]\n    FrameHotTrack = True\n    TabOnEnter = True\n"
                        "  end\n"
                        "  object C: TRzComboBox\n"
                        "    FrameSides = [sdBottom]\n    FrameHotTrack = True\n"
                        "    FramingPreference = fpCustomFraming\n"
                        "  end\n"
                        "end\n");
    auto* edit = dynamic_cast<TRzEdit*>(m_form->FindComponent("E"));
    auto* box = dynamic_cast<TRzComboBox*>(m_form->FindComponent("C"));
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(box, nullptr);
    for (TRzFrameModel* model : {static_cast<TRzFrameModel*>(edit), static_cast<TRzFrameModel*>(box)}) {
        EXPECT_TRUE(model->FrameHotTrack());
        EXPECT_TRUE(model->FrameVisible());
        EXPECT_EQ(model->FrameSides(), TSides{sdBottom});
    }
    EXPECT_TRUE(edit->TabOnEnter());
    EXPECT_EQ(box->FramingPreference(), fpCustomFraming);
}

} // namespace
} // namespace gl::rztest
