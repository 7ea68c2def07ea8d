// JPEG through libjpeg-turbo: baseline, progressive, grey and CMYK pictures, turned upright by their EXIF
// orientation. libjpeg reports errors by a long jump; every call into it happens in one of the small
// functions below, which set the jump's landing themselves and hold nothing with a destructor, so a jump
// never crosses a C++ frame that would need unwinding.
#include "app/formats/DibTarget.h"
#include "app/formats/ExifOrientation.h"
#include "app/formats/PictureFormats.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace gl {

namespace {

constexpr const char* kKind = "JPEG";
// Arithmetic coding can spend well under a bit on a flat 8 x 8 block; 65,536 pixels a byte leaves room for
// it.
constexpr std::uint64_t kPixelsPerByte = std::uint64_t(1) << 16;
// Progressive pictures keep all their coefficients; beyond this the library refuses instead of allocating.
constexpr long kMaxJpegMemory = 1L << 30;
// A progressive file may repeat scans without end; real ones have a dozen.
constexpr int kMaxScans = 1000;

// Everything the library touches, plain data only. `info` comes first: the library's callbacks get its
// address and find the rest of the session from it.
struct JpegSession {
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    jpeg_progress_mgr progress;
    std::jmp_buf landing;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegSession*>(info)->landing, 1);
}

// Damage the library can work round (a picture cut short is filled in) does not stop the picture.
void IgnoreMessage(j_common_ptr, int) {}

void LimitScans(j_common_ptr info) {
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        JumpBack(info);
}

bool Begin(JpegSession* s, const std::uint8_t* data, unsigned long size) {
    s->info.err = jpeg_std_error(&s->error);
    s->error.error_exit = JumpBack;
    s->error.emit_message = IgnoreMessage;
    s->progress.progress_monitor = LimitScans;
    if (setjmp(s->landing)) return false;
    jpeg_create_decompress(&s->info);
    s->info.mem->max_memory_to_use = kMaxJpegMemory;
    s->info.progress = &s->progress;
    jpeg_mem_src(&s->info, data, size);
    jpeg_save_markers(&s->info, JPEG_APP0 + 1, 0xFFFF);
    return jpeg_read_header(&s->info, TRUE) == JPEG_HEADER_OK;
}

bool Start(JpegSession* s, J_COLOR_SPACE outSpace) {
    if (setjmp(s->landing)) return false;
    s->info.out_color_space = outSpace;
    return jpeg_start_decompress(&s->info) != FALSE;
}

bool ReadRow(JpegSession* s, std::uint8_t* row) {
    if (setjmp(s->landing)) return false;
    JSAMPROW rows[1] = {row};
    return jpeg_read_scanlines(&s->info, rows, 1) == 1;
}

// Destroying is safe in any state: the session starts zeroed, and the library's own state is let go whole.
struct JpegDecoder {
    JpegSession session{};
    JpegDecoder() = default;
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;
    ~JpegDecoder() { jpeg_destroy_decompress(&session.info); }
};

int SavedOrientation(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr m = info.marker_list; m; m = m->next)
        if (m->marker == JPEG_APP0 + 1) {
            const int orientation = ExifOrientation(m->data, m->data_length);
            if (orientation != 1) return orientation;
        }
    return 1;
}

// CMYK as the library delivers it: files with the Adobe marker store ink inverted (255 is no ink).
void CmykToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        bgr[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
        bgr[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
        bgr[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
    }
}

// The largest of 1/8, 1/4 and 1/2 that keeps the picture (its sides upright as `swap` says) at least as large
// as the current need asks, set for the decoding; whole size when none does or nothing is asked.
void ScaleToNeed(jpeg_decompress_struct& info, bool swap) {
    const DecodeNeed& need = CurrentDecodeNeed();
    if (!need) return;
    const unsigned width = swap ? info.image_height : info.image_width;
    const unsigned height = swap ? info.image_width : info.image_height;
    const auto [needWidth, needHeight] = need(static_cast<int>(width), static_cast<int>(height));
    for (const unsigned denominator : {8u, 4u, 2u})
        if ((width + denominator - 1) / denominator >= static_cast<unsigned>(std::max(needWidth, 1)) &&
            (height + denominator - 1) / denominator >= static_cast<unsigned>(std::max(needHeight, 1))) {
            info.scale_num = 1;
            info.scale_denom = denominator;
            return;
        }
}

} // namespace

TDibTarget TJpegImage::Decode(const std::vector<std::uint8_t>& data) {
    JpegDecoder decoder;
    JpegSession* s = &decoder.session;
    if (data.empty() || !Begin(s, data.data(), data.size())) InvalidPicture(kKind);
    CheckPictureBacked(kKind, s->info.image_width, s->info.image_height, data.size(), kPixelsPerByte);
    const int orientation = SavedOrientation(s->info);
    const bool cmyk = s->info.jpeg_color_space == JCS_CMYK || s->info.jpeg_color_space == JCS_YCCK;
    const bool swap = SwapsSides(orientation);
    ScaleToNeed(s->info, swap);
    if (!Start(s, cmyk ? JCS_CMYK : JCS_EXT_BGR)) InvalidPicture(kKind);
    const int width = static_cast<int>(s->info.output_width),
              height = static_cast<int>(s->info.output_height);
    TDibTarget target(kKind, swap ? height : width, swap ? width : height);
    if (!cmyk && orientation == 1) {
        // The common case: rows straight into the bitmap.
        for (int y = 0; y < height; ++y)
            if (!ReadRow(s, target.Row(y))) InvalidPicture(kKind);
        return target;
    }
    std::vector<std::uint8_t> line(static_cast<std::size_t>(width) * (cmyk ? 4 : 3));
    std::vector<std::uint8_t> bgr(cmyk ? static_cast<std::size_t>(width) * 3 : 0);
    for (int y = 0; y < height; ++y) {
        if (!ReadRow(s, line.data())) InvalidPicture(kKind);
        const std::uint8_t* from = line.data();
        if (cmyk) {
            CmykToBgr(line.data(), bgr.data(), width, s->info.saw_Adobe_marker != FALSE);
            from = bgr.data();
        }
        for (int x = 0; x < width; ++x, from += 3) {
            const OrientedPoint p = Orient(orientation, x, y, width, height);
            std::uint8_t* to = target.Row(p.y) + 3 * p.x;
            to[0] = from[0], to[1] = from[1], to[2] = from[2];
        }
    }
    return target;
}

} // namespace gl
