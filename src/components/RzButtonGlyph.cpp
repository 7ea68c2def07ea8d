// TRzBitBtn: its properties, the image list link and the glyph strip, and where the image and the caption go;
// a disabled button draws its image embossed, or the strip's second image when it has one.
#include "components/RzButton.h"
#include "components/RzGlyphStrip.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"

namespace gl {

TRzBitBtn::TRzBitBtn(TComponent* owner) : TRzButton(owner), m_glyph(std::make_unique<TBitmap>()) {
    m_imagesLink.OnChange = [this](TObject*) { Invalidate(); };
    // A strip read from a stored layout changes the bitmap without SetGlyph: count its images here.
    m_glyph->OnChange = [this](TObject*) {
        m_numGlyphs = GlyphCountOf(*m_glyph, m_numGlyphs);
        Invalidate();
    };
}

TRzBitBtn::~TRzBitBtn() {
    if (m_images) {
        m_images->UnRegisterChanges(&m_imagesLink);
        m_images->RemoveFreeNotification(this);
    }
}

void TRzBitBtn::SetKind(TBitBtnKind value) {
    if (m_kind == value) return;
    m_kind = value;
    Invalidate();
}

void TRzBitBtn::SetLayout(TButtonLayout value) {
    if (m_layout == value) return;
    m_layout = value;
    Invalidate();
}

void TRzBitBtn::SetSpacing(int value) {
    if (m_spacing == value) return;
    m_spacing = value;
    Invalidate();
}

void TRzBitBtn::SetMargin(int value) {
    if (value < -1 || m_margin == value) return;
    m_margin = value;
    Invalidate();
}

void TRzBitBtn::SetGlyph(const TBitmap* glyph) {
    // Assigning reports the change through the bitmap's own notification.
    m_glyph->Assign(glyph);
}

void TRzBitBtn::SetNumGlyphs(int value) {
    value = value < 1 ? 1 : (value > 4 ? 4 : value);
    if (m_numGlyphs == value) return;
    m_numGlyphs = value;
    Invalidate();
}

void TRzBitBtn::SetImages(TCustomImageList* images) {
    if (m_images == images) return;
    if (m_images) {
        m_images->UnRegisterChanges(&m_imagesLink);
        m_images->RemoveFreeNotification(this);
    }
    m_images = images;
    if (m_images) {
        m_images->RegisterChanges(&m_imagesLink);
        m_images->FreeNotification(this);
    }
    Invalidate();
}

void TRzBitBtn::SetImageIndex(int value) {
    if (m_imageIndex == value) return;
    m_imageIndex = value;
    Invalidate();
}

void TRzBitBtn::SetDisabledIndex(int value) {
    if (m_disabledIndex == value) return;
    m_disabledIndex = value;
    Invalidate();
}

void TRzBitBtn::Notification(TComponent* component, TOperation operation) {
    TRzButton::Notification(component, operation);
    if (operation == opRemove && component == m_images) {
        m_images = nullptr;
        Invalidate();
    }
}

bool TRzBitBtn::UsesImageList() const {
    return m_images && m_imageIndex != -1 && m_kind == bkCustom;
}

bool TRzBitBtn::HasImage(TSize& size) const {
    if (UsesImageList()) {
        size = TSize{m_images->Width(), m_images->Height()};
        return true;
    }
    if (m_glyph->Empty()) return false;
    size = GlyphImageSize(*m_glyph, m_numGlyphs);
    return size.cx > 0 && size.cy > 0;
}

TRect TRzBitBtn::TextArea() const {
    TRect area = ClientRect();
    InflateRect(area, -5);
    if (ContentShifted()) area = Rect(area.left + 1, area.top + 1, area.right + 1, area.bottom + 1);
    TSize size{};
    if (!HasImage(size)) return area;
    const int margin = m_margin < 0 ? 0 : m_margin;
    switch (m_layout) {
    case blGlyphLeft:
        area.left += margin + size.cx + m_spacing;
        break;
    case blGlyphRight:
        area.right -= margin + size.cx + m_spacing;
        break;
    case blGlyphTop:
        area.top += margin + size.cy + m_spacing;
        break;
    case blGlyphBottom:
        area.bottom -= margin + size.cy + m_spacing;
        break;
    }
    return area;
}

TRect TRzBitBtn::GlyphRect() const {
    TSize size{};
    if (!HasImage(size)) return Rect(0, 0, 0, 0);
    // A pressed hot-tracking face keeps the image still; only the classic look moves it.
    TRect area = ClientRect();
    InflateRect(area, -5);
    if (ContentShifted()) area = Rect(area.left + 1, area.top + 1, area.right + 1, area.bottom + 1);
    const int margin = m_margin < 0 ? 0 : m_margin;
    const int centredX = area.left + (area.right - area.left - size.cx + 1) / 2;
    const int centredY = area.top + (area.bottom - area.top - size.cy + 1) / 2;
    int x = centredX;
    int y = centredY;
    switch (m_layout) {
    case blGlyphLeft:
        x = area.left + margin;
        break;
    case blGlyphRight:
        x = area.right - margin - size.cx;
        break;
    case blGlyphTop:
        y = area.top + margin;
        break;
    case blGlyphBottom:
        y = area.bottom - margin - size.cy;
        break;
    }
    return Rect(x, y, x + size.cx, y + size.cy);
}

void TRzBitBtn::DrawCaptionAndGlyph(TCanvas& canvas) {
    const TRect glyph = GlyphRect();
    if (glyph.right > glyph.left) DrawImage(canvas, glyph);
    win::UINT format = win::DT_WORDBREAK | win::DT_EXPANDTABS;
    if (Alignment() == taCenter) format |= win::DT_CENTER;
    if (Alignment() == taRightJustify) format |= win::DT_RIGHT;
    DrawCaptionText(canvas, TextArea(), format);
}

void TRzBitBtn::DrawImage(TCanvas& canvas, const TRect& glyph) {
    if (!UsesImageList()) {
        if (Enabled())
            DrawGlyphImage(canvas, *m_glyph, m_numGlyphs, 0, glyph.left, glyph.top);
        else if (m_numGlyphs >= 2)
            DrawGlyphImage(canvas, *m_glyph, m_numGlyphs, 1, glyph.left, glyph.top);
        else
            DrawGlyphEmbossed(canvas, *m_glyph, m_numGlyphs, 0, glyph.left, glyph.top);
        return;
    }
    if (Enabled())
        m_images->Draw(canvas, glyph.left, glyph.top, m_imageIndex, true);
    else if (m_disabledIndex != -1)
        m_images->Draw(canvas, glyph.left, glyph.top, m_disabledIndex, true);
    else
        m_images->Draw(canvas, glyph.left, glyph.top, m_imageIndex, false);
}

} // namespace gl
