// Creation of pens and brushes, and the context settings that only pens and brushes use.
#include "platform/gdi/PensBrushes.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/detail/DcStateAccess.h"
#include "platform/system/LastError.h"

#include <cstring>

namespace win {

namespace {

HPEN AddPen(const LOGPEN& record) {
    auto pen = std::make_unique<PenObject>();
    pen->pen = record;
    return static_cast<HPEN>(AddGdiObject(std::move(pen)));
}

HBRUSH AddBrush(const LOGBRUSH& record, std::shared_ptr<Surface> pattern = nullptr) {
    auto brush = std::make_unique<BrushObject>();
    brush->brush = record;
    brush->monochromePattern = pattern && pattern->BitCount() == 1;
    brush->pattern = std::move(pattern);
    return static_cast<HBRUSH>(AddGdiObject(std::move(brush)));
}

std::nullptr_t Fail(DWORD code) {
    SetLastError(code);
    return nullptr;
}

// A private copy of a bitmap's pixels, in the same layout.
std::shared_ptr<Surface> CopySurface(const Surface& source) {
    std::shared_ptr<Surface> copy = Surface::Create(source.Width(), source.Height(), source.BitCount(),
                                                    source.TopDown(), source.BitFields(), source.Masks());
    if (!copy) return nullptr;
    std::memcpy(copy->Bits(), source.Bits(), source.ByteSize());
    if (source.HasColorTable()) copy->SetColorTable(source.ColorTable());
    return copy;
}

} // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < 0 || static_cast<UINT>(style) > PS_INSIDEFRAME)
        return static_cast<HPEN>(Fail(ERROR_INVALID_PARAMETER));
    UINT s = static_cast<UINT>(style);
    // The platform takes the magnitude of a negative width.
    const LONG w = width == INT32_MIN ? INT32_MAX : (width < 0 ? -width : width);
    if (w > 1 && s >= PS_DASH && s <= PS_DASHDOTDOT) s = PS_SOLID;
    return AddPen(LOGPEN{s, POINT{w, 0}, color});
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return AddBrush(LOGBRUSH{BS_SOLID, color, 0});
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS)
        return static_cast<HBRUSH>(Fail(ERROR_INVALID_PARAMETER));
    return AddBrush(LOGBRUSH{BS_HATCHED, color, static_cast<ULONG_PTR>(hatch)});
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    const BitmapObject* source = FindGdi<BitmapObject>(bitmap);
    if (!source || !source->surface) return static_cast<HBRUSH>(Fail(ERROR_INVALID_HANDLE));
    std::shared_ptr<Surface> copy = CopySurface(*source->surface);
    if (!copy) return static_cast<HBRUSH>(Fail(ERROR_NOT_ENOUGH_MEMORY));
    return AddBrush(LOGBRUSH{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(bitmap)}, std::move(copy));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) return static_cast<HBRUSH>(Fail(ERROR_INVALID_PARAMETER));
    switch (brush->lbStyle) {
    case BS_SOLID:
        return CreateSolidBrush(brush->lbColor);
    case BS_NULL:
        return AddBrush(LOGBRUSH{BS_NULL, 0, 0});
    case BS_HATCHED:
        return CreateHatchBrush(static_cast<int>(brush->lbHatch), brush->lbColor);
    case BS_PATTERN:
        return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush->lbHatch));
    default:
        return static_cast<HBRUSH>(Fail(ERROR_INVALID_PARAMETER));
    }
}

int SetROP2(HDC hdc, int mode) {
    return SetDcState(hdc, &DcState::rop2, mode, 0, mode >= R2_BLACK && mode <= R2_WHITE);
}

} // namespace win
