// Forms made from their stored layout: the creation handler and its errors, scaling to the screen's density,
// placing and the start request, modal showing and closing.
#include "FormsTestSupport.h"

#include "framework/forms/Screen.h"
#include "framework/graphics/Font.h"
#include "framework/stored/LayoutClass.h"
#include "platform/user/User.h"

#include <cstdlib>

namespace gl::formstest {
namespace {

constexpr const char* kProbeLayout = R"(object ProbeForm: TProbeForm
  Left = 0
  Top = 0
  Width = 588
  Height = 410
  Caption = 'Probe'
  Font.Height = -12
  Font.Name = '宋体'
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 12
  object Band: TPanelBox
    Left = 0
    Top = 0
    Width = 580
    Height = 129
    Align = alTop
    TabOrder = 1
    object PathEdit: TEditBox
      Left = 64
      Top = 14
      Width = 249
      Height = 20
      TabOrder = 0
    end
    object ConvertButton: TButtonBox
      Left = 232
      Top = 90
      Width = 75
      Height = 25
      Caption = '成图'
      TabOrder = 1
      OnClick = ConvertClick
    end
  end
  object Output: TEditBox
    Left = 0
    Top = 129
    Width = 580
    Height = 254
    Align = alClient
    TabOrder = 0
  end
end
)";

class TProbeForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TProbeForm"; }

    std::function<void()> onCreate;
    TEditBox* PathEdit = nullptr;
    TButtonBox* ConvertButton = nullptr;
    int converts = 0;
    bool boundBeforeCreate = false;

protected:
    void DeclareHandlers(LayoutMethods& methods) override {
        methods.Add<TNotifyEvent>("FormCreate", [this](TObject*) {
            boundBeforeCreate = PathEdit != nullptr;
            if (onCreate) onCreate();
        });
        methods.Add<TNotifyEvent>("ConvertClick", [this](TObject*) { ++converts; });
    }
    void BindComponents() override {
        Bind(PathEdit, "PathEdit");
        Bind(ConvertButton, "ConvertButton");
    }
};

class FormTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        LayoutClass<TProbeForm>("TProbeForm", "TForm");
        RegisterFormLayoutText("TProbeForm", kProbeLayout);
        win::headless::SetScreenSize(1024, 768);
    }
    void TearDown() override {
        unsetenv("GLYPHLOOM_SHOW");
        FormsTest::TearDown();
    }
};

TEST_F(FormTest, CreationReadsTheLayoutRunsOnCreateAndShowsErrorsBeforeTheFormShows) {
    // OnCreate is reached through the layout, so the failing step comes with the form's class.
    static bool visibleDuringCreate = true;
    struct TFailingForm : TProbeForm {
        using TProbeForm::TProbeForm;
        std::string ClassName() const override { return "TFailingForm"; }

    protected:
        void DeclareHandlers(LayoutMethods& methods) override {
            TProbeForm::DeclareHandlers(methods);
            methods.Add<TNotifyEvent>("FormCreate", [this](TObject*) {
                visibleDuringCreate = win::IsWindowVisible(Handle()) != 0;
                throw EFOpenError("Cannot open file \"/nowhere/Tarnwick.bmp\". 系统找不到指定的文件");
            });
        }
    };
    LayoutClass<TFailingForm>("TFailingForm", "TProbeForm");
    static std::string layout = kProbeLayout;
    if (layout.find("TFailingForm") == std::string::npos)
        layout.replace(layout.find("ProbeForm: TProbeForm"), 21, "ProbeForm: TFailingForm");
    RegisterFormLayoutText("TFailingForm", layout);

    TFailingForm* form = nullptr;
    app->CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(app->MainForm(), form);
    ASSERT_EQ(boxes.size(), 1u) << "one error box, shown while the form was being made";
    EXPECT_EQ(boxes[0].text, "Cannot open file \"/nowhere/Tarnwick.bmp\". 系统找不到指定的文件.");
    EXPECT_FALSE(visibleDuringCreate);

    // The rest of creation went on: controls in place, handlers wired, the window shows normally.
    EXPECT_EQ(form->Caption(), "Probe");
    EXPECT_EQ(form->ConvertButton->Parent()->Name(), "Band");
    EXPECT_EQ(form->ClientWidth(), 580);
    EXPECT_EQ(form->ClientHeight(), 383);
    auto* output = dynamic_cast<TEditBox*>(form->FindComponent("Output"));
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->BoundsRect(), Bounds(0, 129, 580, 254)) << "the client-aligned control fills the rest";
    form->ConvertButton->OnClick(form->ConvertButton);
    EXPECT_EQ(form->converts, 1);
    form->Show();
    EXPECT_TRUE(win::IsWindowVisible(form->Handle()));
    EXPECT_FALSE(win::IsZoomed(form->Handle()));
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(FormTest, AtOneHundredTwentyPixelsPerInchTheLayoutGrowsByFifteenTwelfths) {
    win::headless::SetDpi(120);
    TProbeForm* form = CreateForm<TProbeForm>(app.get());
    EXPECT_EQ(form->Font()->Height(), -15) << "-12 × 120 / 96";
    ASSERT_EQ(form->TextHeight(), 15) << "the scaled font's text height decides the factor";
    EXPECT_EQ(form->PixelsPerInch(), 120);
    // The client area grows, the desktop's frame does not.
    EXPECT_EQ(form->ClientWidth(), 725);                                    // 580 × 15 / 12
    EXPECT_EQ(form->ClientHeight(), 479);                                   // 383 × 15 / 12 = 478.75
    EXPECT_EQ(form->ConvertButton->BoundsRect(), Bounds(290, 113, 94, 31)); // 232, 90, 75, 25 × 1.25
    EXPECT_EQ(form->PathEdit->BoundsRect(), Bounds(80, 18, 311, 25));       // 64, 14, 249, 20 × 1.25
    auto* band = dynamic_cast<TPanelBox*>(form->FindComponent("Band"));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->BoundsRect(), Bounds(0, 0, 725, 161)) << "aligned to the top: full width, 129 × 1.25";
    auto* output = dynamic_cast<TEditBox*>(form->FindComponent("Output"));
    EXPECT_EQ(output->BoundsRect(), Bounds(0, 161, 725, 318)) << "the client-aligned control takes the rest";

    win::headless::SetDpi(96);
    TProbeForm* plain = CreateForm<TProbeForm>(app.get());
    EXPECT_EQ(plain->Font()->Height(), -12);
    EXPECT_EQ(plain->ConvertButton->BoundsRect(), Bounds(232, 90, 75, 25)) << "at 96 nothing moves";
}

