// TBitmap: images and their sharing, size, pixel format, palette and handle, drawing, assignment.
#include "framework/graphics/GraphicsBitmap.h"

#include "framework/core/Exceptions.h"
#include "framework/core/FlagScope.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/OSErrors.h"
#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsBitmapCanvas.h"
#include "framework/graphics/GraphicsBitmapCopy.h"
#include "framework/graphics/GraphicsPalettes.h"
#include "framework/graphics/GraphicsSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Palettes.h"

#include <array>
#include <cstdlib>

namespace gl {

// ---- The shared image ----

TBitmapImage::~TBitmapImage() {
    FreeHandle();
}

void TBitmapImage::FreeHandle() {
    // Canvases that still hold one of these bitmaps let go first: the platform keeps selected bitmaps.
    if (m_handle && m_handle != m_dibHandle) {
        DeselectBitmap(m_handle);
        win::DeleteObject(m_handle);
    }
    if (m_maskHandle) {
        DeselectBitmap(m_maskHandle);
        win::DeleteObject(m_maskHandle);
    }
    if (m_dibHandle) {
        DeselectBitmap(m_dibHandle);
        win::DeleteObject(m_dibHandle);
    }
    InternalDeletePalette(m_palette);
    m_handle = m_maskHandle = m_dibHandle = nullptr;
    m_palette = nullptr;
    m_dib = win::DIBSECTION{};
}

// ---- Life ----

TGraphicClass TBitmap::StaticClass() {
    static const TGraphicClassInfo info{
        "TBitmap", TGraphic::StaticClass(),
        []() -> std::unique_ptr<TGraphic> { return std::make_unique<TBitmap>(); }};
    return &info;
}

TBitmap::TBitmap() {
    SwapImage(m_image, std::make_shared<TBitmapImage>());
}

TBitmap::~TBitmap() {
    FreeContext();
    m_canvas.reset();
    SwapImage(m_image, {});
}

void TBitmap::NewImage(win::HBITMAP handle, win::HPALETTE palette, const win::DIBSECTION& dib,
                       bool coreHeader, std::unique_ptr<TMemoryStream> saveStream) {
    auto image = std::make_shared<TBitmapImage>();
    image->m_handle = handle;
    image->m_palette = palette;
    image->m_dib = dib;
    image->m_coreHeader = coreHeader;
    if (dib.dsBm.bmBits) image->m_dibHandle = handle;
    image->m_saveStream = std::move(saveStream);
    // Our canvas must not go on drawing on the image being let go.
    FreeContext();
    SwapImage(m_image, std::move(image));
    m_maskValid = false;
}

void TBitmap::CopyImage(win::HBITMAP handle, win::HPALETTE palette, win::DIBSECTION dib) {
    FreeContext();
    OwnPalette newPalette(palette == SystemPalette16() ? palette : CopyPalette(palette));
    win::UniqueBitmap newHandle(CopyBitmap(handle, palette, newPalette.Get(), dib, m_canvas.get()));
    NewImage(newHandle.Get(), newPalette.Get(), dib, m_image->m_coreHeader);
    // The new image holds both now.
    newHandle.Release();
    newPalette.Release();
}

void TBitmap::FreeContext() {
    if (m_canvas) m_canvas->FreeContext();
}

void TBitmap::HandleNeeded() {
    TBitmapImage& image = *m_image;
    if (!image.m_handle && !image.m_dibHandle && image.m_saveStream) {
        // Decode the kept file again; nobody is told, nothing changed as far as they can see.
        TMemoryStream& saved = *image.m_saveStream;
        saved.SetPosition(0);
        const ValueScope quiet(OnChange, TNotifyEvent{});
        ReadStream(saved, saved.Size());
    }
    if (!m_image->m_handle) m_image->m_handle = m_image->m_dibHandle;
}

void TBitmap::FreeImage() {
    TBitmapImage& image = *m_image;
    if (image.RefCount() > 1) {
        HandleNeeded();
        const win::HPALETTE palette = m_image->m_halftone ? nullptr : m_image->m_palette;
        CopyImage(m_image->m_handle, palette, m_image->m_dib);
    } else if (image.m_handle && image.m_dibHandle && image.m_handle != image.m_dibHandle) {
        DeselectBitmap(image.m_dibHandle);
        if (!win::DeleteObject(image.m_dibHandle)) GDIError();
        image.m_dibHandle = nullptr;
    }
    m_image->m_dib.dsBmih.biClrUsed = 0;
    m_image->m_dib.dsBmih.biClrImportant = 0;
    m_image->m_saveStream.reset();
}

void TBitmap::Changing(TObject*) {
    FreeImage();
}

void TBitmap::Changed(TObject* sender) {
    m_maskBitsValid = false;
    TGraphic::Changed(sender);
}

TCanvas& TBitmap::Canvas() {
    if (!m_canvas) {
        HandleNeeded();
        if (!m_canvas) {
            m_canvas = std::make_unique<TBitmapCanvas>(this);
            m_canvas->OnChange = [this](TObject* sender) { Changed(sender); };
            m_canvas->OnChanging = [this](TObject* sender) { Changing(sender); };
        }
    }
    return *m_canvas;
}

// ---- Size ----

int TBitmap::Width() const {
    return m_image->m_dib.dsBm.bmWidth;
}

int TBitmap::Height() const {
    const win::LONG height = m_image->m_dib.dsBm.bmHeight;
    return height < 0 ? (height == INT32_MIN ? INT32_MAX : -height) : height;
}

void TBitmap::SetWidth(int value) {
    SetSize(true, value);
}

void TBitmap::SetHeight(int value) {
    SetSize(false, value);
}

void TBitmap::SetSize(bool width, int value) {
    const win::BITMAP& current = m_image->m_dib.dsBm;
    if ((width ? current.bmWidth : current.bmHeight) == value) return;
    HandleNeeded();
    win::DIBSECTION dib = m_image->m_dib;
    if (width) {
        dib.dsBm.bmWidth = value;
        dib.dsBmih.biWidth = value;
    } else {
        dib.dsBm.bmHeight = value;
        // A top-down bitmap stays top-down.
        dib.dsBmih.biHeight = dib.dsBmih.biHeight < 0 && value > 0 ? -value : value;
    }
    CopyImage(m_image->m_handle, m_image->m_palette, dib);
    Changed(this);
}

// ---- Handle type and pixel format ----

TBitmapHandleType TBitmap::HandleType() const {
    const TBitmapImage& image = *m_image;
    if (!image.m_handle || image.m_handle == image.m_dibHandle) {
        if (!image.m_dibHandle) return image.m_dib.dsBmih.biSize == 0 ? bmDDB : bmDIB;
        return bmDIB;
    }
    return bmDDB;
}

void TBitmap::SetHandleType(TBitmapHandleType value) {
    if (value == HandleType()) return;
    win::DIBSECTION dib = m_image->m_dib;
    win::BITMAPINFOHEADER& h = dib.dsBmih;
    if (value == bmDDB) {
        h.biSize = 0;
    } else {
        h = win::BITMAPINFOHEADER{};
        h.biSize = sizeof(win::BITMAPINFOHEADER);
        h.biWidth = dib.dsBm.bmWidth;
        h.biHeight = dib.dsBm.bmHeight;
        h.biPlanes = 1;
        h.biBitCount = dib.dsBm.bmBitsPixel;
    }
    if (!m_image->m_handle && !m_image->m_dibHandle) {
        // Nothing made yet: the description says what the next bitmap made will be.
        if (m_image->RefCount() == 1)
            m_image->m_dib = dib;
        else
            NewImage(nullptr, CopyPalette(m_image->m_palette), dib, m_image->m_coreHeader);
    } else {
        const win::HBITMAP handle = Handle();
        CopyImage(handle, m_image->m_palette, dib);
    }
    Changed(this);
}

TPixelFormat TBitmap::PixelFormat() const {
    if (HandleType() == bmDDB) return pfDevice;
    const win::DIBSECTION& dib = m_image->m_dib;
    switch (dib.dsBmih.biBitCount) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 16:
        if (dib.dsBmih.biCompression == win::BI_RGB) return pf15bit;
        if (dib.dsBmih.biCompression == win::BI_BITFIELDS && dib.dsBitfields[1] == 0x7E0) return pf16bit;
        return pfCustom;
    case 24:
        return pf24bit;
    case 32:
        return dib.dsBmih.biCompression == win::BI_RGB ? pf32bit : pfCustom;
    default:
        return pfCustom;
    }
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
    if (value == PixelFormat()) return;
    if (value == pfDevice) {
        SetHandleType(bmDDB);
        return;
    }
    if (value == pfCustom) InvalidGraphic(msg::SInvalidPixelFormat);
    static constexpr std::array<win::WORD, 8> kBitCounts = {0, 1, 4, 8, 16, 16, 24, 32};
    win::DIBSECTION dib{};
    dib.dsBm = m_image->m_dib.dsBm;
    dib.dsBm.bmBits = nullptr;
    win::BITMAPINFOHEADER& h = dib.dsBmih;
    h.biSize = sizeof(win::BITMAPINFOHEADER);
    h.biWidth = dib.dsBm.bmWidth;
    h.biHeight = dib.dsBm.bmHeight;
    h.biPlanes = 1;
    h.biBitCount = kBitCounts[static_cast<std::size_t>(value)];
    win::HPALETTE palette = m_image->m_palette;
    win::UniquePalette halftone;
    if (value == pf4bit) {
        palette = SystemPalette16();
    } else if (value == pf8bit) {
        ScreenDC screen;
        halftone.Reset(win::CreateHalftonePalette(screen));
        palette = halftone.Get();
    } else if (value == pf16bit) {
        h.biCompression = win::BI_BITFIELDS;
        dib.dsBitfields[0] = 0xF800;
        dib.dsBitfields[1] = 0x07E0;
        dib.dsBitfields[2] = 0x001F;
    }
    const win::HBITMAP handle = Handle();
    CopyImage(handle, palette, dib);
    SetPaletteModified(palette != nullptr);
    Changed(this);
}

