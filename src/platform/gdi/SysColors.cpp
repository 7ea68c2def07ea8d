// The system colour table with the platform's standard default scheme, and the brushes that follow it.
#include "platform/gdi/SysColors.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"

#include <array>

namespace win {

namespace {

constexpr std::array<COLORREF, kSysColorCount> kDefaults = {
    RGB(200, 200, 200), // COLOR_SCROLLBAR
    RGB(0, 0, 0),       // COLOR_BACKGROUND
    RGB(153, 180, 209), // COLOR_ACTIVECAPTION
    RGB(191, 205, 219), // COLOR_INACTIVECAPTION
    RGB(240, 240, 240), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(100, 100, 100), // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(0, 0, 0),       // COLOR_CAPTIONTEXT
    RGB(180, 180, 180), // COLOR_ACTIVEBORDER
    RGB(244, 247, 252), // COLOR_INACTIVEBORDER
    RGB(171, 171, 171), // COLOR_APPWORKSPACE
    RGB(51, 153, 255),  // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(240, 240, 240), // COLOR_BTNFACE
    RGB(160, 160, 160), // COLOR_BTNSHADOW
    RGB(109, 109, 109), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(67, 78, 84),    // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(105, 105, 105), // COLOR_3DDKSHADOW
    RGB(227, 227, 227), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(0, 0, 0),       // 25: unused
    RGB(0, 102, 204),   // COLOR_HOTLIGHT
    RGB(185, 209, 234), // COLOR_GRADIENTACTIVECAPTION
    RGB(215, 228, 242), // COLOR_GRADIENTINACTIVECAPTION
    RGB(51, 153, 255),  // COLOR_MENUHILIGHT
    RGB(240, 240, 240), // COLOR_MENUBAR
};

std::array<COLORREF, kSysColorCount>& Table() {
    static std::array<COLORREF, kSysColorCount> table = kDefaults;
    return table;
}

bool ValidIndex(int index) {
    return index >= 0 && index < kSysColorCount;
}

// The brushes are made on first use; each keeps its index so that drawing with it takes the current colour.
std::array<HBRUSH, kSysColorCount>& Brushes() {
    static std::array<HBRUSH, kSysColorCount> brushes{};
    return brushes;
}

void SyncBrush(int index) {
    if (BrushObject* b = FindGdi<BrushObject>(Brushes()[static_cast<std::size_t>(index)]))
        b->brush.lbColor = Table()[static_cast<std::size_t>(index)];
}

} // namespace

DWORD GetSysColor(int index) {
    return ValidIndex(index) ? Table()[static_cast<std::size_t>(index)] : 0;
}

HBRUSH GetSysColorBrush(int index) {
    if (!ValidIndex(index)) return nullptr;
    HBRUSH& slot = Brushes()[static_cast<std::size_t>(index)];
    if (!FindGdi<BrushObject>(slot)) {
        auto brush = std::make_unique<BrushObject>();
        brush->brush = LOGBRUSH{BS_SOLID, GetSysColor(index), 0};
        brush->sysColorIndex = index;
        brush->MarkStock();
        slot = static_cast<HBRUSH>(AddGdiObject(std::move(brush)));
    }
    return slot;
}

BOOL SetSysColors(int count, const INT* elements, const COLORREF* values) {
    if (count <= 0) return TRUE;
    if (!elements || !values) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (int i = 0; i < count; ++i) {
        if (!ValidIndex(elements[i])) continue;
        Table()[static_cast<std::size_t>(elements[i])] = values[i] & 0x00FFFFFF;
        SyncBrush(elements[i]);
    }
    return TRUE;
}

void ResetSysColors() {
    Table() = kDefaults;
    for (int i = 0; i < kSysColorCount; ++i) SyncBrush(i);
}

namespace {

// The default system colours.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { ResetSysColors(); });

} // namespace

} // namespace win
