// TApplication: the program's application object. It knows the program's title, makes the forms (the first
// one becomes the main form), runs the message loop until the main form closes, lets the focused control and
// its form see keys before they are dispatched (dialog keys, accelerators), drives the hints, and shows every
// exception that escapes a handler in the error box (stop icon, one OK button, the title as caption), after
// which the loop goes on. An EAbort is a silent cancel and shows nothing.
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Exceptions.h"
#include "framework/core/FlagScope.h"
#include "framework/forms/Forms.h"

#include "platform/user/Messages.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace gl {

class THintController;
class THintWindow;

using TExceptionEvent = std::function<void(TObject* sender, const Exception& error)>;
// handled = true: the message is not dispatched.
using TMessageEvent = std::function<void(win::MSG& msg, bool& handled)>;
// done = false: OnIdle is raised again before the loop waits.
using TIdleEvent = std::function<void(TObject* sender, bool& done)>;

class TApplication : public TComponent {
public:
    // The program has one application object at a time; it is Application while it lives.
    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    // ---- Start and the loop ----
    void Initialize();
    // Makes a form owned by the application; `reference` is set before the form's creation handler runs, so
    // that the handler can reach it. The first form made becomes the main form.
    template <class T> void CreateForm(T*& reference);
    // Shows the main form (maximised or minimised when the program was started so) and handles messages
    // until the application is terminated (the main form closed).
    void Run();
    // Handles every message waiting now, then returns.
    void ProcessMessages();
    // Handles one message, waiting for one when none is waiting.
    void HandleMessage();
    // Ends the loop (once the messages already waiting are handled).
    void Terminate();
    bool Terminated() const { return m_terminated; }
    TCustomForm* MainForm() const { return m_mainForm; }
    bool ShowMainForm() const { return m_showMainForm; }
    void SetShowMainForm(bool show) { m_showMainForm = show; }

    // ---- Title ----
    // The executable's file name without folder, cut at its first ".", its first letter a capital and every
    // character after it lower-cased ("glyphloom" → "Glyphloom").
    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }
    std::string ExeName() const;

    // ---- Errors ----
    // OnException when set, the error box otherwise; nothing for an EAbort. Never throws.
    void HandleException(TObject* sender, std::exception_ptr error = std::current_exception());
    // The error box for the exception.
    void ShowException(const std::exception& error);

    // ---- Hints ----
    bool ShowHint() const;
    void SetShowHint(bool showHint);
    int HintPause() const;
    void SetHintPause(int ms);
    int HintHidePause() const;
    void SetHintHidePause(int ms);
    TColor HintColor() const;
    void SetHintColor(TColor color);
    // The long part of the hint of the control under the pointer; OnHint tells each change.
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint);
    void CancelHint();
    THintController* Hints() const { return m_hints; }
    THintWindow* HintWindow() const;

    // ---- Events ----
    TExceptionEvent OnException;
    TMessageEvent OnMessage;
    TIdleEvent OnIdle;
    TNotifyEvent OnHint;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FormCreated(TCustomForm* form);
    bool ProcessMessage(win::MSG& msg);
    void Dispatch(win::MSG& msg);
    void Idle();
    bool IsKeyMsg(win::MSG& msg);
    void WatchForHints(const win::MSG& msg);

    std::string m_title;
    bool m_terminated = false;
    bool m_showMainForm = true;
    TCustomForm* m_mainForm = nullptr;
    THintController* m_hints = nullptr;
    std::string m_hint;
};

// The application object while one exists, else null.
extern TApplication* Application;

// The title for an executable's path: the file name without folder, cut at its first ".", its first letter a
// capital and every character after it lower-cased ("/opt/GLYPH.loom" → "Glyph", "glyphloom" → "Glyphloom").
std::string ApplicationTitleFromPath(std::string_view exePath);
// The error box's text for a message: the message with "." appended when its last character, compared by its
// first byte, sorts after "." (so after a letter or a Chinese character, not after ".", ")" or "!").
std::string ErrorBoxText(std::string_view message);
// Shows an exception that escaped: through the application when there is one, else in the error box titled
// from the executable's name; nothing for an EAbort. Never throws.
void ShowUnhandledException(TObject* sender, std::exception_ptr error);

// The program's entry: makes the application, initialises it, lets `createForms` make the forms
// (Application->CreateForm...) and runs the loop. An error while making the forms is shown in the error box
// and ends the program with 1; otherwise the result is 0.
int RunApplication(const std::function<void(TApplication& application)>& createForms);

template <class T> void TApplication::CreateForm(T*& reference) {
    std::unique_ptr<T> form(new T(this));
    // The form's own handlers may name it while it is made; a form that fails leaves the name empty.
    reference = form.get();
    ScopeExit forget([&reference] { reference = nullptr; });
    form->FinishCreate();
    forget.Dismiss();
    FormCreated(form.release());
}

} // namespace gl
