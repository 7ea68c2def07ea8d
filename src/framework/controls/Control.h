// TControl, the base of every control: a component with a place in a parent (bounds, alignment, visibility),
// the properties all controls share (enabled, colour, font, text, hint, cursor), mouse events, and the
// message handling that every control goes through: Perform → WndProc → Dispatch (the message table) → the
// typed handler or DefaultHandler.
#pragma once

#include "framework/controls/ControlMessages.h"
#include "framework/controls/ControlTypes.h"
#include "framework/controls/MessageRecords.h"
#include "framework/core/Component.h"
#include "framework/graphics/Colors.h"

#include <memory>
#include <string>

namespace gl {

class MessageTable;
class TFont;
class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    // Leaves the parent (which realigns and repaints where the control was).
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    // ---- Messages ----
    // Runs the message through this control's own handling (not through the platform) and returns its result.
    win::LRESULT Perform(win::UINT msg, win::WPARAM wParam = 0, win::LPARAM lParam = 0);
    // Every message of the control passes here first; overrides look at a message before (or instead of)
    // dispatching it, and pass the rest on.
    virtual void WndProc(TMessage& message);
    // Calls the typed handler of the class's message table, or DefaultHandler when no table of the chain has
    // one.
    void Dispatch(TMessage& message);
    // Messages nobody handled: a control without a window answers WM_GETTEXT, WM_GETTEXTLENGTH and WM_SETTEXT
    // from its own text; a windowed control passes them to its window's original procedure.
    virtual void DefaultHandler(TMessage& message);
    // A left press on `sender` ends the mouse mode (an open list, a pop-up) of the control that has the focus
    // in its form: the form sends that control CM_CANCELMODE with the sender in LParam. Here: passed up.
    virtual void SendCancelMode(TControl* sender);
    // The message handlers of this control's class, chained to its base classes' (see MessageDispatch.h).
    virtual const MessageTable& Messages() const;

    // ---- Place ----
    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* parent);
    // True when the control has a parent (a control is only shown inside one).
    bool HasParent() const { return m_parent != nullptr; }

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int left) { SetBounds(left, m_top, m_width, m_height); }
    void SetTop(int top) { SetBounds(m_left, top, m_width, m_height); }
    void SetWidth(int width) { SetBounds(m_left, m_top, width, m_height); }
    void SetHeight(int height) { SetBounds(m_left, m_top, m_width, height); }
    // Moves and sizes the control in its parent's client coordinates; an aligned control may be put back by
    // its parent's alignment.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return TRect{m_left, m_top, m_left + m_width, m_top + m_height}; }
    void SetBoundsRect(const TRect& rect) {
        SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    }

    // The client area in the control's own coordinates: (0, 0, ClientWidth, ClientHeight).
    virtual TRect ClientRect() const { return TRect{0, 0, m_width, m_height}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }
    void SetClientWidth(int width) { SetWidth(m_width - ClientWidth() + width); }
    void SetClientHeight(int height) { SetHeight(m_height - ClientHeight() + height); }
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors anchors) { m_anchors = anchors; }

    // Brings the control in front of its siblings of the same kind, or sends it behind them.
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    virtual void SetZOrder(bool topMost);

    // ---- State ----
    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool enabled);
    bool AutoSize() const { return m_autoSize; }
    virtual void SetAutoSize(bool autoSize);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);

    // The control's font, which it owns; changing it (or assigning another font to it) notifies the control.
    TFont* Font() const { return m_font.get(); }
    void SetFont(const TFont* font);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parentFont);

    // The text: the window's text for a windowed control with a window, the control's own otherwise.
    // Caption and Text are the same property under two names.
    std::string Text() const { return GetText(); }
    void SetText(const std::string& text);
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& caption) { SetText(caption); }
    // Copies a new name into the text while the text still equals the old name (not while loading).
    void SetName(const std::string& name) override;

    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint) { m_hint = hint; }
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool showHint);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool parentShowHint);

    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);

    TControlState ControlState() const { return m_controlState; }
    void SetControlState(TControlState state) { m_controlState = state; }
    TControlStyle ControlStyle() const { return m_controlStyle; }
    void SetControlStyle(TControlStyle style) { m_controlStyle = style; }

    // The control holds the mouse capture (a control without a window through its parent's window).
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    // ---- Painting ----
    // Asks for the control to be painted again (its rectangle in the parent for a control without a window).
    virtual void Invalidate();
    // Paints what is waiting to be painted now.
    virtual void Update();
    // Invalidate and Update together.
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // The end-of-loading step: takes the parent's colour, font and hint setting where the control follows
    // them.
    void Loaded() override;

    // ---- Events ----
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnResize;

    // What is left of wheel turns that did not make a whole step of 120 yet; it keeps its sign.
    int WheelAccumulator() const { return m_wheelAccumulator; }

    // ---- Typed message handlers (the message table calls these) ----
    virtual void WMLButtonDown(TWMMouse& message);
    virtual void WMLButtonUp(TWMMouse& message);
    virtual void WMLButtonDblClk(TWMMouse& message);
    virtual void WMRButtonDown(TWMMouse& message);
    virtual void WMRButtonUp(TWMMouse& message);
    virtual void WMRButtonDblClk(TWMMouse& message);
    virtual void WMMButtonDown(TWMMouse& message);
    virtual void WMMButtonUp(TWMMouse& message);
    virtual void WMMButtonDblClk(TWMMouse& message);
    virtual void WMMouseMove(TWMMouse& message);
    virtual void WMMouseWheel(TWMMouseWheel& message);
    virtual void CMEnabledChanged(TMessage& message);
    virtual void CMVisibleChanged(TMessage& message);
    virtual void CMColorChanged(TMessage& message);
    virtual void CMParentColorChanged(TMessage& message);
    virtual void CMFontChanged(TMessage& message);
    virtual void CMParentFontChanged(TMessage& message);
    virtual void CMTextChanged(TMessage& message);
    virtual void CMShowHintChanged(TMessage& message);
    virtual void CMParentShowHintChanged(TMessage& message);
    virtual void CMCursorChanged(TMessage& message);
    virtual void CMMouseEnter(TMessage& message);
    virtual void CMMouseLeave(TMessage& message);
    virtual void CMHitTest(TCMHitTest& message);
    virtual void CMFocusChanged(TCMFocusChanged& message);
    virtual void CMDialogKey(TCMDialogKey& message);
    virtual void CMDialogChar(TCMDialogChar& message);
    virtual void CMWantSpecialKey(TCMWantSpecialKey& message);

