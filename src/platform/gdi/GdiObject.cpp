// The process-wide table of GDI objects.
#include "platform/gdi/GdiObject.h"

namespace win {

HandleTable<GdiObject>& GdiObjects() {
    static HandleTable<GdiObject> table(HandleTag::GdiObject);
    return table;
}

HGDIOBJ AddGdiObject(std::unique_ptr<GdiObject> object) {
    return reinterpret_cast<HGDIOBJ>(GdiObjects().Add(std::move(object)));
}

GdiObject* FindGdiObject(HGDIOBJ handle) {
    return GdiObjects().Find(handle);
}

} // namespace win
