// The records of enhanced metafiles: each kind read by its own small step from one table; records it does
// not know, and records too short for what they name, are passed over.
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Shapes.h"
#include "platform/metafiles/detail/MetafilePlayer.h"
#include "platform/metafiles/detail/MetafileRecords.h"
#include "platform/system/CodePage.h"

#include <array>
#include <cmath>
#include <cstring>
#include <new>

namespace win {

namespace {

using Handler = void (*)(MetafilePlayer&, const RecordView&);

constexpr std::size_t kRecordHeader = 8;
constexpr std::uint32_t kStockBit = 0x80000000;

double X(const RecordView& r, std::size_t at) {
    return r.I32(at);
}

LogicalPoint Point(const RecordView& r, std::size_t at) {
    return {double(r.I32(at)), double(r.I32(at + 4))};
}

// count points of 32 or 16 bits from at, or none when the record does not hold them.
std::vector<LogicalPoint> Points(const RecordView& r, std::size_t at, std::uint32_t count, bool small) {
    const std::size_t size = small ? 4 : 8;
    std::vector<LogicalPoint> points;
    if (!r.Has(at, std::size_t(count) * size)) return points;
    points.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t p = at + i * size;
        points.push_back(small ? LogicalPoint{double(r.I16(p)), double(r.I16(p + 2))} : Point(r, p));
    }
    return points;
}

// The polyline kinds: bounds, count, points.
template <bool Small> std::vector<LogicalPoint> PolyPoints(const RecordView& r) {
    return Points(r, 28, r.U32(24), Small);
}

template <bool Small> void PolylineRecord(MetafilePlayer& p, const RecordView& r) {
    p.Polyline(PolyPoints<Small>(r));
}
template <bool Small> void PolygonRecord(MetafilePlayer& p, const RecordView& r) {
    p.Polygon(PolyPoints<Small>(r));
}
template <bool Small> void PolylineToRecord(MetafilePlayer& p, const RecordView& r) {
    p.PolylineTo(PolyPoints<Small>(r));
}
template <bool Small> void PolyBezierRecord(MetafilePlayer& p, const RecordView& r) {
    p.Polyline(MetafilePlayer::FlattenBezier(PolyPoints<Small>(r)));
}
template <bool Small> void PolyBezierToRecord(MetafilePlayer& p, const RecordView& r) {
    std::vector<LogicalPoint> points = PolyPoints<Small>(r);
    points.insert(points.begin(), p.Current());
    std::vector<LogicalPoint> flat = MetafilePlayer::FlattenBezier(points);
    flat.erase(flat.begin());
    p.PolylineTo(flat);
}

// Bounds, number of figures, total points, the counts, then the points.
template <bool Small, bool Closed> void PolyPolyRecord(MetafilePlayer& p, const RecordView& r) {
    const std::uint32_t figures = r.U32(24), total = r.U32(28);
    if (!r.Has(32, std::size_t(figures) * 4)) return;
    std::vector<LogicalPoint> all = Points(r, 32 + std::size_t(figures) * 4, total, Small);
    std::size_t next = 0;
    for (std::uint32_t f = 0; f < figures && !all.empty(); ++f) {
        const std::uint32_t count = r.U32(32 + f * 4);
        if (count > all.size() - next) return;
        std::vector<LogicalPoint> figure(all.begin() + next, all.begin() + next + count);
        next += count;
        if (Closed)
            p.Polygon(figure);
        else
            p.Polyline(figure);
    }
}

// The records of one rectangle (figures and clipping) and of one point.
using BoxStep = void (MetafilePlayer::*)(double, double, double, double);
template <BoxStep Step> void BoxRecord(MetafilePlayer& p, const RecordView& r) {
    (p.*Step)(X(r, 8), X(r, 12), X(r, 16), X(r, 20));
}
using PointStep = void (MetafilePlayer::*)(double, double);
template <PointStep Step> void PointRecord(MetafilePlayer& p, const RecordView& r) {
    (p.*Step)(X(r, 8), X(r, 12));
}
void RoundRectRecord(MetafilePlayer& p, const RecordView& r) {
    p.RoundRect(X(r, 8), X(r, 12), X(r, 16), X(r, 20), X(r, 24), X(r, 28));
}
template <MetafilePlayer::ArcKind Kind> void ArcRecord(MetafilePlayer& p, const RecordView& r) {
    p.Arc(Kind, X(r, 8), X(r, 12), X(r, 16), X(r, 20), Point(r, 24), Point(r, 32));
}
void SetPixelRecord(MetafilePlayer& p, const RecordView& r) {
    p.SetPixel(X(r, 8), X(r, 12), r.U32(16));
}

void MapModeRecord(MetafilePlayer& p, const RecordView& r) {
    p.SetMapMode(r.I32(8));
}
template <MetafilePlayer::Pair Which> void PairRecord(MetafilePlayer& p, const RecordView& r) {
    p.SetPair(Which, X(r, 8), X(r, 12));
}
void ReadTransform(const RecordView& r, double m[6]) {
    for (int i = 0; i < 6; ++i) m[i] = r.F32(8 + 4 * std::size_t(i));
}
void WorldTransformRecord(MetafilePlayer& p, const RecordView& r) {
    double m[6];
    ReadTransform(r, m);
    if (!r.Short()) p.SetWorldTransform(m);
}
void ModifyTransformRecord(MetafilePlayer& p, const RecordView& r) {
    double m[6];
    ReadTransform(r, m);
    const int mode = r.I32(32);
    if (!r.Short()) p.ModifyWorldTransform(m, mode);
}

template <MetafilePlayer::State Which> void StateRecord(MetafilePlayer& p, const RecordView& r) {
    p.SetState(Which, r.U32(8));
}
void SaveDcRecord(MetafilePlayer& p, const RecordView&) {
    p.SaveDC();
}
void RestoreDcRecord(MetafilePlayer& p, const RecordView& r) {
    p.RestoreDC(r.I32(8));
}

void SelectObjectRecord(MetafilePlayer& p, const RecordView& r) {
    const std::uint32_t index = r.U32(8);
    if (index & kStockBit)
        p.SelectStockObject(static_cast<int>(index & ~kStockBit));
    else
        p.SelectObject(index);
}
void DeleteObjectRecord(MetafilePlayer& p, const RecordView& r) {
    p.DeleteObject(r.U32(8));
}

void CreatePenRecord(MetafilePlayer& p, const RecordView& r) {
    const std::uint32_t index = r.U32(8), style = r.U32(12), color = r.U32(24);
    const double width = r.I32(16);
    if (!r.Short()) p.PutObject(index, p.MakePen(style, width, color));
}
void ExtCreatePenRecord(MetafilePlayer& p, const RecordView& r) {
    const std::uint32_t index = r.U32(8), style = r.U32(28), color = r.U32(40);
    const double width = r.U32(32) & 0x7FFFFFFF;
    // Cosmetic pens (type bits 0) are a pixel wide; geometric ones follow the mapping.
    const bool geometric = (style & 0x000F0000) != 0;
    if (!r.Short()) p.PutObject(index, p.MakePen(style, geometric ? width : 0, color));
}
void CreateBrushRecord(MetafilePlayer& p, const RecordView& r) {
    LOGBRUSH brush;
    const std::uint32_t index = r.U32(8);
    brush.lbStyle = r.U32(12);
    brush.lbColor = r.U32(16) & 0xFFFFFF;
    brush.lbHatch = r.U32(20);
    if (brush.lbStyle != BS_SOLID && brush.lbStyle != BS_NULL && brush.lbStyle != BS_HATCHED)
        brush.lbStyle = BS_SOLID; // pattern brushes name bitmaps this record does not carry
    if (!r.Short()) p.PutObject(index, CreateBrushIndirect(&brush));
}

void CreateFontRecord(MetafilePlayer& p, const RecordView& r) {
    LOGFONT font;
    const std::uint32_t index = r.U32(8);
    font.lfHeight = p.FontHeight(r.I32(12));
    font.lfWidth = p.FontWidth(r.I32(16));
    font.lfEscapement = r.I32(20);
    font.lfOrientation = r.I32(24);
    font.lfWeight = r.I32(28);
    font.lfItalic = static_cast<BYTE>(r.U8(32));
    font.lfUnderline = static_cast<BYTE>(r.U8(33));
    font.lfStrikeOut = static_cast<BYTE>(r.U8(34));
    font.lfCharSet = static_cast<BYTE>(r.U8(35));
    font.lfQuality = static_cast<BYTE>(r.U8(38));
    font.lfPitchAndFamily = static_cast<BYTE>(r.U8(39));
    std::u16string face;
    for (std::size_t i = 0; i < 32 && r.Has(40 + 2 * i, 2); ++i) {
        const char16_t c = static_cast<char16_t>(r.U16(40 + 2 * i));
        if (c == 0) break;
        face.push_back(c);
    }
    const std::string name = Utf16ToUtf8(face);
    std::strncpy(font.lfFaceName, name.c_str(), sizeof font.lfFaceName - 1);
    if (!r.Short()) p.PutObject(index, CreateFontIndirect(&font), font.lfCharSet);
}

void CreatePaletteRecord(MetafilePlayer& p, const RecordView& r) {
    const std::uint32_t index = r.U32(8), count = r.U16(14);
    if (count == 0 || !r.Has(16, std::size_t(count) * 4)) return;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* palette = new (buffer.data()) LOGPALETTE;
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(count);
    std::memcpy(palette->palPalEntry, r.Data() + 16, std::size_t(count) * 4);
    p.PutObject(index, CreatePalette(palette));
}
void SelectPaletteRecord(MetafilePlayer& p, const RecordView& r) {
    SelectObjectRecord(p, r);
}
void RealizePaletteRecord(MetafilePlayer& p, const RecordView&) {
    RealizePalette(p.Dc());
}

void SelectClipRegionRecord(MetafilePlayer& p, const RecordView& r) {
    const std::uint32_t bytes = r.U32(8), mode = r.U32(12);
    std::vector<RECT> rects;
    if (bytes >= 32 && r.Has(16, bytes)) {
        const std::uint32_t count = r.U32(24);
        if (!r.Has(48, std::size_t(count) * 16) || std::size_t(count) * 16 > bytes - 32) return;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = 48 + std::size_t(i) * 16;
            rects.push_back(RECT{r.I32(at), r.I32(at + 4), r.I32(at + 8), r.I32(at + 12)});
        }
    } else if (mode != RGN_COPY) {
        return;
    }
    p.SelectClipRects(rects, static_cast<int>(mode));
}

