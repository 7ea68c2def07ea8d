// Draws the program's picture resources at build time: the default picture "Tarnwick.bmp" (a spool of thread,
// black and white with two greys, one on each side of the black/white threshold), the button glyph strip
// (eight 16 x 16 glyphs side by side, fuchsia where transparent) and the figure of the output view's sample.
// Usage: MakeResources DEFAULT_PICTURE_PATH GLYPH_STRIP_PATH SAMPLE_FIGURE_PATH
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

struct Picture {
    int width, height;
    std::vector<Rgb> pixels;
    Picture(int w, int h, Rgb fill) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    void Set(int x, int y, Rgb c) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<std::size_t>(y) * width + x] = c;
    }
};

bool WriteBmp(const Picture& p, const std::string& path) {
    const int stride = (p.width * 3 + 3) & ~3;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * p.height);
    std::vector<std::uint8_t> out;
    auto put16 = [&](std::uint32_t v) { out.push_back(v & 0xFF), out.push_back((v >> 8) & 0xFF); };
    auto put32 = [&](std::uint32_t v) { put16(v & 0xFFFF), put16(v >> 16); };
    put16(0x4D42), put32(54 + imageSize), put32(0), put32(54);
    put32(40), put32(static_cast<std::uint32_t>(p.width)), put32(static_cast<std::uint32_t>(p.height));
    put16(1), put16(24), put32(0), put32(imageSize), put32(3780), put32(3780), put32(0), put32(0);
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            const Rgb& c = p.pixels[static_cast<std::size_t>(y) * p.width + x];
            out.push_back(c.b), out.push_back(c.g), out.push_back(c.r);
        }
        for (int pad = p.width * 3; pad < stride; ++pad) out.push_back(0);
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0};
constexpr Rgb kDarkGrey{96, 96, 96};     // R + G + B = 288: reduces to black
constexpr Rgb kLightGrey{176, 176, 176}; // R + G + B = 528: reduces to white

bool InsideEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// A wooden spool with a wound thread and a loose, knotted end running off to the right.
Picture DrawSpool() {
    Picture p(88, 52, kWhite);
    const int left = 14, right = 58;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const bool topFlange = InsideEllipse(x, y, 36, 8, 26, 5);
            const bool bottomFlange = InsideEllipse(x, y, 36, 44, 26, 5);
            if (topFlange || bottomFlange) {
                const bool rim = !InsideEllipse(x, y, 36, topFlange ? 8 : 44, 24.5, 3.6);
                p.Set(x, y, rim ? kBlack : (x < 36 ? kLightGrey : kDarkGrey));
            } else if (y > 11 && y < 41 && x >= left && x <= right) {
                // Thread wound in slanted turns, shaded darker towards the right.
                const bool edge = x == left || x == right;
                const bool turn = ((x + 2 * y) % 6) < 2;
                const Rgb body = x > 44 ? kDarkGrey : (x > 30 ? kLightGrey : kWhite);
                p.Set(x, y, edge || turn ? kBlack : body);
            }
        }
    // The loose end: a gentle wave from the spool to a needle.
    for (int x = right + 1; x < 82; ++x) {
        const int y = 26 + static_cast<int>(std::lround(5 * std::sin((x - right) / 4.0)));
        p.Set(x, y, kBlack);
        p.Set(x, y + 1, kDarkGrey);
    }
    // A knot at the end.
    const int knotY = 26 + static_cast<int>(std::lround(5 * std::sin((82 - right) / 4.0)));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = 0; dx <= 2; ++dx) p.Set(82 + dx, knotY + dy, kBlack);
    return p;
}

// The output view's sample figure: a threaded needle, pure black on white so that every stroke shows.
Picture DrawNeedle() {
    Picture p(100, 26, kWhite);
    // The shaft, three pixels thick, narrowing to a point on the right.
    for (int x = 20; x < 86; ++x)
        for (int y = 7; y < 10; ++y) p.Set(x, y, kBlack);
    for (int x = 86; x < 97; ++x) {
        const int half = (97 - x) / 6; // 1, then 0 at the tip
        for (int y = 8 - half; y <= 8 + half; ++y) p.Set(x, y, kBlack);
    }
    // The eye: a ring at the left end.
    for (int y = 1; y < 17; ++y)
        for (int x = 1; x < 25; ++x)
            if (InsideEllipse(x, y, 12.5, 8.5, 11.5, 7) && !InsideEllipse(x, y, 12.5, 8.5, 7.5, 3.2))
                p.Set(x, y, kBlack);
    // The thread: through the eye, down, and away in a loose wave under the shaft.
    for (int y = 9; y < 21; ++y) p.Set(9, y, kBlack), p.Set(10, y, kBlack);
    for (int x = 9; x < 98; ++x) {
        const int y = 20 + static_cast<int>(std::lround(3.5 * std::sin((x - 9) / 9.0)));
        p.Set(x, y, kBlack), p.Set(x, y + 1, kBlack);
    }
    return p;
}

