// The stock fonts of GetStockObject. The system and GUI fonts are the platform's "宋体", as on a Chinese
// system; the others name the classic faces, which map to installed sans and monospace faces.
#include "platform/fonts/detail/FontObject.h"
#include "platform/gdi/StockObjects.h"
#include "platform/win/gdi_types.h"

#include <array>
#include <mutex>

namespace win {

namespace {

struct StockFontEntry {
    int index;
    LONG height;
    LONG weight;
    BYTE charSet;
    BYTE pitchAndFamily;
    const char* face;
};

constexpr StockFontEntry kStockFonts[] = {
    {SYSTEM_FONT, 16, FW_NORMAL, GB2312_CHARSET, VARIABLE_PITCH | FF_SWISS, "宋体"},
    {DEVICE_DEFAULT_FONT, 16, FW_NORMAL, GB2312_CHARSET, VARIABLE_PITCH | FF_SWISS, "宋体"},
    {DEFAULT_GUI_FONT, -12, FW_NORMAL, GB2312_CHARSET, VARIABLE_PITCH | FF_SWISS, "宋体"},
    {ANSI_VAR_FONT, -12, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"},
    {ANSI_FIXED_FONT, -12, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Courier"},
    {OEM_FIXED_FONT, -12, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN, "Terminal"},
    {SYSTEM_FIXED_FONT, 16, FW_NORMAL, GB2312_CHARSET, FIXED_PITCH | FF_MODERN, "Fixedsys"},
};

} // namespace

HGDIOBJ GetStockFont(int index) {
    static std::mutex mutex;
    static std::array<HGDIOBJ, std::size(kStockFonts)> handles{};
    std::lock_guard lock(mutex);
    for (std::size_t i = 0; i < std::size(kStockFonts); ++i) {
        const StockFontEntry& entry = kStockFonts[i];
        if (entry.index != index) continue;
        if (!handles[i]) {
            LOGFONT lf;
            lf.lfHeight = entry.height;
            lf.lfWeight = entry.weight;
            lf.lfCharSet = entry.charSet;
            lf.lfPitchAndFamily = entry.pitchAndFamily;
            CopyFaceName(lf.lfFaceName, sizeof lf.lfFaceName, entry.face);
            auto font = std::make_unique<FontObject>(lf);
            font->MarkStock();
            handles[i] = AddGdiObject(std::move(font));
        }
        return handles[i];
    }
    return nullptr;
}

} // namespace win
