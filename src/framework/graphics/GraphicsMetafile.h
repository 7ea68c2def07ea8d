// TMetafile: an enhanced or placeable old-style metafile, checked when loaded, kept as read and drawn by
// playing its records into the rectangle it is drawn in.
#pragma once

#include "framework/graphics/GraphicsGraphic.h"

#include <cstdint>
#include <vector>

namespace gl {

class TMetafileImage final : public TSharedImage {
public:
    ~TMetafileImage() override;
    const std::vector<std::uint8_t>& Data() const { return m_data; }
    bool Enhanced() const { return m_enhanced; }
    // The platform's metafile, made from the data when first needed; null for an empty image.
    win::HENHMETAFILE Handle();

protected:
    void FreeHandle() override;

private:
    friend class TMetafile;

    std::vector<std::uint8_t> m_data;   // the whole enhanced metafile, or the old-style metafile
    std::vector<std::uint8_t> m_header; // the placeable header of an old-style one (22 bytes)
    bool m_enhanced = true;
    int m_mmWidth = 0; // hundredths of a millimetre
    int m_mmHeight = 0;
    int m_inch = 0; // units per inch of a placeable header
    win::HENHMETAFILE m_handle = nullptr;
};

class TMetafile : public TGraphic {
public:
    // An empty, enhanced, transparent metafile.
    TMetafile();
    ~TMetafile() override;

    std::string ClassName() const override { return "TMetafile"; }
    static TGraphicClass StaticClass();
    TGraphicClass GraphicClass() const override { return StaticClass(); }

    void Assign(const TPersistent* source) override;
    void Draw(TCanvas& canvas, const TRect& rect) override;
    bool Empty() const override { return m_image->m_data.empty(); }
    // In pixels of the screen.
    int Width() const override;
    int Height() const override;
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    // In hundredths of a millimetre.
    int MMWidth() const { return m_image->m_mmWidth; }
    int MMHeight() const { return m_image->m_mmHeight; }
    bool Enhanced() const { return m_enhanced; }
    void SetEnhanced(bool value);

    // An enhanced metafile when the header says so, else a placeable old-style one; EInvalidGraphic
    // "Metafile is not valid" for anything else, "Stream read error" for an enhanced one that ends early.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    void LoadFromClipboardFormat(std::uint16_t format, win::HANDLE data, win::HPALETTE palette) override;
    void SaveToClipboardFormat(std::uint16_t& format, win::HANDLE& data, win::HPALETTE& palette) override;

    const TMetafileImage& Image() const { return *m_image; }

private:
    void NewImage(std::shared_ptr<TMetafileImage> image);
    // A copy of the image that only this metafile refers to.
    TMetafileImage& UniqueImage();
    void ReadEnhanced(TStream& stream, const std::uint8_t* header);
    void ReadPlaceable(TStream& stream, std::int64_t length);
    // Keeps a new image the platform accepts; EInvalidGraphic otherwise.
    void AcceptImage(std::shared_ptr<TMetafileImage> image);

    std::shared_ptr<TMetafileImage> m_image;
    bool m_enhanced = true;
};

} // namespace gl
