// TOpenPictureDialog: the open-file dialog of the picture import, with a preview pane on its right: the
// picture under the cursor, scaled to fit, its size in pixels, and a button that opens a larger preview.
#pragma once

#include "framework/controls/ExtCtrlsPanel.h"
#include "framework/forms/Dialogs.h"

#include <string>

namespace gl {

class TImage;
class TLabel;
class TSpeedButton;

// A panel that never lets a paint error out: painting it or a picture on it that fails leaves the words
// "Invalid image" in its caption instead, and the dialog it sits in carries on.
class TSilentPaintPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::string ClassName() const override { return "TSilentPaintPanel"; }
    void WMPaint(TWMPaint& message) override;
};

class TOpenPictureDialog : public TOpenDialog {
public:
    // Filter: every picture kind the program reads (GraphicFilter of TGraphic); the preview controls are
    // made here and live as long as the dialog.
    explicit TOpenPictureDialog(TComponent* owner);
    ~TOpenPictureDialog() override;
    std::string ClassName() const override { return "TOpenPictureDialog"; }

    // With the preview pane (the child template "DLGTEMPLATE") unless ofOldStyleDialog is set.
    bool Execute() override;

    // The filter a new dialog starts with; a layout stores Filter only when it differs from it.
    static std::string DefaultFilter();
    bool FilterStored() const { return Filter() != DefaultFilter(); }

    // The larger preview of the picture under the cursor: a modal window sized to the picture (at most three
    // quarters of the monitor) that Escape closes.
    virtual void PreviewClick(TObject* sender);
    virtual void PreviewKeyPress(TObject* sender, char32_t& key);

protected:
    void DoShow() override;
    void DoSelectionChange() override;
    void DoClose() override;

private:
    void ShowNoPicture(const std::string& caption);

    TPanel* m_picturePanel = nullptr;
    TLabel* m_pictureLabel = nullptr;
    TSpeedButton* m_previewButton = nullptr;
    TSilentPaintPanel* m_paintPanel = nullptr;
    TImage* m_paintBox = nullptr;
    // The path previewed last: the same path again is not loaded again.
    std::string m_savedFilename;
};

// The dialog's resources: the child template "DLGTEMPLATE" in the platform's binary form (82 bytes) and the
// preview button's 16-colour glyph "PREVIEWGLYPH" as a bitmap file. Registered on first use, and by
// RegisterExtDlgsLayout.
std::string_view PictureDialogTemplateBytes();
std::string_view PreviewGlyphBitmap();
void RegisterExtDlgsResources();

// TOpenPictureDialog with its stored properties (those of TOpenDialog). Safe to call more than once.
void RegisterExtDlgsLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
