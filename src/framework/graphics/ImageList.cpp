// TImageList on the platform's image lists: adding and replacing images, glyph strips, drawing, and the
// stored form of a list.
#include "framework/graphics/ImageList.h"

#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/Resources.h"
#include "framework/core/Streams.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "platform/dialogs/ImageList.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/RectFills.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace gl {

namespace {

constexpr int kMaxImageSize = 4096;

win::COLORREF PlatformColor(TColor color) {
    if (color == clNone) return win::CLR_NONE;
    if (color == clDefault) return win::CLR_DEFAULT;
    return ColorToRGB(color);
}

win::UINT DrawStyleBits(TDrawingStyle style, TImageType type) {
    win::UINT bits = win::ILD_NORMAL;
    switch (style) {
    case dsFocus:
        bits = win::ILD_FOCUS;
        break;
    case dsSelected:
        bits = win::ILD_SELECTED;
        break;
    case dsTransparent:
        bits = win::ILD_TRANSPARENT;
        break;
    default:
        break;
    }
    if (type == itMask) bits |= win::ILD_MASK;
    return bits;
}

// A memory context with a 32-bit white image of the given size, to look at the pixels an image draws.
class WhiteSurface {
public:
    WhiteSurface(int width, int height) : m_dc(win::CreateCompatibleDC(nullptr)) {
        // Top-down: row y is at y * width.
        const win::BITMAPINFO info = win::TopDownInfo32(width, height);
        void* bits = nullptr;
        m_bitmap.Reset(win::CreateDIBSection(m_dc.Get(), &info, win::DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<const std::uint32_t*>(bits);
        if (m_selected.emplace(m_dc.Get(), m_bitmap.Get()))
            win::PatBlt(m_dc.Get(), 0, 0, width, height, win::WHITENESS);
    }

    bool Valid() const { return m_bits && *m_selected; }
    win::HDC DC() const { return m_dc.Get(); }
    // 0x00RRGGBB as the bits hold it.
    std::uint32_t Pixel(int index) const { return m_bits[index] & 0x00FFFFFF; }

private:
    // Given back in reverse: the bitmap out of the context, the bitmap, the context.
    win::UniqueDC m_dc;
    win::UniqueBitmap m_bitmap;
    std::optional<win::SelectedObject> m_selected;
    const std::uint32_t* m_bits = nullptr;
};

} // namespace

// ---- Change links ----

TChangeLink::~TChangeLink() {
    if (m_sender) m_sender->UnRegisterChanges(this);
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
    if (!link || link->m_sender == this) return;
    if (link->m_sender) link->m_sender->UnRegisterChanges(link);
    link->m_sender = this;
    m_links.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
    if (!link) return;
    m_links.erase(std::remove(m_links.begin(), m_links.end(), link), m_links.end());
    if (link->m_sender == this) link->m_sender = nullptr;
}

// ---- The list ----

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* link : m_links) link->m_sender = nullptr;
    m_links.clear();
    FreeList();
}

win::HIMAGELIST TCustomImageList::Handle() {
    if (!m_handle) {
        const win::UINT flags = win::ILC_COLOR32 | (m_masked ? win::ILC_MASK : 0);
        m_handle = win::ImageList_Create(m_width, m_height, flags, 4, 4);
        if (!m_handle) throw EInvalidOperation(msg::SInvalidImageList);
        win::ImageList_SetBkColor(m_handle, PlatformColor(m_bkColor));
    }
    return m_handle;
}

void TCustomImageList::FreeList() {
    if (m_handle) win::ImageList_Destroy(m_handle);
    m_handle = nullptr;
}

void TCustomImageList::RecreateList() {
    const bool had = m_handle && Count() > 0;
    FreeList();
    if (had) Change();
}

int TCustomImageList::Count() const {
    return m_handle ? win::ImageList_GetImageCount(m_handle) : 0;
}

void TCustomImageList::SetWidth(int width) {
    if (width == m_width) return;
    if (width < 1 || width > kMaxImageSize) throw EInvalidOperation(msg::SInvalidImageSize);
    m_width = width;
    RecreateList();
}

void TCustomImageList::SetHeight(int height) {
    if (height == m_height) return;
    if (height < 1 || height > kMaxImageSize) throw EInvalidOperation(msg::SInvalidImageSize);
    m_height = height;
    RecreateList();
}

void TCustomImageList::SetBkColor(TColor color) {
    if (color == m_bkColor) return;
    m_bkColor = color;
    if (m_handle) win::ImageList_SetBkColor(m_handle, PlatformColor(color));
    Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle style) {
    if (style == m_drawingStyle) return;
    m_drawingStyle = style;
    Change();
}

