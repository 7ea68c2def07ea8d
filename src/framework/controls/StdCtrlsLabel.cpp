// TLabel: its text, drawn in the label's font over the parent's colour.
#include "framework/controls/StdCtrlsLabel.h"

#include "framework/graphics/Canvas.h"
#include "platform/fonts/FontApi.h"

namespace gl {

const MessageTable& TLabel::Messages() const {
    static const MessageTable table = TGraphicControl::Messages().With({
        {CM_TEXTCHANGED, &TLabel::CMTextChanged},
    });
    return table;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    IncludeStyle(csOpaque);
    SetBounds(Left(), Top(), 65, 17);
}

void TLabel::CMTextChanged(TMessage&) {
    Invalidate();
}

void TLabel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    const std::string caption = Caption();
    if (caption.empty()) return;
    canvas.SetFont(*Font());
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(bsClear);
    win::DrawText(canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &rect,
                  win::DT_LEFT | win::DT_WORDBREAK | win::DT_NOPREFIX);
}

} // namespace gl
