// Fuzz target of the picture readers: bitmap files and stored bitmap data, icon and metafile headers, stored
// pictures. Any input must end in a picture or in the framework's exception, never in a crash, a hang or an
// unbounded allocation.
#include "PictureFuzzing.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gl::picturefuzz::ExercisePictureReaders(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
