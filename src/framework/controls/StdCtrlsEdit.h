// TCustomEdit and TEdit: the single-line edit on the platform's EDIT control: text, length limit, selection,
// the fixed height that follows the font, selecting everything on entry, the change event, and the input
// method on focus. The memo builds on it.
#pragma once

#include "framework/controls/InputMethodNames.h"
#include "framework/controls/WinControl.h"

#include <string>

namespace gl {

class TCustomEdit : public TWinControl {
public:
    // 121 × 25, a tab stop, single 3D border, AutoSize, AutoSelect and HideSelection on, no length limit.
    explicit TCustomEdit(TComponent* owner);
    std::string ClassName() const override { return "TCustomEdit"; }

    // ---- Properties ----
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }
    void SetAutoSize(bool autoSize) override;
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle borderStyle);
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool hideSelection);
    // The most the user may type or paste, in code-page bytes (a Chinese character counts two); 0 is the
    // platform's maximum. Text set by the program is never cut.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int maxLength);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    // The text was changed by the user since the flag was last cleared.
    bool Modified() const;
    void SetModified(bool modified);
    const TImeName& ImeName() const { return m_imeName; }
    void SetImeName(const TImeName& imeName) { m_imeName = imeName; }
    TImeMode ImeMode() const { return m_imeMode; }
    void SetImeMode(TImeMode imeMode) { m_imeMode = imeMode; }

    // ---- Selection, as byte offsets into the UTF-8 text ----
    int SelStart();
    void SetSelStart(int start);
    int SelLength();
    void SetSelLength(int length);
    std::string SelText();
    // Replaces the selection, as typing would (so MaxLength applies).
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo();
    void Undo();
    void ClearUndo();
    // Empties the text; a change like any other.
    void Clear() { SetText(std::string()); }

    // After every change of the text: typing, pasting, writing Text.
    TNotifyEvent OnChange;

    // ---- Typed message handlers ----
    void CNCommand(TWMCommand& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void WMSetFocus(TWMSetFocus& message) override;
    void WMKillFocus(TWMKillFocus& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    // Selects everything on entry by the keyboard, then raises OnEnter.
    void DoEnter() override;
    // Raises OnChange.
    virtual void Change();
    // The height a single border and the font call for, while AutoSize is on.
    void AdjustHeight();
    // The control's window is a multi-line one.
    bool IsMultiLine();
    win::LRESULT SendEditMessage(win::UINT msg, win::WPARAM wParam = 0, win::LPARAM lParam = 0);
    // Ctl3D picks the sunken border (a client edge) or a flat line: the height and the window change.
    void Ctl3DChanged() override;

private:
    void UpdateHeight();

    bool m_autoSelect = true;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_hideSelection = true;
    int m_maxLength = 0;
    bool m_readOnly = false;
    bool m_modified = false; // kept here while there is no window
    TImeName m_imeName;
    TImeMode m_imeMode = imDontCare;
    bool m_creating = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    std::string ClassName() const override { return "TEdit"; }
};

} // namespace gl
