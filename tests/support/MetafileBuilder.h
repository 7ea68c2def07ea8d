// Metafiles written record by record for the tests: enhanced ones, and placeable old-style ones.
#pragma once

#include "support/BmpWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gl::bmptest {

// A bottom-up 24-bit device-independent bitmap (header and pixels), colours as 0x00BBGGRR rows from the top.
struct SmallDib {
    std::string info; // the 40-byte header
    std::string bits;
};
SmallDib Dib24(int width, int height, const std::vector<std::uint32_t>& topDownColors);

class EmfBuilder {
public:
    // The records after the header; sizes and the record count are filled in by Finish.
    EmfBuilder& Record(std::uint32_t type, const Bytes& parameters);
    EmfBuilder& SelectObject(std::uint32_t index) { return Record(37, Bytes().U32(index)); }
    EmfBuilder& DeleteObject(std::uint32_t index) { return Record(40, Bytes().U32(index)); }
    EmfBuilder& CreatePen(std::uint32_t index, std::uint32_t style, int width, std::uint32_t color);
    EmfBuilder& CreateBrush(std::uint32_t index, std::uint32_t color);
    EmfBuilder& CreateFont(std::uint32_t index, int height, const std::u16string& face);
    EmfBuilder& Box(std::uint32_t type, int left, int top, int right, int bottom);
    EmfBuilder& Text(int x, int y, std::uint32_t options, int left, int top, int right, int bottom,
                     const std::u16string& text);
    EmfBuilder& StretchDib(int x, int y, int width, int height, const SmallDib& dib);
    // The whole metafile: a frame in hundredths of a millimetre on a 96-dots-per-inch reference device.
    std::string Finish(int frameWidth, int frameHeight, std::uint16_t handles) const;

private:
    std::string m_records;
    std::uint32_t m_count = 0;
};

class WmfBuilder {
public:
    WmfBuilder& Record(std::uint16_t function, const Bytes& parameters);
    WmfBuilder& Words(std::uint16_t function, std::initializer_list<int> words);
    WmfBuilder& CreatePen(std::uint16_t style, int width, std::uint32_t color);
    WmfBuilder& CreateBrush(std::uint16_t style, std::uint32_t color);
    WmfBuilder& CreateFont(int height, const std::string& face);
    WmfBuilder& ExtTextOut(int x, int y, std::uint16_t options, int left, int top, int right, int bottom,
                           const std::string& text);
    WmfBuilder& StretchDib(int x, int y, int width, int height, const SmallDib& dib);
    // A placeable metafile whose bounding box is (0, 0, boxWidth, boxHeight) in `inch` units per inch.
    std::string Finish(int boxWidth, int boxHeight, int inch, std::uint16_t objects) const;

private:
    std::string m_records;
    std::uint32_t m_largest = 0;
};

} // namespace gl::bmptest
