// The picture dialog's preview window: the picture under the cursor in a window of its own, sized to the
// picture as far as three quarters of the monitor allow, closed with Escape.
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/forms/ExtDlgs.h"
#include "framework/forms/Forms.h"
#include "framework/forms/Screen.h"

#include <algorithm>
#include <memory>

namespace gl {

void TOpenPictureDialog::PreviewKeyPress(TObject* sender, char32_t& key) {
    if (key != 27) return;
    if (auto* form = dynamic_cast<TCustomForm*>(sender)) form->Close();
}

void TOpenPictureDialog::PreviewClick(TObject*) {
    auto form = std::make_unique<TForm>(this);
    form->SetName("PreviewForm");
    form->SetVisible(false);
    form->SetCaption("Preview");
    form->SetBorderStyle(bsSizeToolWin);
    form->SetKeyPreview(true);
    form->SetPosition(poScreenCenter);
    form->OnKeyPress = [this](TObject* sender, char32_t& key) { PreviewKeyPress(sender, key); };

    auto* panel = new TPanel(form.get());
    panel->SetName("Panel");
    panel->SetParent(form.get());
    panel->SetAlign(alClient);
    panel->SetCaption("");
    panel->SetBevelOuter(bvNone);
    panel->SetBorderStyle(bsSingle);
    panel->SetBorderWidth(5);
    panel->SetColor(clWindow);
    panel->SetDoubleBuffered(true);

    auto* image = new TImage(form.get());
    image->SetName("Image");
    image->SetParent(panel);
    image->SetAlign(alClient);
    image->SetStretch(true);
    image->SetProportional(true);
    image->SetCenter(true);
    image->Picture()->Assign(m_paintBox->Picture());

    const int pictureWidth = image->Picture()->Width(), pictureHeight = image->Picture()->Height();
    if (pictureWidth > 0) {
        // The area the image fills is what the panel's border leaves of its client area.
        TRect area = panel->ClientRect();
        panel->AdjustClientRect(area);
        const TMonitor monitor = Screen->MonitorFromWindow(form->Handle());
        form->SetClientWidth(
            std::min(monitor.Width() * 3 / 4, form->ClientWidth() + pictureWidth - RectWidth(area) + 10));
        area = panel->ClientRect();
        panel->AdjustClientRect(area);
        form->SetClientHeight(
            std::min(monitor.Height() * 3 / 4, form->ClientHeight() + pictureHeight - RectHeight(area) + 10));
    }
    form->ShowModal();
}

} // namespace gl
