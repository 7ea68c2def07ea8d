// TRzCustomPanel and TRzCustomGroupBox: properties, borders, face, caption, the area left for aligned
// children, and their stored properties.
#include "components/RzPanel.h"

#include "components/ColorShading.h"
#include "components/StoreAndRepaint.h"
#include "framework/controls/ControlProperties.h"
#include "framework/controls/ParentImage.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ScreenText.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Screen.h"

namespace gl {

namespace {

void Line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

} // namespace

int ScreenTextHeight(TFont& font, const std::string& text) {
    const std::optional<win::SIZE> size = ScreenText(font).Extent(text);
    return size ? size->cy : 0;
}

// ---- TRzCustomPanel ----

TRzCustomPanel::TRzCustomPanel(TComponent* owner) : TCustomControl(owner) {
    IncludeStyle(csAcceptsControls);
    // A panel shows only the caption it is given, never its name.
    ExcludeStyle(csSetCaption);
    SetBounds(Left(), Top(), 185, 41);
}

void TRzCustomPanel::SetBorderOuter(TFrameStyle value) {
    if (StoreAndRepaint(*this, m_borderOuter, value)) Realign();
}
void TRzCustomPanel::SetBorderInner(TFrameStyle value) {
    if (StoreAndRepaint(*this, m_borderInner, value)) Realign();
}
void TRzCustomPanel::SetBorderWidth(int value) {
    if (StoreAndRepaint(*this, m_borderWidth, value < 0 ? 0 : value)) Realign();
}
void TRzCustomPanel::SetBorderSides(TSides value) {
    if (StoreAndRepaint(*this, m_borderSides, value)) Realign();
}
void TRzCustomPanel::SetBorderColor(TColor value) {
    StoreAndRepaint(*this, m_borderColor, value);
}
void TRzCustomPanel::SetBorderHighlight(TColor value) {
    StoreAndRepaint(*this, m_borderHighlight, value);
}
void TRzCustomPanel::SetBorderShadow(TColor value) {
    StoreAndRepaint(*this, m_borderShadow, value);
}
void TRzCustomPanel::SetFlatColor(TColor value) {
    StoreAndRepaint(*this, m_flatColor, value);
}
void TRzCustomPanel::SetFlatColorAdjustment(int value) {
    StoreAndRepaint(*this, m_flatColorAdjustment, value);
}
void TRzCustomPanel::SetBevelWidth(int value) {
    StoreAndRepaint(*this, m_bevelWidth, value < 1 ? 1 : value);
}
void TRzCustomPanel::SetAlignment(TAlignment value) {
    StoreAndRepaint(*this, m_alignment, value);
}
void TRzCustomPanel::SetAlignmentVertical(TAlignmentVertical value) {
    StoreAndRepaint(*this, m_alignmentVertical, value);
}
void TRzCustomPanel::SetThemeAware(bool value) {
    StoreAndRepaint(*this, m_themeAware, value);
}
void TRzCustomPanel::SetTransparent(bool value) {
    StoreAndRepaint(*this, m_transparent, value);
}
void TRzCustomPanel::SetUseGradients(bool value) {
    StoreAndRepaint(*this, m_useGradients, value);
}
void TRzCustomPanel::SetShowGrid(bool value) {
    StoreAndRepaint(*this, m_showGrid, value);
}

void TRzCustomPanel::CMTextChanged(TMessage& message) {
    TCustomControl::CMTextChanged(message);
    Invalidate();
}

void TRzCustomPanel::CMFontChanged(TMessage& message) {
    TCustomControl::CMFontChanged(message);
    Invalidate();
    Realign();
}

TColor TRzCustomPanel::AdjustedFlatColor() const {
    return AdjustColor(m_flatColor, m_flatColorAdjustment);
}

int TRzCustomPanel::StyleWidth(TFrameStyle style) const {
    switch (style) {
    case fsNone:
        return 0;
    case fsFlat:
    case fsFlatRounded:
        return 1;
    case fsStatus:
    case fsPopup:
        return m_bevelWidth;
    default:
        return 2;
    }
}

void TRzCustomPanel::AdjustClientRect(TRect& rect) const {
    const int by = StyleWidth(m_borderOuter) + m_borderWidth + StyleWidth(m_borderInner);
    if (m_borderSides.Contains(sdLeft)) rect.left += by;
    if (m_borderSides.Contains(sdTop)) rect.top += by;
    if (m_borderSides.Contains(sdRight)) rect.right -= by;
    if (m_borderSides.Contains(sdBottom)) rect.bottom -= by;
}

TRect TRzCustomPanel::PaintBorder(TCanvas& canvas, TRect rect, TFrameStyle style) {
    switch (style) {
    case fsNone:
        return rect;
    case fsFlat:
        return DrawSides(canvas, rect, AdjustedFlatColor(), AdjustedFlatColor(), m_borderSides);
    case fsFlatBold:
        return DrawBevel(canvas, rect, AdjustedFlatColor(), AdjustedFlatColor(), 2, m_borderSides);
    case fsStatus:
        return DrawBevel(canvas, rect, m_borderShadow, m_borderHighlight, m_bevelWidth, m_borderSides);
    case fsPopup:
        return DrawBevel(canvas, rect, m_borderHighlight, m_borderShadow, m_bevelWidth, m_borderSides);
    default:
        return DrawBorder(canvas, rect, style, m_borderSides);
    }
}

TRect TRzCustomPanel::PaintBorders(TCanvas& canvas, TRect rect) {
    rect = PaintBorder(canvas, rect, m_borderOuter);
    if (m_borderWidth > 0)
        rect = DrawBevel(canvas, rect, m_borderColor, m_borderColor, m_borderWidth, m_borderSides);
    return PaintBorder(canvas, rect, m_borderInner);
}

void TRzCustomPanel::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Pen().SetWidth(1);
    // A transparent panel shows what its parent paints, its borders over that.
    if (m_transparent) DrawParentImage(*this, canvas.Handle());
    const TRect inside = PaintBorders(canvas, ClientRect());
    if (!m_transparent) PaintFace(canvas, inside);
    if (m_showGrid) PaintGrid(canvas, inside);
    if (PaintsCaption()) PaintCaption(canvas, inside);
}

