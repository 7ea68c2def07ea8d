// Fuzz target of the JPEG reader the program adds: any input ends in a picture or in the reader's refusal,
// never in a crash, a hang, a leak or an unbounded allocation.
#include "FormatFuzzing.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gl::formatfuzz::ExerciseReader(gl::formatfuzz::Reader::Jpeg,
                                   std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
