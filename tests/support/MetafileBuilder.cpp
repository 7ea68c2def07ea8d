// Metafiles written record by record for the tests.
#include "MetafileBuilder.h"

namespace gl::bmptest {

namespace {

void PadTo4(std::string& bytes) {
    while (bytes.size() % 4 != 0) bytes.push_back('\0');
}

} // namespace

SmallDib Dib24(int width, int height, const std::vector<std::uint32_t>& topDownColors) {
    const int stride = (width * 3 + 3) / 4 * 4;
    Bytes info;
    info.U32(40).I32(width).I32(height).U16(1).U16(24).U32(0).U32(std::uint32_t(stride * height));
    info.I32(0).I32(0).U32(0).U32(0);
    Bytes bits;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = topDownColors[std::size_t(y * width + x)];
            bits.U8(c >> 16).U8(c >> 8).U8(c); // blue, green, red
        }
        bits.Fill(std::size_t(stride - width * 3), 0);
    }
    return {info.Data(), bits.Data()};
}

EmfBuilder& EmfBuilder::Record(std::uint32_t type, const Bytes& parameters) {
    std::string body = parameters.Data();
    PadTo4(body);
    m_records += Bytes().U32(type).U32(std::uint32_t(8 + body.size())).Data() + body;
    ++m_count;
    return *this;
}

EmfBuilder& EmfBuilder::CreatePen(std::uint32_t index, std::uint32_t style, int width, std::uint32_t color) {
    return Record(38, Bytes().U32(index).U32(style).I32(width).I32(0).U32(color));
}

EmfBuilder& EmfBuilder::CreateBrush(std::uint32_t index, std::uint32_t color) {
    return Record(39, Bytes().U32(index).U32(0).U32(color).U32(0));
}

EmfBuilder& EmfBuilder::CreateFont(std::uint32_t index, int height, const std::u16string& face) {
    Bytes font;
    font.U32(index).I32(height).I32(0).I32(0).I32(0).I32(400); // height, width, angles, weight
    font.U8(0).U8(0).U8(0).U8(134).U8(0).U8(0).U8(0).U8(0);    // styles, character set, precision, quality
    for (std::size_t i = 0; i < 32; ++i) font.U16(i < face.size() ? face[i] : 0);
    return Record(82, font);
}

EmfBuilder& EmfBuilder::Box(std::uint32_t type, int left, int top, int right, int bottom) {
    return Record(type, Bytes().I32(left).I32(top).I32(right).I32(bottom));
}

EmfBuilder& EmfBuilder::Text(int x, int y, std::uint32_t options, int left, int top, int right, int bottom,
                             const std::u16string& text) {
    Bytes r;
    r.I32(left).I32(top).I32(right).I32(bottom).U32(1).U32(0).U32(0); // bounds, mode, scales
    const std::uint32_t textAt = 76;
    r.I32(x).I32(y).U32(std::uint32_t(text.size())).U32(textAt).U32(options);
    r.I32(left).I32(top).I32(right).I32(bottom).U32(0); // rectangle, no advances
    for (char16_t c : text) r.U16(c);
    return Record(84, r);
}

EmfBuilder& EmfBuilder::StretchDib(int x, int y, int width, int height, const SmallDib& dib) {
    Bytes r;
    const int w = static_cast<unsigned char>(dib.info[4]), h = static_cast<unsigned char>(dib.info[8]);
    r.I32(x).I32(y).I32(x + width).I32(y + height); // bounds
    r.I32(x).I32(y).I32(0).I32(0).I32(w).I32(h);    // destination, source rectangle
    r.U32(80).U32(std::uint32_t(dib.info.size())).U32(std::uint32_t(80 + dib.info.size()));
    r.U32(std::uint32_t(dib.bits.size())).U32(0).U32(0x00CC0020).I32(width).I32(height);
    r.Raw(dib.info).Raw(dib.bits);
    return Record(81, r);
}

