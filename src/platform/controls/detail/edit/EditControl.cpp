// The "EDIT" window class: its message table, creation and destruction, the window text, the font, focus and
// enabled state, and the notifications to the parent.
#include "platform/controls/detail/edit/EditControl.h"

#include "platform/controls/detail/ControlSlot.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/StockObjects.h"
#include "platform/user/User.h"

#include <cstring>
#include <unordered_map>

namespace win {
namespace edit {

const std::unordered_map<UINT, EditControl::Handler>& EditControl::Handlers() {
    using C = EditControl;
    static const std::unordered_map<UINT, C::Handler> table = {
        {WM_CREATE, &C::OnCreate},
        {WM_SETTEXT, &C::OnSetText},
        {WM_GETTEXT, &C::OnGetText},
        {WM_GETTEXTLENGTH, &C::OnGetTextLength},
        {WM_SETFONT, &C::OnSetFont},
        {WM_GETFONT, &C::OnGetFont},
        {WM_SIZE, &C::OnSize},
        {WM_ENABLE, &C::OnEnable},
        {WM_SETFOCUS, &C::OnSetFocus},
        {WM_KILLFOCUS, &C::OnKillFocus},
        {WM_GETDLGCODE, &C::OnGetDlgCode},
        {WM_STYLECHANGED, &C::OnStyleChanged},
        {EM_GETSEL, &C::OnGetSel},
        {EM_SETSEL, &C::OnSetSel},
        {EM_REPLACESEL, &C::OnReplaceSel},
        {EM_APPENDLINE, &C::OnAppendLine},
        {EM_GETLINECOUNT, &C::OnGetLineCount},
        {EM_LINEINDEX, &C::OnLineIndex},
        {EM_LINELENGTH, &C::OnLineLength},
        {EM_LINEFROMCHAR, &C::OnLineFromChar},
        {EM_GETLINE, &C::OnGetLine},
        {EM_LIMITTEXT, &C::OnLimitText},
        {EM_GETLIMITTEXT, &C::OnGetLimitText},
        {EM_GETMODIFY, &C::OnGetModify},
        {EM_SETMODIFY, &C::OnSetModify},
        {EM_CANUNDO, &C::OnCanUndo},
        {EM_UNDO, &C::OnUndo},
        {WM_UNDO, &C::OnUndo},
        {EM_EMPTYUNDOBUFFER, &C::OnEmptyUndoBuffer},
        {EM_SETREADONLY, &C::OnSetReadOnly},
        {EM_GETRECT, &C::OnGetRect},
        {EM_SETRECT, &C::OnSetRect},
        {EM_SETRECTNP, &C::OnSetRectNp},
        {EM_SETMARGINS, &C::OnSetMargins},
        {EM_GETMARGINS, &C::OnGetMargins},
        {EM_POSFROMCHAR, &C::OnPosFromChar},
        {EM_CHARFROMPOS, &C::OnCharFromPos},
        {WM_VSCROLL, &C::OnVScroll},
        {WM_HSCROLL, &C::OnHScroll},
        {EM_LINESCROLL, &C::OnLineScroll},
        {EM_SCROLL, &C::OnScroll},
        {EM_SCROLLCARET, &C::OnScrollCaret},
        {EM_GETFIRSTVISIBLELINE, &C::OnGetFirstVisibleLine},
        {WM_MOUSEWHEEL, &C::OnMouseWheel},
        {WM_KEYDOWN, &C::OnKeyDown},
        {WM_CHAR, &C::OnChar},
        {WM_LBUTTONDOWN, &C::OnLButtonDown},
        {WM_LBUTTONDBLCLK, &C::OnLButtonDblClk},
        {WM_MOUSEMOVE, &C::OnMouseMove},
        {WM_LBUTTONUP, &C::OnLButtonUp},
        {WM_CAPTURECHANGED, &C::OnCaptureChanged},
        {WM_TIMER, &C::OnTimer},
        {WM_SETCURSOR, &C::OnSetCursor},
        {WM_CUT, &C::OnCut},
        {WM_CONTEXTMENU, &C::OnContextMenu},
        {WM_COPY, &C::OnCopy},
        {WM_PASTE, &C::OnPaste},
        {WM_CLEAR, &C::OnClear},
        {WM_MBUTTONDOWN, &C::OnMButtonDown},
        {WM_PAINT, &C::OnPaint},
        {WM_ERASEBKGND, &C::OnEraseBkgnd},
    };
    return table;
}

EditControl::EditControl(HWND hwnd, const CREATESTRUCT& cs)
    : m_hwnd(hwnd), m_buffer((static_cast<DWORD>(cs.style) & ES_MULTILINE) != 0) {}

EditControl::~EditControl() {
    if (m_tracking) KillTimer(m_hwnd, 1);
    if (m_measureDc) DeleteDC(m_measureDc);
}

DWORD EditControl::Style() const {
    return static_cast<DWORD>(GetWindowLong(m_hwnd, GWL_STYLE));
}

bool EditControl::ReadOnly() const {
    return (Style() & ES_READONLY) != 0;
}

void EditControl::Notify(WORD code) {
    const HWND parent = GetParent(m_hwnd);
    if (!parent) return;
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_hwnd), code), reinterpret_cast<LPARAM>(m_hwnd));
}