protected:
    // ---- Overridable steps; each raises its event after the control's own work ----
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    // A wheel turn: OnMouseWheel may take it whole; otherwise every full 120 of the summed deltas is one step
    // up (positive) or down (negative). True when the turn was handled.
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    // AutoSize's work; the base does nothing.
    virtual void AdjustSize() {}
    // The font changed (directly, or by following the parent's).
    virtual void FontChanged();

    virtual std::string GetText() const;
    // Repaints the control's rectangle in the parent (a control without a window); erase when not opaque.
    void InvalidateControl(bool isVisible, bool isOpaque);
    // Asks the parent to realign when this control is aligned.
    void RequestAlign();

    void IncludeState(TControlStateItem item) { m_controlState.Include(item); }
    void ExcludeState(TControlStateItem item) { m_controlState.Exclude(item); }
    void IncludeStyle(TControlStyleItem item) { m_controlStyle.Include(item); }
    void ExcludeStyle(TControlStyleItem item) { m_controlStyle.Exclude(item); }

    // The text as the control holds it without a window.
    std::string m_text;

private:
    friend class TWinControl;

    void DoMouseDown(TWMMouse& message, TMouseButton button, TShiftState extra);
    void DoMouseUp(TWMMouse& message, TMouseButton button);
    void DoButtonDown(TWMMouse& message, TMouseButton button, bool doubleClick);
    void FontObjectChanged();
    void SetTextBuffer(const char* text);

    TWinControl* m_parent = nullptr;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    TAlign m_align = alNone;
    TAnchors m_anchors{akLeft, akTop};
    bool m_visible = true;
    bool m_enabled = true;
    bool m_autoSize = false;
    TColor m_color;
    bool m_parentColor = true;
    std::unique_ptr<TFont> m_font;
    bool m_parentFont = true;
    std::string m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    TCursor m_cursor = crDefault;
    TControlState m_controlState;
    TControlStyle m_controlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    int m_wheelAccumulator = 0;
    bool m_takingParentFont = false;
};

// The control the mouse pointer is over (a control without a window included), as the mouse messages last
// showed; null when it is over none of the program's controls.
TControl* MouseControl();
// The control that holds the mouse capture, or null.
TControl* CaptureControl();
// Gives the capture to a control (through its parent's window for a control without one), or releases it.
void SetCaptureControl(TControl* control);
// The pointer is now over `control` (null: over none of ours): on a real change the old control gets
// CM_MOUSELEAVE and the new one CM_MOUSEENTER. The windowed controls call this as the mouse moves.
void SetMouseControl(TControl* control);
// A control that goes away is dropped as mouse control and capture holder.
void ForgetMouseControl(TControl* control);

} // namespace gl
