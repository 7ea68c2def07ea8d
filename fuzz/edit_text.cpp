// Fuzz target of the edit control's text model: text from outside (set, pasted) as arbitrary bytes, then
// edits, caret moves, undo and line queries decoded from the input, each step checked against a scan of the
// text.
#include "EditFuzzing.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result =
        win::editfuzz::ExerciseEditBuffer(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& fault : result.faults) std::fprintf(stderr, "edit text: %s\n", fault.c_str());
    if (!result.faults.empty()) std::abort();
    return 0;
}
