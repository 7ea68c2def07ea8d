// TImageList: many small images of one size (16 × 16 unless set otherwise) with their masks, on the
// platform's image lists. Images are added from bitmaps (with a mask, or masked by a colour), from a glyph
// strip (a bitmap file with the images side by side, from a resource or from the stored layout), and drawn on
// a canvas through their mask, or embossed while disabled. Users of a list follow its changes through a
// TChangeLink.
#pragma once

#include "framework/core/Component.h"
#include "framework/graphics/Colors.h"
#include "framework/stored/PropertyRegistry.h"

#include "platform/win/types.h"

#include <string_view>
#include <vector>

namespace gl {

class TBitmap;
class TCanvas;
class TCustomImageList;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

// A user's tie to an image list: OnChange is raised whenever the list changes; Sender() becomes null when the
// list goes away.
class TChangeLink : public TObject {
public:
    TChangeLink() = default;
    ~TChangeLink() override;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;
    std::string ClassName() const override { return "TChangeLink"; }

    TCustomImageList* Sender() const { return m_sender; }
    TNotifyEvent OnChange;

private:
    friend class TCustomImageList;
    TCustomImageList* m_sender = nullptr;
};

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;
    std::string ClassName() const override { return "TCustomImageList"; }

    // The size of every image; a new size removes the images (EInvalidOperation "Invalid image size" outside
    // 1..4096).
    int Width() const { return m_width; }
    void SetWidth(int width);
    int Height() const { return m_height; }
    void SetHeight(int height);
    int Count() const;

    // The colour under masked pixels (clNone: they stay transparent) and the colour selected images are
    // blended with (clNone: the selection colour).
    TColor BkColor() const { return m_bkColor; }
    void SetBkColor(TColor color);
    TColor BlendColor() const { return m_blendColor; }
    void SetBlendColor(TColor color) { m_blendColor = color; }
    TDrawingStyle DrawingStyle() const { return m_drawingStyle; }
    void SetDrawingStyle(TDrawingStyle style);
    TImageType ImageType() const { return m_imageType; }
    void SetImageType(TImageType type);
    // Without masks every pixel of an image is drawn.
    bool Masked() const { return m_masked; }
    void SetMasked(bool masked);

    // The platform's image list, made on first use.
    win::HIMAGELIST Handle();
    bool HandleAllocated() const { return m_handle != nullptr; }

    // Each returns the index of the first image added; EInvalidOperation "Invalid ImageList" when the
    // platform refuses the bitmap (narrower than one image, for instance).
    int Add(TBitmap* image, TBitmap* mask);
    int Add(win::HBITMAP image, win::HBITMAP mask);
    // Pixels of maskColor are transparent.
    int AddMasked(TBitmap* image, TColor maskColor);
    int AddMasked(win::HBITMAP image, TColor maskColor);
    // A bitmap file holding the images side by side; the colour of its bottom-left pixel is transparent
    // unless a colour is given. Errors of the file are the bitmap's (EInvalidGraphic...).
    int AddGlyphStrip(std::string_view bitmapFile, TColor maskColor = clDefault);
    // The same from a bitmap resource of the program (EResNotFound "Resource %s not found").
    int AddGlyphStripResource(std::string_view resourceName, TColor maskColor = clDefault);
    // EInvalidOperation "Invalid ImageList Index" outside the list.
    void Replace(int index, TBitmap* image, TBitmap* mask);
    void Delete(int index);
    void Clear();

    // Draws image `index` with its top-left corner at (x, y): through its mask in the list's drawing style
    // while enabled; while disabled embossed: every pixel that is not white is ink, painted in the button
    // highlight colour one pixel right and down, then in the button shadow colour in place. An index outside
    // the list draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
    void Draw(TCanvas& canvas, int x, int y, int index, TDrawingStyle style, TImageType type,
              bool enabled = true);

    // Changes inside an update are told once, at its end.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();
    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    TNotifyEvent OnChange;

protected:
    // Tells OnChange and the change links.
    virtual void Change();

private:
    void RecreateList();
    void FreeList();
    int CheckedAdd(int index);
    void DrawEmbossed(TCanvas& canvas, int x, int y, int index);

    int m_width = 16;
    int m_height = 16;
    TColor m_bkColor = clNone;
    TColor m_blendColor = clNone;
    TDrawingStyle m_drawingStyle = dsNormal;
    TImageType m_imageType = itImage;
    bool m_masked = true;
    int m_updateCount = 0;
    bool m_changed = false;
    win::HIMAGELIST m_handle = nullptr;
    std::vector<TChangeLink*> m_links;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
    std::string ClassName() const override { return "TImageList"; }
};

// Registers the stored properties of image lists: Width, Height, BkColor, BlendColor, DrawingStyle,
// ImageType, Masked, and Bitmap (a bitmap file of the images side by side, its bottom-left colour
// transparent); AllocBy and ShareImages are read and ignored. Safe to call more than once.
void RegisterImageListLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
