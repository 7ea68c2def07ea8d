// A memory context over a bitmap of a chosen depth, for exact pixel assertions in the drawing tests, and a
// text picture of pixels so that expected shapes read as pictures.
#pragma once

#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Objects.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace win::test {

// A bitmap object made directly over a fresh surface, so that any depth and colour table can be drawn on.
inline HBITMAP MakeBitmap(int width, int height, int bitCount, const std::vector<RGBQUAD>& table = {},
                          std::shared_ptr<Surface>* surfaceOut = nullptr) {
    auto bitmap = std::make_unique<BitmapObject>();
    bitmap->surface = Surface::Create(width, height, bitCount, true);
    if (!table.empty()) bitmap->surface->SetColorTable(table);
    if (surfaceOut) *surfaceOut = bitmap->surface;
    return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

class Canvas {
public:
    explicit Canvas(int width, int height, int bitCount = 32, const std::vector<RGBQUAD>& table = {},
                    COLORREF background = RGB(255, 255, 255)) {
        m_bitmap = MakeBitmap(width, height, bitCount, table, &m_surface);
        m_surface->Fill(RECT{0, 0, width, height}, background);
        dc = CreateCompatibleDC(nullptr);
        m_old = SelectObject(dc, m_bitmap);
    }
    ~Canvas() {
        SelectObject(dc, m_old);
        DeleteDC(dc);
        DeleteObject(m_bitmap);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    COLORREF At(int x, int y) const { return m_surface->GetPixel(x, y); }
    Surface& Pixels() { return *m_surface; }

    // The pixels as rows of characters from a legend; '?' for a colour the legend does not name.
    std::string Picture(const std::map<COLORREF, char>& legend) const {
        std::string out;
        for (int y = 0; y < m_surface->Height(); ++y) {
            for (int x = 0; x < m_surface->Width(); ++x) {
                const auto it = legend.find(At(x, y));
                out += it == legend.end() ? '?' : it->second;
            }
            out += '\n';
        }
        return out;
    }

    HDC dc = nullptr;

private:
    std::shared_ptr<Surface> m_surface;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

// Joins picture rows, one per argument, each ending in a line break.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows) (out += r) += '\n';
    return out;
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

} // namespace win::test
