// TBitmap: a raster picture kept as a platform bitmap (a DIB section, or a device-dependent bitmap), read
// from "BM" files and streams, shared between bitmaps by assignment and copied on change; its size, pixel
// format and palette are changed by rebuilding the platform bitmap. TBitmapImage is the shared image.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/graphics/GraphicsGraphic.h"
#include "platform/win/gdi_types.h"

#include <cstdint>
#include <memory>

namespace gl {

class TBitmapCanvas;
class TMemoryStream;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmapImage final : public TSharedImage {
public:
    TBitmapImage() = default;
    ~TBitmapImage() override;

    win::HBITMAP Handle() const { return m_handle; }
    win::HBITMAP DIBHandle() const { return m_dibHandle; }
    win::HBITMAP MaskHandle() const { return m_maskHandle; }
    win::HPALETTE Palette() const { return m_palette; }
    // The platform's record of the current bitmap (an all-zero info header for a device-dependent one).
    const win::DIBSECTION& Description() const { return m_dib; }
    // The bytes of a compressed file as read, kept until the image is first changed.
    const TMemoryStream* SaveStream() const { return m_saveStream.get(); }
    bool CoreHeader() const { return m_coreHeader; }
    bool Halftone() const { return m_halftone; }
    bool Empty() const { return !m_handle && !m_dibHandle && !m_saveStream; }

protected:
    void FreeHandle() override;

private:
    friend class TBitmap;

    win::HBITMAP m_handle = nullptr;
    win::HBITMAP m_maskHandle = nullptr;
    win::HPALETTE m_palette = nullptr;
    win::HBITMAP m_dibHandle = nullptr;
    win::DIBSECTION m_dib{};
    std::unique_ptr<TMemoryStream> m_saveStream;
    bool m_coreHeader = false;
    bool m_halftone = false;
};

class TBitmap : public TGraphic {
public:
    // An empty bitmap with an image of its own.
    TBitmap();
    ~TBitmap() override;

    std::string ClassName() const override { return "TBitmap"; }
    static TGraphicClass StaticClass();
    TGraphicClass GraphicClass() const override { return StaticClass(); }

    // From null: a new empty image. From a bitmap: shares its image and copies its transparency settings; no
    // pixels are copied. Anything else is asked to assign itself to this bitmap.
    void Assign(const TPersistent* source) override;

    void Draw(TCanvas& canvas, const TRect& rect) override;
    bool Empty() const override { return m_image->Empty(); }
    int Width() const override;
    int Height() const override;
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    // The palette in use, built from the colour table on first demand.
    win::HPALETTE Palette() override;
    // The bitmap takes ownership of the palette given.
    void SetPalette(win::HPALETTE value) override;

    TPixelFormat PixelFormat() const;
    void SetPixelFormat(TPixelFormat value);
    TBitmapHandleType HandleType() const;
    void SetHandleType(TBitmapHandleType value);
    bool Monochrome() const;
    void SetMonochrome(bool value);

    // The platform bitmap: makes the image this bitmap's alone first, since whoever holds the handle may draw
    // on it.
    win::HBITMAP Handle();
    // Takes ownership of a platform bitmap.
    void SetHandle(win::HBITMAP value);
    // Hands the platform bitmap over to the caller; the bitmap keeps a description of it but no handle.
    win::HBITMAP ReleaseHandle();
    bool HandleAllocated() const { return m_image->m_handle != nullptr; }
    // The monochrome mask of transparent drawing: white where the transparent colour is.
    win::HBITMAP MaskHandle();

    // The bitmap's canvas, made on first use.
    TCanvas& Canvas();

    TColor TransparentColor();
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(TTransparentMode value);
    bool IgnorePalette() const { return m_ignorePalette; }
    void SetIgnorePalette(bool value);

    // Reads a bitmap file from the stream's position to its end; an empty rest gives an empty bitmap.
    void LoadFromStream(TStream& stream) override;
    // Writes a bitmap file: the bytes of a compressed file as read while the image is unchanged, otherwise
    // file header, 40-byte info header, masks, colour table and pixels.
    void SaveToStream(TStream& stream) override;
    void LoadFromClipboardFormat(std::uint16_t format, win::HANDLE data, win::HPALETTE palette) override;
    void SaveToClipboardFormat(std::uint16_t& format, win::HANDLE& data, win::HPALETTE& palette) override;

    // A 32-bit length, then the bitmap file.
    void ReadData(TStream& stream) override;
    void WriteData(TStream& stream) override;

    // The shared image, for inspection.
    const TBitmapImage& Image() const { return *m_image; }

protected:
    void Changed(TObject* sender) override;
    // Called before the pixels are written through the canvas, and when the handle is read: a shared image
    // is copied first, so that the other bitmaps keep theirs.
    void Changing(TObject* sender);

private:
    friend class TBitmapCanvas;

    void NewImage(win::HBITMAP handle, win::HPALETTE palette, const win::DIBSECTION& dib, bool coreHeader,
                  std::unique_ptr<TMemoryStream> saveStream = nullptr);
    void CopyImage(win::HBITMAP handle, win::HPALETTE palette, win::DIBSECTION dib);
    void FreeImage();
    void FreeContext();
    void HandleNeeded();
    void PaletteNeeded();
    void MaskHandleNeeded();
    void DrawTransparent(TCanvas& canvas, const TRect& rect);
    void UpdateDIBColorTable();
    void SetSize(bool width, int value);

    // Reading and writing bitmap files (GraphicsBitmapRead.cpp).
    void ReadStream(TStream& stream, std::int64_t size);
    void ReadDIB(TStream& stream, std::int64_t size, const win::BITMAPFILEHEADER* fileHeader);
    void WriteStream(TStream& stream, bool writeSize);

    std::shared_ptr<TBitmapImage> m_image;
    std::unique_ptr<TBitmapCanvas> m_canvas;
    bool m_ignorePalette = false;
    bool m_maskBitsValid = false;
    bool m_maskValid = false;
    TColor m_transparentColor = clDefault;
    TTransparentMode m_transparentMode = tmAuto;
};

} // namespace gl
