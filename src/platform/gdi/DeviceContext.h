// The object behind an HDC: the surface it draws on, its coordinate origins, its clip and its drawing state.
// Every drawing call maps logical coordinates to the surface with ToSurface and draws only inside Clip().
#pragma once

#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/system/HandleTable.h"
#include "platform/win/types.h"

#include <memory>
#include <vector>

namespace win {

enum class DcKind {
    Memory, // CreateCompatibleDC: draws on the selected bitmap (a 1 x 1 monochrome bitmap until one is
            // selected)
    Screen, // GetDC(0): the whole screen
    Window, // GetDC / BeginPaint / GetWindowDC on a window: part of the top-level window's retained surface
};

// The state that SaveDC/RestoreDC keep.
struct DcState {
    POINT viewportOrg{};
    POINT windowOrg{};
    bool hasClip = false; // the application's clip region (SelectClipRgn, IntersectClipRect, ...)
    Region clip;          // ... in device coordinates, when hasClip
    HGDIOBJ bitmap = nullptr;
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ palette = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = 2;      // OPAQUE
    UINT textAlign = 0;  // TA_LEFT | TA_TOP | TA_NOUPDATECP
    int stretchMode = 1; // BLACKONWHITE
    int rop2 = 13;       // R2_COPYPEN
    POINT brushOrg{};
    POINT penPos{};
    int textCharExtra = 0;
    int polyFillMode = 1;             // ALTERNATE
    COLORREF dcBrushColor = 0xFFFFFF; // the colours of the DC_BRUSH and DC_PEN stock objects
    COLORREF dcPenColor = 0x000000;
};

class DeviceContext {
public:
    DcKind kind = DcKind::Memory;
    HWND window = nullptr;    // Window contexts: the window they belong to
    bool windowWhole = false; // GetWindowDC: the whole window, frame included
    bool fromBeginPaint = false;

    // The surface drawn on and where device point (0, 0) lies on it.
    std::shared_ptr<Surface> surface;
    POINT surfaceOrigin{};
    // What the context may ever touch, in device coordinates: the bitmap's bounds, or the window's visible
    // part.
    Region systemClip;

    DcState state;
    std::vector<DcState> saved;

    // Logical to device coordinates (MM_TEXT: a shift by the two origins).
    LONG ToDeviceX(LONG x) const { return x - state.windowOrg.x + state.viewportOrg.x; }
    LONG ToDeviceY(LONG y) const { return y - state.windowOrg.y + state.viewportOrg.y; }
    POINT ToDevice(POINT p) const { return POINT{ToDeviceX(p.x), ToDeviceY(p.y)}; }
    RECT ToDevice(const RECT& r) const {
        return RECT{ToDeviceX(r.left), ToDeviceY(r.top), ToDeviceX(r.right), ToDeviceY(r.bottom)};
    }
    // Logical to surface coordinates.
    LONG ToSurfaceX(LONG x) const { return ToDeviceX(x) + surfaceOrigin.x; }
    LONG ToSurfaceY(LONG y) const { return ToDeviceY(y) + surfaceOrigin.y; }

    // The effective clip in surface coordinates: system clip ∩ application clip ∩ surface bounds.
    // Recomputed by UpdateClip whenever one of them, the surface or its origin changes.
    const Region& Clip() const { return m_clip; }
    void UpdateClip();

    // A surface pixel inside the clip (fast for the usual single-rectangle clip).
    bool Visible(LONG sx, LONG sy) const {
        if (m_clip.IsSingleRect()) return RectContains(m_clip.Rects().front(), sx, sy);
        return m_clip.Contains(sx, sy);
    }

private:
    Region m_clip;
};

HandleTable<DeviceContext>& DeviceContexts();
HDC AddDeviceContext(std::unique_ptr<DeviceContext> dc);
DeviceContext* FindDC(HDC hdc);
// The context behind a handle, setting ERROR_INVALID_HANDLE when there is none.
DeviceContext* FindDCOrFail(HDC hdc);

} // namespace win
