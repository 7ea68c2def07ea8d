// Image lists: the checked table, creating and copying lists, and taking images in from bitmaps with a mask
// bitmap or a mask colour.
#include "platform/dialogs/ImageList.h"

#include "platform/dialogs/detail/ImageListStore.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/system/HandleTable.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace win {

namespace imagelist {

namespace {

constexpr int kMaxSide = 4096;
constexpr std::size_t kMaxBytes = std::size_t(256) << 20; // pixels and masks of one list

HandleTable<ImageListObject>& Lists() {
    static HandleTable<ImageListObject> lists(HandleTag::ImageList);
    return lists;
}

// The images of a bitmap, in the list's layout.
struct Strip {
    int count = 0;
    std::vector<COLORREF> pixels;
    std::vector<std::uint8_t> masks;
};

const Surface* SurfaceOf(HBITMAP bitmap) {
    const BitmapObject* b = FindGdi<BitmapObject>(bitmap);
    return b ? b->surface.get() : nullptr;
}

// A set mask pixel: the second entry of a two-colour table, or white in a colour bitmap.
bool MaskSet(const Surface& mask, int x, int y) {
    if (x >= mask.Width() || y >= mask.Height()) return false;
    if (mask.BitCount() == 1) return mask.GetPixelIndex(x, y) != 0;
    return mask.GetPixel(x, y) == RGB(255, 255, 255);
}

bool Fits(const ImageListObject& l, std::size_t images) {
    return images <= kMaxBytes / (l.ImageSize() * (sizeof(COLORREF) + 1));
}

bool ReadStrip(const ImageListObject& l, HBITMAP image, HBITMAP mask, std::optional<COLORREF> maskColor,
               Strip& out) {
    const Surface* source = SurfaceOf(image);
    const Surface* maskSource = mask ? SurfaceOf(mask) : nullptr;
    if (!source || (mask && !maskSource)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    out.count = source->Width() / l.cx;
    if (out.count <= 0 || !Fits(l, static_cast<std::size_t>(l.count) + static_cast<std::size_t>(out.count))) {
        SetLastError(out.count <= 0 ? ERROR_INVALID_PARAMETER : ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    if (maskColor && *maskColor == CLR_DEFAULT) maskColor = source->GetPixel(0, 0);
    const std::size_t size = l.ImageSize() * static_cast<std::size_t>(out.count);
    out.pixels.assign(size, RGB(0, 0, 0));
    out.masks.assign(l.HasMask() ? size : 0, 0);
    std::size_t at = 0;
    for (int i = 0; i < out.count; ++i) {
        for (int y = 0; y < l.cy; ++y) {
            for (int x = 0; x < l.cx; ++x, ++at) {
                const int sx = i * l.cx + x;
                const bool inside = y < source->Height();
                const COLORREF color = inside ? source->GetPixel(sx, y) : RGB(0, 0, 0);
                bool clear = !inside;
                if (maskColor)
                    clear = clear || color == *maskColor;
                else if (maskSource)
                    clear = clear || MaskSet(*maskSource, sx, y);
                out.pixels[at] = (maskColor && clear) ? RGB(0, 0, 0) : color;
                if (l.HasMask()) out.masks[at] = clear ? 1 : 0;
            }
        }
    }
    return true;
}

int Append(HIMAGELIST list, HBITMAP image, HBITMAP mask, std::optional<COLORREF> maskColor) {
    ImageListObject* l = FindList(list);
    if (!l) return -1;
    Strip strip;
    if (!ReadStrip(*l, image, mask, maskColor, strip)) return -1;
    const int first = l->count;
    l->pixels.insert(l->pixels.end(), strip.pixels.begin(), strip.pixels.end());
    l->masks.insert(l->masks.end(), strip.masks.begin(), strip.masks.end());
    l->count += strip.count;
    return first;
}

} // namespace

ImageListObject* FindList(HIMAGELIST list) {
    ImageListObject* l = Lists().Find(list);
    if (!l) SetLastError(ERROR_INVALID_HANDLE);
    return l;
}

} // namespace imagelist

using namespace imagelist;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
    if (cx <= 0 || cy <= 0 || cx > kMaxSide || cy > kMaxSide) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto l = std::make_unique<ImageListObject>();
    l->cx = cx;
    l->cy = cy;
    l->flags = flags;
    l->grow = std::max(1, grow);
    // The initial size is only a reservation: keep it modest whatever is asked.
    constexpr std::size_t kMaxReserve = std::size_t(1) << 20;
    const std::size_t reserve = std::min<std::size_t>(static_cast<std::size_t>(std::max(initial, 0)),
                                                      kMaxReserve / (l->ImageSize() * sizeof(COLORREF)));
    l->pixels.reserve(reserve * l->ImageSize());
    return HandleCast<HIMAGELIST>(Lists().Add(std::move(l)));
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    if (!Lists().Remove(list)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    return Append(list, image, mask, std::nullopt);
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor) {
    return Append(list, image, nullptr, maskColor);
}

BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask) {
    ImageListObject* l = FindList(list);
    if (!l) return FALSE;
    if (index < 0 || index >= l->count) {
        SetLastError(ERROR_INVALID_INDEX);
        return FALSE;
    }
    Strip strip;
    if (!ReadStrip(*l, image, mask, std::nullopt, strip)) return FALSE;
    const std::size_t size = l->ImageSize(), at = static_cast<std::size_t>(index) * size;
    std::copy_n(strip.pixels.begin(), size, l->pixels.begin() + static_cast<std::ptrdiff_t>(at));
    if (l->HasMask())
        std::copy_n(strip.masks.begin(), size, l->masks.begin() + static_cast<std::ptrdiff_t>(at));
    return TRUE;
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
    ImageListObject* l = FindList(list);
    if (!l) return FALSE;
    if (index == -1) {
        l->count = 0;
        l->pixels.clear();
        l->masks.clear();
        return TRUE;
    }
    if (index < 0 || index >= l->count) {
        SetLastError(ERROR_INVALID_INDEX);
        return FALSE;
    }
    const auto size = static_cast<std::ptrdiff_t>(l->ImageSize()), at = index * size;
    l->pixels.erase(l->pixels.begin() + at, l->pixels.begin() + at + size);
    if (l->HasMask()) l->masks.erase(l->masks.begin() + at, l->masks.begin() + at + size);
    --l->count;
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST list) {
    const ImageListObject* l = FindList(list);
    return l ? l->count : 0;
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
    ImageListObject* l = FindList(list);
    if (!l) return CLR_NONE;
    const COLORREF old = l->background;
    l->background = color == CLR_NONE ? CLR_NONE : (color & 0x00FFFFFF);
    return old;
}

} // namespace win
