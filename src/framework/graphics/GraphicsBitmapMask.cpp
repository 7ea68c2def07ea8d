// Transparent bitmaps: the transparent colour, the monochrome mask made from it, and drawing through the
// mask.
#include "framework/graphics/GraphicsBitmap.h"

#include "framework/core/OSErrors.h"
#include "framework/graphics/GraphicsBitmapCanvas.h"
#include "framework/graphics/GraphicsBitmapCopy.h"
#include "framework/graphics/GraphicsSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"

#include <cstdlib>

namespace gl {

namespace {

// White where the bitmap has the colour, black elsewhere.
win::HBITMAP CopyBitmapAsMask(win::HBITMAP handle, win::HPALETTE palette, win::COLORREF color) {
    if (!handle) return nullptr;
    DeselectBitmap(handle);
    const win::DIBSECTION dib = DescribeBitmap(handle);
    const int width = dib.dsBm.bmWidth, height = std::abs(dib.dsBm.bmHeight);
    win::UniqueBitmap mask(GDICheck(win::CreateBitmap(width, height, 1, 1, nullptr)));
    {
        MemoryDC source;
        source.SelectBitmap(handle);
        source.SelectPalette(palette, false);
        MemoryDC target;
        target.SelectBitmap(mask.Get());
        win::SetBkColor(source, color);
        win::BitBlt(target, 0, 0, width, height, source, 0, 0, win::SRCCOPY);
    }
    return mask.Release();
}

} // namespace

TColor TBitmap::TransparentColor() {
    if (m_transparentColor != clDefault) return static_cast<TColor>(ColorToRGB(m_transparentColor));
    if (Monochrome()) return clWhite;
    return Canvas().Pixels(0, Height() - 1);
}

void TBitmap::SetTransparentColor(TColor value) {
    if (value == m_transparentColor) return;
    m_transparentMode = value == clDefault ? tmAuto : tmFixed;
    m_transparentColor = value;
    m_maskValid = false;
    Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    if (value == m_transparentMode) return;
    if (value == tmAuto)
        SetTransparentColor(clDefault);
    else
        SetTransparentColor(TransparentColor());
}

void TBitmap::MaskHandleNeeded() {
    if (m_maskValid && m_maskBitsValid) return;
    if (win::HBITMAP& mask = m_image->m_maskHandle) {
        DeselectBitmap(mask);
        win::DeleteObject(mask);
        mask = nullptr;
    }
    FreeContext();
    HandleNeeded();
    const auto color = static_cast<win::COLORREF>(TransparentColor());
    m_image->m_maskHandle = CopyBitmapAsMask(m_image->m_handle, m_image->m_palette, color);
    m_maskValid = m_image->m_maskHandle != nullptr;
    m_maskBitsValid = true;
}

win::HBITMAP TBitmap::MaskHandle() {
    MaskHandleNeeded();
    return m_image->m_maskHandle;
}

void TBitmap::DrawTransparent(TCanvas& canvas, const TRect& rect) {
    MaskHandleNeeded();
    Canvas();
    m_canvas->RequiredState(csAllValid);
    const win::HDC target = canvas.Handle();
    const win::HDC source = m_canvas->Context();
    const int sourceWidth = m_image->m_dib.dsBm.bmWidth, sourceHeight = Height();
    MemoryDC mask;
    if (m_image->m_maskHandle) mask.SelectBitmap(m_image->m_maskHandle);
    // The mask's bits turn into black (opaque) and white (transparent) on the way.
    const win::COLORREF text = win::SetTextColor(target, 0);
    const win::COLORREF background = win::SetBkColor(target, 0xFFFFFF);
    const int w = RectWidth(rect), h = RectHeight(rect);
    win::StretchBlt(target, rect.left, rect.top, w, h, source, 0, 0, sourceWidth, sourceHeight,
                    win::SRCINVERT);
    win::StretchBlt(target, rect.left, rect.top, w, h, mask, 0, 0, sourceWidth, sourceHeight, win::SRCAND);
    win::StretchBlt(target, rect.left, rect.top, w, h, source, 0, 0, sourceWidth, sourceHeight,
                    win::SRCINVERT);
    win::SetTextColor(target, text);
    win::SetBkColor(target, background);
}

} // namespace gl
