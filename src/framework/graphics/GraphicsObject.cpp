// The drawing objects' common base: deleting the platform objects they make.
#include "framework/graphics/GraphicsObject.h"

#include "platform/gdi/Objects.h"

namespace gl {

void TGraphicsObject::DeletePlatformObject(void* object) {
    if (object) win::DeleteObject(object);
}

} // namespace gl
