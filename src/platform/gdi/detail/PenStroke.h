// Stroking with the selected pen: one-pixel pens pixel by pixel with their dash styles, wider pens as bands
// with round ends and joins.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PixelWriter.h"

#include <cstdint>
#include <vector>

namespace win {

// How the selected pen draws, resolved against the context.
struct PenInfo {
    bool null = false;
    int width = 1; // pixels, at least 1
    COLORREF color = 0;
    bool insideFrame = false;
    std::vector<int> dashes; // lengths of on, off, on, ... pixels; empty for a solid pen
};

// The pen selected into a context; the stock black pen's look when it has none.
PenInfo SelectedPen(const DeviceContext& dc);

class PenStroker {
public:
    PenStroker(const DeviceContext& dc, const PenInfo& pen, PixelWriter& writer);
    PenStroker(const PenStroker&) = delete;
    PenStroker& operator=(const PenStroker&) = delete;
    ~PenStroker() { Finish(); }

    // A segment in surface coordinates. A one-pixel pen paints it at once, without its end point, and its
    // dash pattern runs on from the previous segment. A wider pen paints it, ends included, on Finish.
    void Segment(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
    // Paints what wider pens collected, each pixel once, so that raster modes such as R2_XORPEN see every
    // pixel of a joint once.
    void Finish();

private:
    struct Seg {
        std::int64_t x0, y0, x1, y1;
    };
    bool StyleOn(std::int64_t step) const;
    void ThinSegment(const Seg& s);
    void MarkCapsule(const Seg& s, const RECT& box, std::vector<std::uint8_t>& mask) const;

    PixelWriter& m_writer;
    int m_width = 1;
    bool m_null = false;
    std::uint32_t m_raw = 0;
    std::uint32_t m_gapRaw = 0;
    bool m_gapsPainted = false;
    std::vector<bool> m_style; // one entry per pixel of the dash pattern; empty: solid
    std::int64_t m_styleStep = 0;
    std::vector<Seg> m_wide;
};

} // namespace win
