// TRzMemo: the framed multi-line field: wheel scrolling a line per step, and the caret and clipboard events
// after every change, click and key.
#include "components/RzEdit.h"

#include "platform/controls/edit/EditMessages.h"
#include "platform/user/Clipboard.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Metrics.h"

namespace gl {

TRzMemo::TRzMemo(TComponent* owner) : TRzFramedEdit<TCustomMemo>(owner) {}

// ---- Wheel ----

bool TRzMemo::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    TRzFramedEdit<TCustomMemo>::DoMouseWheelDown(shift, mousePos);
    ScrollByWheel(shift, 1);
    return true;
}

bool TRzMemo::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    TRzFramedEdit<TCustomMemo>::DoMouseWheelUp(shift, mousePos);
    ScrollByWheel(shift, -1);
    return true;
}

void TRzMemo::ScrollByWheel(TShiftState shift, int direction) {
    if (!HandleAllocated()) return;
    int lines = 1;
    if (shift.Contains(ssCtrl)) {
        win::UINT setting = 3;
        win::SystemParametersInfo(win::SPI_GETWHEELSCROLLLINES, 0, &setting, 0);
        // "A page at a time" and absurd settings scroll by the most a line count can say.
        lines = setting > 0x7FFF ? 0x7FFF : static_cast<int>(setting);
    }
    win::SendMessage(Handle(), win::EM_LINESCROLL, 0, static_cast<win::LPARAM>(direction * lines));
}

// ---- Caret and clipboard events ----

void TRzMemo::Change() {
    TRzFramedEdit<TCustomMemo>::Change();
    LineColChanged();
}

void TRzMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TRzFramedEdit<TCustomMemo>::MouseDown(button, shift, x, y);
    LineColChanged();
}

void TRzMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TRzFramedEdit<TCustomMemo>::MouseUp(button, shift, x, y);
    ClipboardChanged();
}

void TRzMemo::KeyDown(std::uint16_t& key, TShiftState shift) {
    TRzFramedEdit<TCustomMemo>::KeyDown(key, shift);
    LineColChanged();
}

void TRzMemo::KeyUp(std::uint16_t& key, TShiftState shift) {
    TRzFramedEdit<TCustomMemo>::KeyUp(key, shift);
    LineColChanged();
}

void TRzMemo::LineColChanged() {
    if (OnLineColChange && HandleAllocated()) {
        const TPoint caret = CaretPos();
        // The caret's place is a byte offset into the line's UTF-8; the column counts its characters.
        const std::string line = Lines()->Strings(caret.y);
        int column = 0;
        for (int i = 0; i < caret.x && i < static_cast<int>(line.size()); ++i)
            if ((static_cast<unsigned char>(line[static_cast<std::size_t>(i)]) & 0xC0) != 0x80) ++column;
        OnLineColChange(this, caret.y + 1, column + 1);
    }
    ClipboardChanged();
}

void TRzMemo::ClipboardChanged() {
    if (!OnClipboardChange || !HandleAllocated()) return;
    const bool hasText = win::IsClipboardFormatAvailable(win::CF_UNICODETEXT) != win::FALSE ||
                         win::IsClipboardFormatAvailable(win::CF_TEXT) != win::FALSE;
    OnClipboardChange(this, SelLength() > 0, hasText);
}

} // namespace gl