bool TBitmap::Monochrome() const {
    const win::BITMAP& bm = m_image->m_dib.dsBm;
    return bm.bmPlanes == 1 && bm.bmBitsPixel == 1;
}

void TBitmap::SetMonochrome(bool value) {
    if (value == Monochrome()) return;
    HandleNeeded();
    win::DIBSECTION dib = m_image->m_dib;
    const win::WORD bits = value ? 1 : 0; // 0: the screen's format
    dib.dsBmih.biSize = 0;
    dib.dsBmih.biPlanes = dib.dsBmih.biBitCount = bits;
    dib.dsBm.bmPlanes = dib.dsBm.bmBitsPixel = bits;
    CopyImage(m_image->m_handle, m_image->m_palette, dib);
    Changed(this);
}

// ---- Palette ----

void TBitmap::PaletteNeeded() {
    TBitmapImage& image = *m_image;
    if (m_ignorePalette || image.m_palette || !image.m_dibHandle) return;
    if (image.m_handle == image.m_dibHandle) DeselectBitmap(image.m_dibHandle);
    image.m_palette = PaletteFromDIBColorTable(image.m_dibHandle, nullptr, 0);
    if (image.m_palette) return;
    ScreenDC screen;
    const int screenBits =
        win::GetDeviceCaps(screen, win::BITSPIXEL) * win::GetDeviceCaps(screen, win::PLANES);
    image.m_halftone = image.m_halftone || screenBits < image.m_dib.dsBm.bmBitsPixel;
    if (image.m_halftone) image.m_palette = win::CreateHalftonePalette(screen);
    if (!image.m_palette) m_ignorePalette = true;
}

