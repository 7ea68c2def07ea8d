// DIB sections and memory contexts made through the public calls, for the bitmap, blit and pixel tests.
#pragma once

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/Screen.h"

#include <cstring>
#include <vector>

namespace win::test {

constexpr RGBQUAD kQuadBlack{0, 0, 0, 0};
constexpr RGBQUAD kQuadWhite{255, 255, 255, 0};

// A DIB section through CreateDIBSection (top-down unless bottomUp), with its bits pointer.
struct Dib {
    HBITMAP bitmap = nullptr;
    BYTE* bits = nullptr;
};

inline Dib MakeDib(int width, int height, int bitCount, const std::vector<RGBQUAD>& table = {},
                   bool bottomUp = false, const DWORD* masks = nullptr) {
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = bottomUp ? height : -height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitCount);
    h.biCompression = masks ? BI_BITFIELDS : BI_RGB;
    h.biClrUsed = static_cast<DWORD>(table.size());
    std::memcpy(info.data(), &h, sizeof h);
    if (masks)
        std::memcpy(info.data() + sizeof h, masks, 3 * sizeof(DWORD));
    else if (!table.empty())
        std::memcpy(info.data() + sizeof h, table.data(), table.size() * sizeof(RGBQUAD));
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS,
                                      &bits, nullptr, 0);
    return Dib{bitmap, static_cast<BYTE*>(bits)};
}

// A memory context with a bitmap selected; puts the old bitmap back, deletes the context and (when owned) the
// bitmap.
class MemDc {
public:
    explicit MemDc(HBITMAP bitmap, bool owns = true) : m_bitmap(bitmap), m_owns(owns) {
        dc = CreateCompatibleDC(nullptr);
        m_old = SelectObject(dc, bitmap);
    }
    ~MemDc() {
        SelectObject(dc, m_old);
        DeleteDC(dc);
        if (m_owns) DeleteObject(m_bitmap);
    }
    MemDc(const MemDc&) = delete;
    MemDc& operator=(const MemDc&) = delete;

    HDC dc = nullptr;

private:
    HBITMAP m_bitmap;
    bool m_owns;
    HGDIOBJ m_old = nullptr;
};

// Fills a DIB context pixel by pixel from a function of (x, y).
template <class F> void Paint(HDC dc, int width, int height, F&& colorAt) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixelV(dc, x, y, colorAt(x, y));
}

} // namespace win::test
