// TRzButton's faces: the hot-tracking look (cut-corner ring and border, pressed, hot, focus and plain faces),
// the classic look, the down pattern of grouped buttons, the caption and the dotted focus rectangle.
#include "components/ColorShading.h"
#include "components/RzButton.h"
#include "framework/controls/ParentImage.h"
#include "framework/graphics/Canvas.h"
#include "platform/fonts/FontApi.h"

namespace gl {

namespace {

void Line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Fill(TCanvas& canvas, TRect r, TColor color) {
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

// Two nested outlines (upper-left and lower-right colours), the inner one shaded towards the middle, and the
// rest filled with the face colour.
void RingFace(TCanvas& canvas, TRect r, TRzRingColors ring, TColor face) {
    r = DrawSides(canvas, r, ring.upperLeft, ring.lowerRight, sdAllSides);
    r = DrawSides(canvas, r, DarkerColor(ring.upperLeft, 10), LighterColor(ring.lowerRight, 10), sdAllSides);
    Fill(canvas, r, face);
}

void PlainFace(TCanvas& canvas, TRect r, TColor color) {
    const int l = r.left, t = r.top, rt = r.right, b = r.bottom;
    Line(canvas, LighterColor(color, 20), l, t, rt, t);
    Line(canvas, LighterColor(color, 15), l, t + 1, rt, t + 1);
    Line(canvas, LighterColor(color, 10), l, t + 2, rt, t + 2);
    Line(canvas, DarkerColor(color, 10), l, b - 3, rt - 2, b - 3);
    canvas.LineTo(rt - 2, t + 2);
    Line(canvas, DarkerColor(color, 20), l, b - 2, rt - 1, b - 2);
    canvas.LineTo(rt - 1, t + 2);
    Line(canvas, DarkerColor(color, 30), l, b - 1, rt, b - 1);
    Fill(canvas, Rect(l, t + 3, rt - 2, b - 3), color);
}

} // namespace

bool TRzButton::ContentShifted() const {
    return !HotTrack() && ShowsDown();
}

void TRzButton::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Pen().SetWidth(1);
    if (HotTrack())
        PaintHotTrackFace(canvas);
    else
        PaintClassicFace(canvas);
    if (m_groupIndex != 0 && m_down && m_showDownPattern) PaintDownPattern(canvas);
    DrawCaptionAndGlyph(canvas);
    if (Focused() && m_showFocusRect) PaintFocusDots(canvas);
}

void TRzButton::PaintHotTrackFace(TCanvas& canvas) {
    const TRect client = ClientRect();
    TRect outline = client;
    InflateRect(outline, -1);
    TRect face = outline;
    InflateRect(face, -1);
    // A hot-tracking button is transparent: its corners show what the parent paints behind it.
    DrawParentImage(*this, canvas.Handle());
    const bool systemFace = Color() == clBtnFace;
    if (!Enabled()) {
        DrawCutCornerOutline(canvas, outline,
                             systemFace ? LighterColor(clBtnShadow, 30) : DarkerColor(Color(), 80));
        Fill(canvas, face, Color());
        return;
    }
    // The outer ring is in shades of the system face, whatever the button's colour.
    const TColor dark = DarkerColor(clBtnFace, 20);
    const TColor light = LighterColor(clBtnFace, 20);
    const int l = client.left, t = client.top, r = client.right, b = client.bottom;
    Line(canvas, dark, l, t + 2, l, b - 2);
    Line(canvas, dark, l + 2, t, r - 2, t);
    Line(canvas, light, r - 1, t + 2, r - 1, b - 2);
    Line(canvas, light, l + 2, b - 1, r - 2, b - 1);
    canvas.SetPixels(l + 1, t + 1, dark);
    canvas.SetPixels(r - 2, t + 1, dark);
    canvas.SetPixels(l + 1, b - 2, dark);
    canvas.SetPixels(r - 2, b - 2, light);
    DrawCutCornerOutline(canvas, outline, systemFace ? cl3DDkShadow : DarkerColor(Color(), 150));

    if (ShowsDown())
        Fill(canvas, face, DarkerColor(Color(), 10));
    else if (MouseOver())
        RingFace(canvas, face, HotTrackRing(HotTrackColor(), HotTrackColorType()), Color());
    else if (m_groupIndex == 0 && (m_active || Focused()))
        RingFace(canvas, face, FocusRing(HighlightColor()), Color());
    else
        PlainFace(canvas, face, Color());
}

void TRzButton::PaintClassicFace(TCanvas& canvas) {
    TRect r = ClientRect();
    const bool grouped = m_groupIndex != 0;
    // The frame of the button Enter clicks, and of one whose click is running (a box raised from OnClick
    // paints it so).
    if (!grouped && (m_active || (Focused() && !ShowsPressed()) || m_clicking)) {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(r);
        InflateRect(r, -1);
    }
    TFrameStyle style = ShowsPressed() ? fsButtonDown : fsButtonUp;
    if (grouped) style = m_down ? fsLowered : fsButtonUp;
    r = Color() == clBtnFace ? DrawBorder(canvas, r, style, sdAllSides)
                             : DrawColorBorder(canvas, r, style, sdAllSides, Color());
    Fill(canvas, r, Color());
}

// An 8 x 8 checker of the button's colour and silver (grey on a silver button), aligned to the client area's
// corner as a pattern brush is.
void TRzButton::PaintDownPattern(TCanvas& canvas) {
    const TColor other = ColorToRGB(Color()) == ColorToRGB(clSilver) ? clGray : clSilver;
    TRect r = ClientRect();
    InflateRect(r, -2);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) canvas.SetPixels(x, y, ((x + y) & 1) == 0 ? other : Color());
}