// Plain Color, or a gradient from white at the top to Color at the bottom.
void TRzCustomPanel::PaintFace(TCanvas& canvas, TRect rect) {
    if (!m_useGradients || rect.bottom - rect.top < 2) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(rect);
        return;
    }
    const win::COLORREF top = ColorToRGB(clWhite);
    const win::COLORREF bottom = ColorToRGB(Color());
    const int last = rect.bottom - rect.top - 1;
    const auto channel = [last](win::COLORREF from, win::COLORREF to, int shift, int row) {
        const int a = static_cast<int>((from >> shift) & 0xFF), b = static_cast<int>((to >> shift) & 0xFF);
        return static_cast<win::COLORREF>(a + (b - a) * row / last) << shift;
    };
    for (int row = 0; row <= last; ++row) {
        const win::COLORREF color =
            channel(top, bottom, 0, row) | channel(top, bottom, 8, row) | channel(top, bottom, 16, row);
        canvas.Brush().SetColor(static_cast<TColor>(color));
        canvas.FillRect(Rect(rect.left, rect.top + row, rect.right, rect.top + row + 1));
    }
}

// The placement grid: a dot in the button shadow colour every 8 pixels, counted from the client corner.
void TRzCustomPanel::PaintGrid(TCanvas& canvas, TRect rect) {
    constexpr int kStep = 8;
    const auto firstOf = [](int from) { return (from + kStep - 1) / kStep * kStep; };
    for (int y = firstOf(rect.top); y < rect.bottom; y += kStep)
        for (int x = firstOf(rect.left); x < rect.right; x += kStep) canvas.SetPixels(x, y, clBtnShadow);
}

void TRzCustomPanel::PaintCaption(TCanvas& canvas, TRect rect) {
    const std::string text = Caption();
    if (text.empty()) return;
    canvas.SetFont(*Font());
    canvas.Brush().SetStyle(bsClear);
    win::UINT format = win::DT_SINGLELINE | win::DT_EXPANDTABS;
    format |= m_alignment == taCenter ? win::DT_CENTER : (m_alignment == taRightJustify ? win::DT_RIGHT : 0);
    format |= m_alignmentVertical == avCenter ? win::DT_VCENTER
                                              : (m_alignmentVertical == avBottom ? win::DT_BOTTOM : 0);
    if (!Enabled()) {
        TRect shifted = Rect(rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1);
        canvas.Font().SetColor(clBtnHighlight);
        win::DrawText(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &shifted, format);
        canvas.Font().SetColor(clBtnShadow);
    }
    win::DrawText(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &rect, format);
}