void TextRecord(MetafilePlayer& p, const RecordView& r) {
    // The text's reference point, count, offset, options, clip rectangle and advances.
    const LogicalPoint at = Point(r, 36);
    const std::uint32_t count = r.U32(44), offset = r.U32(48), options = r.U32(52), dxOffset = r.U32(72);
    if (r.Short() || !r.Has(offset, std::size_t(count) * 2)) return;
    std::u16string text(count, u'\0');
    for (std::uint32_t i = 0; i < count; ++i)
        text[i] = static_cast<char16_t>(r.U16(offset + 2 * std::size_t(i)));
    std::vector<double> dx;
    if (dxOffset != 0 && r.Has(dxOffset, std::size_t(count) * 4))
        for (std::uint32_t i = 0; i < count; ++i) dx.push_back(r.I32(dxOffset + 4 * std::size_t(i)));
    const RECT clip{r.I32(56), r.I32(60), r.I32(64), r.I32(68)};
    p.Text(at.x, at.y, options, (options & (ETO_OPAQUE | ETO_CLIPPED)) ? &clip : nullptr, Utf16ToUtf8(text),
           dx);
}

// A bitmap a record carries at offBmi/cbBmi and offBits/cbBits (offsets from the record's start).
void RecordDib(MetafilePlayer& p, const RecordView& r, const RECT& dest, int xSrc, int ySrc, int wSrc,
               int hSrc, std::size_t fields, UINT usage, DWORD rop) {
    const std::uint32_t offBmi = r.U32(fields), cbBmi = r.U32(fields + 4), offBits = r.U32(fields + 8),
                        cbBits = r.U32(fields + 12);
    if (r.Short() || !r.Has(offBmi, cbBmi) || !r.Has(offBits, cbBits)) return;
    p.StretchDib(dest, xSrc, ySrc, wSrc, hSrc, r.Data() + offBmi, cbBmi, r.Data() + offBits, cbBits, usage,
                 rop);
}

