// One input run through every reader of picture data (bitmap files, stored bitmap data, icons, metafiles,
// stored pictures): shared by the fuzz target and by the test that replays its corpus.
#pragma once

#include <string_view>

namespace gl::picturefuzz {

struct PictureExercise {
    bool bitmapRead = false;       // the input loaded as a bitmap file
    bool saved = false;            // and was saved
    bool savedReadsBack = false;   // and what it saved loaded again with the same size
    bool savedPixelsMatch = false; // and with the same pixels (pictures too large to scan count as matching)
};

// Any input must end in a loaded picture or in one of the framework's exceptions: a crash, a hang, another
// exception or a sanitizer report is a failure of the reader.
PictureExercise ExercisePictureReaders(std::string_view data);

} // namespace gl::picturefuzz
