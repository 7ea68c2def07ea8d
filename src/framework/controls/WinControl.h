// TWinControl: a control with a platform window of its own, made on demand from CreateParams and made again
// (RecreateWnd) keeping its text, children, tab order and focus. It holds child controls, aligns them, paints
// the ones without a window inside its own paint, routes the mouse to them, takes the keyboard focus, and
// sends the platform's notifications about a child back to that child as CN_ messages.
#pragma once

#include "framework/controls/Control.h"
#include "platform/gdi/Owners.h"
#include "platform/user/Windows.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace gl {

// What a windowed control's window is made from: CreateParams fills it in, CreateWindowHandle uses it.
struct TCreateParams {
    std::string Caption;
    win::DWORD Style = 0;
    win::DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    win::HWND WndParent = nullptr;
    void* Param = nullptr;
    // The class the window is made of. Its procedure becomes the control's DefWndProc: the platform's default
    // procedure, or a platform class's own (CreateSubClass).
    win::WNDCLASS WindowClass;
    std::string WinClassName;
};

class TWinControl : public TControl {
public:
    const MessageTable& Messages() const override;
    explicit TWinControl(TComponent* owner);
    // Frees the child controls (whoever owns them), then the window.
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    // ---- The window ----
    // The window, made first if it does not exist yet (EInvalidOperation "Control '%s' has no parent window"
    // for a child control without a parent).
    win::HWND Handle();
    bool HandleAllocated() const { return m_handle != nullptr; }
    void HandleNeeded();
    // Destroys the window and makes it again, keeping text, children, tab order and the focus.
    void RecreateWnd();
    // The procedure that messages nobody handled go to.
    win::WNDPROC DefWndProc() const { return m_defWndProc; }
    // A window of someone else's that hosts this control when it has no parent control.
    win::HWND ParentWindow() const { return m_parentWindow; }
    void SetParentWindow(win::HWND parentWindow);
    // Visible, and every parent control visible (the top one: visible).
    bool Showing() const;

    // Runs one message that the platform delivered to the window: the control's WndProc, then the release of
    // cached canvas contexts. Exceptions go to the handler set with SetWindowExceptionHandler.
    win::LRESULT MainWndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

