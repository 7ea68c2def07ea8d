// What playing either kind of metafile shares: the reader of little-endian record fields, the mapping from
// the metafile's logical units to the target rectangle, the object table, saved states, and the drawing
// steps that several records come down to (arcs, text, device-independent bitmaps, clipping).
#pragma once

#include "platform/win/gdi_types.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace win {

// A record's bytes; every read past the end gives 0 and marks the view short, so a record that does not hold
// what it names is noticed once, after its fields are read.
class RecordView {
public:
    RecordView(const BYTE* data, std::size_t size) : m_data(data), m_size(size) {}
    std::size_t Size() const { return m_size; }
    const BYTE* Data() const { return m_data; }
    bool Has(std::size_t offset, std::size_t bytes) const {
        return offset <= m_size && bytes <= m_size - offset;
    }
    std::uint32_t U8(std::size_t offset) const;
    std::uint32_t U16(std::size_t offset) const;
    std::int32_t I16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
    std::uint32_t U32(std::size_t offset) const;
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    float F32(std::size_t offset) const;
    bool Short() const { return m_short; }

private:
    const BYTE* m_data;
    std::size_t m_size;
    mutable bool m_short = false;
};

// A point or length in the metafile's logical units.
struct LogicalPoint {
    double x = 0;
    double y = 0;
};

class MetafilePlayer {
public:
    // frame: the picture's extent in the reference space (after the metafile's own mapping), mapped onto
    // rect of the context. objects: the size of the metafile's object table.
    MetafilePlayer(HDC hdc, const RECT& rect, double frameLeft, double frameTop, double frameWidth,
                   double frameHeight, std::size_t objects);
    ~MetafilePlayer();
    MetafilePlayer(const MetafilePlayer&) = delete;
    MetafilePlayer& operator=(const MetafilePlayer&) = delete;

    HDC Dc() const { return m_hdc; }

    // The metafile's own mapping (window and viewport, mapping mode, world transform); an extent of 0 is
    // passed over.
    enum class Pair { WindowOrg, WindowExt, ViewportOrg, ViewportExt };
    void SetMapMode(int mode);
    void SetPair(Pair which, double x, double y);
    void OffsetWindowOrg(double dx, double dy);
    // The context's modes and colours that records set with one value.
    enum class State { BkMode, PolyFillMode, Rop2, StretchMode, TextAlign, TextColor, BkColor };
    void SetState(State which, std::uint32_t value);
    // Reference-device pixels per millimetre, for the metric mapping modes.
    void SetReferenceDensity(double xPerMm, double yPerMm);
    // m = {m11, m12, m21, m22, dx, dy}; mode 1: identity, 2: left-multiply, 3: right-multiply, 4: set.
    void SetWorldTransform(const double m[6]);
    void ModifyWorldTransform(const double m[6], int mode);

    POINT Map(double x, double y) const;
    std::vector<POINT> Map(const std::vector<LogicalPoint>& points) const;
    RECT MapRect(double left, double top, double right, double bottom) const;
    // A length along x or y in device pixels (magnitude only).
    double ScaleX(double length) const;
    double ScaleY(double length) const;
    // A pen of the metafile's style and width: 0 is one pixel whatever the scale, others follow the mapping.
    HPEN MakePen(UINT style, double width, COLORREF color) const;
    // A font's height (its sign, cell or character height, kept; never rounded to 0) and width in pixels.
    LONG FontHeight(double height) const;
    LONG FontWidth(double width) const;

    // The object table: indexes from the records, checked against its size.
    bool PutObject(std::size_t index, HGDIOBJ object, BYTE charSet = 0);
    // The first free slot (old-style metafiles fill slots in order); false when the table is full.
    bool AddObject(HGDIOBJ object, BYTE charSet = 0);
    void SelectObject(std::size_t index);
    void SelectStockObject(int stock);
    void DeleteObject(std::size_t index);
    BYTE FontCharSet() const { return m_map.fontCharSet; }

    void SaveDC();
    void RestoreDC(int relative);

    void IntersectClip(double left, double top, double right, double bottom);
    void ExcludeClip(double left, double top, double right, double bottom);
    // Rectangles in logical units; an empty list with RGN_COPY takes the metafile's clipping away.
    void SelectClipRects(const std::vector<RECT>& rects, int mode);

    void Polyline(const std::vector<LogicalPoint>& points);
    void PolylineTo(const std::vector<LogicalPoint>& points);
    void Polygon(const std::vector<LogicalPoint>& points);
    // Cubic pieces: the start point then three points per piece.
    static std::vector<LogicalPoint> FlattenBezier(const std::vector<LogicalPoint>& points);
    LogicalPoint Current() const { return m_map.current; }
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void Rectangle(double left, double top, double right, double bottom);
    void Ellipse(double left, double top, double right, double bottom);
    void RoundRect(double left, double top, double right, double bottom, double width, double height);
    enum class ArcKind { Arc, Chord, Pie };
    void Arc(ArcKind kind, double left, double top, double right, double bottom, LogicalPoint start,
             LogicalPoint end);
    void SetPixel(double x, double y, COLORREF color);

    // text is UTF-8; dx (logical, one per character) is used when it has one advance per character.
    void Text(double x, double y, UINT options, const RECT* clip, const std::string& text,
              const std::vector<double>& dx);

    // A device-independent bitmap from a record: info and bits point into the record and are checked against
    // their sizes; ySrc counts from the bottom row of a bottom-up bitmap, as the drawing calls count it.
    void StretchDib(const RECT& dest, int xSrc, int ySrc, int wSrc, int hSrc, const BYTE* info,
                    std::size_t infoSize, const BYTE* bits, std::size_t bitsSize, UINT usage, DWORD rop);
    void PatBlt(const RECT& dest, DWORD rop);

private:
    struct Mapping {
        int mode = 1;
        double winX = 0, winY = 0, winCx = 1, winCy = 1;
        double vpX = 0, vpY = 0, vpCx = 1, vpCy = 1;
        double world[6] = {1, 0, 0, 1, 0, 0};
        BYTE fontCharSet = 0;
        LogicalPoint current; // the current position in the metafile's units
    };
    void PageScale(double& sx, double& sy) const;
    void ApplyClip(HRGN region, int mode);

    HDC m_hdc;
    RECT m_rect;
    double m_frameLeft, m_frameTop, m_frameWidth, m_frameHeight;
    double m_xPerMm = 96 / 25.4, m_yPerMm = 96 / 25.4;
    Mapping m_map;
    std::vector<Mapping> m_saved;
    int m_savedDc = 0;
    HRGN m_baseClip = nullptr; // the context's clipping before playing (null: none)
    std::vector<HGDIOBJ> m_objects;
    std::vector<BYTE> m_charSets;
    std::vector<HGDIOBJ> m_pending; // deleted by the metafile while a saved state still held them
};

} // namespace win
