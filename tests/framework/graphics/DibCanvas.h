// A canvas over a 32-bit DIB section of its own, made when the canvas first needs a context: the drawing
// surface of the canvas tests, read back pixel by pixel.
#pragma once

#include "framework/graphics/Canvas.h"
#include "support/DibSurface.h"

namespace gl::test {

class TDibCanvas : public TCanvas {
public:
    TDibCanvas(int width, int height) : m_surface(width, height) {}
    ~TDibCanvas() override { SetHandle(nullptr); }

    // The pixel as the surface holds it, read without the canvas.
    win::COLORREF At(int x, int y) const { return m_surface.At(x, y); }
    void Clear(win::COLORREF color) { m_surface.Clear(color); }
    win::HDC Context() const { return m_surface.Context(); }
    int handlesMade = 0;

protected:
    void CreateHandle() override {
        ++handlesMade;
        SetHandle(m_surface.Context());
    }

private:
    DibSurface m_surface;
};

} // namespace gl::test
