// TOpenPictureDialog: the preview controls, the child template it runs with, the show step that puts the
// preview pane beside the standard controls, and the selection-change step that loads the picture under the
// cursor.
#include "framework/forms/ExtDlgs.h"

#include "framework/controls/ButtonsSpeed.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/controls/StdCtrlsLabel.h"
#include "framework/core/FileNames.h"
#include "framework/core/Format.h"
#include "framework/core/Resources.h"
#include "framework/core/Streams.h"
#include "framework/forms/Application.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsFormats.h"
#include "platform/system/Files.h"
#include "platform/user/Windows.h"

namespace gl {

namespace {

constexpr const char* kTemplateName = "DLGTEMPLATE";

// A file the preview may try: it is there, it is not a folder, and the platform can tell its attributes.
bool IsPreviewable(const std::string& path) {
    if (path.empty() || !FileExists(path) || DirectoryExists(path)) return false;
    return win::GetFileAttributes(path.c_str()) != win::INVALID_FILE_ATTRIBUTES;
}

// A picture kind the program knows by the name's extension.
bool HasPictureExtension(const std::string& path) {
    std::string extension = ExtractFileExt(path);
    if (!extension.empty()) extension.erase(0, 1);
    return !extension.empty() && GetFileFormats().FindExt(extension) != nullptr;
}

void LoadGlyph(TBitmap& glyph) {
    TStringStream stream{std::string(LoadResource(TResourceType::Bitmap, "PREVIEWGLYPH"))};
    stream.Seek(0, soBeginning);
    glyph.LoadFromStream(stream);
}

} // namespace

// ---- TSilentPaintPanel ----

void TSilentPaintPanel::WMPaint(TWMPaint& message) {
    try {
        TPanel::WMPaint(message);
    } catch (const std::exception&) {
        // The panel's own painting came first, so the caption set here shows from the next paint on.
        SetCaption("Invalid image");
    }
}

// ---- TOpenPictureDialog ----

std::string TOpenPictureDialog::DefaultFilter() {
    return GraphicFilter(TGraphic::StaticClass());
}

TOpenPictureDialog::TOpenPictureDialog(TComponent* owner) : TOpenDialog(owner) {
    RegisterExtDlgsResources();
    SetFilter(DefaultFilter());

    m_picturePanel = new TPanel(this);
    m_picturePanel->SetName("PicturePanel");
    m_picturePanel->SetCaption("");
    m_picturePanel->SetBounds(204, 5, 169, 200);
    m_picturePanel->SetBevelOuter(bvNone);
    m_picturePanel->SetBorderWidth(6);
    m_picturePanel->SetTabOrder(1);

    m_pictureLabel = new TLabel(this);
    m_pictureLabel->SetName("PictureLabel");
    m_pictureLabel->SetCaption("");
    m_pictureLabel->SetBounds(6, 6, 157, 23);
    m_pictureLabel->SetAlign(alTop);
    m_pictureLabel->SetAutoSize(false);
    m_pictureLabel->SetParent(m_picturePanel);

    m_previewButton = new TSpeedButton(this);
    m_previewButton->SetName("PreviewButton");
    m_previewButton->SetBounds(77, 1, 23, 22);
    m_previewButton->SetEnabled(false);
    TBitmap glyph;
    LoadGlyph(glyph);
    m_previewButton->SetGlyph(&glyph);
    m_previewButton->SetHint("Preview");
    m_previewButton->SetParentShowHint(false);
    m_previewButton->SetShowHint(true);
    m_previewButton->OnClick = [this](TObject* sender) { PreviewClick(sender); };
    m_previewButton->SetParent(m_picturePanel);

    m_paintPanel = new TSilentPaintPanel(this);
    m_paintPanel->SetName("PaintPanel");
    m_paintPanel->SetCaption("");
    m_paintPanel->SetBounds(6, 29, 157, 145);
    m_paintPanel->SetAlign(alClient);
    m_paintPanel->SetBevelInner(bvRaised);
    m_paintPanel->SetBevelOuter(bvLowered);
    m_paintPanel->SetTabOrder(0);
    m_paintPanel->SetParent(m_picturePanel);

    m_paintBox = new TImage(this);
    m_paintBox->SetName("PaintBox");
    m_paintBox->SetAlign(alClient);
    m_paintBox->SetStretch(true);
    m_paintBox->SetProportional(true);
    m_paintBox->SetCenter(true);
    m_paintBox->SetIncrementalDisplay(true);
    m_paintBox->OnDblClick = [this](TObject* sender) { PreviewClick(sender); };
    m_paintBox->SetParent(m_paintPanel);
}

TOpenPictureDialog::~TOpenPictureDialog() = default;

bool TOpenPictureDialog::Execute() {
    RegisterExtDlgsResources();
    if (Options().Contains(ofOldStyleDialog))
        m_templateName.clear();
    else
        m_templateName = kTemplateName;
    return DoExecute(&win::GetOpenFileName);
}

void TOpenPictureDialog::DoShow() {
    TRect client{};
    TRect preview{};
    if (m_handle) {
        win::GetClientRect(m_handle, &client);
        preview = client;
        if (win::HWND placeholder = win::GetDlgItem(m_handle, win::stc32)) {
            win::GetWindowRect(placeholder, &preview);
            win::MapWindowPoints(nullptr, m_handle, reinterpret_cast<win::POINT*>(&preview), 2);
        }
    }
    m_picturePanel->SetBoundsRect(TRect{preview.right, client.top + 4, client.right, client.bottom});
    m_previewButton->SetLeft(m_paintPanel->BoundsRect().right - m_previewButton->Width() - 2);
    m_paintBox->Picture()->Assign(nullptr);
    m_savedFilename.clear();
    m_paintPanel->SetCaption("(None)");
    m_picturePanel->SetParentWindow(m_handle);
    TOpenDialog::DoShow();
}

void TOpenPictureDialog::ShowNoPicture(const std::string& caption) {
    m_pictureLabel->SetCaption("Picture:");
    m_previewButton->SetEnabled(false);
    m_paintBox->Picture()->Assign(nullptr);
    m_paintPanel->SetCaption(caption);
}

void TOpenPictureDialog::DoSelectionChange() {
    const std::string path = FileName();
    if (path != m_savedFilename) {
        m_savedFilename = path;
        if (!IsPreviewable(path) || !HasPictureExtension(path)) {
            ShowNoPicture("(None)");
        } else {
            try {
                m_paintBox->Picture()->LoadFromFile(path);
                m_pictureLabel->SetCaption(
                    Format(" (%dx%d)", {m_paintBox->Picture()->Width(), m_paintBox->Picture()->Height()}));
                m_previewButton->SetEnabled(true);
                m_paintPanel->SetCaption("");
            } catch (const std::exception&) {
                // A damaged picture is told apart from no picture at all; the next selection starts afresh.
                ShowNoPicture("Invalid image");
            }
        }
    }
    TOpenDialog::DoSelectionChange();
}

void TOpenPictureDialog::DoClose() {
    // The pane leaves the dialog's window before the platform takes that window down, so the controls keep
    // their state for the next run.
    m_picturePanel->SetParentWindow(nullptr);
    if (Application) Application->CancelHint();
    TOpenDialog::DoClose();
}

} // namespace gl
