// The object behind an HFONT: the LOGFONT it was created from and the realized font that draws it.
#pragma once

#include "platform/fonts/FontTypes.h"
#include "platform/fonts/detail/FontInstance.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObject.h"

#include <memory>

namespace win {

class FontObject final : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Font;
    explicit FontObject(const LOGFONT& logFont);

    const LOGFONT& LogFont() const { return m_logFont; }
    // The realized font, made on first use.
    FontInstance& Instance();
    // The text metrics, with the underline and strike-out flags of this font.
    TEXTMETRIC Metrics();

    // GetObject: the LOGFONT, or as much of it as the buffer holds.
    int GetObjectData(int size, void* buffer) const override;

private:
    LOGFONT m_logFont;
    std::shared_ptr<FontInstance> m_instance;
};

// The font a device context draws with: its selected font, or the stock system font when none (or a stale
// one) is selected.
FontObject& FontOfDC(const DeviceContext& dc);

// Copies a UTF-8 name into a fixed field, zero-terminated and cut on a character boundary.
void CopyFaceName(char* field, std::size_t fieldSize, std::string_view name);

} // namespace win
