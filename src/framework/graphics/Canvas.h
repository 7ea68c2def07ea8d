// TCanvas: a drawing surface over a device context, with its own font, pen and brush that are put into the
// context only when a drawing call needs them, change events around every drawing call, and a lock.
#pragma once

#include "framework/core/Set.h"
#include "framework/core/Types.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Pen.h"
#include "platform/win/gdi_types.h"

#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

namespace gl {

class TCanvas;

// What a canvas draws a picture through: the graphic classes derive from this, so that a canvas can draw any
// of them without knowing the kinds of graphic there are.
class TCanvasDrawable {
public:
    virtual ~TCanvasDrawable() = default;
    // Draws the whole graphic into the rectangle of the canvas (stretched to fit).
    virtual void DrawOn(TCanvas& canvas, const TRect& rect) = 0;
    virtual bool IsEmpty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// What of a canvas is in place in its device context.
enum TCanvasStateItem { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStateItem>;
inline constexpr TCanvasState csAllValid{csHandleValid, csFontValid, csPenValid, csBrushValid};

// Raster operations of CopyRect and of drawing bitmaps.
using TCopyMode = win::DWORD;
inline constexpr TCopyMode cmBlackness = win::BLACKNESS;
inline constexpr TCopyMode cmDstInvert = win::DSTINVERT;
inline constexpr TCopyMode cmMergeCopy = win::MERGECOPY;
inline constexpr TCopyMode cmMergePaint = win::MERGEPAINT;
inline constexpr TCopyMode cmNotSrcCopy = win::NOTSRCCOPY;
inline constexpr TCopyMode cmNotSrcErase = win::NOTSRCERASE;
inline constexpr TCopyMode cmPatCopy = win::PATCOPY;
inline constexpr TCopyMode cmPatInvert = win::PATINVERT;
inline constexpr TCopyMode cmPatPaint = win::PATPAINT;
inline constexpr TCopyMode cmSrcAnd = win::SRCAND;
inline constexpr TCopyMode cmSrcCopy = win::SRCCOPY;
inline constexpr TCopyMode cmSrcErase = win::SRCERASE;
inline constexpr TCopyMode cmSrcInvert = win::SRCINVERT;
inline constexpr TCopyMode cmSrcPaint = win::SRCPAINT;
inline constexpr TCopyMode cmWhiteness = win::WHITENESS;

class TCanvas : public TPersistent {
public:
    // A canvas without a device context: white solid brush, font in the window-text colour, black pen, source
    // copy. It enters the process-wide list of canvases.
    TCanvas();
    // Puts the context's own objects back and leaves the list. A derived canvas that acquired its context
    // frees it in its own destructor.
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    std::string ClassName() const override { return "TCanvas"; }

    // The device context with font, pen and brush in place; announces a change first, since whoever takes the
    // handle may draw through it.
    win::HDC Handle();
    // Hands the canvas a context (or takes it back with null): the objects put into the old one are replaced
    // by the context's defaults, and the pen position moves over to the new one.
    void SetHandle(win::HDC handle);
    bool HandleAllocated() const { return m_handle != nullptr; }
    TCanvasState State() const { return m_state; }
    // Makes each missing part valid: the context (EInvalidOperation "Canvas does not allow drawing" when the
    // canvas cannot get one), then font, pen and brush.
    void RequiredState(TCanvasState required);
    // Puts the context's default objects back, so the canvas's font, pen and brush are selected anew on next
    // use.
    void Refresh();

    TFont& Font() { return *m_font; }
    const TFont& Font() const { return *m_font; }
    void SetFont(const TFont& font) { m_font->Assign(&font); }
    TPen& Pen() { return *m_pen; }
    const TPen& Pen() const { return *m_pen; }
    void SetPen(const TPen& pen) { m_pen->Assign(&pen); }
    TBrush& Brush() { return *m_brush; }
    const TBrush& Brush() const { return *m_brush; }
    void SetBrush(const TBrush& brush) { m_brush->Assign(&brush); }

    TCopyMode CopyMode() const { return m_copyMode; }
    void SetCopyMode(TCopyMode mode) { m_copyMode = mode; }
    // ETO_ options added to every text output (ETO_RTLREADING, for example).
    win::UINT TextFlags() const { return m_textFlags; }
    void SetTextFlags(win::UINT flags) { m_textFlags = flags; }
    TPoint PenPos() const;
    void SetPenPos(TPoint position) { MoveTo(position.x, position.y); }
    // The part of the canvas that drawing can reach, in its own coordinates.
    TRect ClipRect();

