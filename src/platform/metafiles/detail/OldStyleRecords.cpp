// The records of old-style metafiles: 16-bit fields, parameters stored last first, objects in the first free
// slot of the table. Each kind is read by its own small step from one table; the rest are passed over.
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Shapes.h"
#include "platform/metafiles/Metafiles.h"
#include "platform/metafiles/detail/MetafilePlayer.h"
#include "platform/metafiles/detail/MetafileRecords.h"
#include "platform/system/CodePage.h"
#include "platform/system/Utf8.h"

#include <array>
#include <cmath>
#include <cstring>
#include <new>

namespace win {

namespace {

using Handler = void (*)(MetafilePlayer&, const RecordView&);

constexpr std::size_t kParams = 6; // size in words (32 bits), then the function (16 bits)
constexpr std::size_t kHeaderSize = 18;

// The i-th 16-bit parameter.
double P(const RecordView& r, std::size_t i) {
    return r.I16(kParams + 2 * i);
}

std::vector<LogicalPoint> Points(const RecordView& r, std::size_t at, std::size_t count) {
    std::vector<LogicalPoint> points;
    if (!r.Has(at, count * 4)) return points;
    for (std::size_t i = 0; i < count; ++i)
        points.push_back({double(r.I16(at + 4 * i)), double(r.I16(at + 4 * i + 2))});
    return points;
}

// Text in the code page of the font's character set: Chinese sets through the system's code page, the rest
// byte for byte as Latin-1.
std::string TextOf(const MetafilePlayer& p, const BYTE* bytes, std::size_t count) {
    const std::string_view raw(reinterpret_cast<const char*>(bytes), count);
    const BYTE set = p.FontCharSet();
    if (set == DEFAULT_CHARSET || set == GB2312_CHARSET) return AnsiToUtf8(raw);
    std::string out;
    for (unsigned char c : raw) AppendUtf8(out, c);
    return out;
}

// The records of one rectangle (figures and clipping) and of one point.
using BoxStep = void (MetafilePlayer::*)(double, double, double, double);
template <BoxStep Step> void BoxRecord(MetafilePlayer& p, const RecordView& r) {
    (p.*Step)(P(r, 3), P(r, 2), P(r, 1), P(r, 0));
}
using PointStep = void (MetafilePlayer::*)(double, double);
template <PointStep Step> void PointRecord(MetafilePlayer& p, const RecordView& r) {
    (p.*Step)(P(r, 1), P(r, 0));
}
void RoundRectRecord(MetafilePlayer& p, const RecordView& r) {
    p.RoundRect(P(r, 5), P(r, 4), P(r, 3), P(r, 2), P(r, 1), P(r, 0));
}
template <MetafilePlayer::ArcKind Kind> void ArcRecord(MetafilePlayer& p, const RecordView& r) {
    p.Arc(Kind, P(r, 7), P(r, 6), P(r, 5), P(r, 4), {P(r, 3), P(r, 2)}, {P(r, 1), P(r, 0)});
}
void PolygonRecord(MetafilePlayer& p, const RecordView& r) {
    p.Polygon(Points(r, kParams + 2, r.U16(kParams)));
}
void PolylineRecord(MetafilePlayer& p, const RecordView& r) {
    p.Polyline(Points(r, kParams + 2, r.U16(kParams)));
}
void PolyPolygonRecord(MetafilePlayer& p, const RecordView& r) {
    const std::size_t figures = r.U16(kParams);
    std::size_t at = kParams + 2 + figures * 2;
    for (std::size_t f = 0; f < figures; ++f) {
        const std::size_t count = r.U16(kParams + 2 + 2 * f);
        if (r.Short() || !r.Has(at, count * 4)) return;
        p.Polygon(Points(r, at, count));
        at += count * 4;
    }
}
void SetPixelRecord(MetafilePlayer& p, const RecordView& r) {
    p.SetPixel(P(r, 3), P(r, 2), r.U32(kParams));
}

template <MetafilePlayer::Pair Which> void PairRecord(MetafilePlayer& p, const RecordView& r) {
    p.SetPair(Which, P(r, 1), P(r, 0));
}
void OffsetWindowOrgRecord(MetafilePlayer& p, const RecordView& r) {
    p.OffsetWindowOrg(P(r, 1), P(r, 0));
}

// Colours are 32-bit parameters, modes 16-bit.
template <MetafilePlayer::State Which, bool Color = false>
void StateRecord(MetafilePlayer& p, const RecordView& r) {
    p.SetState(Which, Color ? r.U32(kParams) : r.U16(kParams));
}
void SaveDcRecord(MetafilePlayer& p, const RecordView&) {
    p.SaveDC();
}
void RestoreDcRecord(MetafilePlayer& p, const RecordView& r) {
    p.RestoreDC(static_cast<int>(P(r, 0)));
}

void SelectObjectRecord(MetafilePlayer& p, const RecordView& r) {
    p.SelectObject(r.U16(kParams));
}
void DeleteObjectRecord(MetafilePlayer& p, const RecordView& r) {
    p.DeleteObject(r.U16(kParams));
}

void CreatePenRecord(MetafilePlayer& p, const RecordView& r) {
    const std::uint32_t style = r.U16(kParams), color = r.U32(kParams + 6);
    p.AddObject(r.Short() ? nullptr : p.MakePen(style, P(r, 1), color));
}
void CreateBrushRecord(MetafilePlayer& p, const RecordView& r) {
    LOGBRUSH brush;
    brush.lbStyle = r.U16(kParams);
    brush.lbColor = r.U32(kParams + 2) & 0xFFFFFF;
    brush.lbHatch = r.U16(kParams + 6);
    if (brush.lbStyle != BS_SOLID && brush.lbStyle != BS_NULL && brush.lbStyle != BS_HATCHED)
        brush.lbStyle = BS_SOLID;
    p.AddObject(r.Short() ? nullptr : CreateBrushIndirect(&brush));
}
void CreateFontRecord(MetafilePlayer& p, const RecordView& r) {
    LOGFONT font;
    font.lfHeight = p.FontHeight(P(r, 0));
    font.lfWidth = p.FontWidth(P(r, 1));
    font.lfEscapement = static_cast<LONG>(P(r, 2));
    font.lfOrientation = static_cast<LONG>(P(r, 3));
    font.lfWeight = static_cast<LONG>(P(r, 4));
    font.lfItalic = static_cast<BYTE>(r.U8(16));
    font.lfUnderline = static_cast<BYTE>(r.U8(17));
    font.lfStrikeOut = static_cast<BYTE>(r.U8(18));
    font.lfCharSet = static_cast<BYTE>(r.U8(19));
    font.lfQuality = static_cast<BYTE>(r.U8(22));
    font.lfPitchAndFamily = static_cast<BYTE>(r.U8(23));
    std::string face;
    for (std::size_t i = 24; i < 24 + 32 && r.Has(i, 1) && r.U8(i) != 0; ++i) face.push_back(char(r.U8(i)));
    const std::string name = AnsiToUtf8(face);
    std::strncpy(font.lfFaceName, name.c_str(), sizeof font.lfFaceName - 1);
    p.AddObject(r.Short() ? nullptr : CreateFontIndirect(&font), font.lfCharSet);
}
void CreatePaletteRecord(MetafilePlayer& p, const RecordView& r) {
    const std::size_t count = r.U16(kParams + 2);
    if (count == 0 || !r.Has(kParams + 4, count * 4)) {
        p.AddObject(nullptr);
        return;
    }
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* palette = new (buffer.data()) LOGPALETTE;
    palette->palNumEntries = static_cast<WORD>(count);
    std::memcpy(palette->palPalEntry, r.Data() + kParams + 4, count * 4);
    p.AddObject(CreatePalette(palette));
}
// Objects this player does not make still take their slot, so that the indexes after them stay right.
void PlaceholderRecord(MetafilePlayer& p, const RecordView&) {
    p.AddObject(nullptr);
}
void RealizePaletteRecord(MetafilePlayer& p, const RecordView&) {
    RealizePalette(p.Dc());
}

void TextOutRecord(MetafilePlayer& p, const RecordView& r) {
    const std::size_t count = r.U16(kParams), padded = (count + 1) & ~std::size_t(1);
    if (!r.Has(kParams + 2, padded + 4)) return;
    const double y = r.I16(kParams + 2 + padded), x = r.I16(kParams + 4 + padded);
    p.Text(x, y, 0, nullptr, TextOf(p, r.Data() + kParams + 2, count), {});
}
void ExtTextOutRecord(MetafilePlayer& p, const RecordView& r) {
    const double y = P(r, 0), x = P(r, 1);
    const std::size_t count = r.U16(kParams + 4);
    const UINT options = r.U16(kParams + 6);
    const bool hasRect = (options & (ETO_OPAQUE | ETO_CLIPPED)) != 0;
    const RECT clip{r.I16(kParams + 8), r.I16(kParams + 10), r.I16(kParams + 12), r.I16(kParams + 14)};
    const std::size_t text = kParams + 8 + (hasRect ? 8 : 0), padded = (count + 1) & ~std::size_t(1);
    if (r.Short() || !r.Has(text, count)) return;
    std::vector<double> dx;
    if (r.Has(text + padded, count * 2))
        for (std::size_t i = 0; i < count; ++i) dx.push_back(r.I16(text + padded + 2 * i));
    const std::string utf8 = TextOf(p, r.Data() + text, count);
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++characters) DecodeUtf8(utf8, pos);
    // The advances count bytes; a double-byte character's two are one advance here.
    if (characters != count) dx.clear();
    p.Text(x, y, options, hasRect ? &clip : nullptr, utf8, dx);
}

// The size of the BITMAPINFO at at (header, masks, colour table), or 0 when it is not whole.
std::size_t DibInfoSize(const RecordView& r, std::size_t at, UINT usage) {
    const std::uint32_t headerSize = r.U32(at);
    if (headerSize == 12) {
        const std::uint32_t bits = r.U16(at + 10);
        return 12 + (bits <= 8 ? (std::size_t(1) << bits) * 3 : 0);
    }
    if (headerSize < 40 || headerSize > 124) return 0;
    const std::uint32_t bits = r.U16(at + 14), compression = r.U32(at + 16), used = r.U32(at + 32);
    std::size_t size = headerSize + (headerSize == 40 && compression == BI_BITFIELDS ? 12 : 0);
    const std::size_t colors =
        used != 0 ? std::min<std::size_t>(used, 256) : (bits <= 8 ? std::size_t(1) << bits : 0);
    size += colors * (usage == DIB_PAL_COLORS ? 2 : 4);
    return r.Short() || !r.Has(at, size) ? 0 : size;
}

void DrawDib(MetafilePlayer& p, const RecordView& r, const RECT& dest, int xs, int ys, int ws, int hs,
             std::size_t at, UINT usage, DWORD rop) {
    const std::size_t info = DibInfoSize(r, at, usage);
    if (info == 0) return;
    p.StretchDib(dest, xs, ys, ws, hs, r.Data() + at, info, r.Data() + at + info, r.Size() - at - info, usage,
                 rop);
}

RECT Dest(const MetafilePlayer& p, double x, double y, double w, double h) {
    return p.MapRect(x, y, x + w, y + h);
}

void StretchDibRecord(MetafilePlayer& p, const RecordView& r) {
    const RECT dest = Dest(p, P(r, 10), P(r, 9), P(r, 8), P(r, 7));
    DrawDib(p, r, dest, int(P(r, 6)), int(P(r, 5)), int(P(r, 4)), int(P(r, 3)), kParams + 22,
            r.U16(kParams + 4), r.U32(kParams));
}
// The bit-block records come in two shapes: with a bitmap, or (one word longer, no bitmap) a pattern fill.
void DibStretchBltRecord(MetafilePlayer& p, const RecordView& r) {
    const DWORD rop = r.U32(kParams);
    if (r.Size() == 14 * 2) {
        p.PatBlt(Dest(p, P(r, 10), P(r, 9), P(r, 8), P(r, 7)), rop);
        return;
    }
    const RECT dest = Dest(p, P(r, 9), P(r, 8), P(r, 7), P(r, 6));
    DrawDib(p, r, dest, int(P(r, 5)), int(P(r, 4)), int(P(r, 3)), int(P(r, 2)), kParams + 20, DIB_RGB_COLORS,
            rop);
}
void DibBitBltRecord(MetafilePlayer& p, const RecordView& r) {
    const DWORD rop = r.U32(kParams);
    if (r.Size() == 12 * 2) {
        p.PatBlt(Dest(p, P(r, 8), P(r, 7), P(r, 6), P(r, 5)), rop);
        return;
    }
    const double w = P(r, 5), h = P(r, 4);
    DrawDib(p, r, Dest(p, P(r, 7), P(r, 6), w, h), int(P(r, 3)), int(P(r, 2)), int(w), int(h), kParams + 16,
            DIB_RGB_COLORS, rop);
}
void SetDibToDevRecord(MetafilePlayer& p, const RecordView& r) {
    const double w = P(r, 6), h = P(r, 5);
    DrawDib(p, r, Dest(p, P(r, 8), P(r, 7), w, h), int(P(r, 4)), int(P(r, 3)), int(w), int(h), kParams + 18,
            r.U16(kParams), SRCCOPY);
}
void PatBltRecord(MetafilePlayer& p, const RecordView& r) {
    p.PatBlt(Dest(p, P(r, 5), P(r, 4), P(r, 3), P(r, 2)), r.U32(kParams));
}

struct Entry {
    std::uint16_t function = 0;
    Handler handler = nullptr;
};

// Indexed by the function's low byte, which tells the kinds apart; the whole number is checked too.
constexpr std::array<Entry, 256> MakeTable() {
    using A = MetafilePlayer::ArcKind;
    using S = MetafilePlayer::State;
    std::array<Entry, 256> t{};
    const Entry entries[] = {
        {0x0201, StateRecord<S::BkColor, true>},
        {0x0102, StateRecord<S::BkMode>},
        {0x0104, StateRecord<S::Rop2>},
        {0x0106, StateRecord<S::PolyFillMode>},
        {0x0107, StateRecord<S::StretchMode>},
        {0x0209, StateRecord<S::TextColor, true>},
        {0x020B, PairRecord<MetafilePlayer::Pair::WindowOrg>},
        {0x020C, PairRecord<MetafilePlayer::Pair::WindowExt>},
        {0x020F, OffsetWindowOrgRecord},
        {0x0213, PointRecord<&MetafilePlayer::LineTo>},
        {0x0214, PointRecord<&MetafilePlayer::MoveTo>},
        {0x0415, BoxRecord<&MetafilePlayer::ExcludeClip>},
        {0x0416, BoxRecord<&MetafilePlayer::IntersectClip>},
        {0x0817, ArcRecord<A::Arc>},
        {0x0418, BoxRecord<&MetafilePlayer::Ellipse>},
        {0x081A, ArcRecord<A::Pie>},
        {0x041B, BoxRecord<&MetafilePlayer::Rectangle>},
        {0x061C, RoundRectRecord},
        {0x061D, PatBltRecord},
        {0x001E, SaveDcRecord},
        {0x041F, SetPixelRecord},
        {0x0521, TextOutRecord},
        {0x0324, PolygonRecord},
        {0x0325, PolylineRecord},
        {0x0127, RestoreDcRecord},
        {0x0830, ArcRecord<A::Chord>},
        {0x0538, PolyPolygonRecord},
        {0x012E, StateRecord<S::TextAlign>},
        {0x012D, SelectObjectRecord},
        {0x0234, SelectObjectRecord},
        {0x00F7, CreatePaletteRecord},
        {0x0035, RealizePaletteRecord},
        {0x01F0, DeleteObjectRecord},
        {0x02FA, CreatePenRecord},
        {0x02FB, CreateFontRecord},
        {0x02FC, CreateBrushRecord},
        {0x0940, DibBitBltRecord},
        {0x0B41, DibStretchBltRecord},
        {0x0F43, StretchDibRecord},
        {0x0D33, SetDibToDevRecord},
        {0x0A32, ExtTextOutRecord},
        {0x0142, PlaceholderRecord},
        {0x01F9, PlaceholderRecord},
        {0x06FF, PlaceholderRecord},
        {0x00F8, PlaceholderRecord},
    };
    for (const Entry& e : entries) t[e.function & 0xFF] = e;
    return t;
}

constexpr std::array<Entry, 256> kHandlers = MakeTable();

} // namespace

