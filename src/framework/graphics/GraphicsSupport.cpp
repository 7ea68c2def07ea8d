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

MemoryDC::~MemoryDC() {
    if (m_paletteSelected) win::SelectPalette(m_dc, m_oldPalette, win::TRUE);
    if (m_oldBitmap) win::SelectObject(m_dc, m_oldBitmap);
    win::DeleteDC(m_dc);
}

void MemoryDC::SelectBitmap(win::HBITMAP bitmap) {
    const win::HGDIOBJ old = GDICheck(win::SelectObject(m_dc, bitmap));
    if (!m_oldBitmap) m_oldBitmap = old;
}

void MemoryDC::SelectPalette(win::HPALETTE palette, bool background) {
    if (!palette) return;
    const win::HPALETTE old = win::SelectPalette(m_dc, palette, background ? win::TRUE : win::FALSE);
    if (!m_paletteSelected) {
        m_oldPalette = old;
        m_paletteSelected = true;
    }
    win::RealizePalette(m_dc);
}

} // namespace gl
