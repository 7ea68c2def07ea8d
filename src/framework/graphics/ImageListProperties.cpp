// The image list's stored properties: its size, colours, drawing style and the glyph strip stored as Bitmap.
#include "framework/graphics/ImageList.h"

#include "framework/graphics/Colors.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterImageListLayout(PropertyRegistry& registry) {
    RegisterComponentLayout(registry);
    RegisterColorConstants();
    PropertyRegistry::RegisterEnum<TDrawingStyle>({"dsFocus", "dsSelected", "dsNormal", "dsTransparent"});
    PropertyRegistry::RegisterEnum<TImageType>({"itImage", "itMask"});
    LayoutClass<TCustomImageList>("TCustomImageList", "TComponent", registry)
        .Property("Width", &TCustomImageList::SetWidth)
        .Property("Height", &TCustomImageList::SetHeight)
        .Property("BkColor", &TCustomImageList::SetBkColor, "TColor")
        .Property("BlendColor", &TCustomImageList::SetBlendColor, "TColor")
        .Property("DrawingStyle", &TCustomImageList::SetDrawingStyle)
        .Property("ImageType", &TCustomImageList::SetImageType)
        .Property("Masked", &TCustomImageList::SetMasked)
        .Custom("Bitmap",
                [](TCustomImageList& list, const LayoutValue& value, LayoutReadContext& context) {
                    if (value.kind != LayoutValueKind::Binary) context.InvalidValue(value);
                    list.AddGlyphStrip(std::string_view(reinterpret_cast<const char*>(value.bytes.data()),
                                                        value.bytes.size()));
                })
        .Ignored("AllocBy")
        .Ignored("ShareImages");
    LayoutClass<TImageList>("TImageList", "TCustomImageList", registry).Creatable();
}

} // namespace gl
