// TBitmapCanvas: the canvas of one bitmap, drawing through a memory context that holds the bitmap's platform
// bitmap. Contexts are made on demand and given back after every message a windowed control handled; a
// platform bitmap is selected into at most one of them at a time.
#pragma once

#include "framework/graphics/Canvas.h"
#include "platform/gdi/Owners.h"

#include <optional>

namespace gl {

class TBitmap;

class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* bitmap);
    ~TBitmapCanvas() override;

    std::string ClassName() const override { return "TBitmapCanvas"; }
    TBitmap* Bitmap() const { return m_bitmap; }
    // The context as it stands, without announcing a change (for drawing from the bitmap).
    win::HDC Context() const { return HandleValue(); }

    // Puts back what the context held before, deletes it and leaves the list of bitmap canvases.
    void FreeContext();

protected:
    // Makes the bitmap's handle available, takes it out of every other bitmap canvas, and selects it (and the
    // bitmap's palette) into a new memory context.
    void CreateHandle() override;

private:
    friend void DeselectBitmap(win::HBITMAP handle);

    TBitmap* m_bitmap;
    win::HBITMAP m_selected = nullptr; // the platform bitmap in the context, for DeselectBitmap
    win::UniqueDC m_context;
    std::optional<win::SelectedObject> m_bitmapIn;
    std::optional<win::SelectedPalette> m_paletteIn;
};

// Frees the contexts of the bitmap canvases that have this platform bitmap selected.
void DeselectBitmap(win::HBITMAP handle);
// Frees the contexts of all bitmap canvases not locked at the moment.
void FreeMemoryContexts();
// How many bitmap canvases hold a context.
int BitmapCanvasContextCount();

} // namespace gl
