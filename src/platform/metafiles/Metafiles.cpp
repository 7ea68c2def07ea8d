// Enhanced metafile handles: made from enhanced or old-style metafile bytes, checked, played and deleted.
#include "platform/metafiles/Metafiles.h"

#include "platform/gdi/DC.h"
#include "platform/metafiles/detail/MetafilePlayer.h"
#include "platform/metafiles/detail/MetafileRecords.h"
#include "platform/system/HandleTable.h"
#include "platform/system/LastError.h"

#include <memory>

namespace win {

namespace {

constexpr std::uint32_t kHeaderRecord = 1;
constexpr std::uint32_t kSignature = 0x464D4520; // " EMF"
constexpr std::size_t kEnhancedHeaderSize = 88;
constexpr std::size_t kOldHeaderSize = 18;

struct MetafileObject {
    std::vector<BYTE> data;
    bool enhanced = true;
    double width = 0; // an old-style one's picture, in reference pixels
    double height = 0;
};

HandleTable<MetafileObject>& Metafiles() {
    static HandleTable<MetafileObject> table(HandleTag::Metafile);
    return table;
}

HENHMETAFILE Invalid() {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
}

HENHMETAFILE Add(std::unique_ptr<MetafileObject> object) {
    return reinterpret_cast<HENHMETAFILE>(Metafiles().Add(std::move(object)));
}

} // namespace

HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data) {
    if (!data || size < kEnhancedHeaderSize) return Invalid();
    const RecordView header(data, size);
    if (header.U32(0) != kHeaderRecord || header.U32(40) != kSignature ||
        header.U32(4) < kEnhancedHeaderSize || header.U32(4) > size || header.U32(48) != size)
        return Invalid();
    auto object = std::make_unique<MetafileObject>();
    object->data.assign(data, data + size);
    return Add(std::move(object));
}

HENHMETAFILE SetWinMetaFileBits(UINT size, const BYTE* data, HDC, const METAFILEPICT* picture) {
    if (!data || size < kOldHeaderSize) return Invalid();
    const RecordView header(data, size);
    const std::uint64_t bytes = std::uint64_t(header.U32(6)) * 2;
    if ((header.U16(0) != 1 && header.U16(0) != 2) || header.U16(2) != 9 || bytes < kOldHeaderSize ||
        bytes > size)
        return Invalid();
    auto object = std::make_unique<MetafileObject>();
    object->data.assign(data, data + bytes);
    object->enhanced = false;
    // The picture's size in pixels of a 96-dots-per-inch reference; without one, a pixel per logical unit.
    object->width = picture && picture->xExt > 0 ? picture->xExt * 96.0 / 2540 : 0;
    object->height = picture && picture->yExt > 0 ? picture->yExt * 96.0 / 2540 : 0;
    return Add(std::move(object));
}

BOOL DeleteEnhMetaFile(HENHMETAFILE metafile) {
    if (!Metafiles().Remove(metafile)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL PlayEnhMetaFile(HDC hdc, HENHMETAFILE metafile, const RECT* rect) {
    const MetafileObject* object = Metafiles().Find(metafile);
    if (!object || !rect) {
        SetLastError(object ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!FindDCOrFail(hdc)) return FALSE;
    if (object->enhanced)
        PlayEnhancedRecords(hdc, object->data, *rect);
    else
        PlayOldStyleRecords(hdc, object->data, *rect, object->width, object->height);
    return TRUE;
}

} // namespace win