TEST_F(FormTest, PositionCentresTheFormOnTheScreenWhenFirstShown) {
    TProbeForm* form = CreateForm<TProbeForm>(app.get());
    EXPECT_EQ(form->Position(), poScreenCenter);
    EXPECT_EQ(form->Left(), 0) << "placed when first shown, not before";
    form->Show();
    EXPECT_EQ(form->BoundsRect(), Bounds((1024 - 588) / 2, (768 - 410) / 2, 588, 410));
    win::RECT rect{};
    win::GetWindowRect(form->Handle(), &rect);
    EXPECT_EQ(rect.left, 218);
    EXPECT_EQ(rect.top, 179);
    // Moved by the user and shown again: it stays where it was put.
    form->Hide();
    form->SetBounds(10, 20, 588, 410);
    form->Show();
    EXPECT_EQ(form->Left(), 10);
}

TEST_F(FormTest, TheStartRequestMaximisesOrMinimisesTheMainForm) {
    for (const char* request : {"maximized", "minimized", "normal"}) {
        SCOPED_TRACE(request);
        setenv("GLYPHLOOM_SHOW", request, 1);
        app = std::make_unique<TApplication>(nullptr);
        TProbeForm* form = nullptr;
        app->CreateForm(form);
        bool zoomed = false, iconic = false, activeAtStart = false;
        win::headless::SetIdleHook([&] {
            zoomed = win::IsZoomed(form->Handle());
            iconic = win::IsIconic(form->Handle());
            activeAtStart = form->Active();
            win::headless::CloseWindow(form->Handle());
        });
        app->Run();
        win::headless::SetIdleHook({});
        const std::string which = request;
        EXPECT_EQ(zoomed, which == "maximized");
        EXPECT_EQ(iconic, which == "minimized");
        EXPECT_EQ(activeAtStart, which != "minimized") << "minimised without activation";
        EXPECT_EQ(form->WindowState(), which == "maximized"   ? wsMaximized
                                       : which == "minimized" ? wsMinimized
                                                              : wsNormal);
        if (which == "minimized") {
            EXPECT_EQ(form->ClientWidth(), 580) << "the layout survives minimising";
        }
    }
}

TEST_F(FormTest, AModalFormRunsItsOwnLoopUntilAButtonEndsIt) {
    TProbeForm* owner = nullptr;
    app->CreateForm(owner);
    owner->Show();
    TProbeForm* dialog = CreateForm<TProbeForm>(app.get());
    dialog->ConvertButton->SetModalResult(mrOk);
    bool ownerDisabled = false;
    win::headless::SetIdleHook([&] {
        ownerDisabled = !win::IsWindowEnabled(owner->Handle());
        win::headless::Click(dialog->ConvertButton->Handle(), 5, 5);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    win::headless::SetIdleHook({});
    EXPECT_TRUE(ownerDisabled) << "the other forms wait while the modal one is up";
    EXPECT_TRUE(win::IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(app->Terminated());
    EXPECT_THROW(owner->ShowModal(), EInvalidOperation) << "a visible form cannot become modal";

    // Closing the window cancels; OnCloseQuery may refuse once.
    int queries = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    win::headless::SetIdleHook([&] { win::headless::CloseWindow(dialog->Handle()); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    win::headless::SetIdleHook({});
    EXPECT_EQ(queries, 2);
}

TEST_F(FormTest, ClosingAFormHidesItAndClosingTheMainFormEndsTheProgram) {
    TProbeForm* main = nullptr;
    app->CreateForm(main);
    TProbeForm* other = nullptr;
    app->CreateForm(other);
    EXPECT_EQ(app->MainForm(), main);
    other->Show();
    std::vector<std::string> log;
    other->OnClose = [&](TObject*, TCloseAction& action) {
        log.push_back("close");
        EXPECT_EQ(action, caHide);
    };
    other->Close();
    EXPECT_EQ(log, std::vector<std::string>{"close"});
    EXPECT_FALSE(other->Visible());

    other->Show();
    other->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    other->Close();
    EXPECT_EQ(Screen->FormCount(), 2) << "freed once the waiting messages are handled";
    app->ProcessMessages();
    EXPECT_EQ(Screen->FormCount(), 1);

    win::headless::SetIdleHook([&] { win::headless::CloseWindow(main->Handle()); });
    app->Run();
    win::headless::SetIdleHook({});
    EXPECT_TRUE(app->Terminated());
}

} // namespace
} // namespace gl::formstest
