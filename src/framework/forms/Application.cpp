// TApplication: the application object, its title, the error box and the hint settings.
#include "framework/forms/Application.h"

#include "framework/controls/WinControl.h"
#include "framework/core/FileNames.h"
#include "framework/core/MessageTexts.h"
#include "framework/forms/Hints.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/user/User.h"

#include <cstdio>
#include <new>

namespace gl {

TApplication* Application = nullptr;

namespace {

// The length of the UTF-8 character that starts with this byte (1 for a stray continuation byte).
std::size_t CharLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

// Where the last character of a UTF-8 text starts.
std::size_t LastCharStart(std::string_view text) {
    std::size_t i = text.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80 && text.size() - i < 4) --i;
    return i;
}

// The box itself; the owner is disabled while it is up.
void ShowErrorBox(win::HWND owner, const std::string& message, const std::string& title) {
    const std::string text = ErrorBoxText(message);
    win::MessageBox(owner, text.c_str(), title.c_str(), win::MB_OK | win::MB_ICONSTOP);
}

// The exception as the framework's class, so that handlers see one kind of object.
template <class Show> void WithException(std::exception_ptr error, Show show) {
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        show(e);
    } catch (const std::bad_alloc&) {
        show(EOutOfMemory(msg::SOutOfMemory));
    } catch (const std::exception& e) {
        show(Exception(e.what()));
    } catch (...) {
        show(Exception(msg::SUnknownException));
    }
}

} // namespace

std::string ApplicationTitleFromPath(std::string_view exePath) {
    std::string title = ExtractFileName(exePath);
    const auto dot = title.find('.');
    if (dot != std::string::npos) title.erase(dot);
    if (title.empty()) return title;
    // A capital first, the rest small: "glyphloom" and "GLYPHLOOM" both read "Glyphloom". Only ASCII letters
    // change case; other characters (Chinese ones) have none to change.
    if (title[0] >= 'a' && title[0] <= 'z') title[0] = static_cast<char>(title[0] - 'a' + 'A');
    for (std::size_t i = CharLength(static_cast<unsigned char>(title[0])); i < title.size(); ++i)
        if (title[i] >= 'A' && title[i] <= 'Z') title[i] = static_cast<char>(title[i] - 'A' + 'a');
    return title;
}

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (text.empty()) return text;
    const auto lead = static_cast<unsigned char>(text[LastCharStart(text)]);
    if (lead > static_cast<unsigned char>('.')) text += '.';
    return text;
}

void ShowUnhandledException(TObject* sender, std::exception_ptr error) {
    if (!error) return;
    if (Application) {
        Application->HandleException(sender, error);
        return;
    }
    WithException(error, [](const Exception& e) {
        ShowErrorBox(win::GetActiveWindow(), e.Message(), ApplicationTitleFromPath(GetModuleName()));
    });
}

// ---- The application object ----

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), m_title(ApplicationTitleFromPath(GetModuleName())) {
    Application = this;
    m_hints = new THintController(this);
    m_hints->OnControlChanged = [this](TControl* control) { SetHint(GetLongHint(GetHint(control))); };
    SetWindowExceptionHandler([](std::exception_ptr error) { ShowUnhandledException(nullptr, error); });
    SetMouseControlHook([this](TControl*, TControl*) {
        if (m_hints) m_hints->CheckPointer();
    });
}

TApplication::~TApplication() {
    Destroying();
    // The forms go first, while the application they may ask for still exists.
    DestroyComponents();
    // A newer application object may have taken over already: its hooks stay.
    if (Application != this) return;
    SetMouseControlHook(nullptr);
    SetWindowExceptionHandler(nullptr);
    Application = nullptr;
}

void TApplication::Initialize() {}

std::string TApplication::ExeName() const {
    return GetModuleName();
}

void TApplication::FormCreated(TCustomForm* form) {
    if (m_mainForm) return;
    m_mainForm = form;
    form->HandleNeeded();
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == m_mainForm) m_mainForm = nullptr;
    if (component == m_hints) m_hints = nullptr;
}

// ---- Errors ----

void TApplication::HandleException(TObject* sender, std::exception_ptr error) {
    if (!error) return;
    WithException(error, [this, sender](const Exception& e) {
        if (!OnException) {
            ShowException(e);
            return;
        }
        // A handler that fails itself is not asked again about its own failure.
        try {
            OnException(sender, e);
        } catch (...) {
            WithException(std::current_exception(), [this](const Exception& inner) { ShowException(inner); });
        }
    });
}

void TApplication::ShowException(const std::exception& error) {
    const auto* framework = dynamic_cast<const Exception*>(&error);
    const std::string message = framework ? framework->Message() : std::string(error.what());
    // The box belongs to the window the user works in, which waits while the box is up.
    win::HWND owner = win::GetActiveWindow();
    if (!FindControl(owner)) owner = nullptr;
    if (!owner && m_mainForm && m_mainForm->HandleAllocated() && win::IsWindowVisible(m_mainForm->Handle()))
        owner = m_mainForm->Handle();
    ShowErrorBox(owner, message, m_title);
}

// ---- Hints ----

bool TApplication::ShowHint() const {
    return m_hints && m_hints->Enabled();
}

void TApplication::SetShowHint(bool showHint) {
    if (m_hints) m_hints->SetEnabled(showHint);
}

int TApplication::HintPause() const {
    return m_hints ? m_hints->Pause() : 0;
}

void TApplication::SetHintPause(int ms) {
    if (m_hints) m_hints->SetPause(ms);
}

int TApplication::HintHidePause() const {
    return m_hints ? m_hints->HidePause() : 0;
}

void TApplication::SetHintHidePause(int ms) {
    if (m_hints) m_hints->SetHidePause(ms);
}

TColor TApplication::HintColor() const {
    return m_hints ? m_hints->Color() : clInfoBk;
}

void TApplication::SetHintColor(TColor color) {
    if (m_hints) m_hints->SetColor(color);
}

void TApplication::SetHint(const std::string& hint) {
    if (hint == m_hint) return;
    m_hint = hint;
    if (OnHint) OnHint(this);
}

void TApplication::CancelHint() {
    if (m_hints) m_hints->CancelHint();
}

THintWindow* TApplication::HintWindow() const {
    return m_hints ? m_hints->HintWindow() : nullptr;
}

} // namespace gl
