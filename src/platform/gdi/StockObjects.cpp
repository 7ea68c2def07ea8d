// The stock brushes and pens, and the dispatch of GetStockObject to the stock palette and fonts.
#include "platform/gdi/StockObjects.h"

#include "platform/gdi/StockPalette.h"

#include <array>

namespace win {

namespace {

struct StockSet {
    std::array<HGDIOBJ, DC_PEN + 1> handles{};
    const BrushObject* dcBrush = nullptr;
    const PenObject* dcPen = nullptr;
};

HGDIOBJ AddStockBrush(const LOGBRUSH& record, const BrushObject** out = nullptr) {
    auto brush = std::make_unique<BrushObject>();
    brush->brush = record;
    brush->MarkStock();
    if (out) *out = brush.get();
    return AddGdiObject(std::move(brush));
}

HGDIOBJ AddStockPen(const LOGPEN& record, const PenObject** out = nullptr) {
    auto pen = std::make_unique<PenObject>();
    pen->pen = record;
    pen->MarkStock();
    if (out) *out = pen.get();
    return AddGdiObject(std::move(pen));
}

const StockSet& Stock() {
    static const StockSet set = [] {
        StockSet s;
        s.handles[WHITE_BRUSH] = AddStockBrush(LOGBRUSH{BS_SOLID, RGB(255, 255, 255), 0});
        s.handles[LTGRAY_BRUSH] = AddStockBrush(LOGBRUSH{BS_SOLID, RGB(192, 192, 192), 0});
        s.handles[GRAY_BRUSH] = AddStockBrush(LOGBRUSH{BS_SOLID, RGB(128, 128, 128), 0});
        s.handles[DKGRAY_BRUSH] = AddStockBrush(LOGBRUSH{BS_SOLID, RGB(64, 64, 64), 0});
        s.handles[BLACK_BRUSH] = AddStockBrush(LOGBRUSH{BS_SOLID, RGB(0, 0, 0), 0});
        s.handles[NULL_BRUSH] = AddStockBrush(LOGBRUSH{BS_NULL, 0, 0});
        s.handles[WHITE_PEN] = AddStockPen(LOGPEN{PS_SOLID, POINT{0, 0}, RGB(255, 255, 255)});
        s.handles[BLACK_PEN] = AddStockPen(LOGPEN{PS_SOLID, POINT{0, 0}, RGB(0, 0, 0)});
        s.handles[NULL_PEN] = AddStockPen(LOGPEN{PS_NULL, POINT{0, 0}, 0});
        s.handles[DC_BRUSH] = AddStockBrush(LOGBRUSH{BS_SOLID, RGB(255, 255, 255), 0}, &s.dcBrush);
        s.handles[DC_PEN] = AddStockPen(LOGPEN{PS_SOLID, POINT{0, 0}, 0}, &s.dcPen);
        return s;
    }();
    return set;
}

void SelectIfNone(HGDIOBJ& slot, HGDIOBJ object) {
    if (!slot) slot = object;
}

} // namespace

HGDIOBJ GetStockObject(int index) {
    switch (index) {
    case DEFAULT_PALETTE:
        return StockPalette();
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case SYSTEM_FIXED_FONT:
    case DEFAULT_GUI_FONT:
        return GetStockFont(index);
    default:
        break;
    }
    if (index < 0 || index > DC_PEN) return nullptr;
    return Stock().handles[static_cast<std::size_t>(index)];
}

void SelectDefaultObjects(DeviceContext& dc) {
    SelectIfNone(dc.state.pen, GetStockObject(BLACK_PEN));
    SelectIfNone(dc.state.brush, GetStockObject(WHITE_BRUSH));
    SelectIfNone(dc.state.font, GetStockObject(SYSTEM_FONT));
    SelectIfNone(dc.state.palette, GetStockObject(DEFAULT_PALETTE));
}

bool IsDcBrush(const BrushObject& brush) {
    return &brush == Stock().dcBrush;
}
bool IsDcPen(const PenObject& pen) {
    return &pen == Stock().dcPen;
}

} // namespace win
