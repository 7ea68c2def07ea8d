// Blits on surfaces: source sampling, colour rules, raster operations and the fast paths of same-size copies.
#include "platform/gdi/detail/BlitEngine.h"

#include "platform/gdi/BrushPattern.h"
#include "platform/gdi/detail/PixelRows.h"
#include "platform/gdi/detail/RasterOps.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace win {

namespace {

// Which source pixels feed destination positions [v0, v1) along one axis.
struct AxisMap {
    int first = 0; // destination positions whose source lies inside the readable bounds: [first, last)
    int last = 0;
    int origin = 0;        // the destination position of element 0
    std::vector<int> near; // the nearest source position
    std::vector<int> box0; // shrinking box modes: the source positions [box0, box1) that are combined
    std::vector<int> box1;
};

AxisMap MapAxis(std::int64_t d0, std::int64_t dn, std::int64_t s0, std::int64_t sn, bool mirror, int v0,
                int v1, int b0, int b1, bool boxes) {
    AxisMap m;
    m.origin = v0;
    m.first = v1;
    m.last = v0;
    const std::size_t count = static_cast<std::size_t>(std::max(0, v1 - v0));
    m.near.resize(count);
    if (boxes) {
        m.box0.resize(count);
        m.box1.resize(count);
    }
    for (int p = v0; p < v1; ++p) {
        const std::int64_t i = p - d0;
        const std::int64_t j = mirror ? dn - 1 - i : i;
        // Centre sampling: a same-size copy maps every pixel onto itself.
        const std::int64_t nearest = s0 + ((2 * j + 1) * sn) / (2 * dn);
        const std::size_t k = static_cast<std::size_t>(p - v0);
        m.near[k] = static_cast<int>(std::clamp<std::int64_t>(nearest, b0 - 1, b1));
        if (nearest >= b0 && nearest < b1) {
            m.first = std::min(m.first, p);
            m.last = std::max(m.last, p + 1);
        }
        if (boxes) {
            const std::int64_t lo = std::min(s0 + (j * sn) / dn, nearest);
            const std::int64_t hi = std::max(s0 + ((j + 1) * sn) / dn, nearest + 1);
            m.box0[k] = static_cast<int>(std::clamp<std::int64_t>(lo, b0, b1));
            m.box1[k] = static_cast<int>(std::clamp<std::int64_t>(hi, b0, b1));
        }
    }
    return m;
}

constexpr std::uint8_t kSrcCopy = 0xCC;

// Same-size copy of 24- or 32-bit colour into a two-entry palette surface: one linear test per pixel, eight
// pixels per stored byte.
// One row of a 24- or 32-bit source into a one-bit destination by the two-entry test. The picture
// reduction runs this over every pixel, so the depth is a template argument and a grey-symmetric table
// (black and white) is tested on the sum of the channels.
template <int BytesPerPixel, bool Sum>
void ThresholdRowOf(const BYTE* src, BYTE* dstRow, int x0, int n, const TwoEntryTest& test, int limit) {
    int x = x0;
    const int end = x0 + n;
    auto bit = [&](const BYTE* p) -> unsigned {
        if constexpr (Sum) return static_cast<unsigned>(p[0] + p[1] + p[2] > limit);
        return test(p[2], p[1], p[0]);
    };
    for (; x < end && (x & 7); ++x, src += BytesPerPixel) {
        const BYTE mask = static_cast<BYTE>(0x80 >> (x & 7));
        dstRow[x >> 3] = static_cast<BYTE>(bit(src) ? (dstRow[x >> 3] | mask) : (dstRow[x >> 3] & ~mask));
    }
    for (; end - x >= 8; x += 8, src += 8 * BytesPerPixel) {
        unsigned b = 0;
#pragma GCC unroll 8
        for (int k = 0; k < 8; ++k) b |= bit(src + k * BytesPerPixel) << (7 - k); // eight independent tests
        dstRow[x >> 3] = static_cast<BYTE>(b);
    }
    for (; x < end; ++x, src += BytesPerPixel) {
        const BYTE mask = static_cast<BYTE>(0x80 >> (x & 7));
        dstRow[x >> 3] = static_cast<BYTE>(bit(src) ? (dstRow[x >> 3] | mask) : (dstRow[x >> 3] & ~mask));
    }
}

void ThresholdRow(const BYTE* src, int bytesPerPixel, BYTE* dstRow, int x0, int n, const TwoEntryTest& test) {
    // wr * (r + g + b) > threshold is r + g + b > threshold / wr for a positive weight (rounded down).
    const bool sum = test.wr > 0 && test.wr == test.wg && test.wr == test.wb && test.threshold >= 0;
    const int limit = sum ? test.threshold / test.wr : 0;
    if (bytesPerPixel == 3) {
        if (sum)
            ThresholdRowOf<3, true>(src, dstRow, x0, n, test, limit);
        else
            ThresholdRowOf<3, false>(src, dstRow, x0, n, test, limit);
    } else if (sum) {
        ThresholdRowOf<4, true>(src, dstRow, x0, n, test, limit);
    } else {
        ThresholdRowOf<4, false>(src, dstRow, x0, n, test, limit);
    }
}

class Blitter {
public:
    explicit Blitter(const BlitSpec& desc)
        : m_spec(desc), m_dst(*desc.dst->surface), m_encoder(m_dst),
          m_brush(*desc.dst, SelectedBrush(*desc.dst)) {}

