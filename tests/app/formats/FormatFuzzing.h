// Drives the added picture readers on arbitrary bytes, for their fuzz targets and for the test that replays
// their corpora.
#pragma once

#include <string>
#include <string_view>

namespace gl::formatfuzz {

// "png", "jpeg", "gif" or "webp".
enum class Reader { Png, Jpeg, Gif, WebP };

// Loads the bytes as the reader's kind: true when a picture came out, false for the reader's refusal (the
// framework's exception); anything else (a crash, a leak, another exception) is a fault the caller sees.
bool ExerciseReader(Reader reader, std::string_view bytes);

} // namespace gl::formatfuzz
