// TGraphic's shared behaviour: change notification, files, equality; graphic classes; shared images.
#include "framework/graphics/GraphicsGraphic.h"

#include "framework/core/FileStream.h"
#include "framework/core/Streams.h"

#include <cstring>

namespace gl {

bool TGraphicClassInfo::InheritsFrom(const TGraphicClassInfo* base) const {
    for (const TGraphicClassInfo* c = this; c; c = c->parent)
        if (c == base) return true;
    return false;
}

TGraphicClass TGraphic::StaticClass() {
    static const TGraphicClassInfo info{"TGraphic", nullptr, nullptr};
    return &info;
}

void TGraphic::Changed(TObject*) {
    m_modified = true;
    if (OnChange) OnChange(this);
}

void TGraphic::Progress(TObject* sender, TProgressStage stage, std::uint8_t percentDone, bool redrawNow,
                        const TRect& rect, const std::string& message) {
    if (OnProgress) OnProgress(sender, stage, percentDone, redrawNow, rect, message);
}

void TGraphic::SetModified(bool value) {
    if (value)
        Changed(this);
    else
        m_modified = false;
}

void TGraphic::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    Changed(this);
}

bool TGraphic::Equals(TGraphic* other) {
    if (!other) return false;
    const bool empty = Empty(), otherEmpty = other->Empty();
    if (empty || otherEmpty) return empty && otherEmpty;
    if (GraphicClass() != other->GraphicClass()) return false;
    TMemoryStream mine, theirs;
    WriteData(mine);
    other->WriteData(theirs);
    return mine.Size() == theirs.Size() &&
           (mine.DataSize() == 0 || std::memcmp(mine.Memory(), theirs.Memory(), mine.DataSize()) == 0);
}

void TGraphic::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

std::recursive_mutex& ImageLock() {
    static std::recursive_mutex lock;
    return lock;
}

} // namespace gl
