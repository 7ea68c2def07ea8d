// The icon's figure in a 256-unit square, sampled 4 x 4 times a pixel so that small sizes keep their shape.
#include "app/IconArt.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace gl {

namespace {

struct Colour {
    std::uint8_t r, g, b;
};

constexpr Colour kIndigo{0x2b, 0x3a, 0x67};
constexpr Colour kPaper{0xf4, 0xef, 0xe2};
constexpr Colour kThread{0xc8, 0x55, 0x3d};

// A rectangle with rounded corners, in the figure's units.
struct RoundRect {
    double x, y, w, h, r;
    bool Holds(double px, double py) const {
        if (px < x || py < y || px >= x + w || py >= y + h) return false;
        const double cx = std::clamp(px, x + r, x + w - r);
        const double cy = std::clamp(py, y + r, y + h - r);
        return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
    }
};

constexpr RoundRect kTile{16, 16, 224, 224, 40};
constexpr RoundRect kSheet{40, 40, 176, 176, 12};
constexpr int kCells = 7;
constexpr double kPitch = 24, kCellOrigin = 48, kCellSize = 16, kCellRadius = 3;

// The colour of the figure at a point, or none (outside the tile).
const Colour* ColourAt(double x, double y) {
    if (!kTile.Holds(x, y)) return nullptr;
    if (!kSheet.Holds(x, y)) return &kIndigo;
    const int column = static_cast<int>((x - kCellOrigin + (kPitch - kCellSize) / 2) / kPitch);
    const int row = static_cast<int>((y - kCellOrigin + (kPitch - kCellSize) / 2) / kPitch);
    if (column < 0 || row < 0 || column >= kCells || row >= kCells) return &kPaper;
    // The glyph cells form a diamond, as text art of a diamond would; the middle row is the thread.
    if (std::abs(column - 3) + std::abs(row - 3) > 3) return &kPaper;
    const RoundRect cell{kCellOrigin + column * kPitch, kCellOrigin + row * kPitch, kCellSize, kCellSize,
                         kCellRadius};
    if (!cell.Holds(x, y)) return &kPaper;
    return row == 3 ? &kThread : &kIndigo;
}

} // namespace

std::vector<std::uint8_t> DrawIcon(int size) {
    constexpr int kSamples = 4;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size * 4);
    const double unit = 256.0 / size;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            std::array<int, 4> sum{}; // premultiplied colour and coverage
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Colour* c =
                        ColourAt((px + (sx + 0.5) / kSamples) * unit, (py + (sy + 0.5) / kSamples) * unit);
                    if (!c) continue;
                    sum[0] += c->r;
                    sum[1] += c->g;
                    sum[2] += c->b;
                    sum[3] += 1;
                }
            }
            std::uint8_t* out = &pixels[(static_cast<std::size_t>(py) * size + px) * 4];
            if (sum[3] == 0) continue;
            for (int i = 0; i < 3; ++i) out[i] = static_cast<std::uint8_t>((sum[i] + sum[3] / 2) / sum[3]);
            out[3] =
                static_cast<std::uint8_t>((sum[3] * 255 + kSamples * kSamples / 2) / (kSamples * kSamples));
        }
    }
    return pixels;
}

} // namespace gl
