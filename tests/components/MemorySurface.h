// A 32-bit memory surface with a canvas on it, for drawing with the painters and reading every pixel back.
#pragma once

#include "framework/graphics/Canvas.h"
#include "support/DibSurface.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace gl::test {

// The colour a new or cleared surface has: no painter uses it.
inline constexpr win::COLORREF kUntouched = win::RGB(1, 2, 3);

class Surface {
public:
    Surface(int width, int height) : m_dib(width, height) {
        canvas.SetHandle(m_dib.Context());
        Clear();
    }
    ~Surface() { canvas.SetHandle(nullptr); }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    void Clear(win::COLORREF color = kUntouched) { m_dib.Clear(color); }
    win::COLORREF At(int x, int y) const { return m_dib.At(x, y); }
    int Width() const { return m_dib.Width(); }
    int Height() const { return m_dib.Height(); }

    // Compares every pixel with a picture of letters; '.' is a pixel nothing drew on.
    void Expect(const std::vector<std::string>& picture, std::map<char, win::COLORREF> legend,
                const std::string& what) const {
        legend['.'] = kUntouched;
        ASSERT_EQ(static_cast<int>(picture.size()), Height()) << what;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                EXPECT_EQ(At(x, y), legend.at(picture[y][x])) << what << " at (" << x << ", " << y << ")";
    }

    TCanvas canvas;

private:
    DibSurface m_dib;
};

} // namespace gl::test
