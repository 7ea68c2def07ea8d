// TIcon: loading, sharing, decoding on first need and drawing through the mask.
#include "framework/graphics/GraphicsIcon.h"

#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsIconDecode.h"
#include "framework/graphics/GraphicsSupport.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Objects.h"
#include "platform/user/Metrics.h"

namespace gl {

TIconImage::~TIconImage() = default;

void TIconImage::FreeHandle() {
    m_color.Reset();
    m_mask.Reset();
}

TGraphicClass TIcon::StaticClass() {
    static const TGraphicClassInfo info{"TIcon", TGraphic::StaticClass(), []() -> std::unique_ptr<TGraphic> {
                                            return std::make_unique<TIcon>();
                                        }};
    return &info;
}

TIcon::TIcon() {
    SwapImage(m_image, std::make_shared<TIconImage>());
    SetTransparentFlag(true);
}

TIcon::~TIcon() {
    SwapImage(m_image, {});
}

void TIcon::NewImage(std::unique_ptr<TMemoryStream> memoryImage) {
    auto image = std::make_shared<TIconImage>();
    image->m_memoryImage = std::move(memoryImage);
    SwapImage(m_image, std::move(image));
}

void TIcon::Assign(const TPersistent* source) {
    const auto* icon = dynamic_cast<const TIcon*>(source);
    if (source && !icon) {
        TGraphic::Assign(source);
        return;
    }
    if (icon)
        SwapImage(m_image, icon->m_image);
    else
        NewImage(nullptr);
    Changed(this);
}

bool TIcon::Empty() const {
    return !m_image->m_color && !m_image->m_memoryImage;
}

int TIcon::Width() const {
    return m_image->m_size.cx != 0 ? m_image->m_size.cx : win::GetSystemMetrics(win::SM_CXICON);
}

int TIcon::Height() const {
    return m_image->m_size.cy != 0 ? m_image->m_size.cy : win::GetSystemMetrics(win::SM_CYICON);
}

void TIcon::SetWidth(int value) {
    if (m_image->m_color) throw EInvalidGraphicOperation(msg::SChangeIconSize);
    m_requestedSize.cx = value;
}

void TIcon::SetHeight(int value) {
    if (m_image->m_color) throw EInvalidGraphicOperation(msg::SChangeIconSize);
    m_requestedSize.cy = value;
}

void TIcon::HandleNeeded() {
    TIconImage& image = *m_image;
    if (image.m_color || !image.m_memoryImage) return;
    const TSize requested{m_requestedSize.cx ? m_requestedSize.cx : win::GetSystemMetrics(win::SM_CXICON),
                          m_requestedSize.cy ? m_requestedSize.cy : win::GetSystemMetrics(win::SM_CYICON)};
    const TMemoryStream& data = *image.m_memoryImage;
    DecodedIcon icon = DecodeIcon(data.Memory(), data.DataSize(), requested);
    image.m_color = std::move(icon.color);
    image.m_mask = std::move(icon.mask);
    image.m_size = icon.size;
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
    HandleNeeded();
    const TIconImage& image = *m_image;
    if (!image.m_color) return;
    const win::HDC target = canvas.Handle();
    MemoryDC mask;
    mask.SelectBitmap(image.m_mask.Get());
    MemoryDC color;
    color.SelectBitmap(image.m_color.Get());
    const int w = image.m_size.cx, h = image.m_size.cy;
    // The mask keeps what lies under the transparent pixels; the colours are then laid over it.
    win::BitBlt(target, rect.left, rect.top, w, h, mask, 0, 0, win::SRCAND);
    win::BitBlt(target, rect.left, rect.top, w, h, color, 0, 0, win::SRCINVERT);
}

void TIcon::LoadFromStream(TStream& stream) {
    auto memoryImage = std::make_unique<TMemoryStream>();
    const std::int64_t rest = stream.Size() - stream.Position();
    if (rest > 0) memoryImage->CopyFrom(stream, rest);
    memoryImage->SetPosition(0);
    std::uint8_t header[6];
    memoryImage->ReadBuffer(header, sizeof header);
    const unsigned type = header[2] | (header[3] << 8);
    if (type != 0 && type != 1) InvalidGraphic(msg::SInvalidIcon);
    NewImage(std::move(memoryImage));
    Changed(this);
}

void TIcon::SaveToStream(TStream& stream) {
    if (const TMemoryStream* data = m_image->m_memoryImage.get())
        stream.WriteBuffer(data->Memory(), static_cast<std::int64_t>(data->DataSize()));
}

void TIcon::LoadFromClipboardFormat(std::uint16_t, win::HANDLE, win::HPALETTE) {
    InvalidGraphic(msg::SIconToClipboard);
}

void TIcon::SaveToClipboardFormat(std::uint16_t&, win::HANDLE&, win::HPALETTE&) {
    InvalidGraphic(msg::SIconToClipboard);
}

} // namespace gl
