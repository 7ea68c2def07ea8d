// Fuzz target of the picture readers: bitmap files and stored bitmap data, icon and metafile headers, stored
// pictures. Any input must end in a picture or in the framework's exception, never in a crash, a hang or an
// unbounded allocation; a bitmap that loads saves into one that reads back with the same pixels.
#include "PictureFuzzing.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const gl::picturefuzz::PictureExercise result =
        gl::picturefuzz::ExercisePictureReaders(std::string_view(reinterpret_cast<const char*>(data), size));
    // What a bitmap saves must load again with the same pixels.
    if (result.saved && !result.savedPixelsMatch) std::abort();
    return 0;
}
