// The rebuild routine of bitmaps.
#include "framework/graphics/GraphicsBitmapCopy.h"

#include "framework/core/OSErrors.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmapCanvas.h"
#include "framework/graphics/GraphicsPalettes.h"
#include "framework/graphics/GraphicsSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/RectFills.h"
#include "platform/system/LastError.h"

#include <array>
#include <cstdlib>
#include <cstring>

namespace gl {

namespace {

// An info header with room for three masks or 256 colour entries after it.
struct DibInfo {
    win::BITMAPINFOHEADER header;
    std::array<win::RGBQUAD, 256> colors;

    win::BITMAPINFO* Info() { return reinterpret_cast<win::BITMAPINFO*>(this); }
};

win::RGBQUAD Quad(win::COLORREF color) {
    return win::RGBQUAD{win::GetBValue(color), win::GetGValue(color), win::GetRValue(color), 0};
}

// The colour table of a new DIB section of at most 8 bits per pixel.
void FillColorTable(DibInfo& info, win::HBITMAP handle, const win::DIBSECTION& source,
                    win::HPALETTE newPalette, win::HDC screen) {
    win::BITMAPINFOHEADER& h = info.header;
    if (h.biBitCount == 1 && (!handle || !source.dsBm.bmBits)) {
        // A device-dependent picture turned into one bit per pixel is black and white.
        info.colors[0] = win::RGBQUAD{0, 0, 0, 0};
        info.colors[1] = win::RGBQUAD{255, 255, 255, 0};
    } else if (newPalette) {
        PaletteToDIBColorTable(newPalette, info.colors);
    } else if (handle) {
        if (source.dsBmih.biSize > 0) {
            MemoryDC dc(screen);
            dc.SelectBitmap(handle);
            h.biClrUsed = win::GetDIBColorTable(dc, 0, 256, info.colors.data());
        }
        // A source without a table of its own (a device-dependent bitmap, or a section deeper than 8 bits)
        // gets the table the platform gives that depth, rather than a table of nothing but black.
        if (h.biClrUsed == 0)
            win::GetDIBits(screen, handle, 0, static_cast<win::UINT>(std::abs(h.biHeight)), nullptr,
                           info.Info(), win::DIB_RGB_COLORS);
    }
}

void PutMasks(DibInfo& info, win::DIBSECTION& dib) {
    if (dib.dsBitfields[0] == 0) {
        const bool sixteen = info.header.biBitCount == 16;
        dib.dsBitfields[0] = sixteen ? 0xF800 : 0xFF0000;
        dib.dsBitfields[1] = sixteen ? 0x07E0 : 0x00FF00;
        dib.dsBitfields[2] = sixteen ? 0x001F : 0x0000FF;
    }
    std::memcpy(info.colors.data(), dib.dsBitfields, sizeof dib.dsBitfields);
}

// Fills the new bitmap (white, or the canvas's brush) and copies the old one over it.
void FillAndCopy(win::HBITMAP result, win::HBITMAP handle, win::HPALETTE oldPalette, win::HPALETTE newPalette,
                 const win::DIBSECTION& given, const win::DIBSECTION& dib, TCanvas* canvas, win::HDC screen) {
    const int width = dib.dsBm.bmWidth;
    const int height = std::abs(dib.dsBm.bmHeight);
    MemoryDC target(screen);
    target.SelectBitmap(result);
    target.SelectPalette(newPalette, false);
    win::COLORREF text = 0, background = 0;
    if (canvas) {
        text = ColorToRGB(canvas->Font().Color());
        background = ColorToRGB(canvas->Brush().Color());
        const TRect all{0, 0, width, height};
        win::FillRect(target, &all, canvas->Brush().Handle());
        win::SetTextColor(target, text);
        win::SetBkColor(target, background);
        if (dib.dsBmih.biBitCount == 1 && given.dsBm.bmBits) {
            const win::RGBQUAD mono[2] = {Quad(text), Quad(background)};
            win::SetDIBColorTable(target, 0, 2, mono);
        }
    } else {
        win::PatBlt(target, 0, 0, width, height, win::WHITENESS);
    }
    if (!handle) return;
    MemoryDC source(screen);
    source.SelectBitmap(handle);
    source.SelectPalette(oldPalette, false);
    if (canvas) {
        win::SetTextColor(source, text);
        win::SetBkColor(source, background);
    }
    win::BitBlt(target, 0, 0, width, height, source, 0, 0, win::SRCCOPY);
}

} // namespace

win::DIBSECTION DescribeBitmap(win::HBITMAP handle) {
    win::DIBSECTION dib{};
    if (handle && win::GetObject(handle, sizeof dib, &dib) < static_cast<int>(sizeof(win::BITMAP)))
        InvalidBitmap();
    return dib;
}

win::HBITMAP CopyBitmap(win::HBITMAP handle, win::HPALETTE oldPalette, win::HPALETTE newPalette,
                        win::DIBSECTION& dib, TCanvas* canvas) {
    const win::BITMAPINFOHEADER& asked = dib.dsBmih;
    if (asked.biSize != 0 && (asked.biWidth == 0 || asked.biHeight == 0)) return nullptr;
    if (asked.biSize == 0 && (dib.dsBm.bmWidth == 0 || dib.dsBm.bmHeight == 0)) return nullptr;

    // The old bitmap is about to be selected into our own contexts.
    DeselectBitmap(handle);
    const win::DIBSECTION source = DescribeBitmap(handle);
    const win::DIBSECTION given = dib;
    win::SetLastError(0);
    ScreenDC screen;
    // Deleted again when the copy fails after making it.
    win::UniqueBitmap result;
    if (dib.dsBmih.biSize < sizeof(win::BITMAPINFOHEADER)) {
        if ((dib.dsBm.bmPlanes | dib.dsBm.bmBitsPixel) == 1)
            result.Reset(GDICheck(win::CreateBitmap(dib.dsBm.bmWidth, dib.dsBm.bmHeight, 1, 1, nullptr)));
        else
            result.Reset(GDICheck(win::CreateCompatibleBitmap(screen, dib.dsBm.bmWidth, dib.dsBm.bmHeight)));
    } else {
        win::BITMAPINFOHEADER& h = dib.dsBmih;
        h.biSize = sizeof(win::BITMAPINFOHEADER);
        h.biPlanes = 1;
        if (h.biBitCount == 0)
            h.biBitCount = static_cast<win::WORD>(win::GetDeviceCaps(screen, win::BITSPIXEL) *
                                                  win::GetDeviceCaps(screen, win::PLANES));
        DibInfo info{};
        info.header = h;
        dib.dsBm.bmWidth = h.biWidth;
        dib.dsBm.bmHeight = h.biHeight;
        if (h.biBitCount <= 8)
            FillColorTable(info, handle, source, newPalette, screen);
        else if ((h.biBitCount == 16 || h.biBitCount == 32) && (h.biCompression & win::BI_BITFIELDS) != 0)
            PutMasks(info, dib);
        void* bits = nullptr;
        result.Reset(
            GDICheck(win::CreateDIBSection(screen, info.Info(), win::DIB_RGB_COLORS, &bits, nullptr, 0)));
        if (!bits) GDIError();
        const int rows = std::abs(h.biHeight);
        if (handle && source.dsBm.bmWidth == h.biWidth && std::abs(source.dsBm.bmHeight) == rows &&
            h.biBitCount > 8) {
            // Same size and a deep format: the pixels are fetched straight into the new bits.
            win::GetDIBits(screen, handle, 0, static_cast<win::UINT>(rows), bits, info.Info(),
                           win::DIB_RGB_COLORS);
            win::GetObject(result.Get(), sizeof dib, &dib);
            return result.Release();
        }
    }
    FillAndCopy(result.Get(), handle, oldPalette, newPalette, given, dib, canvas, screen);
    win::GetObject(result.Get(), sizeof dib, &dib);
    return result.Release();
}

} // namespace gl
