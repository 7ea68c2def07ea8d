// The button behind the window class "BUTTON": one object per window with its check state and the press in
// progress (Button.cpp: messages and clicks; ButtonPaint.cpp: the classic look of each kind).
#pragma once

#include "platform/controls/list/ListMessages.h"
#include "platform/user/User.h"

#include <unordered_map>

namespace win::button {

class ButtonControl {
public:
    ButtonControl(HWND hwnd, const CREATESTRUCT&) : m_hwnd(hwnd) {}

    using Handler = LRESULT (ButtonControl::*)(WPARAM, LPARAM);
    static const std::unordered_map<UINT, Handler>& Handlers();
    static ButtonControl* From(HWND hwnd);

    LRESULT OnSetText(WPARAM, LPARAM);
    LRESULT OnSetFont(WPARAM, LPARAM);
    LRESULT OnGetFont(WPARAM, LPARAM);
    LRESULT OnEnable(WPARAM, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnNcHitTest(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnLButtonDblClk(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnLButtonUp(WPARAM, LPARAM);
    LRESULT OnCaptureChanged(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnKeyUp(WPARAM, LPARAM);
    LRESULT OnGetCheck(WPARAM, LPARAM);
    LRESULT OnSetCheck(WPARAM, LPARAM);
    LRESULT OnGetState(WPARAM, LPARAM);
    LRESULT OnSetState(WPARAM, LPARAM);
    LRESULT OnSetStyle(WPARAM, LPARAM);
    LRESULT OnClick(WPARAM, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return 1; }
    LRESULT OnPaint(WPARAM, LPARAM);

private:
    DWORD Style() const;
    DWORD Type() const { return Style() & BS_TYPEMASK; }
    bool Checkable() const;
    void Notify(WORD code);
    void Repaint();
    void SetPushed(bool pushed);
    void Click();
    void UncheckGroupSiblings();

    // Painting (ButtonPaint.cpp).
    void PaintPush(HDC dc, const RECT& client);
    void PaintCheck(HDC dc, const RECT& client, HBRUSH brush);
    void PaintGroup(HDC dc, const RECT& client, HBRUSH brush);
    void PaintOwnerDrawn(HDC dc, const RECT& client);
    UINT TextFormat(bool singleLine) const;
    void PaintCaption(HDC dc, RECT r, UINT format, bool pushed);

    HWND m_hwnd;
    HFONT m_font = nullptr;
    WPARAM m_check = BST_UNCHECKED;
    bool m_pushed = false;    // drawn pressed
    bool m_captured = false;  // a mouse press is in progress
    bool m_spaceDown = false; // a Space press is in progress
    bool m_focused = false;
};

} // namespace win::button
