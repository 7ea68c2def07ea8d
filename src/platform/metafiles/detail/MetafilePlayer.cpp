// Playing metafile records: the mapping onto the target, the object table, saved states and the drawing steps
// both kinds of metafile share.
#include "platform/metafiles/detail/MetafilePlayer.h"

#include "platform/fonts/FontApi.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StockObjects.h"
#include "platform/metafiles/Metafiles.h"
#include "platform/system/Utf8.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace win {

namespace {

constexpr std::size_t kMaxSavedStates = 1024;
constexpr int kMaxArcSegments = 256;
constexpr int kBezierSegments = 16;
constexpr double kCoordinateLimit = 1 << 28;         // far outside any surface, still safe to draw with
constexpr std::uint64_t kMaxRlePixels = 64ull << 20; // run-length bitmaps can claim far more than they carry

LONG Round(double value) {
    if (!(value == value)) return 0; // NaN from a degenerate transform
    return static_cast<LONG>(std::lround(std::clamp(value, -kCoordinateLimit, kCoordinateLimit)));
}

// Millimetres per logical unit of the metric mapping modes.
double MillimetresPerUnit(int mode) {
    switch (mode) {
    case MM_LOMETRIC:
        return 0.1;
    case MM_HIMETRIC:
        return 0.01;
    case MM_LOENGLISH:
        return 0.254;
    case MM_HIENGLISH:
        return 0.0254;
    case MM_TWIPS:
        return 25.4 / 1440;
    default:
        return 0;
    }
}

// A memory context, deleted when its owner ends.
class MemoryContext {
public:
    explicit MemoryContext(HDC reference) : m_dc(CreateCompatibleDC(reference)) {}
    ~MemoryContext() {
        if (m_dc) DeleteDC(m_dc);
    }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// The bytes of pixels a bitmap header describes, or 0 when it describes none this player draws: uncompressed
// rows padded to 32 bits, or the stated size of run-length data.
std::uint64_t PixelBytes(const BITMAPINFOHEADER& h, bool& runLength) {
    runLength = h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4;
    const std::uint64_t width = static_cast<std::uint64_t>(std::max<LONG>(h.biWidth, 0));
    const std::uint64_t height =
        static_cast<std::uint64_t>(h.biHeight < 0 ? -std::int64_t(h.biHeight) : h.biHeight);
    if (width == 0 || height == 0) return 0;
    if (runLength) return width * height <= kMaxRlePixels ? h.biSizeImage : 0;
    return (width * h.biBitCount + 31) / 32 * 4 * height;
}

} // namespace

std::uint32_t RecordView::U8(std::size_t offset) const {
    if (!Has(offset, 1)) return m_short = true, 0;
    return m_data[offset];
}

std::uint32_t RecordView::U16(std::size_t offset) const {
    if (!Has(offset, 2)) return m_short = true, 0;
    return static_cast<std::uint32_t>(m_data[offset]) | (static_cast<std::uint32_t>(m_data[offset + 1]) << 8);
}

std::uint32_t RecordView::U32(std::size_t offset) const {
    if (!Has(offset, 4)) return m_short = true, 0;
    return U16(offset) | (U16(offset + 2) << 16);
}

float RecordView::F32(std::size_t offset) const {
    const std::uint32_t bits = U32(offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return std::isfinite(value) ? value : 0.0f;
}

MetafilePlayer::MetafilePlayer(HDC hdc, const RECT& rect, double frameLeft, double frameTop,
                               double frameWidth, double frameHeight, std::size_t objects)
    : m_hdc(hdc), m_rect(rect), m_frameLeft(frameLeft), m_frameTop(frameTop),
      m_frameWidth(frameWidth != 0 ? frameWidth : 1), m_frameHeight(frameHeight != 0 ? frameHeight : 1),
      m_objects(objects, nullptr), m_charSets(objects, 0) {
    m_savedDc = win::SaveDC(hdc);
    m_baseClip = CreateRectRgn(0, 0, 0, 0);
    if (m_baseClip && GetClipRgn(hdc, m_baseClip) != 1) {
        win::DeleteObject(m_baseClip);
        m_baseClip = nullptr;
    }
}

MetafilePlayer::~MetafilePlayer() {
    // Restoring the context first lets go of every object the metafile selected, so that all can be deleted.
    if (m_savedDc > 0) win::RestoreDC(m_hdc, m_savedDc);
    for (HGDIOBJ object : m_objects)
        if (object) win::DeleteObject(object);
    for (HGDIOBJ object : m_pending) win::DeleteObject(object);
    if (m_baseClip) win::DeleteObject(m_baseClip);
}

void MetafilePlayer::SetMapMode(int mode) {
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC) return;
    m_map.mode = mode;
}

void MetafilePlayer::SetPair(Pair which, double x, double y) {
    const bool extent = which == Pair::WindowExt || which == Pair::ViewportExt;
    if (extent && (x == 0 || y == 0)) return;
    const bool window = which == Pair::WindowOrg || which == Pair::WindowExt;
    double& first = window ? (extent ? m_map.winCx : m_map.winX) : (extent ? m_map.vpCx : m_map.vpX);
    double& second = window ? (extent ? m_map.winCy : m_map.winY) : (extent ? m_map.vpCy : m_map.vpY);
    first = x;
    second = y;
}

void MetafilePlayer::SetState(State which, std::uint32_t value) {
    const int mode = static_cast<int>(value);
    switch (which) {
    case State::BkMode:
        SetBkMode(m_hdc, mode);
        break;
    case State::PolyFillMode:
        SetPolyFillMode(m_hdc, mode);
        break;
    case State::Rop2:
        SetROP2(m_hdc, mode);
        break;
    case State::StretchMode:
        SetStretchBltMode(m_hdc, mode);
        break;
    case State::TextAlign:
        SetTextAlign(m_hdc, value);
        break;
    case State::TextColor:
        SetTextColor(m_hdc, value & 0xFFFFFF);
        break;
    case State::BkColor:
        SetBkColor(m_hdc, value & 0xFFFFFF);
        break;
    }
}

void MetafilePlayer::OffsetWindowOrg(double dx, double dy) {
    m_map.winX += dx;
    m_map.winY += dy;
}

void MetafilePlayer::SetReferenceDensity(double xPerMm, double yPerMm) {
    if (xPerMm > 0 && yPerMm > 0 && std::isfinite(xPerMm) && std::isfinite(yPerMm)) {
        m_xPerMm = xPerMm;
        m_yPerMm = yPerMm;
    }
}

void MetafilePlayer::SetWorldTransform(const double m[6]) {
    std::copy(m, m + 6, m_map.world);
}

void MetafilePlayer::ModifyWorldTransform(const double m[6], int mode) {
    double* w = m_map.world;
    // Row-vector matrices: a point p maps to p * A, so "left" means the new matrix applies first.
    auto multiply = [](const double* a, const double* b, double* out) {
        out[0] = a[0] * b[0] + a[1] * b[2];
        out[1] = a[0] * b[1] + a[1] * b[3];
        out[2] = a[2] * b[0] + a[3] * b[2];
        out[3] = a[2] * b[1] + a[3] * b[3];
        out[4] = a[4] * b[0] + a[5] * b[2] + b[4];
        out[5] = a[4] * b[1] + a[5] * b[3] + b[5];
    };
    double result[6];
    switch (mode) {
    case 1:
        std::copy_n(std::begin({1.0, 0.0, 0.0, 1.0, 0.0, 0.0}), 6, w);
        return;
    case 2:
        multiply(m, w, result);
        break;
    case 3:
        multiply(w, m, result);
        break;
    case 4:
        std::copy(m, m + 6, result);
        break;
    default:
        return;
    }
    std::copy(result, result + 6, w);
}

void MetafilePlayer::PageScale(double& sx, double& sy) const {
    const Mapping& m = m_map;
    if (m.mode == MM_ANISOTROPIC || m.mode == MM_ISOTROPIC) {
        sx = m.vpCx / m.winCx;
        sy = m.vpCy / m.winCy;
        if (m.mode == MM_ISOTROPIC) {
            const double s = std::min(std::fabs(sx), std::fabs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        return;
    }
    const double mm = MillimetresPerUnit(m.mode);
    sx = mm != 0 ? mm * m_xPerMm : 1;
    sy = mm != 0 ? -mm * m_yPerMm : 1; // the metric modes count y upwards
}

POINT MetafilePlayer::Map(double x, double y) const {
    const double* w = m_map.world;
    const double wx = w[0] * x + w[2] * y + w[4], wy = w[1] * x + w[3] * y + w[5];
    double sx, sy;
    PageScale(sx, sy);
    const double px = (wx - m_map.winX) * sx + m_map.vpX, py = (wy - m_map.winY) * sy + m_map.vpY;
    const double dx = m_rect.left + (px - m_frameLeft) * (m_rect.right - m_rect.left) / m_frameWidth;
    const double dy = m_rect.top + (py - m_frameTop) * (m_rect.bottom - m_rect.top) / m_frameHeight;
    return POINT{Round(dx), Round(dy)};
}

std::vector<POINT> MetafilePlayer::Map(const std::vector<LogicalPoint>& points) const {
    std::vector<POINT> out;
    out.reserve(points.size());
    for (const LogicalPoint& p : points) out.push_back(Map(p.x, p.y));
    return out;
}

RECT MetafilePlayer::MapRect(double left, double top, double right, double bottom) const {
    const POINT a = Map(left, top), b = Map(right, bottom);
    return RECT{a.x, a.y, b.x, b.y};
}

double MetafilePlayer::ScaleX(double length) const {
    double sx, sy;
    PageScale(sx, sy);
    const double world = std::hypot(m_map.world[0], m_map.world[1]);
    return std::fabs(length * world * sx * (m_rect.right - m_rect.left) / m_frameWidth);
}

double MetafilePlayer::ScaleY(double length) const {
    double sx, sy;
    PageScale(sx, sy);
    const double world = std::hypot(m_map.world[2], m_map.world[3]);
    return std::fabs(length * world * sy * (m_rect.bottom - m_rect.top) / m_frameHeight);
}

// Lengths in whole pixels are bounded as coordinates are: a huge or degenerate mapping makes a large pen or
// font, never a number past what the drawing calls take.
HPEN MetafilePlayer::MakePen(UINT style, double width, COLORREF color) const {
    const LONG pixels = width <= 0 ? 0 : std::max<LONG>(1, Round(ScaleX(width)));
    return CreatePen(static_cast<int>(style & 0xFF), pixels, color & 0xFFFFFF);
}

LONG MetafilePlayer::FontHeight(double height) const {
    if (height == 0) return 0;
    const LONG pixels = std::max<LONG>(1, Round(ScaleY(height)));
    return height < 0 ? -pixels : pixels;
}

LONG MetafilePlayer::FontWidth(double width) const {
    return Round(ScaleX(width));
}

bool MetafilePlayer::PutObject(std::size_t index, HGDIOBJ object, BYTE charSet) {
    if (index >= m_objects.size()) {
        if (object) win::DeleteObject(object);
        return false;
    }
    if (m_objects[index]) DeleteObject(index);
    m_objects[index] = object;
    m_charSets[index] = charSet;
    return true;
}

bool MetafilePlayer::AddObject(HGDIOBJ object, BYTE charSet) {
    const auto free = std::find(m_objects.begin(), m_objects.end(), nullptr);
    // A slot is taken even by an object that could not be made, so that later indexes still match.
    if (free == m_objects.end()) {
        if (object) win::DeleteObject(object);
        return false;
    }
    const std::size_t index = static_cast<std::size_t>(free - m_objects.begin());
    m_objects[index] = object ? object : GetStockObject(NULL_BRUSH);
    m_charSets[index] = charSet;
    return true;
}

void MetafilePlayer::SelectObject(std::size_t index) {
    if (index >= m_objects.size() || !m_objects[index]) return;
    HGDIOBJ object = m_objects[index];
    if (GetObjectType(object) == OBJ_PAL)
        SelectPalette(m_hdc, static_cast<HPALETTE>(object), FALSE);
    else
        win::SelectObject(m_hdc, object);
    if (GetObjectType(object) == OBJ_FONT) m_map.fontCharSet = m_charSets[index];
}

void MetafilePlayer::SelectStockObject(int stock) {
    HGDIOBJ object = GetStockObject(stock);
    if (!object) return;
    if (GetObjectType(object) == OBJ_PAL)
        SelectPalette(m_hdc, static_cast<HPALETTE>(object), FALSE);
    else
        win::SelectObject(m_hdc, object);
    if (GetObjectType(object) == OBJ_FONT) m_map.fontCharSet = 0;
}

void MetafilePlayer::DeleteObject(std::size_t index) {
    if (index >= m_objects.size() || !m_objects[index]) return;
    HGDIOBJ object = m_objects[index];
    m_objects[index] = nullptr;
    // The context lets go of it first, as a metafile may delete what it still has selected.
    const DWORD type = GetObjectType(object);
    if (GetCurrentObject(m_hdc, type) == object) {
        if (type == OBJ_PAL)
            SelectPalette(m_hdc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
        else
            win::SelectObject(m_hdc, GetStockObject(type == OBJ_PEN    ? BLACK_PEN
                                                    : type == OBJ_FONT ? SYSTEM_FONT
                                                                       : WHITE_BRUSH));
    }
    if (GetObjectType(object) != 0 && !win::DeleteObject(object)) m_pending.push_back(object);
}

void MetafilePlayer::SaveDC() {
    if (m_saved.size() >= kMaxSavedStates) return;
    m_saved.push_back(m_map);
    win::SaveDC(m_hdc);
}

void MetafilePlayer::RestoreDC(int relative) {
    const long long depth = static_cast<long long>(m_saved.size());
    const long long pops = relative < 0 ? -static_cast<long long>(relative) : depth - relative + 1;
    if (pops <= 0 || pops > depth) return;
    for (long long i = 0; i < pops; ++i) {
        m_map = m_saved.back();
        m_saved.pop_back();
    }
    win::RestoreDC(m_hdc, -static_cast<int>(pops));
}

void MetafilePlayer::IntersectClip(double left, double top, double right, double bottom) {
    const RECT r = MapRect(left, top, right, bottom);
    IntersectClipRect(m_hdc, std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                      std::max(r.top, r.bottom));
}

void MetafilePlayer::ExcludeClip(double left, double top, double right, double bottom) {
    const RECT r = MapRect(left, top, right, bottom);
    ExcludeClipRect(m_hdc, std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                    std::max(r.top, r.bottom));
}

void MetafilePlayer::SelectClipRects(const std::vector<RECT>& rects, int mode) {
    if (mode == RGN_COPY) SelectClipRgn(m_hdc, m_baseClip);
    if (rects.empty()) return;
    HRGN region = CreateRectRgn(0, 0, 0, 0), piece = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : rects) {
        POINT corners[2] = {Map(r.left, r.top), Map(r.right, r.bottom)};
        LPtoDP(m_hdc, corners, 2); // regions are in device pixels
        SetRectRgn(piece, std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
                   std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y));
        CombineRgn(region, region, piece, RGN_OR);
    }
    ApplyClip(region, mode == RGN_COPY ? RGN_AND : mode);
    win::DeleteObject(piece);
    win::DeleteObject(region);
}

void MetafilePlayer::ApplyClip(HRGN region, int mode) {
    ExtSelectClipRgn(m_hdc, region, mode);
    // However the metafile combines its clipping, it never draws outside what the context allowed.
    if (m_baseClip && mode != RGN_AND) ExtSelectClipRgn(m_hdc, m_baseClip, RGN_AND);
}

void MetafilePlayer::Polyline(const std::vector<LogicalPoint>& points) {
    const std::vector<POINT> p = Map(points);
    if (p.size() >= 2) win::Polyline(m_hdc, p.data(), static_cast<int>(p.size()));
}

void MetafilePlayer::PolylineTo(const std::vector<LogicalPoint>& points) {
    const std::vector<POINT> p = Map(points);
    if (!p.empty()) win::PolylineTo(m_hdc, p.data(), static_cast<DWORD>(p.size()));
    if (!points.empty()) m_map.current = points.back();
}

void MetafilePlayer::Polygon(const std::vector<LogicalPoint>& points) {
    const std::vector<POINT> p = Map(points);
    if (p.size() >= 2) win::Polygon(m_hdc, p.data(), static_cast<int>(p.size()));
}

std::vector<LogicalPoint> MetafilePlayer::FlattenBezier(const std::vector<LogicalPoint>& points) {
    std::vector<LogicalPoint> out;
    if (points.empty()) return out;
    out.push_back(points[0]);
    for (std::size_t i = 1; i + 2 < points.size(); i += 3) {
        const LogicalPoint a = points[i - 1], b = points[i], c = points[i + 1], d = points[i + 2];
        for (int s = 1; s <= kBezierSegments; ++s) {
            const double t = double(s) / kBezierSegments, u = 1 - t;
            const double k0 = u * u * u, k1 = 3 * u * u * t, k2 = 3 * u * t * t, k3 = t * t * t;
            out.push_back(
                {k0 * a.x + k1 * b.x + k2 * c.x + k3 * d.x, k0 * a.y + k1 * b.y + k2 * c.y + k3 * d.y});
        }
    }
    return out;
}

void MetafilePlayer::MoveTo(double x, double y) {
    const POINT p = Map(x, y);
    MoveToEx(m_hdc, p.x, p.y, nullptr);
    m_map.current = {x, y};
}

void MetafilePlayer::LineTo(double x, double y) {
    const POINT p = Map(x, y);
    win::LineTo(m_hdc, p.x, p.y);
    m_map.current = {x, y};
}

void MetafilePlayer::Rectangle(double left, double top, double right, double bottom) {
    const RECT m = MapRect(left, top, right, bottom);
    const RECT r = NormalizedRect(m.left, m.top, m.right, m.bottom);
    win::Rectangle(m_hdc, r.left, r.top, r.right, r.bottom);
}

void MetafilePlayer::Ellipse(double left, double top, double right, double bottom) {
    const RECT m = MapRect(left, top, right, bottom);
    const RECT r = NormalizedRect(m.left, m.top, m.right, m.bottom);
    win::Ellipse(m_hdc, r.left, r.top, r.right, r.bottom);
}

void MetafilePlayer::RoundRect(double left, double top, double right, double bottom, double width,
                               double height) {
    const RECT m = MapRect(left, top, right, bottom);
    const RECT r = NormalizedRect(m.left, m.top, m.right, m.bottom);
    win::RoundRect(m_hdc, r.left, r.top, r.right, r.bottom, Round(ScaleX(width)), Round(ScaleY(height)));
}

void MetafilePlayer::Arc(ArcKind kind, double left, double top, double right, double bottom,
                         LogicalPoint start, LogicalPoint end) {
    const RECT m = MapRect(left, top, right, bottom);
    const RECT box = NormalizedRect(m.left, m.top, m.right, m.bottom);
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    const double rx = (box.right - box.left) / 2.0, ry = (box.bottom - box.top) / 2.0;
    if (rx <= 0 || ry <= 0) return;
    const POINT s = Map(start.x, start.y), e = Map(end.x, end.y);
    // Angles as seen on the screen, y upwards, so that arcs run counter-clockwise as drawn.
    const double a0 = std::atan2(-(s.y - cy) / ry, (s.x - cx) / rx);
    double a1 = std::atan2(-(e.y - cy) / ry, (e.x - cx) / rx);
    if (a1 <= a0) a1 += 2 * std::numbers::pi;
    const int segments =
        std::clamp(static_cast<int>(std::ceil((a1 - a0) * std::max(rx, ry) / 4)), 2, kMaxArcSegments);
    std::vector<POINT> points;
    if (kind == ArcKind::Pie) points.push_back(POINT{Round(cx), Round(cy)});
    for (int i = 0; i <= segments; ++i) {
        const double a = a0 + (a1 - a0) * i / segments;
        points.push_back(POINT{Round(cx + rx * std::cos(a)), Round(cy - ry * std::sin(a))});
    }
    if (kind == ArcKind::Arc)
        win::Polyline(m_hdc, points.data(), static_cast<int>(points.size()));
    else
        win::Polygon(m_hdc, points.data(), static_cast<int>(points.size()));
}

void MetafilePlayer::SetPixel(double x, double y, COLORREF color) {
    const POINT p = Map(x, y);
    SetPixelV(m_hdc, p.x, p.y, color);
}

void MetafilePlayer::Text(double x, double y, UINT options, const RECT* clip, const std::string& text,
                          const std::vector<double>& dx) {
    if (options & ETO_GLYPH_INDEX) return; // glyph numbers of a font we do not have
    const POINT p = Map(x, y);
    RECT r{};
    if (clip) {
        const RECT m = MapRect(clip->left, clip->top, clip->right, clip->bottom);
        r = NormalizedRect(m.left, m.top, m.right, m.bottom);
    }
    std::vector<INT> advances;
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size(); ++characters) DecodeUtf8(text, pos);
    if (!dx.empty() && dx.size() == characters) {
        // Rounded from the running sum, so that the glyphs keep the positions the metafile gave them.
        double sum = 0;
        LONG placed = 0;
        for (double d : dx) {
            sum += ScaleX(d);
            advances.push_back(static_cast<INT>(Round(sum) - placed));
            placed = Round(sum);
        }
    }
    ExtTextOut(m_hdc, p.x, p.y, options & (ETO_OPAQUE | ETO_CLIPPED), clip ? &r : nullptr, text.c_str(),
               static_cast<UINT>(text.size()), advances.empty() ? nullptr : advances.data());
}

void MetafilePlayer::StretchDib(const RECT& dest, int xSrc, int ySrc, int wSrc, int hSrc, const BYTE* info,
                                std::size_t infoSize, const BYTE* bits, std::size_t bitsSize, UINT usage,
                                DWORD rop) {
    // A header, its masks and a colour table of at most 256 entries fit in far less than 4 KiB.
    if (!info || infoSize < sizeof(BITMAPINFOHEADER) || infoSize > 4096 || !bits) return;
    // A header with its colour table; a table the record cuts short reads as black rather than past its end.
    std::vector<BYTE> header(infoSize + 3 * sizeof(DWORD) + 256 * 4, 0);
    std::memcpy(header.data(), info, infoSize);
    const auto* bmi = reinterpret_cast<const BITMAPINFO*>(header.data());
    bool runLength = false;
    const std::uint64_t needed = PixelBytes(bmi->bmiHeader, runLength);
    if (needed == 0 || needed > bitsSize) return;
    // The section is made uncompressed at the bitmap's depth; SetDIBits then unpacks the data into it.
    std::vector<BYTE> plain(header);
    auto* plainHeader = reinterpret_cast<BITMAPINFOHEADER*>(plain.data());
    if (runLength) {
        plainHeader->biCompression = BI_RGB;
        plainHeader->biSizeImage = 0;
    }
    const MemoryContext source(m_hdc);
    void* sectionBits = nullptr;
    const UniqueBitmap bitmap(CreateDIBSection(m_hdc, reinterpret_cast<const BITMAPINFO*>(plain.data()),
                                               usage, &sectionBits, nullptr, 0));
    const SelectedObject selected(source.Get(), bitmap.Get());
    if (!selected) return;
    const LONG height = bmi->bmiHeader.biHeight < 0 ? -bmi->bmiHeader.biHeight : bmi->bmiHeader.biHeight;
    if (!SetDIBits(source.Get(), bitmap.Get(), 0, static_cast<UINT>(height), bits, bmi, usage)) return;
    // The drawing calls count ySrc from the bottom row of a bottom-up bitmap; the context counts from the
    // top. Counted wide, as a record's source may lie anywhere: one far past the bitmap still shows nothing.
    const std::int64_t bottomUp = std::int64_t(height) - ySrc - hSrc;
    const int yTop = bmi->bmiHeader.biHeight < 0
                         ? ySrc
                         : static_cast<int>(std::clamp<std::int64_t>(bottomUp, INT32_MIN, INT32_MAX));
    StretchBlt(m_hdc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Get(), xSrc,
               yTop, wSrc, hSrc, rop);
}

void MetafilePlayer::PatBlt(const RECT& dest, DWORD rop) {
    const RECT r = NormalizedRect(dest.left, dest.top, dest.right, dest.bottom);
    win::PatBlt(m_hdc, r.left, r.top, r.right - r.left, r.bottom - r.top, rop);
}

} // namespace win