win::HPALETTE TBitmap::Palette() {
    PaletteNeeded();
    return m_image->m_palette;
}

void TBitmap::SetPalette(win::HPALETTE value) {
    if (m_image->m_palette == value) return;
    if (!value && m_image->RefCount() == 1) {
        InternalDeletePalette(m_image->m_palette);
        m_image->m_palette = nullptr;
    } else {
        FreeContext();
        HandleNeeded();
        win::DIBSECTION dib = m_image->m_dib;
        const win::HBITMAP handle = CopyBitmap(m_image->m_handle, m_image->m_palette, value, dib, nullptr);
        NewImage(handle, value, dib, m_image->m_coreHeader);
    }
    UpdateDIBColorTable();
    SetPaletteModified(true);
    Changed(this);
}

void TBitmap::SetIgnorePalette(bool value) {
    if (value == m_ignorePalette) return;
    m_ignorePalette = value;
    Changed(this);
}

void TBitmap::UpdateDIBColorTable() {
    const TBitmapImage& image = *m_image;
    if (!image.m_dibHandle || image.m_dib.dsBmih.biBitCount > 8) return;
    std::array<win::RGBQUAD, 256> table{};
    const int count = PaletteToDIBColorTable(image.m_palette, table);
    if (count == 0) return;
    DeselectBitmap(image.m_dibHandle);
    MemoryDC dc;
    dc.SelectBitmap(image.m_dibHandle);
    win::SetDIBColorTable(dc, 0, static_cast<win::UINT>(count), table.data());
}

// ---- Handle ----

win::HBITMAP TBitmap::Handle() {
    FreeContext();
    HandleNeeded();
    Changing(this);
    return m_image->m_handle;
}

