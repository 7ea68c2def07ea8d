// TControlCanvas: acquiring a control's context (its own window's, or its parent's moved and clipped to it),
// and the process-wide cache of those contexts.
#include "framework/controls/ControlCanvas.h"

#include "framework/controls/WinControl.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Screen.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace gl {

namespace {

struct DeviceContextCache {
    std::recursive_mutex mutex;
    std::vector<TControlCanvas*> canvases; // in the order they acquired their contexts
};

DeviceContextCache& Cache() {
    static DeviceContextCache cache;
    return cache;
}

// Gives back the context of the earliest canvas in the cache that nobody holds locked.
void FreeOneDeviceContext() {
    std::lock_guard guard(Cache().mutex);
    for (TControlCanvas* canvas : Cache().canvases) {
        if (!canvas->TryLock()) continue;
        canvas->FreeHandle();
        canvas->Unlock();
        return;
    }
}

// A context for drawing on the control. A control without a window shares its parent's, with the origin moved
// to its corner and the clip cut down to its rectangle, so that it draws in its own coordinates and nowhere
// else.
win::WindowDC AcquireDeviceContext(TControl& control) {
    if (auto* winControl = dynamic_cast<TWinControl*>(&control)) {
        win::WindowDC dc(winControl->Handle());
        if (!dc) throw EOutOfResources(msg::SWindowDCError);
        return dc;
    }
    TWinControl* parent = control.Parent();
    if (!parent) throw EInvalidOperation(Format(msg::SParentRequired, control.Name()));
    win::WindowDC dc = AcquireDeviceContext(*parent);
    win::SetViewportOrgEx(dc, control.Left(), control.Top(), nullptr);
    win::IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
    return dc;
}

// Runs the cache's release after every message a windowed control handles; set up by the first control
// canvas, before any context can be cached.
void InstallReleaseHook() {
    static const bool installed = [] {
        AddContextReleaser(&FreeDeviceContexts);
        SetFreeDeviceContextsHook(&ReleaseCachedContexts);
        return true;
    }();
    (void)installed;
}

} // namespace

TControlCanvas::TControlCanvas() {
    InstallReleaseHook();
}

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::SetControl(TControl* control) {
    if (control == m_control) return;
    FreeHandle();
    m_control = control;
}

void TControlCanvas::CreateHandle() {
    if (!m_control) return TCanvas::CreateHandle();
    if (!m_deviceContext) {
        std::lock_guard guard(Cache().mutex);
        const TCanvasLock lock(*this);
        if (Cache().canvases.size() >= static_cast<std::size_t>(kDeviceContextCacheSize))
            FreeOneDeviceContext();
        m_deviceContext.emplace(AcquireDeviceContext(*m_control));
        Cache().canvases.push_back(this);
    }
    SetHandle(m_deviceContext->Get());
}

void TControlCanvas::FreeHandle() {
    if (!m_deviceContext) return;
    std::lock_guard guard(Cache().mutex);
    const TCanvasLock lock(*this);
    if (HandleValue() == m_deviceContext->Get()) SetHandle(nullptr);
    m_deviceContext.reset();
    std::erase(Cache().canvases, this);
}

void FreeDeviceContexts() {
    std::lock_guard guard(Cache().mutex);
    // From the back: each release takes its canvas out of the list.
    const std::vector<TControlCanvas*> canvases = Cache().canvases;
    for (auto it = canvases.rbegin(); it != canvases.rend(); ++it) {
        TControlCanvas* canvas = *it;
        if (!canvas->TryLock()) continue;
        canvas->FreeHandle();
        canvas->Unlock();
    }
}

int CachedDeviceContextCount() {
    std::lock_guard guard(Cache().mutex);
    return static_cast<int>(Cache().canvases.size());
}

} // namespace gl
