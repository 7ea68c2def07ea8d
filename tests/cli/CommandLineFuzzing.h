// One input run through the converter's command-line parser, split into arguments at zero bytes: shared by
// the fuzz target and by the test that replays its corpus.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gl::cli::fuzz {

// The arguments of an input: the pieces between zero bytes (an input without one is a single argument; an
// empty input is no argument).
std::vector<std::string> SplitArguments(std::string_view data);

struct CommandLineExercise {
    bool accepted = false;           // the parser returned options rather than an error
    std::vector<std::string> faults; // what the parser got wrong; empty when it behaved
};

// Parses the input's arguments and checks that the outcome is either options that come from the arguments
// or a one-line usage error, and that parsing the same arguments again gives the same outcome.
CommandLineExercise ExerciseCommandLine(std::string_view data);

} // namespace gl::cli::fuzz