void TBitmap::SetHandle(win::HBITMAP value) {
    if (m_image->m_handle == value) return;
    FreeContext();
    win::DIBSECTION dib{};
    if (value) win::GetObject(value, sizeof dib, &dib);
    win::HPALETTE palette;
    if (m_image->RefCount() == 1) {
        palette = m_image->m_palette;
        m_image->m_palette = nullptr;
    } else {
        palette =
            m_image->m_palette == SystemPalette16() ? SystemPalette16() : CopyPalette(m_image->m_palette);
    }
    NewImage(value, palette, dib, false);
    Changed(this);
}

win::HBITMAP TBitmap::ReleaseHandle() {
    FreeContext();
    HandleNeeded();
    Changing(this);
    TBitmapImage& image = *m_image;
    const win::HBITMAP result = image.m_handle;
    if (image.m_handle == image.m_dibHandle) {
        image.m_dibHandle = nullptr;
        image.m_dib.dsBm.bmBits = nullptr;
    }
    image.m_handle = nullptr;
    return result;
}

// ---- Drawing and assignment ----

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
    // The palette first: building it may take the bitmap out of a canvas, the target's included.
    PaletteNeeded();
    const win::HDC target = canvas.Handle();
    const win::SelectedPalette palette(target, m_image->m_palette, true, true);

    const win::BITMAP& bm = m_image->m_dib.dsBm;
    const int targetBits =
        win::GetDeviceCaps(target, win::BITSPIXEL) * win::GetDeviceCaps(target, win::PLANES);
    if (targetBits <= 8 && targetBits < bm.bmBitsPixel * bm.bmPlanes) {
        win::POINT origin;
        win::GetBrushOrgEx(target, &origin);
        win::SetStretchBltMode(target, win::HALFTONE);
        win::SetBrushOrgEx(target, origin.x, origin.y, &origin);
    } else if (!Monochrome()) {
        win::SetStretchBltMode(target, win::STRETCH_DELETESCANS);
    }
    if (Transparent()) {
        DrawTransparent(canvas, rect);
        return;
    }
    Canvas();
    m_canvas->RequiredState(csAllValid);
    const win::BITMAP& source = m_image->m_dib.dsBm;
    win::StretchBlt(target, rect.left, rect.top, RectWidth(rect), RectHeight(rect), m_canvas->Context(), 0, 0,
                    source.bmWidth, Height(), canvas.CopyMode());
}

void TBitmap::Assign(const TPersistent* source) {
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (source && !bitmap) {
        TGraphic::Assign(source);
        return;
    }
    FreeContext();
    {
        std::lock_guard guard(ImageLock());
        if (bitmap) {
            SwapImage(m_image, bitmap->m_image);
            SetTransparentFlag(bitmap->Transparent());
            m_transparentColor = bitmap->m_transparentColor;
            m_transparentMode = bitmap->m_transparentMode;
            m_maskValid = false;
        } else {
            NewImage(nullptr, nullptr, win::DIBSECTION{}, false);
        }
    }
    SetPaletteModified(Palette() != nullptr);
    Changed(this);
}

// ---- Streams and the clipboard ----

void TBitmap::LoadFromStream(TStream& stream) {
    ReadStream(stream, stream.Size() - stream.Position());
}

void TBitmap::SaveToStream(TStream& stream) {
    WriteStream(stream, false);
}

void TBitmap::ReadData(TStream& stream) {
    std::int32_t size = 0;
    stream.ReadBuffer(&size, sizeof size);
    if (size < 0) throw EReadError(msg::SReadError);
    ReadStream(stream, size);
}

void TBitmap::WriteData(TStream& stream) {
    WriteStream(stream, true);
}

void TBitmap::LoadFromClipboardFormat(std::uint16_t format, win::HANDLE data, win::HPALETTE palette) {
    constexpr std::uint16_t kClipboardBitmap = 2;
    if (format != kClipboardBitmap || !data) InvalidGraphic(msg::SUnknownClipboardFormat);
    FreeContext();
    const auto handle = static_cast<win::HBITMAP>(data);
    win::DIBSECTION dib = DescribeBitmap(handle);
    if (!dib.dsBm.bmBits) dib.dsBmih.biSize = 0;
    CopyImage(handle, palette, dib);
    m_image->m_coreHeader = false;
    SetPaletteModified(Palette() != nullptr);
    Changed(this);
}

void TBitmap::SaveToClipboardFormat(std::uint16_t& format, win::HANDLE& data, win::HPALETTE& palette) {
    format = 2;
    HandleNeeded();
    win::DIBSECTION dib = m_image->m_dib;
    OwnPalette copy(CopyPalette(m_image->m_palette));
    data = CopyBitmap(m_image->m_handle, m_image->m_palette, copy.Get(), dib, nullptr);
    palette = copy.Release();
}

} // namespace gl