RECT DestRect(const MetafilePlayer& p, const RecordView& r, std::size_t at, int width, int height) {
    const double x = X(r, at), y = X(r, at + 4);
    return p.MapRect(x, y, x + width, y + height);
}

void StretchDibitsRecord(MetafilePlayer& p, const RecordView& r) {
    const RECT dest = DestRect(p, r, 24, r.I32(72), r.I32(76));
    RecordDib(p, r, dest, r.I32(32), r.I32(36), r.I32(40), r.I32(44), 48, r.U32(64), r.U32(68));
}
void SetDibitsRecord(MetafilePlayer& p, const RecordView& r) {
    const int w = r.I32(40), h = r.I32(44);
    RecordDib(p, r, DestRect(p, r, 24, w, h), r.I32(32), r.I32(36), w, h, 48, r.U32(64), SRCCOPY);
}
// Bit-block transfers: with no bitmap in the record, only the pattern takes part.
void BlitRecord(MetafilePlayer& p, const RecordView& r, int wSrc, int hSrc) {
    const int w = r.I32(32), h = r.I32(36);
    const RECT dest = DestRect(p, r, 24, w, h);
    if (r.U32(88) == 0) {
        if (!r.Short()) p.PatBlt(dest, r.U32(40));
        return;
    }
    RecordDib(p, r, dest, r.I32(44), r.I32(48), wSrc, hSrc, 84, r.U32(80), r.U32(40));
}
void BitBltRecord(MetafilePlayer& p, const RecordView& r) {
    BlitRecord(p, r, r.I32(32), r.I32(36));
}
void StretchBltRecord(MetafilePlayer& p, const RecordView& r) {
    BlitRecord(p, r, r.I32(100), r.I32(104));
}

