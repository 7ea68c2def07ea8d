// Font objects: CreateFont(Indirect), GetObject of a font, and the font queries of a device context
// (GetTextMetrics, GetTextFace).
#include "platform/fonts/detail/FontObject.h"

#include "platform/fonts/FontApi.h"
#include "platform/gdi/StockObjects.h"
#include "platform/system/LastError.h"
#include "platform/system/Utf8.h"

#include <algorithm>
#include <cstring>

namespace win {

FontObject::FontObject(const LOGFONT& logFont) : GdiObject(kKind), m_logFont(logFont) {
    // The face name may come unterminated from a caller: keep it terminated.
    m_logFont.lfFaceName[sizeof m_logFont.lfFaceName - 1] = 0;
}

FontInstance& FontObject::Instance() {
    if (!m_instance) m_instance = FontInstance::Realize(m_logFont);
    m_instance->TrimCache();
    return *m_instance;
}

TEXTMETRIC FontObject::Metrics() {
    TEXTMETRIC tm = Instance().Metrics();
    tm.tmUnderlined = m_logFont.lfUnderline ? 1 : 0;
    tm.tmStruckOut = m_logFont.lfStrikeOut ? 1 : 0;
    return tm;
}

int FontObject::GetObjectData(int size, void* buffer) const {
    if (!buffer) return static_cast<int>(sizeof(LOGFONT));
    if (size <= 0) return 0;
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), sizeof(LOGFONT));
    std::memcpy(buffer, &m_logFont, n);
    return static_cast<int>(n);
}

FontObject& FontOfDC(const DeviceContext& dc) {
    if (auto* font = FindGdi<FontObject>(dc.state.font)) return *font;
    return *FindGdi<FontObject>(GetStockFont(SYSTEM_FONT));
}

void CopyFaceName(char* field, std::size_t fieldSize, std::string_view name) {
    if (fieldSize == 0) return;
    std::size_t end = 0;
    for (std::size_t pos = 0; pos < name.size();) {
        std::size_t next = pos;
        DecodeUtf8(name, next);
        if (next >= fieldSize) break;
        end = pos = next;
    }
    std::memcpy(field, name.data(), end);
    std::memset(field + end, 0, fieldSize - end);
}

HFONT CreateFontIndirect(const LOGFONT* logFont) {
    if (!logFont) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HFONT>(AddGdiObject(std::make_unique<FontObject>(*logFont)));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic ? 1 : 0);
    lf.lfUnderline = static_cast<BYTE>(underline ? 1 : 0);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut ? 1 : 0);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) CopyFaceName(lf.lfFaceName, sizeof lf.lfFaceName, faceName);
    return CreateFontIndirect(&lf);
}

BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* metrics) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !metrics) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *metrics = FontOfDC(*dc).Metrics();
    return TRUE;
}

} // namespace win
