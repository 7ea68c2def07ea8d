// The fixture and the small controls of the application and form tests.
#include "FormsTestSupport.h"

#include "framework/controls/ControlProperties.h"
#include "framework/forms/ExtCtrlsTimer.h"
#include "framework/graphics/ImageList.h"
#include "framework/stored/LayoutClass.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/user/User.h"

#include <cctype>

namespace gl::formstest {

void TEditBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "EDIT");
    params.Style |= win::ES_AUTOHSCROLL;
}

void TButtonBox::CMDialogKey(TCMDialogKey& message) {
    // The button that Enter clicks: the focused one, or the default one while the focus is on no button.
    auto* focusedButton = dynamic_cast<TButtonBox*>(FindControl(win::GetFocus()));
    const bool active = focusedButton ? focusedButton == this : Default;
    const bool enter = message.CharCode() == win::VK_RETURN && active;
    const bool escape = message.CharCode() == win::VK_ESCAPE && Cancel;
    if ((enter || escape) && CanFocus()) {
        Click();
        message.SetResult(1);
        return;
    }
    TCustomControl::CMDialogKey(message);
}

void TButtonBox::CMDialogChar(TCMDialogChar& message) {
    const std::string caption = Caption();
    const auto amp = caption.find('&');
    if (amp != std::string::npos && amp + 1 < caption.size() && CanFocus() &&
        std::tolower(static_cast<unsigned char>(caption[amp + 1])) ==
            static_cast<int>(std::tolower(static_cast<int>(message.CharCode())))) {
        Click();
        message.SetResult(1);
        return;
    }
    TCustomControl::CMDialogChar(message);
}

void TButtonBox::Click() {
    ++clicks;
    if (TCustomForm* form = GetParentForm(this); form && ModalResult != mrNone)
        form->SetModalResult(ModalResult);
    TCustomControl::Click();
}

void RegisterTestControls() {
    RegisterFormsLayout();
    RegisterTimerLayout();
    RegisterImageListLayout();
    LayoutClass<TPanelBox>("TPanelBox", "TCustomControl").Creatable();
    LayoutClass<TEditBox>("TEditBox", "TWinControl").Creatable();
    LayoutClass<TButtonBox>("TButtonBox", "TCustomControl")
        .Creatable()
        .Property("Default", &TButtonBox::SetDefault)
        .Property("Cancel", &TButtonBox::SetCancel)
        .Property("ModalResult", &TButtonBox::SetModalResult);
}

void FormsTest::SetUp() {
    win::headless::Use();
    win::RegisterEditClass();
    RegisterTestControls();
    win::SetMessageBoxHook([this](const win::MessageBoxInfo& info) {
        boxes.push_back(ShownBox{info.caption, info.text, info.icon, info.buttons});
        return win::IDOK;
    });
    app = std::make_unique<TApplication>(nullptr);
}

void FormsTest::TearDown() {
    app.reset();
    win::SetMessageBoxHook({});
    win::headless::Use();
}

void ModalSteps::Then(std::function<void()> step) {
    m_steps.push_back(std::move(step));
    win::headless::SetIdleHook([this] {
        if (m_steps.empty()) return;
        auto next = std::move(m_steps.front());
        m_steps.pop_front();
        next();
    });
}

void FormsTest::ThroughLoop(const std::function<void()>& input) {
    bool given = false;
    win::headless::SetIdleHook([&] {
        if (given) return;
        given = true;
        input();
    });
    while (!given && !app->Terminated()) app->HandleMessage();
    app->ProcessMessages();
    win::headless::SetIdleHook({});
}

} // namespace gl::formstest