constexpr std::size_t kTypes = 123;

constexpr std::array<Handler, kTypes> MakeTable() {
    using A = MetafilePlayer::ArcKind;
    using P = MetafilePlayer::Pair;
    using S = MetafilePlayer::State;
    std::array<Handler, kTypes> t{};
    t[2] = PolyBezierRecord<false>;
    t[3] = PolygonRecord<false>;
    t[4] = PolylineRecord<false>;
    t[5] = PolyBezierToRecord<false>;
    t[6] = PolylineToRecord<false>;
    t[7] = PolyPolyRecord<false, false>;
    t[8] = PolyPolyRecord<false, true>;
    t[9] = PairRecord<P::WindowExt>;
    t[10] = PairRecord<P::WindowOrg>;
    t[11] = PairRecord<P::ViewportExt>;
    t[12] = PairRecord<P::ViewportOrg>;
    t[15] = SetPixelRecord;
    t[17] = MapModeRecord;
    t[18] = StateRecord<S::BkMode>;
    t[19] = StateRecord<S::PolyFillMode>;
    t[20] = StateRecord<S::Rop2>;
    t[21] = StateRecord<S::StretchMode>;
    t[22] = StateRecord<S::TextAlign>;
    t[24] = StateRecord<S::TextColor>;
    t[25] = StateRecord<S::BkColor>;
    t[27] = PointRecord<&MetafilePlayer::MoveTo>;
    t[29] = BoxRecord<&MetafilePlayer::ExcludeClip>;
    t[30] = BoxRecord<&MetafilePlayer::IntersectClip>;
    t[33] = SaveDcRecord;
    t[34] = RestoreDcRecord;
    t[35] = WorldTransformRecord;
    t[36] = ModifyTransformRecord;
    t[37] = SelectObjectRecord;
    t[38] = CreatePenRecord;
    t[39] = CreateBrushRecord;
    t[40] = DeleteObjectRecord;
    t[42] = BoxRecord<&MetafilePlayer::Ellipse>;
    t[43] = BoxRecord<&MetafilePlayer::Rectangle>;
    t[44] = RoundRectRecord;
    t[45] = ArcRecord<A::Arc>;
    t[46] = ArcRecord<A::Chord>;
    t[47] = ArcRecord<A::Pie>;
    t[48] = SelectPaletteRecord;
    t[49] = CreatePaletteRecord;
    t[52] = RealizePaletteRecord;
    t[54] = PointRecord<&MetafilePlayer::LineTo>;
    t[75] = SelectClipRegionRecord;
    t[76] = BitBltRecord;
    t[77] = StretchBltRecord;
    t[80] = SetDibitsRecord;
    t[81] = StretchDibitsRecord;
    t[82] = CreateFontRecord;
    t[84] = TextRecord; // EMR_EXTTEXTOUTW
    t[85] = PolyBezierRecord<true>;
    t[86] = PolygonRecord<true>;
    t[87] = PolylineRecord<true>;
    t[88] = PolyBezierToRecord<true>;
    t[89] = PolylineToRecord<true>;
    t[90] = PolyPolyRecord<true, false>;
    t[91] = PolyPolyRecord<true, true>;
    t[95] = ExtCreatePenRecord;
    return t;
}

