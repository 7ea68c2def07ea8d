// TPicture: holds at most one graphic of a registered kind, loads files by their extension, hands its graphic
// out as a bitmap on demand, takes part in assignment between pictures, graphics and bitmaps, and tells its
// owner of every change.
#pragma once

#include "framework/graphics/GraphicsGraphic.h"
#include "framework/stored/PropertyRegistry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace gl {

class TBitmap;
class TIcon;
class TMetafile;

// Told after the change handler whenever the picture changed.
class IChangeNotifier {
public:
    virtual ~IChangeNotifier() = default;
    virtual void Changed() = 0;
};

class TPicture : public TPersistent {
public:
    // An empty picture; the format registries exist from here on.
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    std::string ClassName() const override { return "TPicture"; }

    // Picks the graphic class by the file's extension (in any case): EInvalidGraphic "Unknown picture file
    // extension (.%s)" when none is registered. A failed load leaves the picture as it was, unannounced.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);
    // A bitmap file: the picture's bitmap (made when it holds something else) loads it.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    void LoadFromClipboardFormat(std::uint16_t format, win::HANDLE data, win::HPALETTE palette);
    void SaveToClipboardFormat(std::uint16_t& format, win::HANDLE& data, win::HPALETTE& palette);
    static bool SupportsClipboardFormat(std::uint16_t format);

    TGraphic* Graphic() const { return m_graphic.get(); }
    // Holds a new graphic of the value's own class assigned from the value (sharing its image), or nothing.
    void SetGraphic(const TGraphic* value);
    // The graphic as a bitmap: anything else held is replaced by a new empty bitmap first.
    TBitmap* Bitmap();
    void SetBitmap(const TBitmap* value);
    TIcon* Icon();
    void SetIcon(const TIcon* value);
    TMetafile* Metafile();
    void SetMetafile(const TMetafile* value);

    int Width() const;
    int Height() const;

    // From null: empty; from a picture: its graphic; from a graphic: that graphic.
    void Assign(const TPersistent* source) override;

    // The stored form "Data": the class name (a length byte and at most 63 characters), then the graphic's
    // own data. Reading a class name that is not registered leaves the picture empty.
    void ReadData(TStream& stream);
    void WriteData(TStream& stream) const;
    // The stored form is written only for a picture that holds a graphic.
    bool HasData() const { return m_graphic != nullptr; }

    static void RegisterFileFormat(std::string_view extension, std::string_view description,
                                   TGraphicClass graphicClass);
    static void RegisterClipboardFormat(std::uint16_t format, TGraphicClass graphicClass);
    static void UnregisterGraphicClass(TGraphicClass graphicClass);

    TNotifyEvent OnChange;
    TProgressEvent OnProgress;
    IChangeNotifier* Notify() const { return m_notify; }
    void SetNotify(IChangeNotifier* notify) { m_notify = notify; }

protected:
    // A picture gives itself to a graphic of the class it holds (a bitmap shares the held bitmap's image).
    void AssignTo(TPersistent* destination) const override;
    virtual void Changed(TObject* sender);
    void Progress(TObject* sender, TProgressStage stage, std::uint8_t percentDone, bool redrawNow,
                  const TRect& rect, const std::string& message);

private:
    // Makes the graphic one of that class, announcing the change, unless it is one already.
    void ForceType(TGraphicClass graphicClass);
    // Takes a new graphic (or none) in place of the old one and hooks it up; announces nothing.
    void Take(std::unique_ptr<TGraphic> graphic);

    std::unique_ptr<TGraphic> m_graphic;
    IChangeNotifier* m_notify = nullptr;
};

// Makes TPicture's stored form ("Data") known to the layout reader. Safe to call more than once.
void RegisterPictureLayout(PropertyRegistry& registry = PropertyRegistry::Global());
// The same for a bitmap property of a control ("Glyph.Data"): the size, then a bitmap file.
void RegisterBitmapLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
