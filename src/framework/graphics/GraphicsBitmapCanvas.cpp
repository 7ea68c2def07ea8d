// TBitmapCanvas and the process-wide list of bitmap canvases that hold a context.
#include "framework/graphics/GraphicsBitmapCanvas.h"

#include "framework/core/OSErrors.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Palettes.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace gl {

namespace {

struct CanvasList {
    std::recursive_mutex mutex;
    std::vector<TBitmapCanvas*> canvases;
};

CanvasList& BitmapCanvases() {
    static CanvasList list;
    return list;
}

} // namespace

TBitmapCanvas::TBitmapCanvas(TBitmap* bitmap) : m_bitmap(bitmap) {
    AddContextReleaser(&FreeMemoryContexts);
}

TBitmapCanvas::~TBitmapCanvas() {
    FreeContext();
}

void TBitmapCanvas::CreateHandle() {
    if (!m_bitmap) return;
    const TCanvasLock lock(*this);
    m_bitmap->HandleNeeded();
    const win::HBITMAP handle = m_bitmap->m_image->Handle();
    DeselectBitmap(handle);
    m_bitmap->PaletteNeeded();
    win::UniqueDC context(GDICheck(win::CreateCompatibleDC(nullptr)));
    const win::HDC dc = context.Get();
    if (handle) {
        if (!m_bitmapIn.emplace(dc, handle)) {
            m_bitmapIn.reset();
            GDIError();
        }
        m_selected = handle;
    } else {
        // An empty bitmap has no pixels: the context's own one-pixel surface is clipped away, so that every
        // read gives the invalid colour and drawing changes nothing.
        win::IntersectClipRect(dc, 0, 0, 0, 0);
    }
    m_paletteIn.emplace(dc, m_bitmap->m_image->Palette(), true, true);
    m_context = std::move(context);
    SetHandle(dc);
    std::lock_guard guard(BitmapCanvases().mutex);
    BitmapCanvases().canvases.push_back(this);
}

void TBitmapCanvas::FreeContext() {
    if (!m_context) return;
    const TCanvasLock lock(*this);
    m_bitmapIn.reset();
    m_paletteIn.reset();
    m_selected = nullptr;
    SetHandle(nullptr);
    m_context.Reset();
    {
        std::lock_guard guard(BitmapCanvases().mutex);
        std::erase(BitmapCanvases().canvases, this);
    }
}

void DeselectBitmap(win::HBITMAP handle) {
    if (!handle) return;
    CanvasList& list = BitmapCanvases();
    std::lock_guard guard(list.mutex);
    const std::vector<TBitmapCanvas*> canvases = list.canvases;
    for (auto it = canvases.rbegin(); it != canvases.rend(); ++it)
        if ((*it)->m_selected == handle) (*it)->FreeContext();
}

void FreeMemoryContexts() {
    CanvasList& list = BitmapCanvases();
    std::lock_guard guard(list.mutex);
    const std::vector<TBitmapCanvas*> canvases = list.canvases;
    for (auto it = canvases.rbegin(); it != canvases.rend(); ++it) {
        TBitmapCanvas* canvas = *it;
        if (!canvas->TryLock()) continue;
        canvas->FreeContext();
        canvas->Unlock();
    }
}

int BitmapCanvasContextCount() {
    std::lock_guard guard(BitmapCanvases().mutex);
    return static_cast<int>(BitmapCanvases().canvases.size());
}

} // namespace gl
