// TCanvas: the drawing calls. Each announces the change, makes valid what it draws with, draws, and reports
// the change.
#include "framework/graphics/Canvas.h"

#include "platform/fonts/FontApi.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/Shapes.h"

#include <algorithm>
#include <climits>

namespace gl {

namespace {

// The platform counts points and text bytes in int; longer runs are cut rather than wrapped round.
int ClampedCount(std::size_t count) {
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

// A text's bytes for the platform, which may read the pointer even for an empty run.
const char* Bytes(std::string_view text) {
    return text.empty() ? "" : text.data();
}

} // namespace

TRect TCanvas::ClipRect() {
    RequiredState({csHandleValid});
    TRect rect;
    win::GetClipBox(m_handle, &rect);
    return rect;
}

TColor TCanvas::Pixels(int x, int y) {
    RequiredState({csHandleValid});
    return static_cast<TColor>(win::GetPixel(m_handle, x, y));
}

void TCanvas::ReadPixelRow(int x, int y, std::span<win::COLORREF> out) {
    if (out.empty()) return;
    RequiredState({csHandleValid});
    // A row longer than a count can say reads as what lies past the surface: the invalid colour.
    std::fill(out.begin(), out.end(), win::CLR_INVALID);
    const auto count = static_cast<int>(std::min<std::size_t>(out.size(), INT_MAX));
    win::GetPixelRow(m_handle, x, y, count, out.data());
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    Changing();
    RequiredState({csHandleValid, csPenValid});
    win::SetPixel(m_handle, x, y, ColorToRGB(color));
    Changed();
}

void TCanvas::MoveTo(int x, int y) {
    RequiredState({csHandleValid});
    win::MoveToEx(m_handle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    win::LineTo(m_handle, x, y);
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    win::Rectangle(m_handle, left, top, right, bottom);
    Changed();
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    win::RoundRect(m_handle, left, top, right, bottom, cornerWidth, cornerHeight);
    Changed();
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    win::Ellipse(m_handle, left, top, right, bottom);
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    if (!points.empty()) win::Polygon(m_handle, points.data(), ClampedCount(points.size()));
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    if (!points.empty()) win::Polyline(m_handle, points.data(), ClampedCount(points.size()));
    Changed();
}

void TCanvas::FillRect(const TRect& rect) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    win::FillRect(m_handle, &rect, m_brush->Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    win::FrameRect(m_handle, &rect, m_brush->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    win::DrawFocusRect(m_handle, &rect);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    source.RequiredState({csHandleValid, csFontValid, csBrushValid});
    win::StretchBlt(m_handle, dest.left, dest.top, RectWidth(dest), RectHeight(dest), source.m_handle,
                    sourceRect.left, sourceRect.top, RectWidth(sourceRect), RectHeight(sourceRect),
                    m_copyMode);
    Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    const int count = ClampedCount(text.size());
    win::ExtTextOut(m_handle, x, y, m_textFlags, nullptr, Bytes(text), static_cast<win::UINT>(count),
                    nullptr);
    win::SIZE extent;
    win::GetTextExtentPoint32(m_handle, Bytes(text), count, &extent);
    win::MoveToEx(m_handle, x + extent.cx, y, nullptr);
    Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    win::UINT options = win::ETO_CLIPPED | m_textFlags;
    if (m_brush->Style() != bsClear) options |= win::ETO_OPAQUE;
    win::ExtTextOut(m_handle, x, y, options, &rect, Bytes(text),
                    static_cast<win::UINT>(ClampedCount(text.size())), nullptr);
    Changed();
}

TSize TCanvas::TextExtent(std::string_view text) {
    RequiredState({csHandleValid, csFontValid});
    TSize size;
    win::GetTextExtentPoint32(m_handle, Bytes(text), ClampedCount(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, TCanvasDrawable* graphic) {
    if (!graphic || graphic->IsEmpty()) return;
    Changing();
    RequiredState({csHandleValid});
    // Monochrome pictures take these two colours for their two entries.
    win::SetBkColor(m_handle, ColorToRGB(m_brush->Color()));
    win::SetTextColor(m_handle, ColorToRGB(m_font->Color()));
    graphic->DrawOn(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& rect, TCanvasDrawable* graphic) {
    if (!graphic) return;
    Changing();
    RequiredState({csHandleValid});
    graphic->DrawOn(*this, rect);
    Changed();
}

} // namespace gl
