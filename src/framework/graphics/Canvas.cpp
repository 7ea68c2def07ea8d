// TCanvas: the device context and the state of what is selected into it, the lock, and the process-wide list
// of canvases.
#include "framework/graphics/Canvas.h"

#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StockObjects.h"

#include <algorithm>

namespace gl {

namespace {

struct CanvasList {
    std::mutex mutex;
    std::vector<TCanvas*> canvases;
};

CanvasList& Canvases() {
    static CanvasList list;
    return list;
}

// Guards the lock counts of all canvases, so that TryLock's look at a count and its taking of the lock are
// one step.
std::mutex& CounterLock() {
    static std::mutex mutex;
    return mutex;
}

std::vector<TContextReleaser>& ContextReleasers() {
    static std::vector<TContextReleaser> releasers;
    return releasers;
}

} // namespace

void AddContextReleaser(TContextReleaser releaser) {
    auto& releasers = ContextReleasers();
    if (releaser && std::find(releasers.begin(), releasers.end(), releaser) == releasers.end())
        releasers.push_back(releaser);
}

void ReleaseCachedContexts() {
    for (TContextReleaser releaser : ContextReleasers()) releaser();
}

TCanvas::TCanvas()
    : m_font(std::make_unique<TFont>()), m_pen(std::make_unique<TPen>()),
      m_brush(std::make_unique<TBrush>()) {
    m_font->OnChange = [this](TObject*) { FontChanged(); };
    m_pen->OnChange = [this](TObject*) { PenChanged(); };
    m_brush->OnChange = [this](TObject*) { BrushChanged(); };
    std::lock_guard guard(Canvases().mutex);
    Canvases().canvases.push_back(this);
}

TCanvas::~TCanvas() {
    SetHandle(nullptr);
    std::lock_guard guard(Canvases().mutex);
    std::erase(Canvases().canvases, this);
}

std::vector<TCanvas*> TCanvas::AllCanvases() {
    std::lock_guard guard(Canvases().mutex);
    return Canvases().canvases;
}

win::HDC TCanvas::Handle() {
    Changing();
    RequiredState(csAllValid);
    return m_handle;
}

void TCanvas::SetHandle(win::HDC handle) {
    if (handle == m_handle) return;
    if (m_handle) {
        DeselectHandles();
        m_penPos = PenPos();
        m_handle = nullptr;
        m_state.Exclude(csHandleValid);
    }
    if (handle) {
        m_handle = handle;
        m_state.Include(csHandleValid);
        win::MoveToEx(m_handle, m_penPos.x, m_penPos.y, nullptr);
    }
}

void TCanvas::RequiredState(TCanvasState required) {
    const TCanvasState needed = required - m_state;
    if (needed.Empty()) return;
    if (needed.Contains(csHandleValid)) {
        CreateHandle();
        if (!m_handle) throw EInvalidOperation(msg::SNoCanvasHandle);
    }
    if (needed.Contains(csFontValid)) CreateFont();
    if (needed.Contains(csPenValid)) CreatePen();
    if (needed.Contains(csBrushValid)) CreateBrush();
    m_state = m_state + needed;
}

void TCanvas::Refresh() {
    DeselectHandles();
}

void TCanvas::CreateFont() {
    win::SelectObject(m_handle, m_font->Handle());
    win::SetTextColor(m_handle, ColorToRGB(m_font->Color()));
}

void TCanvas::CreatePen() {
    win::SelectObject(m_handle, m_pen->Handle());
    win::SetROP2(m_handle, PenModeToRop2(m_pen->Mode()));
}

void TCanvas::CreateBrush() {
    win::SelectObject(m_handle, m_brush->Handle());
    const win::COLORREF color = ColorToRGB(m_brush->Color());
    if (m_brush->Style() == bsSolid) {
        win::SetBkColor(m_handle, color);
        win::SetBkMode(m_handle, win::OPAQUE);
    } else {
        // Hatches and patterns leave the gaps alone; the inverted colour keeps a stray background visible.
        win::SetBkColor(m_handle, ~color & 0xFFFFFF);
        win::SetBkMode(m_handle, win::TRANSPARENT);
    }
}

void TCanvas::DeselectHandles() {
    if (!m_handle) return;
    const TCanvasState selected = m_state * TCanvasState{csFontValid, csPenValid, csBrushValid};
    if (selected.Empty()) return;
    // The context's own defaults go back in, so that our objects can be changed or deleted while the context
    // lives on.
    win::SelectObject(m_handle, win::GetStockObject(win::BLACK_PEN));
    win::SelectObject(m_handle, win::GetStockObject(win::HOLLOW_BRUSH));
    win::SelectObject(m_handle, win::GetStockObject(win::SYSTEM_FONT));
    m_state = m_state - selected;
}

void TCanvas::FontChanged() {
    if (!m_state.Contains(csFontValid)) return;
    m_state.Exclude(csFontValid);
    win::SelectObject(m_handle, win::GetStockObject(win::SYSTEM_FONT));
}

void TCanvas::PenChanged() {
    if (!m_state.Contains(csPenValid)) return;
    m_state.Exclude(csPenValid);
    win::SelectObject(m_handle, win::GetStockObject(win::BLACK_PEN));
}

void TCanvas::BrushChanged() {
    if (!m_state.Contains(csBrushValid)) return;
    m_state.Exclude(csBrushValid);
    win::SelectObject(m_handle, win::GetStockObject(win::HOLLOW_BRUSH));
}

TPoint TCanvas::PenPos() const {
    if (!m_handle) return m_penPos;
    TPoint position;
    win::GetCurrentPositionEx(m_handle, &position);
    return position;
}

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

void TCanvas::Lock() {
    m_lock.lock();
    std::lock_guard guard(CounterLock());
    ++m_lockCount;
}

void TCanvas::Unlock() {
    {
        std::lock_guard guard(CounterLock());
        if (m_lockCount == 0) return; // not locked: an unbalanced Unlock must not release someone else's lock
        --m_lockCount;
    }
    m_lock.unlock();
}

bool TCanvas::TryLock() {
    std::lock_guard guard(CounterLock());
    if (m_lockCount != 0 || !m_lock.try_lock()) return false;
    ++m_lockCount;
    return true;
}

int TCanvas::LockCount() const {
    std::lock_guard guard(CounterLock());
    return m_lockCount;
}

} // namespace gl
