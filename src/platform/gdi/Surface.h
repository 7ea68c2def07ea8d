// Pixel storage behind every bitmap and window: a device-independent layout of 1, 4, 8, 16, 24 or 32 bits per
// pixel with its colour table or bit-field masks. All drawing ends here; the fast paths of blits work on
// rows.
#pragma once

#include "platform/win/gdi_types.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace win {

class Surface {
public:
    // Makes a surface; fails (returns null) when the size is not positive or the pixel data could not be held
    // (more than kMaxBytes). bitCount is 1, 4, 8, 16, 24 or 32. masks are used for 16 and 32 bits when
    // bitFields is true (red, green, blue); otherwise 16 bits is 5-5-5 and 32 bits is 8-8-8.
    // The pixels start as zero bytes (index 0, or black).
    static std::unique_ptr<Surface> Create(int width, int height, int bitCount, bool topDown = false,
                                           bool bitFields = false, const DWORD* masks = nullptr);

    static constexpr std::size_t kMaxBytes = std::size_t(1) << 31;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitCount() const { return m_bitCount; }
    bool TopDown() const { return m_topDown; }
    bool BitFields() const { return m_bitFields; }
    const DWORD* Masks() const { return m_masks; }
    int Stride() const { return m_stride; } // bytes per row, padded to 32 bits
    std::size_t ByteSize() const {
        return static_cast<std::size_t>(m_stride) * static_cast<std::size_t>(m_height);
    }

    // The bits as the platform hands them out (bottom-up rows unless TopDown).
    BYTE* Bits() { return m_bits.get(); }
    const BYTE* Bits() const { return m_bits.get(); }
    // Row y counted from the top of the picture, whatever the storage order.
    BYTE* Row(int y) { return m_firstRow + y * m_rowStep; }
    const BYTE* Row(int y) const { return m_firstRow + y * m_rowStep; }

    // Colour table (palette formats only; 2, 16 or 256 entries at most).
    bool HasColorTable() const { return m_bitCount <= 8; }
    const std::vector<RGBQUAD>& ColorTable() const { return m_colorTable; }
    void SetColorTable(const std::vector<RGBQUAD>& table);
    // The same table as 0x00BBGGRR colours, so that reading a pixel is one lookup.
    const COLORREF* TableColors() const { return m_tableColors.data(); }

    // Pixel access without bounds checks (callers clip first). GetPixel gives 0x00BBGGRR.
    COLORREF GetPixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);       // palette formats: the nearest table entry
    void SetPixelIndex(int x, int y, std::uint32_t v); // raw value: table index or packed pixel
    std::uint32_t GetPixelIndex(int x, int y) const;

    // The table entry nearest to a colour by RGB distance; ties go to the lower index.
    std::uint32_t NearestIndex(COLORREF color) const;
    // The raw value that represents a colour in this surface (nearest index, or the packed pixel).
    std::uint32_t Encode(COLORREF color) const;
    COLORREF Decode(std::uint32_t raw) const;

    // Fills a rectangle (already clipped to the surface) with one colour.
    void Fill(const RECT& r, COLORREF color);

private:
    Surface() = default;

    int m_width = 0;
    int m_height = 0;
    int m_bitCount = 32;
    bool m_topDown = false;
    bool m_bitFields = false;
    DWORD m_masks[3] = {0, 0, 0};
    int m_stride = 0;
    // From calloc: fresh memory of whole pictures is zero already and is not written twice.
    struct FreeBits {
        void operator()(BYTE* bits) const { std::free(bits); }
    };
    std::unique_ptr<BYTE[], FreeBits> m_bits;
    BYTE* m_firstRow = nullptr;   // the top row of the picture
    std::ptrdiff_t m_rowStep = 0; // from one picture row to the next: negative for bottom-up storage
    std::vector<RGBQUAD> m_colorTable;
    std::vector<COLORREF> m_tableColors;
};

} // namespace win
