// Fuzz target of the metafile player: enhanced and placeable metafiles loaded and played through the
// picture classes. Any input must end in a drawing or in the framework's refusal, never in a crash, a hang or
// an unbounded allocation.
#include "MetafileFuzzing.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gl::metafilefuzz::ExerciseMetafilePlayer(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