std::string EmfBuilder::Finish(int frameWidth, int frameHeight, std::uint16_t handles) const {
    const std::uint32_t headerSize = 108, eofSize = 20;
    const auto total = std::uint32_t(headerSize + m_records.size() + eofSize);
    Bytes header;
    header.U32(1).U32(headerSize);
    header.I32(0).I32(0).I32(frameWidth * 96 / 2540).I32(frameHeight * 96 / 2540);
    header.I32(0).I32(0).I32(frameWidth).I32(frameHeight);
    header.U32(0x464D4520).U32(0x10000).U32(total);
    header.U32(m_count + 2).U16(handles).U16(0);
    header.U32(0).U32(0).U32(0);
    header.I32(480).I32(480).I32(127).I32(127); // exactly 96 pixels per inch
    header.Fill(headerSize - header.Size(), 0);
    return header.Data() + m_records + Bytes().U32(14).U32(eofSize).U32(0).U32(16).U32(eofSize).Data();
}

WmfBuilder& WmfBuilder::Record(std::uint16_t function, const Bytes& parameters) {
    std::string body = parameters.Data();
    if (body.size() % 2) body.push_back('\0');
    const auto words = std::uint32_t(3 + body.size() / 2);
    m_records += Bytes().U32(words).U16(function).Data() + body;
    m_largest = std::max(m_largest, words);
    return *this;
}

WmfBuilder& WmfBuilder::Words(std::uint16_t function, std::initializer_list<int> words) {
    Bytes b;
    for (int w : words) b.U16(static_cast<std::uint32_t>(w));
    return Record(function, b);
}

WmfBuilder& WmfBuilder::CreatePen(std::uint16_t style, int width, std::uint32_t color) {
    return Record(0x02FA, Bytes().U16(style).U16(std::uint32_t(width)).U16(0).U32(color));
}

WmfBuilder& WmfBuilder::CreateBrush(std::uint16_t style, std::uint32_t color) {
    return Record(0x02FC, Bytes().U16(style).U32(color).U16(0));
}

WmfBuilder& WmfBuilder::CreateFont(int height, const std::string& face) {
    Bytes font;
    font.U16(std::uint32_t(height)).U16(0).U16(0).U16(0).U16(400);
    font.U8(0).U8(0).U8(0).U8(134).U8(0).U8(0).U8(0).U8(0);
    font.Raw(face).U8(0);
    return Record(0x02FB, font);
}

WmfBuilder& WmfBuilder::ExtTextOut(int x, int y, std::uint16_t options, int left, int top, int right,
                                   int bottom, const std::string& text) {
    Bytes r;
    r.U16(std::uint32_t(y)).U16(std::uint32_t(x)).U16(std::uint32_t(text.size())).U16(options);
    r.U16(std::uint32_t(left)).U16(std::uint32_t(top)).U16(std::uint32_t(right)).U16(std::uint32_t(bottom));
    r.Raw(text);
    return Record(0x0A32, r);
}

WmfBuilder& WmfBuilder::StretchDib(int x, int y, int width, int height, const SmallDib& dib) {
    const int w = static_cast<unsigned char>(dib.info[4]), h = static_cast<unsigned char>(dib.info[8]);
    Bytes r;
    r.U32(0x00CC0020).U16(0);                                    // source copy, RGB colours
    r.U16(std::uint32_t(h)).U16(std::uint32_t(w)).U16(0).U16(0); // source
    r.U16(std::uint32_t(height)).U16(std::uint32_t(width)).U16(std::uint32_t(y)).U16(std::uint32_t(x));
    r.Raw(dib.info).Raw(dib.bits);
    return Record(0x0F43, r);
}

std::string WmfBuilder::Finish(int boxWidth, int boxHeight, int inch, std::uint16_t objects) const {
    Bytes key;
    key.U32(0x9AC6CDD7).U16(0).U16(0).U16(0).U16(std::uint32_t(boxWidth)).U16(std::uint32_t(boxHeight));
    key.U16(std::uint32_t(inch)).U32(0);
    std::uint32_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= static_cast<std::uint8_t>(key.Data()[2 * i]) |
               (std::uint32_t(static_cast<std::uint8_t>(key.Data()[2 * i + 1])) << 8);
    key.U16(sum);
    const auto words = std::uint32_t(9 + m_records.size() / 2 + 3);
    Bytes header;
    header.U16(1).U16(9).U16(0x300).U32(words).U16(objects).U32(m_largest).U16(0);
    return key.Data() + header.Data() + m_records + Bytes().U32(3).U16(0).Data();
}

} // namespace gl::bmptest
