// Small pieces the graphics code shares: contexts of the screen and memory contexts that give themselves
// back, and the invalid-graphic errors.
#pragma once

#include "platform/gdi/Owners.h"
#include "platform/win/gdi_types.h"

#include <cstdint>
#include <optional>

namespace gl {

// How many pixels of a picture file may stand for no data at all (background, skipped runs): beyond these,
// each byte of the file must be able to describe its share of the picture, so that a few bytes claiming a
// gigantic picture are refused instead of allocated.
inline constexpr std::uint64_t kUnbackedPicturePixels = std::uint64_t(16) << 20;

// EInvalidGraphic with a message of the table ("Bitmap image is not valid", ...).
[[noreturn]] void InvalidGraphic(const char* message);
[[noreturn]] void InvalidBitmap();

// The screen's context, released at the end of the scope; EOutOfResources when there is none.
class ScreenDC {
public:
    ScreenDC();
    operator win::HDC() const { return m_dc.Get(); }

private:
    win::WindowDC m_dc;
};

// A memory context compatible with `reference` (the screen when null), deleted at the end of the scope with
// whatever bitmap and palette it was given put back first.
class MemoryDC {
public:
    explicit MemoryDC(win::HDC reference = nullptr);
    operator win::HDC() const { return m_dc.Get(); }

    // Selects a bitmap (EOutOfResources when the platform refuses it).
    void SelectBitmap(win::HBITMAP bitmap);
    // Selects and realises a palette (null selects nothing).
    void SelectPalette(win::HPALETTE palette, bool background);

private:
    // The first selections undo themselves before the context goes; later ones only change what is in.
    win::UniqueDC m_dc;
    std::optional<win::SelectedObject> m_bitmap;
    std::optional<win::SelectedPalette> m_palette;
};

} // namespace gl