void TCustomImageList::SetImageType(TImageType type) {
    if (type == m_imageType) return;
    m_imageType = type;
    Change();
}

void TCustomImageList::SetMasked(bool masked) {
    if (masked == m_masked) return;
    m_masked = masked;
    RecreateList();
}

int TCustomImageList::CheckedAdd(int index) {
    if (index < 0) throw EInvalidOperation(msg::SInvalidImageList);
    Change();
    return index;
}

int TCustomImageList::Add(win::HBITMAP image, win::HBITMAP mask) {
    return CheckedAdd(win::ImageList_Add(Handle(), image, m_masked ? mask : nullptr));
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
    if (!image) throw EInvalidOperation(msg::SInvalidImageList);
    return Add(image->Handle(), mask ? mask->Handle() : nullptr);
}

int TCustomImageList::AddMasked(win::HBITMAP image, TColor maskColor) {
    if (!m_masked) return Add(image, nullptr);
    return CheckedAdd(win::ImageList_AddMasked(Handle(), image, PlatformColor(maskColor)));
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
    if (!image) throw EInvalidOperation(msg::SInvalidImageList);
    return AddMasked(image->Handle(), maskColor);
}

int TCustomImageList::AddGlyphStrip(std::string_view bitmapFile, TColor maskColor) {
    TStringStream stream{std::string(bitmapFile)};
    stream.Seek(0, soBeginning);
    TBitmap strip;
    strip.LoadFromStream(stream);
    if (strip.Empty()) throw EInvalidOperation(msg::SInvalidImageList);
    // The corner that a glyph leaves empty tells the transparent colour, as for the glyphs of buttons.
    if (maskColor == clDefault) maskColor = strip.Canvas().Pixels(0, strip.Height() - 1);
    return AddMasked(&strip, maskColor);
}

int TCustomImageList::AddGlyphStripResource(std::string_view resourceName, TColor maskColor) {
    return AddGlyphStrip(LoadResource(TResourceType::Bitmap, resourceName), maskColor);
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
    if (index < 0 || index >= Count() || !image) throw EInvalidOperation(msg::SImageIndexError);
    if (!win::ImageList_Replace(Handle(), index, image->Handle(),
                                mask && m_masked ? mask->Handle() : nullptr))
        throw EInvalidOperation(msg::SImageIndexError);
    Change();
}

void TCustomImageList::Delete(int index) {
    if (index < 0 || index >= Count()) throw EInvalidOperation(msg::SImageIndexError);
    win::ImageList_Remove(Handle(), index);
    Change();
}

void TCustomImageList::Clear() {
    if (Count() == 0) return;
    win::ImageList_RemoveAll(Handle());
    Change();
}

// ---- Changes ----

void TCustomImageList::EndUpdate() {
    if (m_updateCount > 0) --m_updateCount;
    if (m_updateCount == 0 && m_changed) Change();
}

void TCustomImageList::Change() {
    if (m_updateCount > 0 || ComponentState().Contains(csLoading)) {
        m_changed = true;
        return;
    }
    m_changed = false;
    // A link's handler may unregister links: go over a copy.
    const std::vector<TChangeLink*> links = m_links;
    for (TChangeLink* link : links)
        if (link->m_sender == this && link->OnChange) link->OnChange(this);
    if (OnChange) OnChange(this);
}

// ---- Drawing ----

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
    Draw(canvas, x, y, index, m_drawingStyle, m_imageType, enabled);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, TDrawingStyle style, TImageType type,
                            bool enabled) {
    if (!m_handle || index < 0 || index >= Count()) return;
    if (!enabled) {
        DrawEmbossed(canvas, x, y, index);
        return;
    }
    win::ImageList_DrawEx(m_handle, index, canvas.Handle(), x, y, 0, 0, PlatformColor(m_bkColor),
                          PlatformColor(m_blendColor), DrawStyleBits(style, type));
}

void TCustomImageList::DrawEmbossed(TCanvas& canvas, int x, int y, int index) {
    WhiteSurface surface(m_width, m_height);
    if (!surface.Valid()) return;
    win::ImageList_DrawEx(m_handle, index, surface.DC(), 0, 0, 0, 0, win::CLR_NONE, win::CLR_NONE,
                          win::ILD_TRANSPARENT);
    std::vector<TPoint> ink;
    for (int row = 0; row < m_height; ++row)
        for (int column = 0; column < m_width; ++column)
            if (surface.Pixel(row * m_width + column) != 0x00FFFFFF) ink.push_back(TPoint{column, row});
    for (const TPoint& p : ink) canvas.SetPixels(x + p.x + 1, y + p.y + 1, clBtnHighlight);
    for (const TPoint& p : ink) canvas.SetPixels(x + p.x, y + p.y, clBtnShadow);
}

} // namespace gl
