// TImage: picture changes, auto-size, the destination rectangle and painting.
#include "framework/controls/ExtCtrlsImage.h"

#include "framework/core/FlagScope.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsIcon.h"
#include "framework/graphics/GraphicsMetafile.h"

#include <cmath>

namespace gl {

TImage::TImage(TComponent* owner) : TGraphicControl(owner), m_picture(std::make_unique<TPicture>()) {
    IncludeStyle(csReplicatable);
    m_picture->OnChange = [this](TObject* sender) { PictureChanged(sender); };
    m_picture->OnProgress = [this](TObject* sender, TProgressStage stage, std::uint8_t percent, bool redraw,
                                   const TRect& rect, const std::string& message) {
        Progress(sender, stage, percent, redraw, rect, message);
    };
    SetBounds(Left(), Top(), 105, 105);
}

TImage::~TImage() {
    // The picture's graphic may still tell it of changes while it goes; nobody should listen by then.
    m_picture->OnChange = nullptr;
    m_picture->OnProgress = nullptr;
}

void TImage::SetCenter(bool value) {
    if (value == m_center) return;
    m_center = value;
    PictureChanged(this);
}

void TImage::SetStretch(bool value) {
    if (value == m_stretch) return;
    m_stretch = value;
    PictureChanged(this);
}

void TImage::SetProportional(bool value) {
    if (value == m_proportional) return;
    m_proportional = value;
    PictureChanged(this);
}

void TImage::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    PictureChanged(this);
}

TRect TImage::DestRect() const {
    int w = m_picture->Width(), h = m_picture->Height();
    const int cw = ClientWidth(), ch = ClientHeight();
    if (m_stretch || (m_proportional && (w > cw || h > ch))) {
        if (m_proportional && w > 0 && h > 0) {
            const double aspect = static_cast<double>(w) / h;
            if (w > h) {
                w = cw;
                h = static_cast<int>(std::trunc(cw / aspect));
                if (h > ch) {
                    h = ch;
                    w = static_cast<int>(std::trunc(ch * aspect));
                }
            } else {
                h = ch;
                w = static_cast<int>(std::trunc(ch * aspect));
                if (w > cw) {
                    w = cw;
                    h = static_cast<int>(std::trunc(cw / aspect));
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect rect{0, 0, w, h};
    if (m_center) {
        const int dx = (cw - w) / 2, dy = (ch - h) / 2;
        rect = TRect{dx, dy, dx + w, dy + h};
    }
    return rect;
}

bool TImage::CanAutoSize(int& newWidth, int& newHeight) const {
    if (!ComponentState().Contains(csDesigning) || (m_picture->Width() > 0 && m_picture->Height() > 0)) {
        const TAlign align = Align();
        if (align == alNone || align == alLeft || align == alRight) newWidth = m_picture->Width();
        if (align == alNone || align == alTop || align == alBottom) newHeight = m_picture->Height();
    }
    return true;
}

void TImage::AdjustSize() {
    if (ComponentState().Contains(csLoading)) return;
    int width = Width(), height = Height();
    if (CanAutoSize(width, height)) SetBounds(Left(), Top(), width, height);
}

void TImage::PictureChanged(TObject*) {
    if (AutoSize() && m_picture->Width() > 0 && m_picture->Height() > 0)
        SetBounds(Left(), Top(), m_picture->Width(), m_picture->Height());
    if (TGraphic* graphic = m_picture->Graphic()) {
        const bool iconOrMetafile = dynamic_cast<TIcon*>(graphic) || dynamic_cast<TMetafile*>(graphic);
        if (!iconOrMetafile) graphic->SetTransparent(m_transparent);
        const TRect dest = DestRect();
        if (!graphic->Transparent() && dest.left <= 0 && dest.top <= 0 && dest.right >= Width() &&
            dest.bottom >= Height())
            IncludeStyle(csOpaque);
        else
            ExcludeStyle(csOpaque); // the picture may leave part of the control uncovered
        ClearPaletteChange(*graphic);
    } else {
        ExcludeStyle(csOpaque);
    }
    if (!m_drawing) Invalidate();
}

void TImage::ClearPaletteChange(TGraphic& graphic) {
    // The screen shows every colour as it is: a new palette needs no realising, only the flag goes.
    if (!Visible() || ComponentState().Contains(csLoading)) return;
    graphic.SetPaletteModified(false);
}

void TImage::Paint() {
    TCanvas& canvas = *Canvas();
    if (ComponentState().Contains(csDesigning)) {
        canvas.Pen().SetStyle(psDash);
        canvas.Brush().SetStyle(bsClear);
        canvas.Rectangle(0, 0, Width(), Height());
    }
    const ValueScope drawing(m_drawing, true);
    canvas.StretchDraw(DestRect(), m_picture->Graphic());
}

void TImage::Progress(TObject* sender, TProgressStage stage, std::uint8_t percentDone, bool redrawNow,
                      const TRect& rect, const std::string& message) {
    if (m_incrementalDisplay && redrawNow) Repaint();
    if (OnProgress) OnProgress(sender, stage, percentDone, redrawNow, rect, message);
}

} // namespace gl
