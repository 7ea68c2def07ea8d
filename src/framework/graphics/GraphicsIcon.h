// TIcon: an icon file kept as read and decoded when first drawn (the image of the directory that best suits
// the requested size), drawn at its own size through its mask. Icons share their images like bitmaps.
#pragma once

#include "framework/core/Types.h"
#include "framework/graphics/GraphicsGraphic.h"
#include "platform/gdi/Owners.h"

#include <memory>

namespace gl {

class TMemoryStream;

class TIconImage final : public TSharedImage {
public:
    TIconImage() = default;
    ~TIconImage() override;

    // The decoded image: colours (32 bits) and mask (one bit, white where the icon is transparent).
    win::HBITMAP ColorBitmap() const { return m_color.Get(); }
    win::HBITMAP MaskBitmap() const { return m_mask.Get(); }
    TSize Size() const { return m_size; }
    const TMemoryStream* MemoryImage() const { return m_memoryImage.get(); }

protected:
    void FreeHandle() override;

private:
    friend class TIcon;

    std::unique_ptr<TMemoryStream> m_memoryImage;
    win::UniqueBitmap m_color;
    win::UniqueBitmap m_mask;
    TSize m_size{0, 0};
};

class TIcon : public TGraphic {
public:
    // An empty, transparent icon.
    TIcon();
    ~TIcon() override;

    std::string ClassName() const override { return "TIcon"; }
    static TGraphicClass StaticClass();
    TGraphicClass GraphicClass() const override { return StaticClass(); }

    // From an icon: shares its image; from null: empty; anything else is asked to assign itself.
    void Assign(const TPersistent* source) override;

    // Draws the icon at its own size at the rectangle's top-left corner.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    bool Empty() const override;
    // The decoded image's size, or the system's icon size before the icon was decoded.
    int Width() const override;
    int Height() const override;
    // The size to decode for; EInvalidGraphicOperation "Cannot change the size of an icon" once decoded.
    void SetWidth(int value) override;
    void SetHeight(int value) override;

    // Decodes the icon when that has not happened yet: EInvalidGraphic "Icon image is not valid" for a
    // directory or image that does not hold together.
    void HandleNeeded();
    bool HandleAllocated() const { return static_cast<bool>(m_image->m_color); }

    // Keeps the rest of the stream; its 6-byte header must name an icon ("Stream read error" when shorter).
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    void LoadFromClipboardFormat(std::uint16_t format, win::HANDLE data, win::HPALETTE palette) override;
    void SaveToClipboardFormat(std::uint16_t& format, win::HANDLE& data, win::HPALETTE& palette) override;

    const TIconImage& Image() const { return *m_image; }

private:
    void NewImage(std::unique_ptr<TMemoryStream> memoryImage);

    std::shared_ptr<TIconImage> m_image;
    TSize m_requestedSize{0, 0};
};

} // namespace gl
