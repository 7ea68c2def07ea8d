// Global memory blocks (GlobalAlloc and friends) in a checked table, as the clipboard takes and gives them.
#include "platform/system/HandleTable.h"
#include "platform/system/LastError.h"
#include "platform/user/Clipboard.h"

#include <cstring>
#include <memory>
#include <new>

namespace win {

namespace {

constexpr std::size_t kMaxBlock = std::size_t(1) << 30;

struct Block {
    std::unique_ptr<BYTE[]> data;
    std::size_t size = 0;
    int locks = 0;
};

HandleTable<Block>& Blocks() {
    static HandleTable<Block> table(HandleTag::GlobalMemory);
    return table;
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes) {
    if (bytes > kMaxBlock) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto block = std::make_unique<Block>();
    block->data.reset(new (std::nothrow) BYTE[bytes == 0 ? 1 : bytes]);
    if (!block->data) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (flags & GMEM_ZEROINIT) std::memset(block->data.get(), 0, bytes == 0 ? 1 : bytes);
    block->size = bytes;
    return reinterpret_cast<HGLOBAL>(Blocks().Add(std::move(block)));
}

LPVOID GlobalLock(HGLOBAL mem) {
    Block* b = Blocks().Find(mem);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    ++b->locks;
    return b->data.get();
}

BOOL GlobalUnlock(HGLOBAL mem) {
    Block* b = Blocks().Find(mem);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (b->locks > 0) --b->locks;
    SetLastError(ERROR_SUCCESS);
    return b->locks > 0 ? TRUE : FALSE;
}

std::size_t GlobalSize(HGLOBAL mem) {
    Block* b = Blocks().Find(mem);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return b->size;
}

HGLOBAL GlobalFree(HGLOBAL mem) {
    if (!mem) return nullptr;
    if (!Blocks().Remove(mem)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return mem;
    }
    return nullptr;
}

} // namespace win
