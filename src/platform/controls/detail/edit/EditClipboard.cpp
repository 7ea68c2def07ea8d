// Cut, copy, paste and clear of the edit control, through the clipboard's UTF-8 text. Pasted line breaks
// become CR LF in a multi-line control; a single-line control takes only the first line.
#include "platform/controls/detail/edit/EditControl.h"

#include "platform/user/User.h"

#include <cstring>

namespace win::edit {
namespace {

std::string FitLineBreaks(std::string text, bool multiLine) {
    if (!multiLine) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end != std::string::npos) text.resize(end);
        return text;
    }
    if (text.find_first_of("\r\n") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> ReadClipboardText(HWND owner) {
    if (!OpenClipboard(owner)) return std::nullopt;
    std::optional<std::string> text;
    if (const HANDLE mem = GetClipboardData(CF_UTF8TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(mem))) {
            text = std::string(bytes, strnlen(bytes, GlobalSize(mem)));
            GlobalUnlock(mem);
        }
    }
    CloseClipboard();
    return text;
}

bool WriteClipboardText(HWND owner, std::string_view text) {
    const HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!mem) return false;
    auto* bytes = static_cast<char*>(GlobalLock(mem));
    if (!bytes) {
        GlobalFree(mem);
        return false;
    }
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    GlobalUnlock(mem);
    if (!OpenClipboard(owner)) {
        GlobalFree(mem);
        return false;
    }
    EmptyClipboard();
    const bool done = SetClipboardData(CF_UTF8TEXT, mem) != nullptr;
    if (!done) GlobalFree(mem);
    CloseClipboard();
    return done;
}

} // namespace

bool EditControl::CopySelection() {
    if (!m_buffer.HasSelection()) return false;
    return WriteClipboardText(m_hwnd, m_buffer.SelectedText());
}

LRESULT EditControl::OnCopy(WPARAM, LPARAM) {
    return CopySelection() ? TRUE : FALSE;
}

LRESULT EditControl::OnCut(WPARAM, LPARAM) {
    if (ReadOnly() || !CopySelection()) return FALSE;
    return UserEdit("", EditBuffer::UndoMode::Single) ? TRUE : FALSE;
}

LRESULT EditControl::OnClear(WPARAM, LPARAM) {
    if (ReadOnly() || !m_buffer.HasSelection()) return FALSE;
    return UserEdit("", EditBuffer::UndoMode::Single) ? TRUE : FALSE;
}

void EditControl::PasteText(std::string text) {
    text = FitLineBreaks(std::move(text), MultiLine());
    if (text.empty() && !m_buffer.HasSelection()) return;
    UserEdit(text, EditBuffer::UndoMode::Single);
}

LRESULT EditControl::OnPaste(WPARAM, LPARAM) {
    if (ReadOnly()) return FALSE;
    std::optional<std::string> text = ReadClipboardText(m_hwnd);
    if (!text) return FALSE;
    PasteText(std::move(*text));
    return TRUE;
}

} // namespace win::edit