// Glyphs as character maps: '.' transparent, others from the palette below.
const char* const kGlyphs[8][16] = {
    {// 0 import: a folder with an arrow going in
     "................", "......##........", ".....#qq#.......", "....#qqqq#......", "...#######......",
     "...........#....", "..########.##...", "..#yyyyyyy#.###.", "..#yyyyyyy#.###.", "..#yyyyyyy#.##..",
     "..#yyyyyyy#.#...", "..#yyyyyyyy#....", "..#yyyyyyyy#....", "..##########....", "................",
     "................"},
    {// 1 save
     "................", "..############..", "..#b#wwwwww#b#..", "..#b#wwwwww#b#..", "..#b#wwwwww#b#..",
     "..#b########b#..", "..#bbbbbbbbbb#..", "..#bb######bb#..", "..#bb#ww#k#bb#..", "..#bb#ww#k#bb#..",
     "..#bb#ww#k#bb#..", "..############..", "................", "................", "................",
     "................"},
    {// 2 convert: picture to lines of text
     "................", ".#######........", ".#wwwww#........", ".#wgwgw#........", ".#wwgww#...#....",
     ".#wgwgw#...##...", ".#######.#####..", "...........##...", "...........#....", ".......kk.kkk.kk",
     "................", ".......kkk.kk.kk", "................", ".......kk.kk.kkk", "................",
     "................"},
    {// 3 copy
     "................", ".######.........", ".#wwww#.........", ".#wwww######....", ".#wwww#wwww#....",
     ".#wwww#wwww#....", ".######wwww#....", "......#wwww#....", "......######....", "................",
     "................", "................", "................", "................", "................",
     "................"},
    {// 4 font
     "................", "......###.......", ".....#r#r#......", ".....#r#r#......", "....#rr#rr#.....",
     "....#######.....", "...#rr###rr#....", "...#rr#.#rr#....", "..####...####...", "................",
     "................", "................", "................", "................", "................",
     "................"},
    {// 5 clear
     "................", "..##......##....", "...##....##.....", "....##..##......", ".....####.......",
     "......##........", ".....####.......", "....##..##......", "...##....##.....", "..##......##....",
     "................", "................", "................", "................", "................",
     "................"},
    {// 6 about: a blue disc with an "i"
     "................", ".....######.....", "...##bbbbbb##...", "..#bbbbwwbbbb#..", "..#bbbbwwbbbb#..",
     ".#bbbbbbbbbbbb#.", ".#bbbbwwwbbbbb#.", ".#bbbbbwwbbbbb#.", ".#bbbbbwwbbbbb#.", ".#bbbbbwwbbbbb#.",
     "..#bbbbwwbbbb#..", "..#bbbwwwwbbb#..", "...##bbbbbb##...", ".....######.....", "................",
     "................"},
    {// 7 exit
     "................", "..#######.......", "..#wwwww#.......", "..#wwwww#...#...", "..#wwwww#...##..",
     "..#wwwww######..", "..#wwwww#...##..", "..#wwwww#...#...", "..#wwwww#.......", "..#######.......",
     "................", "................", "................", "................", "................",
     "................"},
};

Rgb GlyphColour(char c) {
    switch (c) {
    case '#':
        return Rgb{40, 40, 40};
    case 'k':
        return Rgb{0, 0, 0};
    case 'w':
        return Rgb{255, 255, 255};
    case 'g':
        return Rgb{60, 150, 60};
    case 'b':
        return Rgb{40, 100, 200};
    case 'y':
        return Rgb{240, 200, 80};
    case 'q':
        return Rgb{250, 225, 140};
    case 'r':
        return Rgb{190, 40, 40};
    default:
        return Rgb{255, 0, 255}; // transparent key
    }
}

Picture DrawGlyphStrip() {
    Picture p(16 * 8, 16, Rgb{255, 0, 255});
    for (int i = 0; i < 8; ++i)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16 && kGlyphs[i][y][x]; ++x)
                p.Set(16 * i + x, y, GlyphColour(kGlyphs[i][y][x]));
    return p;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: MakeResources DEFAULT_PICTURE GLYPH_STRIP SAMPLE_FIGURE\n");
        return 2;
    }
    if (!WriteBmp(DrawSpool(), argv[1]) || !WriteBmp(DrawGlyphStrip(), argv[2]) ||
        !WriteBmp(DrawNeedle(), argv[3])) {
        std::perror("MakeResources");
        return 1;
    }
    return 0;
}
