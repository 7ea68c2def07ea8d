// The objects behind GDI handles (bitmaps, palettes, pens, brushes, fonts, regions) and their one checked
// table.
#pragma once

#include "platform/system/HandleTable.h"
#include "platform/win/types.h"

#include <memory>

namespace win {

enum class GdiKind { Bitmap, Palette, Pen, Brush, Font, Region };

// GetObjectType's values.
constexpr DWORD OBJ_PEN = 1;
constexpr DWORD OBJ_BRUSH = 2;
constexpr DWORD OBJ_DC = 3;
constexpr DWORD OBJ_PAL = 5;
constexpr DWORD OBJ_FONT = 6;
constexpr DWORD OBJ_BITMAP = 7;
constexpr DWORD OBJ_REGION = 8;
constexpr DWORD OBJ_MEMDC = 10;

class GdiObject {
public:
    explicit GdiObject(GdiKind kind) : m_kind(kind) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    GdiKind Kind() const { return m_kind; }
    // Stock objects are never deleted; DeleteObject on them succeeds and does nothing.
    bool IsStock() const { return m_stock; }
    void MarkStock() { m_stock = true; }
    // How many device contexts have this object selected; a selected object cannot be deleted.
    int SelectCount() const { return m_selectCount; }
    void AddSelect() { ++m_selectCount; }
    void ReleaseSelect() {
        if (m_selectCount > 0) --m_selectCount;
    }

    // GetObject: copies the object's record into buffer (when not null) and returns the bytes written or
    // needed; 0 on failure.
    virtual int GetObjectData(int size, void* buffer) const = 0;

private:
    GdiKind m_kind;
    bool m_stock = false;
    int m_selectCount = 0;
};

HandleTable<GdiObject>& GdiObjects();

HGDIOBJ AddGdiObject(std::unique_ptr<GdiObject> object);
GdiObject* FindGdiObject(HGDIOBJ handle);

// The object behind a handle when it is of the expected class (checked by kind), else null.
template <class T> T* FindGdi(const void* handle) {
    GdiObject* o = FindGdiObject(const_cast<void*>(handle));
    return (o && o->Kind() == T::kKind) ? static_cast<T*>(o) : nullptr;
}

} // namespace win
