// The GDI object classes shared by the drawing calls: bitmaps, palettes, pens, brushes and regions.
// (Fonts live with the text code.)
#pragma once

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/win/gdi_types.h"

#include <memory>
#include <vector>

namespace win {

class BitmapObject final : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Bitmap;
    BitmapObject() : GdiObject(kKind) {}

    // The pixels. Null only for the 1 x 1 default bitmap's placeholder never; every bitmap has a surface.
    std::shared_ptr<Surface> surface;
    // A DIB section (CreateDIBSection) exposes its bits and keeps its info header; a device-dependent bitmap
    // (CreateBitmap, CreateCompatibleBitmap, CreateDIBitmap) is either monochrome (1 bit) or of the screen's
    // format (32 bits).
    bool isDibSection = false;
    BITMAPINFOHEADER dibHeader{}; // DIB sections: the header as created (size 40, height signed as given)
    HDC selectedInto = nullptr;   // a bitmap is selected in at most one memory context

    int GetObjectData(int size, void* buffer) const override;
};

class PaletteObject final : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Palette;
    PaletteObject() : GdiObject(kKind) {}
    std::vector<PALETTEENTRY> entries;
    bool halftone = false;
    int GetObjectData(int size, void* buffer) const override;
};

class PenObject final : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Pen;
    PenObject() : GdiObject(kKind) {}
    LOGPEN pen{};
    int GetObjectData(int size, void* buffer) const override;
};

class BrushObject final : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Brush;
    BrushObject() : GdiObject(kKind) {}
    LOGBRUSH brush{};
    // Pattern brushes: a private copy of the pattern bitmap's pixels (monochrome patterns take the context's
    // text and background colours when used, as on the platform).
    std::shared_ptr<Surface> pattern;
    bool monochromePattern = false;
    int sysColorIndex = -1; // brushes of GetSysColorBrush
    int GetObjectData(int size, void* buffer) const override;
};

class RegionObject final : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Region;
    RegionObject() : GdiObject(kKind) {}
    Region region;
    int GetObjectData(int, void*) const override { return 0; }
};

} // namespace win
