// Forms: the top-level windows of the program. A form is made from the stored layout of its class (scaled to
// the screen's density), runs OnCreate, and is shown normally, maximised or minimised, placed as its Position
// says, or modally with its own message loop. It keeps the control that has the focus (ActiveControl), may
// see keys before its controls (KeyPreview), and moves the focus as a dialog does: Tab and Shift+Tab among
// tab stops, arrow keys among siblings, Enter and Escape to the default and cancel buttons, Alt+letter to
// accelerators.
#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/stored/LayoutReader.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace gl {

// What a modal form ends with (the button that closed it, as a rule).
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

// Where a form appears when it is first shown.
enum TPosition {
    poDesigned,        // where the layout put it
    poDefault,         // where the desktop puts new windows
    poDefaultPosOnly,  // the layout's size, the desktop's place
    poDefaultSizeOnly, // the layout's place, the desktop's size
    poScreenCenter,    // centred on the screen
    poDesktopCenter,   // centred on the desktop
    poMainFormCenter,  // centred on the main form (on the screen for the main form itself)
    poOwnerFormCenter, // centred on the form that owns it (else as poMainFormCenter)
};

enum TWindowState { wsNormal, wsMinimized, wsMaximized };

// What closing does: nothing, hide the form, free it, or minimise it.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

class TCustomForm : public TCustomControl {
public:
    const MessageTable& Messages() const override;
    // A hidden form of 320 × 240 at (0, 0) with the button-face colour: a form "made new", without a layout.
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    std::string ClassName() const override { return "TCustomForm"; }

    // ---- Creation ----
    // The part of creation that needs the whole form: reads the stored layout registered for the form's class
    // (if any) with the handlers DeclareHandlers names, scales it to the screen, runs BindComponents, then
    // OnCreate, whose exceptions go to the error box while creation goes on. A faulty layout raises
    // EReadError and the caller frees the form.
    void FinishCreate();
    // The stored layout is scaled to the screen (on by default).
    bool Scaled() const { return m_scaled; }
    void SetScaled(bool scaled) { m_scaled = scaled; }
    // The density and text height the layout was made for; after scaling, the screen's.
    int PixelsPerInch() const { return m_pixelsPerInch; }
    void SetPixelsPerInch(int pixelsPerInch) { m_pixelsPerInch = pixelsPerInch; }
    int TextHeight() const { return m_textHeight; }
    void SetTextHeight(int textHeight) { m_textHeight = textHeight; }

    // ---- The window ----
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    TWindowState WindowState() const { return m_windowState; }
    void SetWindowState(TWindowState state);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool keyPreview) { m_keyPreview = keyPreview; }

    // The form is the active window.
    bool Active() const { return m_active; }
    // The control that has the focus while the form is active, and gets it back when the form is activated.
    TWinControl* ActiveControl() const { return m_activeControl; }
    // EInvalidOperation "Cannot focus a disabled or invisible window" for a control outside this form (or one
    // that cannot take the focus while the form is shown).
    void SetActiveControl(TWinControl* control);
    // Makes the control the active one, focusing it when the form is active.
    void FocusControl(TWinControl* control);

    // ---- Showing and closing ----
    void Show();
    void Hide();
    // Shows the form and runs messages until ModalResult is set (or the application ends: mrCancel); the
    // other forms are disabled meanwhile. EInvalidOperation "Cannot make a visible window modal" for a
    // visible, disabled or already modal form.
    TModalResult ShowModal();
    bool Modal() const { return m_modal; }
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    // A modal form ends with mrCancel; another asks OnCloseQuery, then OnClose, and then hides (the main form
    // ends the application instead), minimises or frees itself as OnClose decided.
    void Close();
    // OnCloseQuery's answer (true without a handler).
    virtual bool CloseQuery();
    // Frees the form once the messages waiting now have been handled (safe from its own handlers).
    void Release();

    void SetFocus() override;
    bool SetFocusedControl(TWinControl* control) override;
    // Tells the active control of the active form, then passes the request up.
    void SendCancelMode(TControl* sender) override;

    // ---- Events ----
    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;

    // ---- Typed message handlers ----
    virtual void WMClose(TMessage& message);
    virtual void WMActivate(TMessage& message);
    virtual void CMRelease(TMessage& message);
    void WMSize(TWMSize& message) override;
    void WMSetFocus(TWMSetFocus& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMDialogKey(TCMDialogKey& message) override;

protected:
    // The handlers the stored layout may name ("FormCreate", "Button1Click"); the base names none.
    virtual void DeclareHandlers(LayoutMethods& methods);
    // After the layout is read: the form takes the components it works with (see Bind).
    virtual void BindComponents() {}
    // The component of that name the form owns; EComponentError "Component %s not found" when there is none
    // of that class.
    template <class T> void Bind(T*& field, std::string_view name) {
        field = dynamic_cast<T*>(FindComponent(name));
        if (!field) ComponentNotFound(name);
    }

    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    bool PreviewsKeys() const override { return m_keyPreview; }
    void Notification(TComponent* component, TOperation operation) override;

    // The overridable steps behind the events.
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();

private:
    [[noreturn]] static void ComponentNotFound(std::string_view name);
    void ShowingChanged();
    void PlaceOnFirstShow();
    int ShowCommand() const;
    void SetActive(bool active);
    void SetWindowFocus();
    void SetActiveControlField(TWinControl* control);
    void CloseModal();
    void RunModalStep();
    void ScaleToScreen();
    int MeasureTextHeight();

    TFormBorderStyle m_borderStyle = bsSizeable;
    TPosition m_position = poDesigned;
    TWindowState m_windowState = wsNormal;
    bool m_keyPreview = false;
    bool m_scaled = true;
    int m_pixelsPerInch = 0; // 0: not stored, nothing to scale from
    int m_textHeight = 0;
    bool m_active = false;
    bool m_modal = false;
    bool m_placed = false;
    bool m_released = false;
    TModalResult m_modalResult = mrNone;
    TWinControl* m_activeControl = nullptr;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    std::string ClassName() const override { return "TForm"; }
};

// The form a control is on (null when it is on none).
TCustomForm* GetParentForm(const TControl* control);

// Makes a form of class T owned by `owner` and finishes its creation (FinishCreate); the form is freed again
// when its layout cannot be read.
template <class T> T* CreateForm(TComponent* owner) {
    std::unique_ptr<T> form(new T(owner));
    form->FinishCreate();
    return form.release();
}

// Makes the stored layout of a form class known (a resource named after the class).
void RegisterFormLayoutText(std::string_view className, std::string_view layoutText);

// Registers the stored properties and events of forms (TCustomForm, TForm) and their enumerations, with the
// controls' they build on; safe to call more than once.
void RegisterFormsLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
