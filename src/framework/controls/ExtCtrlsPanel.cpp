// TPanel: the bevels, the border and the caption, and the client area its aligned children share.
#include "framework/controls/ExtCtrlsPanel.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Frame3D.h"
#include "platform/fonts/FontApi.h"

namespace gl {

namespace {

// One bevel: nothing for bvNone, blank space for bvSpace.
void Bevel(TCanvas& canvas, TRect& rect, TPanelBevel bevel, int width) {
    if (bevel == bvNone) return;
    if (bevel == bvSpace) {
        InflateRect(rect, -width);
        return;
    }
    const bool raised = bevel == bvRaised;
    Frame3D(canvas, rect, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
            width);
}

int BevelSize(TPanelBevel bevel, int width) {
    return bevel == bvNone ? 0 : width;
}

} // namespace

const MessageTable& TCustomPanel::Messages() const {
    static const MessageTable table = TCustomControl::Messages().With({
        {CM_TEXTCHANGED, &TCustomPanel::CMTextChanged},
    });
    return table;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    IncludeStyle(csAcceptsControls);
    IncludeStyle(csOpaque);
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), 185, 41);
}

void TCustomPanel::Changed() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel bevel) {
    if (bevel == m_bevelInner) return;
    m_bevelInner = bevel;
    Changed();
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
    if (bevel == m_bevelOuter) return;
    m_bevelOuter = bevel;
    Changed();
}

void TCustomPanel::SetBevelWidth(int width) {
    if (width == m_bevelWidth || width < 1) return;
    m_bevelWidth = width;
    Changed();
}

void TCustomPanel::SetBorderWidth(int width) {
    if (width == m_borderWidth || width < 0) return;
    m_borderWidth = width;
    Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style) {
    if (style == m_borderStyle) return;
    m_borderStyle = style;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    // The single border is the platform's sunken edge round the client area, or a plain line when flat.
    if (m_borderStyle != bsSingle) return;
    if (Ctl3D())
        params.ExStyle |= win::WS_EX_CLIENTEDGE;
    else
        params.Style |= win::WS_BORDER;
}

void TCustomPanel::AdjustClientRect(TRect& rect) const {
    TCustomControl::AdjustClientRect(rect);
    const int inset =
        BevelSize(m_bevelOuter, m_bevelWidth) + m_borderWidth + BevelSize(m_bevelInner, m_bevelWidth);
    InflateRect(rect, -inset);
}

void TCustomPanel::CMTextChanged(TMessage&) {
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    Bevel(canvas, rect, m_bevelOuter, m_bevelWidth);
    Frame3D(canvas, rect, Color(), Color(), m_borderWidth);
    Bevel(canvas, rect, m_bevelInner, m_bevelWidth);
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(rect);
    const std::string caption = Caption();
    if (caption.empty()) return;
    canvas.SetFont(*Font());
    canvas.Brush().SetStyle(bsClear);
    win::DrawText(canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &rect,
                  win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE | win::DT_NOPREFIX);
}

} // namespace gl
