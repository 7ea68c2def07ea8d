// One input played as a metafile of either kind, as the image control would show it: shared by the fuzz
// target and by the test that replays its corpus.
#pragma once

#include <string_view>

namespace gl::metafilefuzz {

struct MetafileExercise {
    bool loaded = false; // the input loaded as a metafile
    int marked = 0;      // pixels it changed when played at its own size (at most 64 x 64)
};

// Any input must end in a played metafile or in the framework's refusal: a crash, a hang, another exception
// or a sanitizer report is a failure of the player.
MetafileExercise ExerciseMetafilePlayer(std::string_view data);

} // namespace gl::metafilefuzz