void TRzButton::DrawCaptionAndGlyph(TCanvas& canvas) {
    TRect area = ClientRect();
    InflateRect(area, -5);
    if (ContentShifted()) area = Rect(area.left + 1, area.top + 1, area.right + 1, area.bottom + 1);
    win::UINT format = win::DT_WORDBREAK | win::DT_EXPANDTABS;
    if (m_alignment == taCenter) format |= win::DT_CENTER;
    if (m_alignment == taRightJustify) format |= win::DT_RIGHT;
    DrawCaptionText(canvas, area, format);
}

// Every second pixel along each side, starting one after the corner; black dots on the light faces.
void TRzButton::PaintFocusDots(TCanvas& canvas) {
    TRect r = ClientRect();
    InflateRect(r, HotTrack() ? -3 : -4);
    if (ShowsDown()) r = Rect(r.left + 1, r.top + 1, r.right + 1, r.bottom + 1);
    for (int x = r.left + 1; x < r.right; x += 2) {
        canvas.SetPixels(x, r.top, clBlack);
        canvas.SetPixels(x, r.bottom - 1, clBlack);
    }
    for (int y = r.top + 1; y < r.bottom; y += 2) {
        canvas.SetPixels(r.left, y, clBlack);
        canvas.SetPixels(r.right - 1, y, clBlack);
    }
}

// ---- Caption text of every button kind ----

void TRzCustomButton::DrawTextCopy(TCanvas& canvas, TRect area, win::UINT format, int dx, int dy,
                                   TColor color) {
    const std::string text = Caption();
    canvas.Font().SetColor(color);
    TRect r = Rect(area.left + dx, area.top + dy, area.right + dx, area.bottom + dy);
    win::DrawText(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &r, format);
}

void TRzCustomButton::DrawCaptionText(TCanvas& canvas, TRect area, win::UINT format) {
    const std::string text = Caption();
    if (text.empty()) return;
    canvas.SetFont(*Font());
    canvas.Brush().SetStyle(bsClear);
    TRect measure = area;
    win::DrawText(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &measure,
                  format | win::DT_CALCRECT);
    const int height = measure.bottom - measure.top;
    if (m_alignmentVertical == avCenter) area.top = (area.top + area.bottom - height) / 2;
    if (m_alignmentVertical == avBottom) area.top = area.bottom - height - 1;
    if (!Enabled()) {
        DrawTextCopy(canvas, area, format, 1, 1, clBtnHighlight);
        DrawTextCopy(canvas, area, format, 0, 0, clBtnShadow);
        return;
    }
    const TColor fontColor = Font()->Color();
    switch (m_textStyle) {
    case tsRaised:
        if (!m_lightTextStyle) DrawTextCopy(canvas, area, format, 1, 1, m_textShadowColor);
        DrawTextCopy(canvas, area, format, -1, -1, m_textHighlightColor);
        break;
    case tsRecessed:
        DrawTextCopy(canvas, area, format, 1, 1, m_textHighlightColor);
        if (!m_lightTextStyle) DrawTextCopy(canvas, area, format, -1, -1, m_textShadowColor);
        break;
    case tsShadow:
        if (format & win::DT_RIGHT) {
            DrawTextCopy(canvas, area, format, 0, m_textShadowDepth, m_textShadowColor);
            area.right -= m_textShadowDepth;
        } else {
            DrawTextCopy(canvas, area, format, m_textShadowDepth, m_textShadowDepth, m_textShadowColor);
        }
        break;
    case tsNormal:
        break;
    }
    DrawTextCopy(canvas, area, format, 0, 0, fontColor);
}

} // namespace gl
