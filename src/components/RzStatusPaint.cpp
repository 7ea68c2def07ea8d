// TRzCustomStatusPane: painting (background, frame, caption) and the auto width. Text mode reads the banner's
// pixels, so where the caption lands and which rectangle is cleared to which colour is exact here.
#include "components/RzStatus.h"

#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Screen.h"

namespace gl {

namespace {

// How far inside the border ring the caption starts, by frame style.
int StyleInset(TFrameStyle style) {
    switch (style) {
    case fsNone:
        return 0;
    case fsFlat:
    case fsFlatRounded:
    case fsStatus:
    case fsPopup:
        return 1;
    default:
        return 2;
    }
}

win::UINT TextAlignFlags(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return win::TA_RIGHT | win::TA_TOP;
    case taCenter:
        return win::TA_CENTER | win::TA_TOP;
    default:
        return win::TA_LEFT | win::TA_TOP;
    }
}

} // namespace

void TRzCustomStatusPane::Paint() {
    PaintFrame();
    PaintCaption(m_caption);
}

TRect TRzCustomStatusPane::CaptionRect() {
    TRect r = Rect(0, 0, Width(), Height());
    InflateRect(r, -(m_borderWidth + StyleInset(m_frameStyle)));
    return r;
}

void TRzCustomStatusPane::PaintFrame() {
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(Rect(0, 0, Width(), Height()));
    canvas.Pen().SetWidth(1);
    TRect r = Rect(0, 0, Width(), Height());
    InflateRect(r, -m_borderWidth);
    if (m_frameStyle != fsFlat) {
        DrawBorder(canvas, r, m_frameStyle, sdAllSides);
        return;
    }
    // The flat frame leaves its corner pixels alone, so it looks slightly rounded.
    DrawCutCornerOutline(canvas, r, AdjustColor(m_flatColor, m_flatColorAdjustment));
}

void TRzCustomStatusPane::PaintCaption(const std::string& text) {
    TCanvas& canvas = *Canvas();
    canvas.SetFont(*Font());
    canvas.Font().SetColor(m_textColor);
    const TRect r = CaptionRect();
    win::SetTextAlign(canvas.Handle(), TextAlignFlags(m_alignment));
    int x = r.left + m_captionOffset + 1;
    if (m_alignment == taRightJustify) x = r.right - m_captionOffset - 1;
    if (m_alignment == taCenter) x = r.left + (r.right - r.left) / 2;
    const int y = r.top + (r.bottom - r.top - canvas.TextHeight("Pp")) / 2;
    // Naming a colour makes the brush solid, so the caption rectangle is filled under the text.
    canvas.Brush().SetColor(m_fillColor);
    if (!Enabled()) {
        canvas.Font().SetColor(clBtnHighlight);
        canvas.TextRect(r, x + 1, y + 1, text);
        canvas.Font().SetColor(clBtnShadow);
        canvas.Brush().SetStyle(bsClear);
    }
    canvas.TextRect(r, x, y, text);
}

int TRzCustomStatusPane::MeasureAutoWidth() {
    if (m_caption.empty()) return m_defaultWidth;
    TCanvas& canvas = *Canvas();
    canvas.SetFont(*Font());
    // The whole caption is measured, however long: a cut-off measure would make the pane clip its own text.
    TRect r = Rect(0, 0, Width(), Height());
    const int length = static_cast<int>(std::min<std::size_t>(m_caption.size(), 0x7FFFFFFF));
    win::DrawText(canvas.Handle(), m_caption.c_str(), length, &r,
                  win::DT_CALCRECT | win::DT_NOPREFIX | win::DT_EXPANDTABS);
    return r.right + 2 * m_borderWidth + m_captionOffset + 6;
}

void TRzCustomStatusPane::ApplyAutoWidth() {
    if (ComponentState().Contains(csLoading) || !AutoSize()) return;
    int width = 0;
    {
        const win::WindowDC screen(nullptr);
        if (!screen) throw EOutOfResources(msg::SWindowDCError);
        TLentContext lent(*Canvas(), screen);
        width = MeasureAutoWidth();
    }
    SetWidth(width);
}

} // namespace gl
