// Fuzz target of the stored-layout reader: any input must end in a layout or in the framework's read error,
// never in a crash, a hang or an unbounded allocation; a tree that parses must also write back to an equal
// tree.
#include "LayoutTestClasses.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!gl::layout_test::ExerciseLayoutReader(text).writtenReadsBack) __builtin_trap();
    return 0;
}