void PlayOldStyleRecords(HDC hdc, const std::vector<BYTE>& data, const RECT& rect, double width,
                         double height) {
    const RecordView header(data.data(), data.size());
    // Without a picture size, a logical unit is a pixel of the target.
    if (width <= 0 || height <= 0) {
        width = std::max<LONG>(1, rect.right - rect.left);
        height = std::max<LONG>(1, rect.bottom - rect.top);
    }
    MetafilePlayer player(hdc, rect, 0, 0, width, height, header.U16(10));
    player.SetMapMode(MM_ANISOTROPIC);
    player.SetPair(MetafilePlayer::Pair::ViewportExt, width, height);
    player.SetPair(MetafilePlayer::Pair::WindowExt, width, height);
    std::size_t at = std::size_t(header.U16(2)) * 2;
    if (at < kHeaderSize) return;
    while (at + kParams <= data.size()) {
        const RecordView head(data.data() + at, data.size() - at);
        const std::uint64_t size = std::uint64_t(head.U32(0)) * 2;
        const std::uint32_t function = head.U16(4);
        if (size < kParams || size > data.size() - at || function == 0) break;
        const Entry& entry = kHandlers[function & 0xFF];
        if (entry.handler && entry.function == function)
            entry.handler(player, RecordView(data.data() + at, static_cast<std::size_t>(size)));
        at += static_cast<std::size_t>(size);
    }
}

} // namespace win
