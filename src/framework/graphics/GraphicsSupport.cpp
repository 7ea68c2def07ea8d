// Contexts that give themselves back, and the invalid-graphic errors.
#include "framework/graphics/GraphicsSupport.h"

#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/OSErrors.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/Screen.h"

namespace gl {

void InvalidGraphic(const char* message) {
    throw EInvalidGraphic(message);
}

void InvalidBitmap() {
    InvalidGraphic(msg::SInvalidBitmap);
}

ScreenDC::ScreenDC() : m_dc(nullptr) {
    if (!m_dc) GDIError();
}

MemoryDC::MemoryDC(win::HDC reference) : m_dc(GDICheck(win::CreateCompatibleDC(reference))) {}

void MemoryDC::SelectBitmap(win::HBITMAP bitmap) {
    if (m_bitmap) {
        GDICheck(win::SelectObject(m_dc.Get(), bitmap));
        return;
    }
    m_bitmap.emplace(m_dc.Get(), bitmap);
    if (*m_bitmap) return;
    m_bitmap.reset();
    GDIError();
}

void MemoryDC::SelectPalette(win::HPALETTE palette, bool background) {
    if (!palette) return;
    if (!m_palette) {
        m_palette.emplace(m_dc.Get(), palette, background, true);
        return;
    }
    win::SelectPalette(m_dc.Get(), palette, background ? win::TRUE : win::FALSE);
    win::RealizePalette(m_dc.Get());
}

} // namespace gl