    void Run();

private:
    void Row(int y, int x0, int n);
    bool FastRow(int y, int x0, int n);
    void SourceColors(int y, int x0, int n);
    void SourceRaw(int y, int x0, int n);
    void CombineBox(int y, int x0, int n, bool raw);
    void ToRaw(int y, int x0, int n);
    void ApplyRop(int y, int x0, int n);

    std::size_t Col(int x) const { return static_cast<std::size_t>(x - m_cols.origin); }

    const BlitSpec& m_spec;
    Surface& m_dst;
    ColorEncoder m_encoder;
    BrushSampler m_brush;
    std::uint8_t m_rop = 0;
    bool m_usesSrc = false, m_usesPat = false, m_usesDst = false;
    bool m_stretch = false;
    bool m_boxes = false;   // shrinking in a mode that combines the pixels it drops
    bool m_rawCopy = false; // source and destination store colours alike: values are copied as they are
    bool m_dither = false;
    int m_mode = BLACKONWHITE;
    AxisMap m_cols, m_rows;
    std::vector<COLORREF> m_colors, m_line;
    std::vector<std::uint32_t> m_raw, m_dstRaw, m_lineRaw;
    std::vector<std::uint32_t> m_acc[3];
    std::vector<std::uint32_t> m_count;
    int m_cachedRow = -1;
    int m_lineLo = 0;
};

void Blitter::Run() {
    const BlitSpec& s = m_spec;
    m_rop = Rop3Index(s.rop);
    m_usesSrc = s.src && Rop3UsesSource(s.rop);
    m_usesPat = Rop3UsesPattern(s.rop);
    m_usesDst = Rop3UsesDestination(s.rop);
    if (m_usesPat && !m_brush.Paints()) return; // a null brush paints nothing
    m_mode = s.dst->state.stretchMode;

    const Region& clip = s.dst->Clip();
    if (clip.Empty()) return;
    const RECT cb = clip.Bounds();
    const RECT visible{static_cast<LONG>(std::max<std::int64_t>(cb.left, s.dx)),
                       static_cast<LONG>(std::max<std::int64_t>(cb.top, s.dy)),
                       static_cast<LONG>(std::min<std::int64_t>(cb.right, s.dx + s.dw)),
                       static_cast<LONG>(std::min<std::int64_t>(cb.bottom, s.dy + s.dh))};
    if (RectEmpty(visible)) return;

    RECT area = visible;
    if (m_usesSrc) {
        m_stretch = s.sw != s.dw || s.sh != s.dh || s.mirrorX || s.mirrorY;
        const bool shrinking = s.sw > s.dw || s.sh > s.dh;
        m_boxes = shrinking && m_mode != COLORONCOLOR;
        m_rawCopy = m_mode != HALFTONE && s.srcMonoDdb == s.dstMonoDdb && SameLayout(*s.src, m_dst);
        m_dither = m_mode == HALFTONE && m_dst.BitCount() <= 8 && !s.dstMonoDdb;
        m_cols = MapAxis(s.dx, s.dw, s.sx, s.sw, s.mirrorX, visible.left, visible.right, s.srcBounds.left,
                         s.srcBounds.right, m_boxes);
        m_rows = MapAxis(s.dy, s.dh, s.sy, s.sh, s.mirrorY, visible.top, visible.bottom, s.srcBounds.top,
                         s.srcBounds.bottom, m_boxes);
        // Only what comes from inside the source is drawn.
        area = RECT{m_cols.first, m_rows.first, m_cols.last, m_rows.last};
        if (RectEmpty(area)) return;
    }
    const std::size_t width = static_cast<std::size_t>(area.right - area.left);
    m_colors.resize(width);
    m_raw.resize(width);
    m_dstRaw.resize(width);

    for (const RECT& piece : clip.Rects()) {
        const RECT r = RectIntersection(piece, area);
        if (RectEmpty(r)) continue;
        for (int y = r.top; y < r.bottom; ++y) Row(y, r.left, r.right - r.left);
    }
}

void Blitter::Row(int y, int x0, int n) {
    if (m_usesSrc) {
        if (!m_stretch && m_rop == kSrcCopy && FastRow(y, x0, n)) return;
        if (m_boxes)
            CombineBox(y, x0, n, m_rawCopy);
        else if (m_rawCopy)
            SourceRaw(y, x0, n);
        else
            SourceColors(y, x0, n);
        if (!m_rawCopy) ToRaw(y, x0, n);
    }
    if (m_rop == kSrcCopy && m_usesSrc) {
        WriteRawRow(m_dst, y, x0, n, m_raw.data());
        return;
    }
    ApplyRop(y, x0, n);
}

// Same-size source copies that need no per-pixel colour work beyond a table-free test.
bool Blitter::FastRow(int y, int x0, int n) {
    const BlitSpec& s = m_spec;
    const int sy = static_cast<int>(y - s.dy + s.sy);
    const int sx = static_cast<int>(x0 - s.dx + s.sx);
    const Surface& src = *s.src;
    if (m_rawCopy && m_dst.BitCount() >= 8) {
        const int bytes = m_dst.BitCount() / 8;
        std::memmove(m_dst.Row(y) + static_cast<std::ptrdiff_t>(x0) * bytes,
                     src.Row(sy) + static_cast<std::ptrdiff_t>(sx) * bytes,
                     static_cast<std::size_t>(n) * bytes);
        return true;
    }
    if (m_rawCopy && m_dst.BitCount() < 8 && CopySubByteRow(src, sy, sx, m_dst, y, x0, n)) return true;
    const bool rgbSource = src.BitCount() == 24 || (src.BitCount() == 32 && !src.BitFields());
    if (m_dst.BitCount() == 1 && !s.dstMonoDdb && !s.srcMonoDdb && rgbSource && !m_dither) {
        const int bpp = src.BitCount() / 8;
        const TwoEntryTest test = TwoEntryTest::From(m_dst.ColorTable()[0], m_dst.ColorTable()[1]);
        ThresholdRow(src.Row(sy) + static_cast<std::ptrdiff_t>(sx) * bpp, bpp, m_dst.Row(y), x0, n, test);
        return true;
    }
    return false;
}

// The source colours for one destination row segment, monochrome bitmaps already in the destination's text
// and background colours.
void Blitter::SourceColors(int y, int x0, int n) {
    const BlitSpec& s = m_spec;
    const Surface& src = *s.src;
    const int sy = m_rows.near[static_cast<std::size_t>(y - m_rows.origin)];
    if (!m_stretch) {
        DecodeRow(src, sy, static_cast<int>(x0 - s.dx + s.sx), n, m_colors.data());
    } else {
        // Decode the source columns this segment uses once per source row, then pick.
        int lo = m_cols.near[Col(x0)], hi = lo;
        for (int i = 0; i < n; ++i) {
            const int c = m_cols.near[Col(x0 + i)];
            lo = std::min(lo, c);
            hi = std::max(hi, c);
        }
        if (sy != m_cachedRow || lo < m_lineLo || hi >= m_lineLo + static_cast<int>(m_line.size())) {
            m_line.resize(static_cast<std::size_t>(hi - lo + 1));
            DecodeRow(src, sy, lo, hi - lo + 1, m_line.data());
            m_cachedRow = sy;
            m_lineLo = lo;
        }
        for (int i = 0; i < n; ++i)
            m_colors[static_cast<std::size_t>(i)] =
                m_line[static_cast<std::size_t>(m_cols.near[Col(x0 + i)] - m_lineLo)];
    }
    if (s.srcMonoDdb && !s.dstMonoDdb)
        for (int i = 0; i < n; ++i)
            m_colors[static_cast<std::size_t>(i)] =
                m_colors[static_cast<std::size_t>(i)] == 0 ? s.dstText : s.dstBk;
}

void Blitter::SourceRaw(int y, int x0, int n) {
    const BlitSpec& s = m_spec;
    const int sy = m_rows.near[static_cast<std::size_t>(y - m_rows.origin)];
    if (!m_stretch) {
        ReadRawRow(*s.src, sy, static_cast<int>(x0 - s.dx + s.sx), n, m_raw.data());
        return;
    }
    int lo = m_cols.near[Col(x0)], hi = lo;
    for (int i = 0; i < n; ++i) {
        const int c = m_cols.near[Col(x0 + i)];
        lo = std::min(lo, c);
        hi = std::max(hi, c);
    }
    m_lineRaw.resize(static_cast<std::size_t>(hi - lo + 1));
    ReadRawRow(*s.src, sy, lo, hi - lo + 1, m_lineRaw.data());
    for (int i = 0; i < n; ++i)
        m_raw[static_cast<std::size_t>(i)] =
            m_lineRaw[static_cast<std::size_t>(m_cols.near[Col(x0 + i)] - lo)];
}

// Shrinking: BLACKONWHITE keeps the AND of the pixels a destination pixel covers (dark wins), WHITEONBLACK
// the OR (light wins), HALFTONE their average.
void Blitter::CombineBox(int y, int x0, int n, bool raw) {
    const BlitSpec& s = m_spec;
    const std::size_t row = static_cast<std::size_t>(y - m_rows.origin);
    const int r0 = m_rows.box0[row], r1 = m_rows.box1[row];
    int lo = m_cols.box0[Col(x0)], hi = lo;
    for (int i = 0; i < n; ++i) {
        lo = std::min(lo, m_cols.box0[Col(x0 + i)]);
        hi = std::max(hi, m_cols.box1[Col(x0 + i)]);
    }
    const bool average = m_mode == HALFTONE;
    const std::uint32_t start = m_mode == WHITEONBLACK ? 0u : 0xFFFFFFFFu;
    for (auto& a : m_acc) a.assign(static_cast<std::size_t>(n), average ? 0u : start);
    m_count.assign(static_cast<std::size_t>(n), 0);
    m_line.resize(static_cast<std::size_t>(std::max(0, hi - lo)));
    m_lineRaw.resize(m_line.size());
    for (int sy = r0; sy < r1; ++sy) {
        if (raw)
            ReadRawRow(*s.src, sy, lo, hi - lo, m_lineRaw.data());
        else
            DecodeRow(*s.src, sy, lo, hi - lo, m_line.data());
        if (!raw && s.srcMonoDdb && !s.dstMonoDdb)
            for (COLORREF& c : m_line) c = c == 0 ? s.dstText : s.dstBk;
        for (int i = 0; i < n; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            for (int c = m_cols.box0[Col(x0 + i)]; c < m_cols.box1[Col(x0 + i)]; ++c) {
                const std::uint32_t v = raw ? m_lineRaw[static_cast<std::size_t>(c - lo)]
                                            : m_line[static_cast<std::size_t>(c - lo)];
                if (average) {
                    m_acc[0][k] += GetRValue(v);
                    m_acc[1][k] += GetGValue(v);
                    m_acc[2][k] += GetBValue(v);
                    ++m_count[k];
                } else {
                    m_acc[0][k] = m_mode == WHITEONBLACK ? (m_acc[0][k] | v) : (m_acc[0][k] & v);
                }
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        std::uint32_t v = m_acc[0][k];
        if (average) {
            const std::uint32_t c = std::max<std::uint32_t>(1, m_count[k]);
            v = RGB(static_cast<int>((m_acc[0][k] + c / 2) / c), static_cast<int>((m_acc[1][k] + c / 2) / c),
                    static_cast<int>((m_acc[2][k] + c / 2) / c));
        }
        if (raw)
            m_raw[k] = v;
        else
            m_colors[k] = v & 0x00FFFFFF;
    }
}

void Blitter::ToRaw(int y, int x0, int n) {
    const BlitSpec& s = m_spec;
    if (s.dstMonoDdb) {
        // Colour to monochrome: the source context's background colour becomes 1, everything else 0.
        for (int i = 0; i < n; ++i)
            m_raw[static_cast<std::size_t>(i)] = m_colors[static_cast<std::size_t>(i)] == s.srcBk ? 1u : 0u;
        return;
    }
    if (m_dither)
        m_encoder.EncodeRowDithered(m_colors.data(), n, x0, y, m_raw.data());
    else
        m_encoder.EncodeRow(m_colors.data(), n, m_raw.data());
}

void Blitter::ApplyRop(int y, int x0, int n) {
    const std::uint32_t mask = RawMask(m_dst);
    const bool solid = m_brush.Solid();
    const bool keepGaps = m_usesPat && !solid; // hatch gaps of a transparent background leave pixels alone
    if (m_usesDst || keepGaps) ReadRawRow(m_dst, y, x0, n, m_dstRaw.data());
    std::uint32_t pattern = 0;
    if (m_usesPat && solid) pattern = m_encoder.Encode(m_brush.Color());
    for (int i = 0; i < n; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const std::uint32_t d = (m_usesDst || keepGaps) ? m_dstRaw[k] : 0u;
        if (m_usesPat && !solid) {
            COLORREF c = 0;
            if (!m_brush.At(x0 + i, y, c)) {
                m_raw[k] = d;
                continue;
            }
            pattern = m_encoder.Encode(c);
        }
        m_raw[k] = ApplyRop3(m_rop, d, m_usesSrc ? m_raw[k] : 0u, pattern) & mask;
    }
    WriteRawRow(m_dst, y, x0, n, m_raw.data());
}

} // namespace

bool SameLayout(const Surface& a, const Surface& b) {
    if (a.BitCount() != b.BitCount()) return false;
    if (a.BitCount() <= 8) return a.ColorTable() == b.ColorTable();
    if (a.BitCount() == 24) return true;
    return a.Masks()[0] == b.Masks()[0] && a.Masks()[1] == b.Masks()[1] && a.Masks()[2] == b.Masks()[2];
}

void RunBlit(const BlitSpec& desc) {
    if (!desc.dst || !desc.dst->surface || desc.dw <= 0 || desc.dh <= 0) return;
    if (desc.src && (desc.sw <= 0 || desc.sh <= 0)) return;
    Blitter(desc).Run();
}

void CopyPixels(const Surface& src, Surface& dst) {
    const int w = std::min(src.Width(), dst.Width());
    const int h = std::min(src.Height(), dst.Height());
    if (SameLayout(src, dst)) {
        const std::size_t bytes =
            (static_cast<std::size_t>(w) * static_cast<std::size_t>(src.BitCount()) + 7) / 8;
        if (w == src.Width() && w == dst.Width()) {
            for (int y = 0; y < h; ++y) std::memcpy(dst.Row(y), src.Row(y), bytes);
            return;
        }
    }
    std::vector<COLORREF> colors(static_cast<std::size_t>(w));
    std::vector<std::uint32_t> raw(static_cast<std::size_t>(w));
    ColorEncoder encoder(dst);
    for (int y = 0; y < h; ++y) {
        if (SameLayout(src, dst)) {
            ReadRawRow(src, y, 0, w, raw.data());
        } else {
            DecodeRow(src, y, 0, w, colors.data());
            encoder.EncodeRow(colors.data(), w, raw.data());
        }
        WriteRawRow(dst, y, 0, w, raw.data());
    }
}

} // namespace win