constexpr std::array<Handler, kTypes> kHandlers = MakeTable();
constexpr std::uint32_t kEndOfFile = 14;

} // namespace

void PlayEnhancedRecords(HDC hdc, const std::vector<BYTE>& data, const RECT& rect) {
    const RecordView header(data.data(), data.size());
    // The frame is in hundredths of a millimetre; the reference device's size in pixels and millimetres
    // turns it into the pixels the records' own mapping ends in.
    const double devX = header.I32(72), devY = header.I32(76), mmX = header.I32(80), mmY = header.I32(84);
    const double xPerMm = devX > 0 && mmX > 0 ? devX / mmX : 96 / 25.4;
    const double yPerMm = devY > 0 && mmY > 0 ? devY / mmY : 96 / 25.4;
    double left = header.I32(24) * xPerMm / 100, top = header.I32(28) * yPerMm / 100;
    double width = (double(header.I32(32)) - header.I32(24)) * xPerMm / 100;
    double height = (double(header.I32(36)) - header.I32(28)) * yPerMm / 100;
    if (width <= 0 || height <= 0) {
        // No frame: the bounds, in reference pixels, both edges included.
        left = header.I32(8);
        top = header.I32(12);
        width = double(header.I32(16)) - left + 1;
        height = double(header.I32(20)) - top + 1;
    }
    MetafilePlayer player(hdc, rect, left, top, width, height, header.U16(56));
    player.SetReferenceDensity(xPerMm, yPerMm);
    std::size_t at = header.U32(4); // past the header record
    while (at + kRecordHeader <= data.size()) {
        const RecordView head(data.data() + at, data.size() - at);
        const std::uint32_t type = head.U32(0), size = head.U32(4);
        if (size < kRecordHeader || size % 4 != 0 || size > data.size() - at || type == kEndOfFile) break;
        if (type < kTypes && kHandlers[type]) kHandlers[type](player, RecordView(data.data() + at, size));
        at += size;
    }
}

} // namespace win
