// The decoders' shared target bitmap and bounds.
#include "app/formats/DibTarget.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/OSErrors.h"
#include "framework/graphics/GraphicsSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Objects.h"
#include "platform/system/LastError.h"

#include <utility>

namespace gl {

namespace {

std::uint64_t g_maxPixels = kDefaultMaxPicturePixels;

} // namespace

std::uint64_t MaxPicturePixels() {
    return g_maxPixels;
}

void SetMaxPicturePixels(std::uint64_t value) {
    g_maxPixels = value;
}

void InvalidPicture(const char* kind) {
    throw EInvalidGraphic(Format("%s image is not valid", kind));
}

void CheckPictureSize(const char* kind, std::uint64_t width, std::uint64_t height) {
    if (width == 0 || height == 0) InvalidPicture(kind);
    // Each side is checked on its own first, so that the product cannot wrap.
    const std::uint64_t limit = MaxPicturePixels();
    if (width > limit || height > limit || width * height > limit)
        throw EInvalidGraphic(Format("%s image is too large (%s x %s pixels)", kind, std::to_string(width),
                                     std::to_string(height)));
}

void CheckPictureBacked(const char* kind, std::uint64_t width, std::uint64_t height, std::uint64_t fileBytes,
                        std::uint64_t pixelsPerByte) {
    CheckPictureSize(kind, width, height);
    // Both factors are at most 2^28 by now, so the products stay far below 2^64 for any real file size.
    const std::uint64_t pixels = width * height;
    if (pixels > kUnbackedPicturePixels && (pixels - kUnbackedPicturePixels) / pixelsPerByte >= fileBytes)
        InvalidPicture(kind);
}

TDibTarget::TDibTarget(const char* kind, int width, int height) : m_width(width), m_height(height) {
    CheckPictureSize(kind, width > 0 ? static_cast<std::uint64_t>(width) : 0,
                     height > 0 ? static_cast<std::uint64_t>(height) : 0);
    win::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(win::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows top first, as the libraries deliver them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = win::BI_RGB;
    void* bits = nullptr;
    win::SetLastError(0);
    {
        ScreenDC screen;
        m_handle.Reset(win::CreateDIBSection(screen, &info, win::DIB_RGB_COLORS, &bits, nullptr, 0));
    }
    if (!m_handle || !bits) {
        m_handle.Reset();
        const win::DWORD code = win::GetLastError();
        RaiseLastOSError(code != 0 ? code : win::ERROR_NOT_ENOUGH_MEMORY);
    }
    m_bits = static_cast<std::uint8_t*>(bits);
    m_stride = (width * 3 + 3) & ~3;
}

TDibTarget::TDibTarget(TDibTarget&& other) noexcept
    : m_handle(std::move(other.m_handle)), m_bits(std::exchange(other.m_bits, nullptr)),
      m_width(other.m_width), m_height(other.m_height), m_stride(other.m_stride) {}

win::HBITMAP TDibTarget::Release() {
    m_bits = nullptr;
    return m_handle.Release();
}

void ComposeOverWhite(const std::uint8_t* bgra, std::uint8_t* bgr, int width) {
    for (int x = 0; x < width; ++x, bgra += 4, bgr += 3) {
        const unsigned alpha = bgra[3], rest = 255 - alpha;
        for (int c = 0; c < 3; ++c)
            bgr[c] = static_cast<std::uint8_t>((bgra[c] * alpha + 255 * rest + 127) / 255);
    }
}

} // namespace gl
