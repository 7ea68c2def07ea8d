// The stored properties of pictures and bitmaps: the "Data" a layout keeps them in.
#include "framework/graphics/GraphicsPicture.h"

#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/stored/LayoutClass.h"

#include <functional>

namespace gl {

namespace {

// A stored "Data" value as the stream a graphic's ReadData takes.
void ReadStoredData(const LayoutValue& value, LayoutReadContext& context,
                    const std::function<void(TStream&)>& read) {
    if (value.kind != LayoutValueKind::Binary) context.InvalidValue(value);
    TMemoryStream stream;
    if (!value.bytes.empty())
        stream.WriteBuffer(value.bytes.data(), static_cast<std::int64_t>(value.bytes.size()));
    stream.SetPosition(0);
    read(stream);
}

} // namespace

void RegisterPictureLayout(PropertyRegistry& registry) {
    RegisterComponentLayout(registry);
    LayoutClass<TPicture>("TPicture", "TPersistent", registry)
        .Custom("Data", [](TPicture& picture, const LayoutValue& value, LayoutReadContext& context) {
            ReadStoredData(value, context, [&picture](TStream& stream) { picture.ReadData(stream); });
        });
}

void RegisterBitmapLayout(PropertyRegistry& registry) {
    RegisterComponentLayout(registry);
    LayoutClass<TBitmap>("TBitmap", "TPersistent", registry)
        .Custom("Data", [](TBitmap& bitmap, const LayoutValue& value, LayoutReadContext& context) {
            ReadStoredData(value, context, [&bitmap](TStream& stream) { bitmap.ReadData(stream); });
        });
}

} // namespace gl
