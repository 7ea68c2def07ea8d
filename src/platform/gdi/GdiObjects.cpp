// GetObject records of the shared GDI object classes.
#include "platform/gdi/GdiObjects.h"

#include <cstring>

namespace win {

namespace {
template <class Record> int CopyRecord(const Record& record, int size, void* buffer) {
    if (!buffer) return static_cast<int>(sizeof(Record));
    if (size < static_cast<int>(sizeof(Record))) return 0;
    std::memcpy(buffer, &record, sizeof(Record));
    return static_cast<int>(sizeof(Record));
}
} // namespace

int PaletteObject::GetObjectData(int size, void* buffer) const {
    // A palette's record is its entry count.
    const WORD count = static_cast<WORD>(entries.size());
    if (!buffer) return static_cast<int>(sizeof(WORD));
    if (size < static_cast<int>(sizeof(WORD))) return 0;
    std::memcpy(buffer, &count, sizeof(WORD));
    return static_cast<int>(sizeof(WORD));
}

int PenObject::GetObjectData(int size, void* buffer) const {
    return CopyRecord(pen, size, buffer);
}

int BrushObject::GetObjectData(int size, void* buffer) const {
    return CopyRecord(brush, size, buffer);
}

} // namespace win
