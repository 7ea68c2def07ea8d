// TFont: attributes, points and pixels by the font's density, and the platform font made from the attributes.
#include "framework/graphics/Font.h"

#include "framework/core/OSErrors.h"
#include "framework/stored/LayoutScaling.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Screen.h"

#include <algorithm>
#include <cstring>

namespace gl {

namespace {

// Copies a UTF-8 face name into the record's field, cut before a character that would not fit whole.
void CopyFaceName(const std::string& name, char (&field)[win::LF_FACESIZE_BYTES]) {
    std::size_t length = std::min(name.size(), sizeof field - 1);
    if (length < name.size())
        while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
    std::memcpy(field, name.data(), length);
    field[length] = '\0';
}

} // namespace

int ScreenPixelsPerInch() {
    const win::WindowDC screen(nullptr);
    const int dpi = screen ? win::GetDeviceCaps(screen, win::LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

TFont::TFont() : m_pixelsPerInch(ScreenPixelsPerInch()) {
    m_height = -ScaleMulDiv(kDefaultFontSize, m_pixelsPerInch, 72);
}

TFont::~TFont() = default;

void TFont::Assign(const TPersistent* source) {
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) return TPersistent::Assign(source);
    if (font == this) return;
    // A font made for another density keeps its size in points: that is what its owner chose.
    const int height = font->m_pixelsPerInch == m_pixelsPerInch
                           ? font->m_height
                           : -ScaleMulDiv(font->Size(), m_pixelsPerInch, 72);
    const bool same = m_name == font->m_name && m_height == height && m_charset == font->m_charset &&
                      m_color == font->m_color && m_style == font->m_style && m_pitch == font->m_pitch;
    if (same) return;
    m_name = font->m_name;
    m_height = height;
    m_charset = font->m_charset;
    m_color = font->m_color;
    m_style = font->m_style;
    m_pitch = font->m_pitch;
    Changed();
}

void TFont::SetName(const std::string& name) {
    // An empty name would leave the choice of face to chance; such a write is ignored.
    if (name.empty() || name == m_name) return;
    m_name = name;
    Changed();
}

int TFont::Size() const {
    return -ScaleMulDiv(m_height, 72, m_pixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-ScaleMulDiv(points, m_pixelsPerInch, 72));
}

void TFont::SetHeight(int height) {
    if (height == m_height) return;
    m_height = height;
    Changed();
}

void TFont::SetCharset(TFontCharset charset) {
    if (charset == m_charset) return;
    m_charset = charset;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == m_color) return;
    m_color = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style == m_style) return;
    m_style = style;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == m_pitch) return;
    m_pitch = pitch;
    Changed();
}

void TFont::SetPixelsPerInch(int pixelsPerInch) {
    // The density only changes how Size reads and writes: the font itself (its height) stays as it is.
    if (pixelsPerInch > 0) m_pixelsPerInch = pixelsPerInch;
}

win::LOGFONT TFont::LogFont() const {
    win::LOGFONT logFont;
    logFont.lfHeight = m_height;
    logFont.lfWeight = m_style.Contains(fsBold) ? win::FW_BOLD : win::FW_NORMAL;
    logFont.lfItalic = m_style.Contains(fsItalic) ? 1 : 0;
    logFont.lfUnderline = m_style.Contains(fsUnderline) ? 1 : 0;
    logFont.lfStrikeOut = m_style.Contains(fsStrikeOut) ? 1 : 0;
    logFont.lfCharSet = m_charset;
    logFont.lfOutPrecision = win::OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = win::CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = win::DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = m_pitch == fpFixed      ? win::FIXED_PITCH
                               : m_pitch == fpVariable ? win::VARIABLE_PITCH
                                                       : win::DEFAULT_PITCH;
    // "Default" asks for the platform's default face, which an empty face name does.
    if (m_name != "Default") CopyFaceName(m_name, logFont.lfFaceName);
    return logFont;
}

win::HFONT TFont::Handle() {
    if (!m_handle) {
        const win::LOGFONT logFont = LogFont();
        m_handle.Reset(GDICheck(win::CreateFontIndirect(&logFont)));
    }
    return m_handle.Get();
}

void TFont::Changed() {
    ChangedDroppingHandle(m_handle);
}

} // namespace gl