void EditControl::NotifyChange() {
    Notify(EN_UPDATE);
    Notify(EN_CHANGE);
}

LRESULT EditControl::OnCreate(WPARAM, LPARAM lParam) {
    ApplyFont(nullptr);
    m_leftMargin = m_rightMargin = MarginFromFont();
    UpdateFormatRect();
    const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
    if (cs && cs->lpszName && !m_buffer.SetText(cs->lpszName)) return -1;
    m_layout.Reset(static_cast<int>(m_buffer.LineCount()));
    m_rows.Invalidate();
    m_scrollBarsStale = true;
    return 0;
}

LRESULT EditControl::OnSetText(WPARAM, LPARAM lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    if (!m_buffer.SetText(text ? std::string_view(text) : std::string_view())) {
        Notify(EN_ERRSPACE);
        return FALSE;
    }
    m_layout.Reset(static_cast<int>(m_buffer.LineCount()));
    m_rows.Invalidate();
    m_topLine = 0;
    m_xOffset = 0;
    m_preferredX = -1;
    m_scrollBarsStale = true;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateCaret();
    // A multi-line control does not report the replacement of its whole text; its owner relies on that.
    if (!MultiLine()) NotifyChange();
    return TRUE;
}

LRESULT EditControl::OnGetText(WPARAM wParam, LPARAM lParam) {
    char* out = reinterpret_cast<char*>(lParam);
    if (!out || wParam == 0) return 0;
    const std::string_view text = m_buffer.Text();
    std::size_t count = std::min<std::size_t>(text.size(), wParam - 1);
    if (count < text.size()) count = CharacterStart(text, count); // never half a character
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT EditControl::OnGetTextLength(WPARAM, LPARAM) {
    return static_cast<LRESULT>(m_buffer.Length());
}

void EditControl::ApplyFont(HFONT font) {
    if (!m_measureDc) m_measureDc = CreateCompatibleDC(nullptr);
    const HGDIOBJ use = font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT);
    if (!SelectObject(m_measureDc, use)) SelectObject(m_measureDc, GetStockObject(SYSTEM_FONT));
    TEXTMETRIC tm{};
    if (GetTextMetrics(m_measureDc, &tm)) {
        m_lineHeight = std::max<int>(1, tm.tmHeight);
        m_aveCharWidth = std::max<int>(1, tm.tmAveCharWidth);
    }
    const HDC dc = m_measureDc;
    m_layout.SetFont(
        [dc](char32_t cp) {
            int width = 0;
            GetCharWidth32(dc, cp, cp, &width);
            return width;
        },
        8 * m_aveCharWidth, static_cast<int>(m_buffer.LineCount()));
    m_rows.Invalidate();
}

int EditControl::MarginFromFont() const {
    return std::max(1, m_aveCharWidth / 4);
}

LRESULT EditControl::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = reinterpret_cast<HFONT>(wParam);
    ApplyFont(m_font);
    m_leftMargin = m_rightMargin = MarginFromFont();
    UpdateFormatRect();
    m_topLine = std::min(m_topLine, MaxTopLine());
    m_scrollBarsStale = true;
    if (m_focused) {
        CreateCaret(m_hwnd, nullptr, 1, m_lineHeight);
        UpdateCaret();
        ShowCaret(m_hwnd);
    }
    if (LOWORD(static_cast<std::uintptr_t>(lParam))) InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT EditControl::OnGetFont(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_font);
}

void EditControl::UpdateFormatRect() {
    if (m_formatFixed) return;
    RECT client{};
    GetClientRect(m_hwnd, &client);
    m_format = client;
    m_format.left += m_leftMargin;
    m_format.right = std::max(m_format.left, m_format.right - m_rightMargin);
    UpdateWrapping();
}

void EditControl::UpdateWrapping() {
    // A multi-line control that may not scroll sideways breaks its lines to the text's width.
    const bool wraps = MultiLine() && !(Style() & (ES_AUTOHSCROLL | WS_HSCROLL));
    m_rows.SetWrapWidth(wraps ? std::max(1, FormatWidth()) : 0);
    if (wraps) m_xOffset = 0;
}

