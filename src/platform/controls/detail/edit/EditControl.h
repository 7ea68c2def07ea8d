// The edit control behind the window class "EDIT": one object per window with the text model, layout,
// scrolling and selection state, and one handler per message (in Edit*.cpp files by concern).
#pragma once

#include "platform/controls/detail/edit/EditBuffer.h"
#include "platform/controls/detail/edit/EditLayout.h"
#include "platform/controls/detail/edit/EditRows.h"
#include "platform/user/Messages.h"
#include "platform/win/types.h"

#include <string_view>
#include <unordered_map>

namespace win::edit {

class EditControl {
public:
    EditControl(HWND hwnd, const CREATESTRUCT& cs);
    ~EditControl();
    EditControl(const EditControl&) = delete;
    EditControl& operator=(const EditControl&) = delete;

    using Handler = LRESULT (EditControl::*)(WPARAM, LPARAM);
    static const std::unordered_map<UINT, Handler>& Handlers();

    // Creation, destruction, text, font, focus and state (EditControl.cpp).
    LRESULT OnCreate(WPARAM, LPARAM);
    LRESULT OnSetText(WPARAM, LPARAM);
    LRESULT OnGetText(WPARAM, LPARAM);
    LRESULT OnGetTextLength(WPARAM, LPARAM);
    LRESULT OnSetFont(WPARAM, LPARAM);
    LRESULT OnGetFont(WPARAM, LPARAM);
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnEnable(WPARAM, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnStyleChanged(WPARAM, LPARAM);

    // The EM_* messages, queries and writes alike (EditMessageHandlers.cpp).
    LRESULT OnGetSel(WPARAM, LPARAM);
    LRESULT OnSetSel(WPARAM, LPARAM);
    LRESULT OnReplaceSel(WPARAM, LPARAM);
    LRESULT OnAppendLine(WPARAM, LPARAM);
    LRESULT OnGetLineCount(WPARAM, LPARAM);
    LRESULT OnLineIndex(WPARAM, LPARAM);
    LRESULT OnLineLength(WPARAM, LPARAM);
    LRESULT OnLineFromChar(WPARAM, LPARAM);
    LRESULT OnGetLine(WPARAM, LPARAM);
    LRESULT OnLimitText(WPARAM, LPARAM);
    LRESULT OnGetLimitText(WPARAM, LPARAM);
    LRESULT OnGetModify(WPARAM, LPARAM);
    LRESULT OnSetModify(WPARAM, LPARAM);
    LRESULT OnCanUndo(WPARAM, LPARAM);
    LRESULT OnUndo(WPARAM, LPARAM);
    LRESULT OnEmptyUndoBuffer(WPARAM, LPARAM);
    LRESULT OnSetReadOnly(WPARAM, LPARAM);
    LRESULT OnGetRect(WPARAM, LPARAM);
    LRESULT OnSetRect(WPARAM, LPARAM);
    LRESULT OnSetRectNp(WPARAM, LPARAM);
    LRESULT OnSetMargins(WPARAM, LPARAM);
    LRESULT OnGetMargins(WPARAM, LPARAM);
    LRESULT OnPosFromChar(WPARAM, LPARAM);
    LRESULT OnCharFromPos(WPARAM, LPARAM);

    // Scrolling (EditScroll.cpp).
    LRESULT OnVScroll(WPARAM, LPARAM);
    LRESULT OnHScroll(WPARAM, LPARAM);
    LRESULT OnLineScroll(WPARAM, LPARAM);
    LRESULT OnScroll(WPARAM, LPARAM);
    LRESULT OnScrollCaret(WPARAM, LPARAM);
    LRESULT OnGetFirstVisibleLine(WPARAM, LPARAM);
    LRESULT OnMouseWheel(WPARAM, LPARAM);

    // Keyboard (EditKeyboard.cpp).
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnChar(WPARAM, LPARAM);

    // Mouse (EditMouse.cpp).
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnLButtonDblClk(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnLButtonUp(WPARAM, LPARAM);
    LRESULT OnCaptureChanged(WPARAM, LPARAM);
    LRESULT OnTimer(WPARAM, LPARAM);
    LRESULT OnSetCursor(WPARAM, LPARAM);

    // Clipboard and undo (EditClipboard.cpp).
    LRESULT OnCut(WPARAM, LPARAM);
    LRESULT OnCopy(WPARAM, LPARAM);
    LRESULT OnPaste(WPARAM, LPARAM);
    LRESULT OnClear(WPARAM, LPARAM);
    // The desktop's primary selection (EditPrimary.cpp).
    LRESULT OnMButtonDown(WPARAM, LPARAM);
    // The context menu (EditMenu.cpp).
    LRESULT OnContextMenu(WPARAM, LPARAM);

    // Painting (EditPaint.cpp).
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);

private:
    // State and notifications.
    DWORD Style() const;
    bool MultiLine() const { return m_buffer.MultiLine(); }
    bool ReadOnly() const;
    void Notify(WORD code);
    void NotifyChange();
    // A change of the text by any path: updates the layout and asks for the affected lines to be repainted.
    void TextChanged(const EditBuffer::Change& change);
    // An edit by the user (typing, deleting, pasting, cutting): refused when read-only, cut to the limit with
    // EN_MAXTEXT, then notified and the caret scrolled into view. False when nothing could be done.
    bool UserEdit(std::string_view text, EditBuffer::UndoMode mode);
    void SelectionChanged(std::size_t oldStart, std::size_t oldEnd);
    void MoveSelection(std::size_t anchor, std::size_t caret);
    bool ShowsSelection() const;

    // Font and geometry.
    void ApplyFont(HFONT font);
    int MarginFromFont() const;
    void UpdateFormatRect();
    // Rows broken to the width while the control wraps (multi-line, no sideways scrolling).
    void UpdateWrapping();
    int FormatWidth() const { return m_format.right - m_format.left; }
    int VisibleLines() const;
    int LineY(std::size_t line) const;
    int LineOriginX(std::size_t line);
    POINT PointOfPosition(std::size_t pos);
    std::size_t PositionFromPoint(int x, int y);
    void InvalidateLines(std::size_t first, std::size_t last);

    // Scrolling and the caret.
    void ScrollTo(std::size_t topLine, int xOffset);
    void ScrollCaretIntoView();
    void ScrollLines(long lines);
    void UpdateCaret();
    void FlushScrollBars();
    std::size_t MaxTopLine();
    int MaxXOffset();

    // Keyboard helpers.
    std::size_t LineMove(std::size_t pos, long lines);
    bool DeleteAtCaret(bool forward, bool word);
    void InsertCharacter(char32_t cp);
    bool HandleControlCharacter(char32_t cp);

    // Mouse helpers.
    void ExtendMouseSelection(int x, int y);
    void StopTracking();

    // Clipboard helpers.
    bool CopySelection();
    void PasteText(std::string text);
    // Offers what the user selected as the desktop's primary selection.
    void OfferPrimary();

    // Painting helpers.
    void PaintLine(HDC dc, std::size_t line, const RECT& lineRect, COLORREF text, COLORREF back,
                   bool selection);
    void DrawRun(HDC dc, int x, int y, const RECT& lineRect, std::string_view run, COLORREF text,
                 COLORREF back);

    HWND m_hwnd;
    EditBuffer m_buffer;
    EditLayout m_layout;
    EditRows m_rows{m_buffer, m_layout};
    HFONT m_font = nullptr;
    HDC m_measureDc = nullptr;
    int m_lineHeight = 16;
    int m_aveCharWidth = 8;
    int m_leftMargin = 0;
    int m_rightMargin = 0;
    RECT m_format{};
    bool m_formatFixed = false; // EM_SETRECT chose the rectangle
    std::size_t m_topLine = 0;
    int m_xOffset = 0;
    int m_preferredX = -1; // x kept while moving up and down
    bool m_focused = false;
    bool m_tracking = false;
    bool m_trackWords = false;
    std::pair<std::size_t, std::size_t> m_trackWord{};
    int m_wheelRemainder = 0;
    bool m_scrollBarsStale = true;
};

} // namespace win::edit
