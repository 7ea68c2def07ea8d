// Pictures that come as a stream (standard input, a pipe, a character device): read once, their kind told by
// their first bytes, as much as a picture can need and no more.
#pragma once

#include <string>

namespace gl {
class TF_main;
}

namespace gl::cli {

// Whether a name is a pipe or a character device, which has no size to read a file by.
bool IsStream(const std::string& path);

// Whether a file's first bytes are a picture of a kind we read, other than the kind its extension names (a
// PNG named .jpg): such a file is read by its content. False for a file of no known content or none to read.
bool NamedForAnotherKind(const std::string& path);

// Read the picture into the window's current picture, which changes only once the whole picture was read.
// Raise EInvalidGraphic for a stream of an unknown kind, as soon as its first bytes are read, and for one
// longer than any picture can be.
void LoadStandardInput(TF_main& window);
// A pipe or a device named as the picture, or a file named for another kind: read as standard input is, by
// its first bytes.
void LoadStreamFile(TF_main& window, const std::string& path);

} // namespace gl::cli