LRESULT EditControl::OnSize(WPARAM, LPARAM) {
    UpdateFormatRect();
    m_topLine = std::min(m_topLine, MaxTopLine());
    m_scrollBarsStale = true;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    FlushScrollBars();
    UpdateCaret();
    return 0;
}

LRESULT EditControl::OnEnable(WPARAM wParam, LPARAM) {
    if (!wParam) StopTracking();
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT EditControl::OnSetFocus(WPARAM, LPARAM) {
    m_focused = true;
    CreateCaret(m_hwnd, nullptr, 1, m_lineHeight);
    UpdateCaret();
    ShowCaret(m_hwnd);
    if (m_buffer.HasSelection() && !(Style() & ES_NOHIDESEL))
        InvalidateLines(m_rows.RowOf(m_buffer.SelectionStart()), m_rows.RowOf(m_buffer.SelectionEnd()));
    Notify(EN_SETFOCUS);
    return 0;
}

LRESULT EditControl::OnKillFocus(WPARAM, LPARAM) {
    m_focused = false;
    DestroyCaret();
    if (m_buffer.HasSelection() && !(Style() & ES_NOHIDESEL))
        InvalidateLines(m_rows.RowOf(m_buffer.SelectionStart()), m_rows.RowOf(m_buffer.SelectionEnd()));
    Notify(EN_KILLFOCUS);
    return 0;
}

LRESULT EditControl::OnGetDlgCode(WPARAM, LPARAM) {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (MultiLine()) code |= DLGC_WANTALLKEYS;
    return code;
}

LRESULT EditControl::OnStyleChanged(WPARAM, LPARAM) {
    UpdateWrapping();
    m_topLine = std::min(m_topLine, MaxTopLine());
    m_scrollBarsStale = true;
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

void EditControl::TextChanged(const EditBuffer::Change& change) {
    m_layout.Apply(change);
    m_rows.Invalidate();
    m_scrollBarsStale = true;
    m_preferredX = -1;
    // Broken rows may move anywhere below the change: the change's lines are no rows.
    if (!MultiLine() || m_rows.Wrapping() || (Style() & (ES_RIGHT | ES_CENTER))) {
        InvalidateRect(m_hwnd, nullptr, FALSE);
    } else if (change.insertedLines != change.removedLines) {
        InvalidateLines(change.firstLine, m_rows.Count());
    } else {
        InvalidateLines(change.firstLine, change.firstLine + change.insertedLines);
    }
}

bool EditControl::UserEdit(std::string_view text, EditBuffer::UndoMode mode) {
    if (ReadOnly()) {
        MessageBeep(0);
        return false;
    }
    const std::string_view fit = m_buffer.FitToLimit(text);
    if (fit.size() < text.size()) {
        Notify(EN_MAXTEXT);
        MessageBeep(0);
        if (fit.empty()) return false;
    }
    if (fit.empty() && !m_buffer.HasSelection()) return false;
    bool ok = false;
    const EditBuffer::Change change = m_buffer.ReplaceSelection(fit, mode, &ok);
    if (!ok) {
        Notify(EN_ERRSPACE);
        return false;
    }
    TextChanged(change);
    ScrollCaretIntoView();
    UpdateCaret();
    NotifyChange();
    return true;
}

bool EditControl::ShowsSelection() const {
    return m_focused || (Style() & ES_NOHIDESEL);
}

void EditControl::SelectionChanged(std::size_t oldStart, std::size_t oldEnd) {
    const std::size_t start = m_buffer.SelectionStart();
    const std::size_t end = m_buffer.SelectionEnd();
    if (!ShowsSelection() || (oldStart == start && oldEnd == end) || (oldStart == oldEnd && start == end))
        return;
    if (!MultiLine()) {
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return;
    }
    // Only the lines whose highlight changed: the ends that moved.
    auto invalidateSpan = [this](std::size_t a, std::size_t b) {
        if (a > b) std::swap(a, b);
        InvalidateLines(m_rows.RowOf(a), m_rows.RowOf(b));
    };
    if (oldStart == oldEnd || start == end) {
        invalidateSpan(std::min(oldStart, start), std::max(oldEnd, end));
        return;
    }
    if (oldStart != start) invalidateSpan(oldStart, start);
    if (oldEnd != end) invalidateSpan(oldEnd, end);
}

void EditControl::MoveSelection(std::size_t anchor, std::size_t caret) {
    const std::size_t oldStart = m_buffer.SelectionStart();
    const std::size_t oldEnd = m_buffer.SelectionEnd();
    m_buffer.SetSelection(anchor, caret);
    SelectionChanged(oldStart, oldEnd);
}

} // namespace edit

bool RegisterEditClass() {
    return controls::RegisterControlClass<edit::EditControl>(WC_EDIT, CS_DBLCLKS, IDC_IBEAM);
}

} // namespace win
