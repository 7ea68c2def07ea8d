// A canvas over a 32-bit DIB section of its own, made when the canvas first needs a context: the drawing
// surface of the canvas tests, read back pixel by pixel.
#pragma once

#include "framework/Canvas.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Pixels.h"

namespace gl::test {

class TDibCanvas : public TCanvas {
public:
    TDibCanvas(int width, int height) : m_width(width), m_height(height) {
        win::BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(win::BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_dc = win::CreateCompatibleDC(nullptr);
        m_bitmap = win::CreateDIBSection(m_dc, &info, win::DIB_RGB_COLORS, nullptr, nullptr, 0);
        m_oldBitmap = win::SelectObject(m_dc, m_bitmap);
    }
    ~TDibCanvas() override {
        SetHandle(nullptr);
        win::SelectObject(m_dc, m_oldBitmap);
        win::DeleteObject(m_bitmap);
        win::DeleteDC(m_dc);
    }

    // The pixel as the surface holds it, read without the canvas.
    win::COLORREF At(int x, int y) const { return win::GetPixel(m_dc, x, y); }
    void Clear(win::COLORREF color) {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) win::SetPixelV(m_dc, x, y, color);
    }
    win::HDC Context() const { return m_dc; }
    int handlesMade = 0;

protected:
    void CreateHandle() override {
        ++handlesMade;
        SetHandle(m_dc);
    }

private:
    int m_width;
    int m_height;
    win::HDC m_dc = nullptr;
    win::HBITMAP m_bitmap = nullptr;
    win::HGDIOBJ m_oldBitmap = nullptr;
};

} // namespace gl::test