// ---- TRzCustomGroupBox ----

TRzCustomGroupBox::TRzCustomGroupBox(TComponent* owner) : TRzCustomPanel(owner) {
    SetBorderOuter(fsNone);
    SetBorderInner(fsNone);
    SetAlignment(taLeftJustify);
    SetAlignmentVertical(avTop);
    SetHeight(105);
}

void TRzCustomGroupBox::SetGroupStyle(TRzGroupBoxStyle value) {
    if (m_groupStyle == value) return;
    m_groupStyle = value;
    if (value != gsStandard && value != gsFlat) SetThemeAware(false);
    Invalidate();
    Realign();
}

void TRzCustomGroupBox::AdjustClientRect(TRect& rect) const {
    if (m_groupStyle == gsCustom) return TRzCustomPanel::AdjustClientRect(rect);
    TRzCustomPanel::AdjustClientRect(rect);
    if (BorderWidth() != 0) return;
    rect.top += ScreenTextHeight(*Font(), "Yy");
    const int inset = m_groupStyle == gsStandard ? 2 : 1;
    InflateRect(rect, -inset);
}

bool TRzCustomGroupBox::PaintsCaption() const {
    return m_groupStyle != gsCustom;
}

void TRzCustomGroupBox::Paint() {
    // The custom style paints like a panel, without the caption.
    if (m_groupStyle == gsCustom) return TRzCustomPanel::Paint();
    TCanvas& canvas = *Canvas();
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.SetFont(*Font());
    PaintFrame(canvas, canvas.TextHeight("Pp"));
    PaintGroupCaption(canvas);
}

void TRzCustomGroupBox::PaintFrame(TCanvas& canvas, int captionHeight) {
    const TRect r = Rect(0, captionHeight / 2 - 1, Width(), Height());
    if (m_groupStyle == gsTopLine) {
        DrawBorder(canvas, r, fsGroove, TSides{sdTop});
        return;
    }
    if (m_groupStyle == gsStandard) {
        if (BorderOuter() == fsFlat || BorderOuter() == fsFlatBold)
            DrawBevel(canvas, r, AdjustedFlatColor(), AdjustedFlatColor(), BorderOuter() == fsFlat ? 1 : 2,
                      sdAllSides);
        else
            DrawBorder(canvas, r, BorderOuter() == fsNone ? fsGroove : BorderOuter(), sdAllSides);
        return;
    }
    // The flat style: an outline with its corners cut, a pixel set inside each corner.
    const TColor color = AdjustedFlatColor();
    const int l = r.left, t = r.top, rt = r.right, b = r.bottom;
    Line(canvas, color, l, t + 2, l, b - 2);
    Line(canvas, color, l + 2, t, rt - 2, t);
    Line(canvas, color, rt - 1, t + 2, rt - 1, b - 2);
    Line(canvas, color, l + 2, b - 1, rt - 2, b - 1);
    canvas.SetPixels(l + 1, t + 1, color);
    canvas.SetPixels(rt - 2, t + 1, color);
    canvas.SetPixels(rt - 2, b - 2, color);
    canvas.SetPixels(l + 1, b - 2, color);
}

// The caption interrupts the top line: its box is filled with the face colour first.
void TRzCustomGroupBox::PaintGroupCaption(TCanvas& canvas) {
    const std::string text = Caption();
    if (text.empty()) return;
    const int count = static_cast<int>(text.size());
    TRect box = Rect(0, 0, 0, 0);
    win::DrawText(canvas.Handle(), text.c_str(), count, &box, win::DT_SINGLELINE | win::DT_CALCRECT);
    const int x = m_groupStyle == gsTopLine ? 0 : 8;
    box = Rect(x, 0, x + box.right, box.bottom);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(box);
    canvas.Brush().SetStyle(bsClear);
    if (!Enabled()) {
        TRect shifted = Rect(box.left + 1, box.top + 1, box.right + 1, box.bottom + 1);
        canvas.Font().SetColor(clBtnHighlight);
        win::DrawText(canvas.Handle(), text.c_str(), count, &shifted, win::DT_SINGLELINE);
        canvas.Font().SetColor(clBtnShadow);
    }
    win::DrawText(canvas.Handle(), text.c_str(), count, &box, win::DT_SINGLELINE);
}

} // namespace gl
