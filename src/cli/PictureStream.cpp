// Reading a picture from a stream, bounded by what a picture can need.
#include "cli/PictureStream.h"

#include "app/Unit1.h"
#include "app/formats/PictureFormats.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/core/Exceptions.h"
#include "framework/core/FileNames.h"
#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsFormats.h"
#include "framework/graphics/GraphicsPicture.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gl::cli {

namespace {

// Enough for every kind's signature (a metafile's sits at byte 40).
constexpr std::size_t kSignatureBytes = 64;
// Every reader takes its picture whole into a memory stream, which holds at most this much.
constexpr std::size_t kMaxPictureBytes = 0x7FFFFFFF;

// Reads until `bytes` holds `size` bytes or the stream ends; false at its end.
bool ReadUpTo(int fd, std::string& bytes, std::size_t size, const std::string& name) {
    while (bytes.size() < size) {
        const std::size_t start = bytes.size();
        bytes.resize(std::min(size, start + (std::size_t(1) << 16)));
        const ssize_t n = read(fd, bytes.data() + start, bytes.size() - start);
        if (n < 0 && errno == EINTR) {
            bytes.resize(start);
            continue;
        }
        if (n < 0) throw EStreamError("Cannot read " + name + ". " + std::strerror(errno));
        bytes.resize(start + static_cast<std::size_t>(n));
        if (n == 0) return false;
    }
    return true;
}

// An open descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (m_fd >= 0) close(m_fd);
    }
    int Get() const { return m_fd; }

private:
    int m_fd;
};

// The graphic class of the kind a picture's first bytes tell, or null when they tell none we read.
TGraphicClass ClassOfBytes(const std::uint8_t* bytes, std::size_t size) {
    const std::string kind = SniffPictureExtension(bytes, size);
    return kind.empty() ? nullptr : GetFileFormats().FindExt(kind);
}

std::string Capitalized(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

} // namespace

bool IsStream(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode));
}

namespace {

// `name` says where the picture came from in messages ("standard input", "file \"/dev/fd/63\"").
void LoadPictureStream(TF_main& window, int fd, const std::string& name) {
    std::string bytes;
    ReadUpTo(fd, bytes, kSignatureBytes, name);
    const TGraphicClass graphicClass =
        ClassOfBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    if (!graphicClass) throw EInvalidGraphic(Capitalized(name) + " holds no picture of a known kind");
    if (ReadUpTo(fd, bytes, kMaxPictureBytes + 1, name))
        throw EInvalidGraphic(Capitalized(name) + " holds more than a picture can (2 GiB)");
    std::unique_ptr<TGraphic> graphic = graphicClass->create();
    {
        TStringStream stream(bytes);
        std::string().swap(bytes);
        graphic->LoadFromStream(stream);
    }
    window.Image1->Picture()->SetGraphic(graphic.get());
}

} // namespace

void LoadStandardInput(TF_main& window) {
    LoadPictureStream(window, STDIN_FILENO, "standard input");
}

bool NamedForAnotherKind(const std::string& path) {
    // A file that cannot be opened or read (a folder, say) goes by its extension, which reports it as the
    // window does; a regular file gives its first bytes in one read.
    const Descriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    std::uint8_t bytes[kSignatureBytes];
    const ssize_t n = fd.Get() < 0 ? -1 : read(fd.Get(), bytes, sizeof bytes);
    if (n <= 0) return false;
    std::string extension = ExtractFileExt(path);
    if (!extension.empty()) extension.erase(0, 1);
    const TGraphicClass named = GetFileFormats().FindExt(extension);
    const TGraphicClass found = ClassOfBytes(bytes, static_cast<std::size_t>(n));
    return named && found && named != found;
}

void LoadStreamFile(TF_main& window, const std::string& path) {
    const Descriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    LoadPictureStream(window, fd.Get(), "file \"" + path + "\"");
}

} // namespace gl::cli
