// Fuzz target of the converter's command line: the input, split into arguments at zero bytes, must parse into
// options or a usage error, never a crash, and the options must come from the arguments.
#include "CommandLineFuzzing.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result =
        gl::cli::fuzz::ExerciseCommandLine(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& fault : result.faults) std::fprintf(stderr, "command line: %s\n", fault.c_str());
    if (!result.faults.empty()) std::abort();
    return 0;
}
