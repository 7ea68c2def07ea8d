// Screenshots of a test's X server: the command that takes one as a binary PPM, and the pixels read back from
// the file.
#pragma once

#include "support/ChildProcess.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace gl::proctest {

// The whole screen of `display` into `path` (.ppm), 8 bits a channel.
inline std::vector<std::string> ScreenshotCommand(const std::string& display, const std::string& path) {
    return {"import", "-display", display, "-window", "root", "-depth", "8", path};
}

// A colour read from a screenshot; -1 in every channel where there was no pixel to read.
struct Rgb {
    int r = -1, g = -1, b = -1;
    bool operator==(const Rgb&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Rgb& c) {
        return out << "RGB(" << c.r << ", " << c.g << ", " << c.b << ")";
    }
};

// A binary PPM (P6, 8 bits a channel) read whole; anything else, or a file cut short, is not Valid().
class Screenshot {
public:
    explicit Screenshot(const std::string& path) : m_data(ReadFile(path)) {
        std::size_t at = 0;
        if (Field(at) != "P6") return;
        const int width = std::atoi(Field(at).c_str()), height = std::atoi(Field(at).c_str());
        if (Field(at) != "255" || at >= m_data.size() || width <= 0 || height <= 0) return;
        m_start = at + 1; // one white-space byte ends the header
        if (m_data.size() - m_start < static_cast<std::size_t>(width) * height * 3) return;
        m_width = width;
        m_height = height;
    }

    bool Valid() const { return m_width > 0; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    Rgb At(int x, int y) const {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) return {};
        const std::size_t i = m_start + (static_cast<std::size_t>(y) * m_width + x) * 3;
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(m_data[i + k]); };
        return {byte(0), byte(1), byte(2)};
    }

private:
    // The next header field, past white space and "#" comments.
    std::string Field(std::size_t& at) const {
        while (at < m_data.size() &&
               (std::isspace(static_cast<unsigned char>(m_data[at])) || m_data[at] == '#'))
            if (m_data[at] == '#')
                at = std::min(m_data.find('\n', at), m_data.size());
            else
                ++at;
        const std::size_t start = at;
        while (at < m_data.size() && !std::isspace(static_cast<unsigned char>(m_data[at]))) ++at;
        return m_data.substr(start, at - start);
    }

    std::string m_data;
    std::size_t m_start = 0;
    int m_width = 0, m_height = 0;
};

} // namespace gl::proctest
