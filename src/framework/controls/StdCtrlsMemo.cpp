// TCustomMemo: the multi-line window's styles, the keys it takes from the dialog, and the caret position.
#include "framework/controls/StdCtrlsMemo.h"

#include "framework/controls/MessageDispatch.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/user/MessageLoop.h"

namespace gl {

namespace {

win::DWORD AlignmentStyle(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return win::ES_RIGHT;
    case taCenter:
        return win::ES_CENTER;
    default:
        return win::ES_LEFT;
    }
}

win::DWORD ScrollBarStyle(TScrollStyle scrollBars) {
    switch (scrollBars) {
    case ssHorizontal:
        return win::WS_HSCROLL;
    case ssVertical:
        return win::WS_VSCROLL;
    case ssBoth:
        return win::WS_HSCROLL | win::WS_VSCROLL;
    default:
        return 0;
    }
}

} // namespace

const MessageTable& TCustomMemo::Messages() const {
    static const MessageTable table = TCustomEdit::Messages().With({
        {win::WM_GETDLGCODE, &TCustomMemo::WMGetDlgCode},
    });
    return table;
}

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), m_lines(std::make_unique<TMemoStrings>(*this)) {
    SetBounds(Left(), Top(), 185, 89);
    SetAutoSize(false);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    // Wrapping lines and scrolling sideways as one types exclude each other.
    if (m_wordWrap) params.Style &= ~win::ES_AUTOHSCROLL;
    params.Style |= win::ES_MULTILINE | AlignmentStyle(m_alignment) | ScrollBarStyle(m_scrollBars);
}

void TCustomMemo::SetAlignment(TAlignment alignment) {
    if (m_alignment == alignment) return;
    m_alignment = alignment;
    RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle scrollBars) {
    if (m_scrollBars == scrollBars) return;
    m_scrollBars = scrollBars;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool wordWrap) {
    if (m_wordWrap == wordWrap) return;
    m_wordWrap = wordWrap;
    RecreateWnd();
}

TPoint TCustomMemo::CaretPos() {
    const win::HWND hwnd = Handle();
    win::DWORD start = 0;
    win::DWORD end = 0;
    win::SendMessage(hwnd, win::EM_GETSEL, reinterpret_cast<win::WPARAM>(&start),
                     reinterpret_cast<win::LPARAM>(&end));
    const auto line = static_cast<int>(win::SendMessage(hwnd, win::EM_LINEFROMCHAR, end, 0));
    const auto lineStart =
        static_cast<int>(win::SendMessage(hwnd, win::EM_LINEINDEX, static_cast<win::WPARAM>(line), 0));
    return TPoint{static_cast<int>(end) - lineStart, line};
}

void TCustomMemo::SetCaretPos(TPoint position) {
    const win::HWND hwnd = Handle();
    const auto lineStart = win::SendMessage(hwnd, win::EM_LINEINDEX, static_cast<win::WPARAM>(position.y), 0);
    if (lineStart < 0) return;
    const win::LRESULT pos = lineStart + position.x;
    win::SendMessage(hwnd, win::EM_SETSEL, static_cast<win::WPARAM>(pos), pos);
}

void TCustomMemo::WMGetDlgCode(TMessage& message) {
    DefaultHandler(message);
    if (m_wantTabs)
        message.Result |= win::DLGC_WANTTAB;
    else
        message.Result &= ~win::DLGC_WANTTAB;
    if (!m_wantReturns) message.Result &= ~win::DLGC_WANTALLKEYS;
}

void TCustomMemo::KeyPress(char32_t& key) {
    TCustomEdit::KeyPress(key);
    if (key == U'\r' && !m_wantReturns) key = 0;
}

} // namespace gl