    // ---- Children ----
    int ControlCount() const { return static_cast<int>(m_graphicControls.size() + m_winControls.size()); }
    // All children: those without a window first, then the windowed ones, each group from back to front.
    TControl* Controls(int index) const;
    // The control is this one or lies inside it.
    bool ContainsControl(const TControl* control) const;
    // The visible, enabled child without a window (or with one, when asked) at a point of the client area,
    // frontmost first.
    TControl* ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls = false) const;
    // Child controls enter and leave through their SetParent.
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    // ---- Alignment ----
    void DisableAlign() { ++m_alignLevel; }
    void EnableAlign();
    void Realign() { AlignControl(nullptr); }
    // The area aligned children share; the base gives the whole client area.
    virtual void AdjustClientRect(TRect& rect) const;

    // ---- Tab order and focus ----
    int TabOrder() const;
    void SetTabOrder(int tabOrder);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);
    // The windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next (or previous) control after `current` among this control's descendants in tab order, wrapping
    // round; only tab stops when asked, only this control's own children when asked. Null when none can
    // focus.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    // Moves the focus to FindNextControl's control.
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    bool Focused() const;
    // This control and every parent below the top one are visible and enabled.
    virtual bool CanFocus() const;
    // Gives the focus to the window (EInvalidOperation "Cannot focus a disabled or invisible window").
    virtual void SetFocus();
    // The top control of the tree this control is in (itself without a parent): it tracks which of its
    // descendants has the focus.
    TWinControl* TopControl();
    // The descendant that has the focus, as the top control saw it last.
    TWinControl* FocusedControl() const { return m_focusedControl; }
    // The top control is told when a descendant gets the focus: CM_EXIT goes to the controls the focus left,
    // CM_FOCUSCHANGED to the whole tree, CM_ENTER to the controls it entered. False stops the focus message.
    virtual bool SetFocusedControl(TWinControl* control);

    // ---- Messages to children ----
    // The message to every child until one answers nonzero.
    void Broadcast(TMessage& message);
    // The message (no parameters) to every child.
    void NotifyControls(win::UINT msg);

    // ---- 3D look ----
    // The sunken 3D look rather than a flat one. Writing Ctl3D turns ParentCtl3D off; while ParentCtl3D is on
    // the control follows its parent's setting, and every container of ours draws in 3D.
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool ctl3D);
    bool ParentCtl3D() const { return m_parentCtl3D; }
    void SetParentCtl3D(bool parentCtl3D);

    // ---- Painting ----
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    // Paints the children without a window into a context of this window, from `first` onwards in z-order
    // (all when null): each under a saved context moved to its corner and clipped to its rectangle.
    void PaintControls(win::HDC dc, TControl* first);
    // The brush the background is erased with and that child windows are coloured with: the control's Color.
    win::HBRUSH BrushHandle();

    // ---- Overrides ----
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    void SetZOrder(bool topMost) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void Loaded() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    // ---- Events ----
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    // ---- Typed message handlers ----
    virtual void WMPaint(TWMPaint& message);
    virtual void WMEraseBkgnd(TWMEraseBkgnd& message);
    virtual void WMNCPaint(TWMNCPaint& message);
    virtual void WMNCCalcSize(TWMNCCalcSize& message);
    virtual void WMNCHitTest(TWMNCHitTest& message);
    virtual void WMSize(TWMSize& message);
    virtual void WMMove(TWMMove& message);
    virtual void WMWindowPosChanged(TWMWindowPosMsg& message);
    virtual void WMSetFocus(TWMSetFocus& message);
    virtual void WMKillFocus(TWMKillFocus& message);
    virtual void WMKeyDown(TWMKey& message);
    virtual void WMSysKeyDown(TWMKey& message);
    virtual void WMKeyUp(TWMKey& message);
    virtual void WMSysKeyUp(TWMKey& message);
    virtual void WMChar(TWMChar& message);
    virtual void WMCommand(TWMCommand& message);
    virtual void WMNotify(TWMNotify& message);
    virtual void WMDrawItem(TWMDrawItem& message);
    virtual void WMMeasureItem(TWMMeasureItem& message);
    virtual void WMDeleteItem(TWMDeleteItem& message);
    virtual void WMCompareItem(TWMCompareItem& message);
    virtual void WMCtlColor(TWMCtlColor& message);
    virtual void WMHScroll(TWMScroll& message);
    virtual void WMVScroll(TWMScroll& message);
    virtual void WMSetCursor(TWMSetCursor& message);
    virtual void WMContextMenu(TWMContextMenu& message);
    virtual void WMTimer(TWMTimer& message);
    virtual void WMNCDestroy(TMessage& message);
    virtual void WMMouseLeave(TMessage& message);
    virtual void CNCommand(TWMCommand& message);
    virtual void CNNotify(TWMNotify& message);
    virtual void CNDrawItem(TWMDrawItem& message);
    virtual void CNMeasureItem(TWMMeasureItem& message);
    virtual void CNDeleteItem(TWMDeleteItem& message);
    virtual void CNCompareItem(TWMCompareItem& message);
    virtual void CNCtlColorEdit(TWMCtlColor& message);
    virtual void CNCtlColorStatic(TWMCtlColor& message);
    virtual void CNCtlColorListBox(TWMCtlColor& message);
    virtual void CNCtlColorBtn(TWMCtlColor& message);
    virtual void CNCtlColorScrollBar(TWMCtlColor& message);
    virtual void CNHScroll(TWMScroll& message);
    virtual void CNVScroll(TWMScroll& message);
    virtual void CNKeyDown(TWMKey& message);
    virtual void CNChar(TWMChar& message);
    virtual void CMEnter(TMessage& message);
    virtual void CMExit(TMessage& message);
    void CMEnabledChanged(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMShowHintChanged(TMessage& message) override;
    void CMFocusChanged(TCMFocusChanged& message) override;
    void CMDialogKey(TCMDialogKey& message) override;
    void CMDialogChar(TCMDialogChar& message) override;

protected:
    // ---- Window making ----
    // Fills in what the window is made from: the control's text, WS_CHILD | WS_CLIPSIBLINGS (WS_CLIPCHILDREN
    // when it holds controls), WS_DISABLED and WS_TABSTOP as its properties say, its bounds, the parent's
    // window, and a class named after the control's class with the platform's default procedure.
    virtual void CreateParams(TCreateParams& params);
    // Makes the window of a platform class (EDIT, COMBOBOX...): the class's procedure becomes DefWndProc.
    void CreateSubClass(TCreateParams& params, const char* platformClassName);
    // Registers the class, makes the window (CreateWindowHandle), sets the font and makes the windows of the
    // visible children.
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    // Saves the window's text into the control, then DestroyWindowHandle.
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();
    // A window that the platform control made inside this one (a combo box's edit field) counts as this
    // control for the pointer: moving over it enters this control, and leaving it leaves this control unless
    // the pointer is still over one of its windows.
    void AdoptPartWindow(win::HWND part);
    void CreateHandle();
    // Destroys the children's windows first (each saving its state), then the own.
    void DestroyHandle();

    // ---- Painting ----
    // Paints the window's own content into the context; the base lets the default procedure paint.
    virtual void PaintWindow(win::HDC dc);
    // BeginPaint, PaintWindow with the window-less children's rectangles clipped out, PaintControls,
    // EndPaint.
    void PaintHandler(TWMPaint& message);

    // ---- Alignment ----
    void AlignControl(TControl* control);
    // Places the aligned children in `rect` (from AdjustClientRect): alTop, alBottom, alLeft, alRight, then
    // alClient, each group by position.
    virtual void AlignControls(TControl* control, TRect& rect);

    // ---- Keys and focus steps; each raises its event after the control's own work ----
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyUp(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    // True when the key was swallowed (by the top control's key preview or by OnKeyDown setting it to 0).
    bool DoKeyDown(TWMKey& message);
    bool DoKeyUp(TWMKey& message);
    bool DoKeyPress(TWMChar& message);
    // The top control previews the keys of its descendants when this says so (a form's KeyPreview).
    virtual bool PreviewsKeys() const { return false; }

    // Reads the window's position back into Left, Top, Width and Height.
    void UpdateBounds();
    // Shows or hides the window as Showing says, making it when needed; then the children.
    void UpdateShowing();
    // Sends a notification from the platform about a child window to that child as CN_ message; false when
    // the window is not one of ours.
    bool DoControlMsg(win::HWND child, TMessage& message);
    void SetStyleBit(win::DWORD bit, bool on);
    // Called after the effective 3D look changed; controls whose window looks different in 3D remake it.
    virtual void Ctl3DChanged() {}

private:
    friend class TControl;

    // The procedure of every window of a control: finds the control and hands it the message.
    static win::LRESULT StdWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

    void InsertIntoLists(TControl* control);
    void AfterInsert(TControl* control);
    void ForgetFocusIn(const TControl* control);
    void FixupTabList();
    void RegisterWindowClass(TCreateParams& params);
    win::HWND PrecedingWindow(const TWinControl* control) const;
    void PlaceAligned(TAlign align, TRect& rect, TControl* requester);
    bool RouteMouseToChildren(TMessage& message);
    void TrackMouse(TPoint point, TControl* under);
    bool PointerOverOwnWindows() const;
    static win::LRESULT PartWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void AnswerCtlColor(TWMCtlColor& message);

    win::HWND m_handle = nullptr;
    win::WNDPROC m_defWndProc = nullptr;
    win::HWND m_parentWindow = nullptr;
    win::UniqueGdiObject<win::HBRUSH> m_brush; // the background brush, made on first use
    std::vector<TControl*> m_graphicControls;  // back to front
    std::vector<TWinControl*> m_winControls;   // back to front
    std::vector<TWinControl*> m_tabList;
    TWinControl* m_focusedControl = nullptr;
    int m_alignLevel = 0;
    bool m_tabStop = false;
    int m_storedTabOrder = -1;
    bool m_ctl3D = true;
    bool m_parentCtl3D = true;
};

// The windowed control a window belongs to, or null.
TWinControl* FindControl(win::HWND hwnd);

// Where an exception that escapes a control's handling of a platform message goes (the application's error
// box, once the application sets it). Without one the message is written to standard error.
using TWindowExceptionHandler = std::function<void(std::exception_ptr error)>;
void SetWindowExceptionHandler(TWindowExceptionHandler handler);

// Called after every message a windowed control's window procedure handled, so that the canvas code can give
// back the device contexts it cached meanwhile. Set by the canvas code; nothing is called while it is null.
using TFreeDeviceContextsHook = void (*)();
void SetFreeDeviceContextsHook(TFreeDeviceContextsHook hook);

// Told whenever the control under the mouse pointer changes (old and new may be null).
using TMouseControlHook = std::function<void(TControl* previous, TControl* current)>;
void SetMouseControlHook(TMouseControlHook hook);

} // namespace gl
