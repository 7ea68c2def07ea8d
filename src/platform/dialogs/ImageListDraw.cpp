// Drawing an image of an image list: through its mask, over a background colour, blended with the selection
// colour, or the mask alone; inside the context's clip like any drawing.
#include "platform/dialogs/ImageList.h"

#include "platform/dialogs/detail/ImageListStore.h"
#include "platform/gdi/PixelWriter.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/LastError.h"

#include <algorithm>

namespace win {

namespace {

using imagelist::ImageListObject;

// The image's colour with a share of another mixed in (percent of the other), rounded.
COLORREF Blend(COLORREF image, COLORREF other, int percent) {
    auto mix = [percent](int a, int b) { return (a * (100 - percent) + b * percent + 50) / 100; };
    return RGB(mix(GetRValue(image), GetRValue(other)), mix(GetGValue(image), GetGValue(other)),
               mix(GetBValue(image), GetBValue(other)));
}

struct DrawPlan {
    bool maskOnly = false;
    bool ignoreMask = false;
    COLORREF background = CLR_NONE; // under masked pixels; CLR_NONE keeps the destination
    int blendPercent = 0;
    COLORREF blendColor = CLR_NONE; // CLR_NONE: the destination
};

DrawPlan Plan(const ImageListObject& l, COLORREF background, COLORREF foreground, UINT style) {
    DrawPlan plan;
    plan.maskOnly = (style & ILD_MASK) != 0;
    plan.ignoreMask = (style & ILD_IMAGE) != 0 || !l.HasMask();
    if (!(style & ILD_TRANSPARENT)) plan.background = background == CLR_DEFAULT ? l.background : background;
    if (style & ILD_BLEND50)
        plan.blendPercent = 50;
    else if (style & ILD_BLEND25)
        plan.blendPercent = 25;
    plan.blendColor = foreground == CLR_DEFAULT ? GetSysColor(COLOR_HIGHLIGHT) : foreground;
    return plan;
}

// The colour a pixel of the image gives, or CLR_NONE to leave the destination.
COLORREF PixelColor(const ImageListObject& l, const DrawPlan& plan, int index, int x, int y,
                    const Surface& target, int sx, int sy) {
    const bool clear = !plan.ignoreMask && l.Transparent(index, x, y);
    if (plan.maskOnly) return clear ? RGB(255, 255, 255) : RGB(0, 0, 0);
    if (clear) return plan.background;
    COLORREF color = l.Pixel(index, x, y);
    if (plan.blendPercent) {
        const COLORREF with = plan.blendColor == CLR_NONE ? target.GetPixel(sx, sy) : plan.blendColor;
        color = Blend(color, with, plan.blendPercent);
    }
    return color;
}

} // namespace

BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC hdc, int x, int y, int dx, int dy, COLORREF background,
                      COLORREF foreground, UINT style) {
    const ImageListObject* l = imagelist::FindList(list);
    if (!l) return FALSE;
    if (index < 0 || index >= l->count) {
        SetLastError(ERROR_INVALID_INDEX);
        return FALSE;
    }
    DeviceContext* dc = FindDC(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const int width = dx > 0 ? std::min(dx, l->cx) : l->cx;
    const int height = dy > 0 ? std::min(dy, l->cy) : l->cy;
    PixelWriter writer(*dc, R2_COPYPEN);
    if (!writer.Active()) return TRUE;
    const DrawPlan plan = Plan(*l, background, foreground, style);
    const Surface& target = writer.Target();
    for (int row = 0; row < height; ++row) {
        const std::int64_t sy = SurfaceY(*dc, y) + row;
        if (sy < writer.Bounds().top || sy >= writer.Bounds().bottom) continue;
        for (int col = 0; col < width; ++col) {
            const std::int64_t sx = SurfaceX(*dc, x) + col;
            if (sx < writer.Bounds().left || sx >= writer.Bounds().right) continue;
            const COLORREF color =
                PixelColor(*l, plan, index, col, row, target, static_cast<int>(sx), static_cast<int>(sy));
            if (color != CLR_NONE) writer.Plot(sx, sy, writer.Encode(color));
        }
    }
    return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC hdc, int x, int y, UINT style) {
    return ImageList_DrawEx(list, index, hdc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

} // namespace win
