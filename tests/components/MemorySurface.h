// A 32-bit memory surface with a canvas on it, for drawing with the painters and reading every pixel back.
#pragma once

#include "framework/Canvas.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Pixels.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace gl::test {

// The colour a new or cleared surface has: no painter uses it.
inline constexpr win::COLORREF kUntouched = win::RGB(1, 2, 3);

class Surface {
public:
    Surface(int width, int height) : m_width(width), m_height(height) {
        win::BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(win::BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_dc = win::CreateCompatibleDC(nullptr);
        m_bitmap = win::CreateDIBSection(m_dc, &info, win::DIB_RGB_COLORS, nullptr, nullptr, 0);
        m_old = win::SelectObject(m_dc, m_bitmap);
        canvas.SetHandle(m_dc);
        Clear();
    }
    ~Surface() {
        canvas.SetHandle(nullptr);
        win::SelectObject(m_dc, m_old);
        win::DeleteObject(m_bitmap);
        win::DeleteDC(m_dc);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    void Clear(win::COLORREF color = kUntouched) {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) win::SetPixelV(m_dc, x, y, color);
    }
    win::COLORREF At(int x, int y) const { return win::GetPixel(m_dc, x, y); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Compares every pixel with a picture of letters; '.' is a pixel nothing drew on.
    void Expect(const std::vector<std::string>& picture, std::map<char, win::COLORREF> legend,
                const std::string& what) const {
        legend['.'] = kUntouched;
        ASSERT_EQ(static_cast<int>(picture.size()), m_height) << what;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                EXPECT_EQ(At(x, y), legend.at(picture[y][x])) << what << " at (" << x << ", " << y << ")";
    }

    TCanvas canvas;

private:
    int m_width, m_height;
    win::HDC m_dc = nullptr;
    win::HBITMAP m_bitmap = nullptr;
    win::HGDIOBJ m_old = nullptr;
};

} // namespace gl::test
