// Owners of drawing handles: a GDI object or a memory context deleted at the end of its owner's life, an
// object or a palette selected into a context for a scope, a context's saved state put back, and a window's
// or the screen's context given back. Each owner takes its handle in its constructor and is the only one to
// let it go, so an exception or an early return frees nothing twice and leaks nothing.
#pragma once

#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/Screen.h"
#include "platform/win/gdi_types.h"

#include <utility>

namespace win {

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A bitmap, palette, pen, brush, font or region, deleted when its owner ends; Release hands it on instead.
// A caller with objects it must not delete (a shared stock one) gives its own deleter.
template <class Handle, class Deleter = DeleteGdiObject> class UniqueGdiObject {
public:
    UniqueGdiObject() = default;
    explicit UniqueGdiObject(Handle handle) : m_handle(handle) {}
    ~UniqueGdiObject() { Reset(); }
    UniqueGdiObject(UniqueGdiObject&& other) noexcept : m_handle(other.Release()) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    // The handle, which the caller now owns.
    Handle Release() { return std::exchange(m_handle, nullptr); }
    // Deletes the handle held and holds `handle` instead.
    void Reset(Handle handle = nullptr) {
        if (const Handle old = std::exchange(m_handle, handle)) Deleter{}(old);
    }

private:
    Handle m_handle = nullptr;
};

using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniquePalette = UniqueGdiObject<HPALETTE>;

struct DeleteMemoryDC {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

// A memory context (CreateCompatibleDC), deleted when its owner ends. Whatever was selected into it goes back
// first through the owners of those selections, declared after it.
using UniqueDC = UniqueGdiObject<HDC, DeleteMemoryDC>;

// An object selected into a context for a scope: the object it displaced goes back in when the guard ends.
// Nothing is selected, and nothing put back, when the context or the object is null or the platform refuses.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_old(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (m_old) SelectObject(m_dc, m_old);
    }
    SelectedObject(SelectedObject&& other) noexcept
        : m_dc(other.m_dc), m_old(std::exchange(other.m_old, nullptr)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    SelectedObject& operator=(SelectedObject&&) = delete;

    // True when the object went in.
    explicit operator bool() const { return m_old != nullptr; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// A palette selected into a context for a scope, realised when asked; the palette it displaced goes back in
// when the owner ends. Nothing happens for a null context or palette.
class SelectedPalette {
public:
    SelectedPalette(HDC dc, HPALETTE palette, bool background, bool realize = false)
        : m_dc(palette ? dc : nullptr) {
        if (!m_dc) return;
        m_old = SelectPalette(m_dc, palette, background ? TRUE : FALSE);
        if (realize) RealizePalette(m_dc);
    }
    ~SelectedPalette() {
        if (m_dc) SelectPalette(m_dc, m_old, TRUE);
    }
    SelectedPalette(SelectedPalette&& other) noexcept
        : m_dc(std::exchange(other.m_dc, nullptr)), m_old(other.m_old) {}
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;
    SelectedPalette& operator=(SelectedPalette&&) = delete;

private:
    HDC m_dc;
    HPALETTE m_old = nullptr;
};

// A context's state saved for a scope and restored when the owner ends (clip, origins, selections).
class SavedDC {
public:
    explicit SavedDC(HDC dc) : m_dc(dc), m_saved(SaveDC(dc)) {}
    ~SavedDC() {
        if (m_saved) RestoreDC(m_dc, m_saved);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

    // True when the state was saved.
    explicit operator bool() const { return m_saved != 0; }

private:
    HDC m_dc;
    int m_saved;
};

// The context of a window (the screen's for null), given back when its owner ends; empty when the platform
// has none to give.
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr) : m_window(window), m_dc(GetDC(window)) {}
    // Takes over a context of the window obtained another way (the whole window's, one with a clip).
    WindowDC(HWND window, HDC dc) : m_window(window), m_dc(dc) {}
    ~WindowDC() {
        if (m_dc) ReleaseDC(m_window, m_dc);
    }
    WindowDC(WindowDC&& other) noexcept
        : m_window(other.m_window), m_dc(std::exchange(other.m_dc, nullptr)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC& operator=(WindowDC&&) = delete;

    HDC Get() const { return m_dc; }
    operator HDC() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_window;
    HDC m_dc;
};

} // namespace win
