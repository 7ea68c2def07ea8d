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

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (!pen) return static_cast<HPEN>(Fail(ERROR_INVALID_PARAMETER));
    return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styles) {
    const UINT basic = style & PS_STYLE_MASK;
    const bool geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
    if (!brush || basic > PS_ALTERNATE || (style & PS_TYPE_MASK) > PS_GEOMETRIC)
        return static_cast<HPEN>(Fail(ERROR_INVALID_PARAMETER));
    if (!geometric && width != 1) return static_cast<HPEN>(Fail(ERROR_INVALID_PARAMETER));
    if (geometric && basic == PS_ALTERNATE) return static_cast<HPEN>(Fail(ERROR_INVALID_PARAMETER));
    if (basic == PS_USERSTYLE && (styleCount == 0 || styleCount > 16 || !styles))
        return static_cast<HPEN>(Fail(ERROR_INVALID_PARAMETER));
    if (brush->lbStyle == BS_NULL) return AddPen(LOGPEN{PS_NULL, POINT{1, 0}, 0});
    const LONG w = width > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<LONG>(width);
    // The full style stays in the record so that drawing knows PS_ALTERNATE and the pen type.
    return AddPen(LOGPEN{style, POINT{w, 0}, brush->lbColor});
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

COLORREF SetDCBrushColor(HDC hdc, COLORREF color) {
    return SetDcState(hdc, &DcState::dcBrushColor, color, CLR_INVALID);
}

COLORREF GetDCBrushColor(HDC hdc) {
    return GetDcState(hdc, &DcState::dcBrushColor, CLR_INVALID);
}

COLORREF SetDCPenColor(HDC hdc, COLORREF color) {
    return SetDcState(hdc, &DcState::dcPenColor, color, CLR_INVALID);
}

COLORREF GetDCPenColor(HDC hdc) {
    return GetDcState(hdc, &DcState::dcPenColor, CLR_INVALID);
}

int SetROP2(HDC hdc, int mode) {
    return SetDcState(hdc, &DcState::rop2, mode, 0, mode >= R2_BLACK && mode <= R2_WHITE);
}

int GetROP2(HDC hdc) {
    return GetDcState(hdc, &DcState::rop2, 0);
}

} // namespace win
