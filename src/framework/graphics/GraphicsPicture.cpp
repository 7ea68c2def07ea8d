// TPicture: loading by extension, the graphic it holds, assignment both ways, and its stored form.
#include "framework/graphics/GraphicsPicture.h"

#include "framework/core/Exceptions.h"
#include "framework/core/FileNames.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsFormats.h"
#include "framework/graphics/GraphicsIcon.h"
#include "framework/graphics/GraphicsMetafile.h"

#include <functional>

namespace gl {

namespace {

constexpr std::size_t kMaxStoredClassName = 63;

} // namespace

TPicture::TPicture() {
    GetFileFormats();
    GetClipboardFormats();
}

TPicture::~TPicture() = default;

void TPicture::Take(std::unique_ptr<TGraphic> graphic) {
    m_graphic = std::move(graphic);
    if (!m_graphic) return;
    m_graphic->OnChange = [this](TObject* sender) { Changed(sender); };
    m_graphic->OnProgress = [this](TObject* sender, TProgressStage stage, std::uint8_t percent, bool redraw,
                                   const TRect& rect, const std::string& message) {
        Progress(sender, stage, percent, redraw, rect, message);
    };
}

void TPicture::Changed(TObject*) {
    if (OnChange) OnChange(this);
    if (m_notify) m_notify->Changed();
}

void TPicture::Progress(TObject* sender, TProgressStage stage, std::uint8_t percentDone, bool redrawNow,
                        const TRect& rect, const std::string& message) {
    if (OnProgress) OnProgress(sender, stage, percentDone, redrawNow, rect, message);
}

// ---- Files and streams ----

void TPicture::LoadFromFile(const std::string& fileName) {
    std::string extension = ExtractFileExt(fileName);
    if (!extension.empty()) extension.erase(0, 1);
    const TGraphicClass graphicClass = GetFileFormats().FindExt(extension);
    if (!graphicClass) throw EInvalidGraphic(Format(msg::SUnknownExtension, extension));
    // The new graphic loads unhooked: nobody hears of the picture until the load has succeeded.
    std::unique_ptr<TGraphic> graphic = graphicClass->create();
    graphic->OnProgress = [this](TObject* sender, TProgressStage stage, std::uint8_t percent, bool redraw,
                                 const TRect& rect, const std::string& message) {
        Progress(sender, stage, percent, redraw, rect, message);
    };
    graphic->LoadFromFile(fileName);
    Take(std::move(graphic));
    Changed(this);
}

void TPicture::SaveToFile(const std::string& fileName) {
    if (m_graphic) m_graphic->SaveToFile(fileName);
}

void TPicture::LoadFromStream(TStream& stream) {
    Bitmap()->LoadFromStream(stream);
}

void TPicture::SaveToStream(TStream& stream) {
    Bitmap()->SaveToStream(stream);
}

void TPicture::LoadFromClipboardFormat(std::uint16_t format, win::HANDLE data, win::HPALETTE palette) {
    const TGraphicClass graphicClass = GetClipboardFormats().FindFormat(format);
    if (!graphicClass) throw EInvalidGraphic(msg::SUnknownClipboardFormat);
    std::unique_ptr<TGraphic> graphic = graphicClass->create();
    graphic->LoadFromClipboardFormat(format, data, palette);
    Take(std::move(graphic));
    Changed(this);
}

void TPicture::SaveToClipboardFormat(std::uint16_t& format, win::HANDLE& data, win::HPALETTE& palette) {
    if (m_graphic) m_graphic->SaveToClipboardFormat(format, data, palette);
}

bool TPicture::SupportsClipboardFormat(std::uint16_t format) {
    return GetClipboardFormats().FindFormat(format) != nullptr;
}

// ---- The graphic ----

void TPicture::SetGraphic(const TGraphic* value) {
    std::unique_ptr<TGraphic> graphic;
    if (value) {
        graphic = value->GraphicClass()->create();
        graphic->Assign(value);
    }
    // Once it is ours, it stays: should an owner's handler fail, the picture still holds what it announced.
    Take(std::move(graphic));
    Changed(this);
}

void TPicture::ForceType(TGraphicClass graphicClass) {
    if (m_graphic && m_graphic->GraphicClass()->InheritsFrom(graphicClass)) return;
    Take(nullptr);
    Take(graphicClass->create());
    Changed(this);
}

TBitmap* TPicture::Bitmap() {
    ForceType(TBitmap::StaticClass());
    return static_cast<TBitmap*>(m_graphic.get());
}

void TPicture::SetBitmap(const TBitmap* value) {
    SetGraphic(value);
}

TIcon* TPicture::Icon() {
    ForceType(TIcon::StaticClass());
    return static_cast<TIcon*>(m_graphic.get());
}

void TPicture::SetIcon(const TIcon* value) {
    SetGraphic(value);
}

TMetafile* TPicture::Metafile() {
    ForceType(TMetafile::StaticClass());
    return static_cast<TMetafile*>(m_graphic.get());
}

void TPicture::SetMetafile(const TMetafile* value) {
    SetGraphic(value);
}

int TPicture::Width() const {
    return m_graphic ? m_graphic->Width() : 0;
}

int TPicture::Height() const {
    return m_graphic ? m_graphic->Height() : 0;
}

// ---- Assignment ----

void TPicture::Assign(const TPersistent* source) {
    if (!source)
        SetGraphic(nullptr);
    else if (const auto* picture = dynamic_cast<const TPicture*>(source))
        SetGraphic(picture->Graphic());
    else if (const auto* graphic = dynamic_cast<const TGraphic*>(source))
        SetGraphic(graphic);
    else
        TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* destination) const {
    const auto* target = dynamic_cast<const TGraphic*>(destination);
    if (m_graphic && target && m_graphic->GraphicClass()->InheritsFrom(target->GraphicClass()))
        destination->Assign(m_graphic.get());
    else
        TPersistent::AssignTo(destination);
}

// ---- Stored form ----

void TPicture::ReadData(TStream& stream) {
    std::uint8_t length = 0;
    stream.ReadBuffer(&length, 1);
    std::string className(length, '\0');
    stream.ReadBuffer(className.data(), length);
    // Class names longer than any registered one cannot name one.
    const TGraphicClass graphicClass =
        className.size() <= kMaxStoredClassName ? GetFileFormats().FindClassName(className) : nullptr;
    std::unique_ptr<TGraphic> graphic;
    if (graphicClass) {
        graphic = graphicClass->create();
        graphic->ReadData(stream);
    }
    Take(std::move(graphic));
    Changed(this);
}

void TPicture::WriteData(TStream& stream) const {
    const std::string className = m_graphic ? m_graphic->ClassName() : std::string();
    const auto length = static_cast<std::uint8_t>(std::min(className.size(), kMaxStoredClassName));
    stream.WriteBuffer(&length, 1);
    stream.WriteBuffer(className.data(), length);
    if (m_graphic) m_graphic->WriteData(stream);
}

// ---- Registries ----

void TPicture::RegisterFileFormat(std::string_view extension, std::string_view description,
                                  TGraphicClass graphicClass) {
    GetFileFormats().Add(extension, description, 0, graphicClass);
}

void TPicture::RegisterClipboardFormat(std::uint16_t format, TGraphicClass graphicClass) {
    GetClipboardFormats().Add(format, graphicClass);
}

void TPicture::UnregisterGraphicClass(TGraphicClass graphicClass) {
    GetFileFormats().Remove(graphicClass);
    GetClipboardFormats().Remove(graphicClass);
}

} // namespace gl
