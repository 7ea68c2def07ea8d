// Image lists: many small images of one size with their masks, drawn through the mask, blended with the
// selection colour, or as the mask alone. They sit with the dialogs because they belong to the same family of
// common controls as the open-file dialog (which uses one for its folder and file glyphs).
//
// Images are kept at full colour whatever ILC_COLORx says (the depth of a list only limits what the platform
// stores, and every surface here is at least as deep); ILC_MASK keeps a mask per image. Handles are checked:
// a stale or foreign HIMAGELIST makes a call fail with ERROR_INVALID_HANDLE.
#pragma once

#include "platform/win/types.h"

namespace win {

// ImageList_Create flags.
constexpr UINT ILC_MASK = 0x00000001;
constexpr UINT ILC_COLOR = 0x00000000;
constexpr UINT ILC_COLORDDB = 0x000000FE;
constexpr UINT ILC_COLOR4 = 0x00000004;
constexpr UINT ILC_COLOR8 = 0x00000008;
constexpr UINT ILC_COLOR16 = 0x00000010;
constexpr UINT ILC_COLOR24 = 0x00000018;
constexpr UINT ILC_COLOR32 = 0x00000020;
constexpr UINT ILC_PALETTE = 0x00000800;

// ImageList_Draw styles.
constexpr UINT ILD_NORMAL = 0x00000000; // through the mask; masked pixels in the background colour if any
constexpr UINT ILD_TRANSPARENT = 0x00000001; // through the mask; masked pixels keep the destination
constexpr UINT ILD_BLEND25 = 0x00000002;     // a quarter of the blend colour mixed into the image
constexpr UINT ILD_FOCUS = ILD_BLEND25;
constexpr UINT ILD_BLEND50 = 0x00000004; // half of the blend colour
constexpr UINT ILD_SELECTED = ILD_BLEND50;
constexpr UINT ILD_BLEND = ILD_BLEND50;
constexpr UINT ILD_MASK = 0x00000010;  // the mask alone: masked pixels white, the others black
constexpr UINT ILD_IMAGE = 0x00000020; // the image alone, ignoring the mask
constexpr UINT ILD_ROP = 0x00000040;
constexpr UINT ILD_OVERLAYMASK = 0x00000F00;

constexpr COLORREF CLR_HILIGHT = CLR_DEFAULT;

// A list of images cx x cy (1..4096 pixels each way). initial and grow are hints.
HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);

// Adds the images of a bitmap (its width / cx images side by side, cy rows; rows beyond the bitmap are masked
// out). The mask bitmap's set (white) pixels mark transparent ones; no mask: all opaque. Returns the index of
// the first image added, -1 on failure (a bitmap narrower than one image included).
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// Adds images whose pixels of one colour are transparent (those pixels are stored black). CLR_DEFAULT takes
// the colour of the bitmap's top-left pixel. The bitmap itself is left as it is.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor);
BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
// Removes one image; -1 removes them all.
BOOL ImageList_Remove(HIMAGELIST list, int index);
inline BOOL ImageList_RemoveAll(HIMAGELIST list) {
    return ImageList_Remove(list, -1);
}

int ImageList_GetImageCount(HIMAGELIST list); // 0 for a bad handle
// Grows (with black, opaque images) or shrinks the list to count images.
// A new image size removes every image.
// The colour under masked pixels for ILD_NORMAL; CLR_NONE: none (they stay transparent). Returns the old one.
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC hdc, int x, int y, UINT style);
// dx, dy: the part of the image drawn from its top-left corner (0: the whole width or height). background:
// CLR_DEFAULT the list's colour, CLR_NONE none. foreground, the blend colour: CLR_DEFAULT the selection
// colour (COLOR_HIGHLIGHT), CLR_NONE the destination itself.
BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC hdc, int x, int y, int dx, int dy, COLORREF background,
                      COLORREF foreground, UINT style);

} // namespace win
