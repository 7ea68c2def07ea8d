// A memory context over a white DIB section with a chosen font selected, and the ink (non-background pixels)
// of what was drawn, for exact assertions on text output.
#pragma once

#include "platform/fonts/FontApi.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/Shapes.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace win::test {

inline LOGFONT MakeLogFont(const char* face, LONG height, LONG weight = FW_NORMAL,
                           BYTE quality = DEFAULT_QUALITY) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = quality;
    std::strncpy(lf.lfFaceName, face, sizeof lf.lfFaceName - 1);
    return lf;
}

class TextCanvas {
public:
    TextCanvas(int width, int height, int bitCount = 32) : m_width(width), m_height(height) {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[256];
        } info{};
        info.header.biSize = sizeof(BITMAPINFOHEADER);
        info.header.biWidth = width;
        info.header.biHeight = -height;
        info.header.biPlanes = 1;
        info.header.biBitCount = static_cast<WORD>(bitCount);
        if (bitCount <= 8) {
            // Black, white, then greys: enough for palette surfaces to show where grey edges land.
            const int n = 1 << bitCount;
            for (int i = 0; i < n; ++i) {
                const BYTE v = i == 0 ? 0 : i == 1 ? 255 : static_cast<BYTE>(i * 255 / n);
                info.colors[i] = RGBQUAD{v, v, v, 0};
            }
        }
        dc = CreateCompatibleDC(nullptr);
        m_bitmap =
            CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, nullptr, nullptr, 0);
        m_oldBitmap = SelectObject(dc, m_bitmap);
        Clear(RGB(255, 255, 255));
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
    }
    ~TextCanvas() {
        if (m_font) DeleteObject(SelectObject(dc, m_oldFont));
        SelectObject(dc, m_oldBitmap);
        DeleteObject(m_bitmap);
        DeleteDC(dc);
    }
    TextCanvas(const TextCanvas&) = delete;
    TextCanvas& operator=(const TextCanvas&) = delete;

    void UseFont(const LOGFONT& lf) {
        HFONT font = CreateFontIndirect(&lf);
        HGDIOBJ old = SelectObject(dc, font);
        if (m_font)
            DeleteObject(old);
        else
            m_oldFont = old;
        m_font = font;
    }

    void Clear(COLORREF color) {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) SetPixelV(dc, x, y, color);
    }

    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }

    // The bounding box of every pixel (of the canvas, or of a part) that differs from the background; empty
    // when none does.
    RECT Ink(COLORREF background = RGB(255, 255, 255)) const {
        return Ink(background, RECT{0, 0, m_width, m_height});
    }
    RECT Ink(COLORREF background, const RECT& part) const {
        RECT box{m_width, m_height, 0, 0};
        for (int y = part.top; y < part.bottom; ++y)
            for (int x = part.left; x < part.right; ++x)
                if (At(x, y) != background) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        if (box.right == 0) return RECT{};
        return box;
    }

    // The distinct colours in a rectangle.
    std::vector<COLORREF> Colors(const RECT& r) const {
        std::vector<COLORREF> colors;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (std::find(colors.begin(), colors.end(), At(x, y)) == colors.end())
                    colors.push_back(At(x, y));
        return colors;
    }

    HDC dc = nullptr;

private:
    int m_width;
    int m_height;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    HFONT m_font = nullptr;
    HGDIOBJ m_oldFont = nullptr;
};

} // namespace win::test
