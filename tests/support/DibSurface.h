// A 32-bit top-down DIB section selected into a memory context of its own: a surface that tests draw on and
// read back pixel by pixel.
#pragma once

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Pixels.h"

namespace gl::test {

class DibSurface {
public:
    DibSurface(int width, int height) : m_width(width), m_height(height) {
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
    ~DibSurface() {
        win::SelectObject(m_dc, m_oldBitmap);
        win::DeleteObject(m_bitmap);
        win::DeleteDC(m_dc);
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    win::HDC Context() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // The pixel as the surface holds it, read without any canvas.
    win::COLORREF At(int x, int y) const { return win::GetPixel(m_dc, x, y); }
    void Clear(win::COLORREF color) {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) win::SetPixelV(m_dc, x, y, color);
    }

private:
    int m_width;
    int m_height;
    win::HDC m_dc = nullptr;
    win::HBITMAP m_bitmap = nullptr;
    win::HGDIOBJ m_oldBitmap = nullptr;
};

} // namespace gl::test
