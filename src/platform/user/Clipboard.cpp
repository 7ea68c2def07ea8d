// The clipboard. Text is kept once, as UTF-8 (the form the desktop's clipboard holds); the code-page and
// UTF-16 forms are made from it when asked for. Blocks handed out by GetClipboardData stay owned by the
// clipboard.
#include "platform/user/Clipboard.h"

#include "platform/system/CodePage.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/detail/WindowManager.h"

#include <cstring>
#include <map>
#include <string>

namespace win {

namespace {

constexpr DWORD ERROR_CLIPBOARD_NOT_OPEN = 1418;

struct ClipboardState {
    bool open = false;
    HWND openWindow = nullptr;
    HWND owner = nullptr;
    bool emptied = false;                // EmptyClipboard ran during this opening
    std::optional<std::string> pending;  // text set during this opening, published on close
    std::map<UINT, HGLOBAL> handedOut;   // blocks given out by GetClipboardData
    std::map<std::string, UINT> formats; // registered format names
    UINT nextFormat = CF_UTF8TEXT + 1;
};

ClipboardState& State() {
    static ClipboardState state;
    return state;
}

void FreeHandedOut() {
    for (auto& [format, mem] : State().handedOut) GlobalFree(mem);
    State().handedOut.clear();
}

// The text of a block: bytes up to the first zero (or the block's end), in the format's encoding, as UTF-8.
std::optional<std::string> BlockText(UINT format, HGLOBAL mem) {
    const std::size_t size = GlobalSize(mem);
    const auto* data = static_cast<const BYTE*>(GlobalLock(mem));
    if (!data) return std::nullopt;
    std::string text;
    if (format == CF_UNICODETEXT) {
        std::u16string wide;
        for (std::size_t i = 0; i + 1 < size; i += 2) {
            const char16_t c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
            if (c == 0) break;
            wide.push_back(c);
        }
        text = Utf16ToUtf8(wide);
    } else {
        std::size_t n = 0;
        while (n < size && data[n] != 0) ++n;
        const std::string_view bytes(reinterpret_cast<const char*>(data), n);
        text = format == CF_TEXT || format == CF_OEMTEXT ? AnsiToUtf8(bytes) : std::string(bytes);
    }
    GlobalUnlock(mem);
    return text;
}

HGLOBAL MakeBlock(const void* bytes, std::size_t size) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!mem) return nullptr;
    if (void* p = GlobalLock(mem)) {
        std::memcpy(p, bytes, size);
        GlobalUnlock(mem);
    }
    return mem;
}

HGLOBAL TextBlock(UINT format, const std::string& utf8) {
    if (format == CF_UNICODETEXT) {
        std::u16string wide = Utf8ToUtf16(utf8);
        wide.push_back(u'\0');
        std::string bytes;
        bytes.reserve(wide.size() * 2);
        for (char16_t c : wide) {
            bytes.push_back(static_cast<char>(c & 0xFF));
            bytes.push_back(static_cast<char>(c >> 8));
        }
        return MakeBlock(bytes.data(), bytes.size());
    }
    const std::string bytes = (format == CF_TEXT || format == CF_OEMTEXT) ? Utf8ToAnsi(utf8) : utf8;
    return MakeBlock(bytes.c_str(), bytes.size() + 1);
}

bool IsTextFormat(UINT format) {
    return format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT || format == CF_UTF8TEXT;
}

std::optional<std::string> FromDesktop(std::optional<std::string> text) {
    if (text) *text = ProgramLineEnds(*text);
    return text;
}

std::optional<std::string> CurrentText() {
    ClipboardState& s = State();
    if (s.open && s.pending) return s.pending;
    if (s.open && s.emptied) return std::nullopt;
    return FromDesktop(CurrentDisplay().GetClipboardText());
}

} // namespace

BOOL OpenClipboard(HWND owner) {
    ClipboardState& s = State();
    if (owner && !wm::FindOrFail(owner)) return FALSE;
    if (s.open) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    s.open = true;
    s.openWindow = owner;
    s.emptied = false;
    s.pending.reset();
    return TRUE;
}

BOOL CloseClipboard() {
    ClipboardState& s = State();
    if (!s.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    if (s.pending)
        CurrentDisplay().SetClipboardText(DesktopLineEnds(*s.pending));
    else if (s.emptied)
        CurrentDisplay().SetClipboardText(std::string());
    s.open = false;
    s.openWindow = nullptr;
    s.pending.reset();
    s.emptied = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    ClipboardState& s = State();
    if (!s.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    FreeHandedOut();
    s.emptied = true;
    s.pending.reset();
    s.owner = s.openWindow;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE mem) {
    ClipboardState& s = State();
    if (!s.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    if (!IsTextFormat(format)) {
        // Only text crosses to the desktop; other formats are accepted and dropped.
        if (mem) GlobalFree(mem);
        return mem;
    }
    if (!mem) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::optional<std::string> text = BlockText(format, mem);
    if (!text) return nullptr;
    s.pending = std::move(text);
    // The clipboard owns the block from now on; it is freed at once since the text is kept.
    GlobalFree(mem);
    return mem;
}

HANDLE GetClipboardData(UINT format) {
    ClipboardState& s = State();
    if (!s.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    if (!IsTextFormat(format)) return nullptr;
    std::optional<std::string> text = CurrentText();
    if (!text) return nullptr;
    auto it = s.handedOut.find(format);
    if (it != s.handedOut.end()) {
        GlobalFree(it->second);
        s.handedOut.erase(it);
    }
    HGLOBAL block = TextBlock(format, *text);
    if (block) s.handedOut[format] = block;
    return block;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    if (!IsTextFormat(format)) return FALSE;
    ClipboardState& s = State();
    if (s.open && (s.pending || s.emptied)) return s.pending ? TRUE : FALSE;
    return CurrentDisplay().HasClipboardText() ? TRUE : FALSE;
}

bool SetClipboardUtf8(const std::string& text) {
    if (State().open) {
        State().pending = text;
        State().emptied = true;
        return true;
    }
    FreeHandedOut();
    return CurrentDisplay().SetClipboardText(DesktopLineEnds(text));
}

std::optional<std::string> GetClipboardUtf8() {
    return CurrentText();
}

bool SetPrimaryUtf8(const std::string& text) {
    return CurrentDisplay().SetPrimaryText(DesktopLineEnds(text));
}

std::optional<std::string> GetPrimaryUtf8() {
    return FromDesktop(CurrentDisplay().GetPrimaryText());
}

std::string DesktopLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) return out.append(text.substr(start));
        const bool cr = end > start && text[end - 1] == '\r';
        out.append(text.substr(start, end - start - cr)) += '\n';
        start = end + 1;
    }
}

std::string ProgramLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) return out.append(text.substr(start));
        out.append(text.substr(start, end - start));
        out += end > start && text[end - 1] == '\r' ? "\n" : "\r\n";
        start = end + 1;
    }
}

namespace {

// An empty, closed clipboard that nobody owns.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    FreeHandedOut();
    ClipboardState& s = State();
    s.open = false;
    s.openWindow = nullptr;
    s.owner = nullptr;
    s.pending.reset();
    s.emptied = false;
});

} // namespace

} // namespace win
