// TGraphic, the base of every picture kind (bitmap, icon, metafile), graphic classes as values (so that a
// picture can make a new graphic of a class it looked up), and TSharedImage, the reference-counted image
// that graphics share until one of them changes.
#pragma once

#include "framework/core/Persistent.h"
#include "framework/core/Types.h"
#include "framework/graphics/Canvas.h"
#include "platform/win/gdi_types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace gl {

class TGraphic;
class TStream;

enum TProgressStage { psStarting, psRunning, psEnding };
// A graphic that loads slowly reports how far it got; redrawNow asks the owner to show what is there.
using TProgressEvent = std::function<void(TObject* sender, TProgressStage stage, std::uint8_t percentDone,
                                          bool redrawNow, const TRect& rect, const std::string& message)>;

// A graphic class as a value: its name, its base class, and a factory (none for the abstract base).
struct TGraphicClassInfo {
    const char* name;
    const TGraphicClassInfo* parent;
    std::unique_ptr<TGraphic> (*create)();

    // This class is `base` or derives from it.
    bool InheritsFrom(const TGraphicClassInfo* base) const;
};
using TGraphicClass = const TGraphicClassInfo*;

class TGraphic : public TPersistent, public TCanvasDrawable {
public:
    TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    std::string ClassName() const override { return "TGraphic"; }
    static TGraphicClass StaticClass();
    virtual TGraphicClass GraphicClass() const { return StaticClass(); }

    // Draws the whole graphic into the rectangle (the canvas calls this through Draw and StretchDraw).
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
    // Both empty, or the same class with byte-for-byte equal data.
    virtual bool Equals(TGraphic* other);
    virtual bool Empty() const = 0;
    int Width() const override = 0;
    int Height() const override = 0;
    virtual void SetWidth(int value) = 0;
    virtual void SetHeight(int value) = 0;
    // The graphic's palette, or null; setting one is ignored by graphics without palettes.
    virtual win::HPALETTE Palette() { return nullptr; }
    virtual void SetPalette(win::HPALETTE) {}
    virtual bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool value);

    // Opens the file denying other writers and loads from it; SaveToFile creates the file.
    virtual void LoadFromFile(const std::string& fileName);
    virtual void SaveToFile(const std::string& fileName);
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    virtual void LoadFromClipboardFormat(std::uint16_t format, win::HANDLE data, win::HPALETTE palette) = 0;
    virtual void SaveToClipboardFormat(std::uint16_t& format, win::HANDLE& data, win::HPALETTE& palette) = 0;

    // The graphic's own data as a picture stores it; the base reads and writes the plain file form.
    virtual void ReadData(TStream& stream) { LoadFromStream(stream); }
    virtual void WriteData(TStream& stream) { SaveToStream(stream); }

    bool Modified() const { return m_modified; }
    // Setting the flag counts as a change; clearing it does not.
    void SetModified(bool value);
    // Set when the palette changed and a window showing the graphic should realise it again.
    bool PaletteModified() const { return m_paletteModified; }
    void SetPaletteModified(bool value) { m_paletteModified = value; }

    // Raised after every change; the picture that holds the graphic sets it.
    TNotifyEvent OnChange;
    TProgressEvent OnProgress;

    // TCanvasDrawable
    void DrawOn(TCanvas& canvas, const TRect& rect) override { Draw(canvas, rect); }
    bool IsEmpty() const override { return Empty(); }

protected:
    virtual void Changed(TObject* sender);
    // Takes another graphic's transparency without counting it as a change.
    void SetTransparentFlag(bool value) { m_transparent = value; }
    void Progress(TObject* sender, TProgressStage stage, std::uint8_t percentDone, bool redrawNow,
                  const TRect& rect, const std::string& message);

private:
    bool m_modified = false;
    bool m_transparent = false;
    bool m_paletteModified = false;
};

// An image that several graphics refer to, each through a shared owner; the last owner to let go frees the
// platform handles (each kind's destructor does) and the image.
class TSharedImage : public std::enable_shared_from_this<TSharedImage> {
public:
    TSharedImage() = default;
    TSharedImage(const TSharedImage&) = delete;
    TSharedImage& operator=(const TSharedImage&) = delete;
    virtual ~TSharedImage() = default;

    // How many graphics refer to the image.
    long RefCount() const { return weak_from_this().use_count(); }

protected:
    virtual void FreeHandle() = 0;
};

// Held while a graphic swaps the image it refers to.
std::recursive_mutex& ImageLock();

// Makes `image` refer to `newImage` under the image lock; the old image goes when nobody else refers to it.
template <class Image> void SwapImage(std::shared_ptr<Image>& image, std::shared_ptr<Image> newImage) {
    std::lock_guard guard(ImageLock());
    std::swap(image, newImage);
}

} // namespace gl
