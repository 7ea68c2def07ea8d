// Drop handles: made from the desktop's list of files, posted to the window that accepts them, read and
// freed by the window.
#include "platform/user/DragDrop.h"

#include "platform/user/Messages.h"
#include "platform/user/Windows.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

constexpr UINT kCountQuery = 0xFFFFFFFF;

// The names of a drop, read within the block's size whatever it holds.
std::vector<std::string> NamesOf(HDROP drop, DROPFILES* header = nullptr) {
    std::vector<std::string> names;
    const std::size_t size = GlobalSize(drop);
    const auto* block = static_cast<const char*>(GlobalLock(drop));
    if (!block) return names;
    DROPFILES record;
    if (size >= sizeof record) {
        std::memcpy(&record, block, sizeof record);
        if (header) *header = record;
        std::size_t at = record.pFiles;
        while (at < size && block[at] != '\0') {
            const void* end = std::memchr(block + at, '\0', size - at);
            if (!end) break;
            const std::size_t length = static_cast<const char*>(end) - (block + at);
            names.emplace_back(block + at, length);
            at += length + 1;
        }
    }
    GlobalUnlock(drop);
    return names;
}

HDROP MakeDrop(const std::vector<std::string>& files, POINT point, bool nonClient) {
    std::size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& f : files) bytes += f.size() + 1;
    HDROP drop = GlobalAlloc(GHND, bytes);
    auto* block = static_cast<char*>(GlobalLock(drop));
    if (!block) {
        if (drop) GlobalFree(drop);
        return nullptr;
    }
    DROPFILES record;
    record.pt = point;
    record.fNC = nonClient ? TRUE : FALSE;
    std::memcpy(block, &record, sizeof record);
    std::size_t at = sizeof record;
    for (const std::string& f : files) {
        std::memcpy(block + at, f.c_str(), f.size() + 1);
        at += f.size() + 1;
    }
    GlobalUnlock(drop);
    return drop;
}

} // namespace

void DragAcceptFiles(HWND hwnd, BOOL accept) {
    const LONG style = GetWindowLong(hwnd, GWL_EXSTYLE);
    const LONG wanted = accept ? (style | LONG(WS_EX_ACCEPTFILES)) : (style & ~LONG(WS_EX_ACCEPTFILES));
    if (wanted != style) SetWindowLong(hwnd, GWL_EXSTYLE, wanted);
}

UINT DragQueryFile(HDROP drop, UINT index, LPSTR buffer, UINT size) {
    const std::vector<std::string> names = NamesOf(drop);
    if (index == kCountQuery) return static_cast<UINT>(names.size());
    if (index >= names.size()) return 0;
    const std::string& name = names[index];
    if (!buffer) return static_cast<UINT>(name.size());
    if (size == 0) return 0;
    const std::size_t copied = std::min<std::size_t>(name.size(), size - 1);
    std::memcpy(buffer, name.data(), copied);
    buffer[copied] = '\0';
    return static_cast<UINT>(copied);
}

void DragFinish(HDROP drop) {
    if (drop) GlobalFree(drop);
}

bool DropTarget(const std::vector<std::string>& files, POINT screen, HWND& target, HDROP& drop) {
    if (files.empty()) return false;
    const HWND desktop = GetDesktopWindow();
    target = WindowFromPoint(screen);
    while (target && target != desktop && !(GetWindowLong(target, GWL_EXSTYLE) & LONG(WS_EX_ACCEPTFILES)))
        target = GetAncestor(target, GA_PARENT);
    // A window behind a modal dialog takes no drops, as it takes no clicks.
    if (!target || target == desktop || !IsWindowEnabled(target)) return false;
    POINT client = screen;
    ScreenToClient(target, &client);
    RECT area{};
    GetClientRect(target, &area);
    const bool inside = client.x >= 0 && client.y >= 0 && client.x < area.right && client.y < area.bottom;
    drop = MakeDrop(files, client, !inside);
    return drop != nullptr;
}

} // namespace win