    // The colour at a point as 0x00BBGGRR, or CLR_INVALID (all bits set) outside the surface or its clip.
    // Reading changes nothing and announces no change.
    TColor Pixels(int x, int y);
    // The row of pixels from (x, y) on, as many as `out` holds, each exactly as Pixels gives it: whole
    // pictures are read a row at a time.
    void ReadPixelRow(int x, int y, std::span<win::COLORREF> out);
    void SetPixels(int x, int y, TColor color);

    void MoveTo(int x, int y);
    // A line from the pen position to (x, y), excluding its end point, which becomes the pen position.
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.left, rect.top, rect.right, rect.bottom); }
    void Polygon(std::span<const TPoint> points);
    void Polyline(std::span<const TPoint> points);
    // With the brush, right and bottom edges excluded.
    void FillRect(const TRect& rect);
    // A one-pixel frame in the brush along the inside of the rectangle.
    void FrameRect(const TRect& rect);
    void DrawFocusRect(const TRect& rect);
    // Copies a rectangle of another canvas, stretched to fit, with the copy mode.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    // The text as one run at (x, y) (by the context's text alignment); the pen position moves to its end.
    void TextOut(int x, int y, std::string_view text);
    // The text at (x, y) clipped to the rectangle; while the brush is not clear the whole rectangle is first
    // filled with it.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    TSize TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }

    // The graphic at its own size with its top-left corner at (x, y), the context's background and text
    // colours set to the brush and font colours first; nothing for a null or empty graphic.
    void Draw(int x, int y, TCanvasDrawable* graphic);
    // The graphic stretched into the rectangle; nothing for a null graphic.
    void StretchDraw(const TRect& rect, TCanvasDrawable* graphic);

    // The canvas's lock, held while a context is made or freed, and by whoever needs the context to stay
    // (painting holds it while it draws). TryLock takes it only when nobody holds it, the caller included.
    void Lock();
    void Unlock();
    bool TryLock();
    int LockCount() const;

    // Raised before and after every drawing call.
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

    // Every canvas alive, in order of creation.
    static std::vector<TCanvas*> AllCanvases();

protected:
    // The context as it stands, without making one or announcing anything.
    win::HDC HandleValue() const { return m_handle; }
    // Makes a context when the canvas has none; the base cannot, so a plain canvas draws only on a context
    // handed to it.
    virtual void CreateHandle() {}
    virtual void Changing();
    virtual void Changed();

private:
    void CreateFont();
    void CreatePen();
    void CreateBrush();
    void DeselectHandles();
    void FontChanged();
    void PenChanged();
    void BrushChanged();

    win::HDC m_handle = nullptr;
    TCanvasState m_state;
    std::unique_ptr<TFont> m_font;
    std::unique_ptr<TPen> m_pen;
    std::unique_ptr<TBrush> m_brush;
    TCopyMode m_copyMode = cmSrcCopy;
    win::UINT m_textFlags = 0;
    TPoint m_penPos;
    std::recursive_mutex m_lock;
    int m_lockCount = 0;
};

// A canvas locked for a scope.
class TCanvasLock {
public:
    explicit TCanvasLock(TCanvas& canvas) : m_canvas(canvas) { m_canvas.Lock(); }
    ~TCanvasLock() { m_canvas.Unlock(); }
    TCanvasLock(const TCanvasLock&) = delete;
    TCanvasLock& operator=(const TCanvasLock&) = delete;

private:
    TCanvas& m_canvas;
};

// Lends a canvas a context for as long as it lives, locked so that nothing takes it away, then gives the
// canvas back whatever it held before (nothing, a context it was painting with, or its own cached one).
class TLentContext {
public:
    TLentContext(TCanvas& canvas, win::HDC dc) : m_canvas(canvas), m_lock(canvas) {
        m_previous = m_canvas.HandleAllocated() ? m_canvas.Handle() : nullptr;
        m_canvas.SetHandle(dc);
    }
    ~TLentContext() { m_canvas.SetHandle(m_previous); }
    TLentContext(const TLentContext&) = delete;
    TLentContext& operator=(const TLentContext&) = delete;

private:
    TCanvas& m_canvas;
    TCanvasLock m_lock;
    win::HDC m_previous = nullptr;
};

// Canvases that acquire contexts themselves (of windows, of bitmaps) keep them between drawing calls and give
// them back after every message a windowed control handled. Each kind adds its releaser once;
// ReleaseCachedContexts runs them all (the windowed controls call it after each message).
using TContextReleaser = void (*)();
void AddContextReleaser(TContextReleaser releaser);
void ReleaseCachedContexts();

} // namespace gl
