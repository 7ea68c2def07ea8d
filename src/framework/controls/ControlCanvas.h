// TControlCanvas: the canvas of a control. A windowed control draws on a context of its own window; a control
// without a window draws on its parent window's surface, moved to its corner and clipped to its rectangle.
// Such contexts are cached process-wide (at most four kept) and given back after every message a windowed
// control handles, unless their canvas is locked.
#pragma once

#include "framework/graphics/Canvas.h"
#include "platform/gdi/Owners.h"

#include <optional>

namespace gl {

class TControl;

class TControlCanvas : public TCanvas {
public:
    TControlCanvas();
    // Gives back the context the canvas acquired.
    ~TControlCanvas() override;

    std::string ClassName() const override { return "TControlCanvas"; }

    TControl* Control() const { return m_control; }
    // Binds the canvas to a control (null: to none); a context acquired for the previous one is given back.
    void SetControl(TControl* control);
    // Gives back the context this canvas acquired itself; a context handed to it (while painting) stays the
    // caller's.
    void FreeHandle();

protected:
    // Acquires a context for the control: EInvalidOperation "Control '%s' has no parent window" when a
    // control without a window has no parent, EOutOfResources "Error creating window device context" when the
    // platform gives no context.
    void CreateHandle() override;

private:
    TControl* m_control = nullptr;
    std::optional<win::WindowDC> m_deviceContext; // the context it acquired itself
};

// The most contexts the control canvases keep at once; acquiring another first makes the earliest unlocked
// canvas give its context back.
inline constexpr int kDeviceContextCacheSize = 4;

// Gives back every cached context whose canvas is not locked.
void FreeDeviceContexts();
// How many control canvases hold a context they acquired.
int CachedDeviceContextCount();

} // namespace gl
