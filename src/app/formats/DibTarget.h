// The 24-bit top-down bitmap a picture library decodes into, within the bounds every decoder shares, and the
// composition of transparent pixels over white.
#pragma once

#include "platform/gdi/Owners.h"
#include "platform/win/gdi_types.h"

#include <cstdint>

namespace gl {

// The most pixels a decoded picture may have: a 16384 x 16384 picture, 768 MiB at three bytes a pixel.
inline constexpr std::uint64_t kDefaultMaxPicturePixels = std::uint64_t(1) << 28;
std::uint64_t MaxPicturePixels();
// Fuzzing lowers the bound, so that a few bytes cannot keep it busy with a giant picture.
void SetMaxPicturePixels(std::uint64_t value);

// EInvalidGraphic "<kind> image is not valid"; `kind` is "PNG", "JPEG", "GIF" or "WebP".
[[noreturn]] void InvalidPicture(const char* kind);
// Raises EInvalidGraphic "<kind> image is too large (W x H pixels)" unless the size is within the bound;
// an empty size is invalid.
void CheckPictureSize(const char* kind, std::uint64_t width, std::uint64_t height);
// As CheckPictureSize, and "<kind> image is not valid" when the file is too small to describe that many
// pixels: beyond kUnbackedPicturePixels (16 Mi), each byte of the file may stand for at most `pixelsPerByte`
// of them (the most the format's compression can give). A damaged or made-up header is refused before its
// bitmap is allocated.
void CheckPictureBacked(const char* kind, std::uint64_t width, std::uint64_t height, std::uint64_t fileBytes,
                        std::uint64_t pixelsPerByte);

// A DIB section of 24 bits a pixel, rows top first, owned until handed over.
class TDibTarget {
public:
    // Checks the size first (CheckPictureSize); a picture the platform has no memory for fails with its
    // error.
    TDibTarget(const char* kind, int width, int height);
    TDibTarget(TDibTarget&& other) noexcept;
    TDibTarget& operator=(TDibTarget&&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Stride() const { return m_stride; }
    std::uint8_t* Row(int y) { return m_bits + static_cast<std::ptrdiff_t>(y) * m_stride; }
    // Hands the bitmap over; the target no longer deletes it.
    win::HBITMAP Release();

private:
    win::UniqueBitmap m_handle;
    std::uint8_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
};

// Writes `width` pixels of blue, green, red, alpha as blue, green, red over a white background.
void ComposeOverWhite(const std::uint8_t* bgra, std::uint8_t* bgr, int width);

} // namespace gl
