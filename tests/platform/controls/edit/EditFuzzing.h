// Arbitrary bytes arriving in the edit control's text model (set as its text, pasted, typed), followed by
// edits and queries decoded from the same input: shared by the fuzz target and by the test that replays its
// corpus.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace win::editfuzz {

struct EditExercise {
    std::size_t steps = 0;           // operations carried out after the first text was set
    std::vector<std::string> faults; // what the text model got wrong; empty when it behaved
};

// The input: one byte of flags (bit 0: multi-line; bits 1-7: a small text limit, none when 0), a 16-bit
// length and that many bytes of first text, then operations, each an operation byte and its arguments.
// Every step is checked against a plain scan of the text: the text itself, the selection on character
// boundaries, the line index and the line change each edit reports, the code-page length, and undo.
EditExercise ExerciseEditBuffer(std::string_view data);

} // namespace win::editfuzz
