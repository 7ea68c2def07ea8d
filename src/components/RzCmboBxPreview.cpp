// The font box's preview style: a pop-up panel beside the open list that shows a sample (or the attached
// edit's text) in the face of the entry under the pointer, shown on opening and hidden on closing, when the
// panel loses the focus, or when another control cancels the mouse mode.
#include "components/RzCmboBx.h"

#include "framework/controls/MessageDispatch.h"
#include "framework/controls/StdCtrlsEdit.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ScreenText.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Windows.h"

#include <optional>

namespace gl {

namespace {

constexpr const char* kSample = "AaBbYyZz";
constexpr int kPanelFontSize = 36;
constexpr int kPanelWidth = 260;
constexpr int kPanelHeight = 65;

} // namespace

const MessageTable& TRzFontComboBox::Messages() const {
    static const MessageTable table = TRzCustomComboBox::Messages().With({
        {RM_HIDEPREVIEW, &TRzFontComboBox::RMHidePreview},
        {CM_CANCELMODE, &TRzFontComboBox::CMCancelMode},
    });
    return table;
}

const MessageTable& TRzPreviewFontPanel::Messages() const {
    static const MessageTable table = TCustomControl::Messages().With({
        {CM_CANCELMODE, &TRzPreviewFontPanel::CMCancelMode},
    });
    return table;
}

// ---- The panel ----

TRzPreviewFontPanel::TRzPreviewFontPanel(TComponent* owner) : TCustomControl(owner) {
    // Shown and hidden only by its font box.
    SetVisible(false);
    SetParentColor(false);
    SetColor(clWindow);
    SetParentFont(false);
    Font()->SetSize(kPanelFontSize);
    SetBounds(0, 0, kPanelWidth, kPanelHeight);
    SetText(kSample);
}

void TRzPreviewFontPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = win::WS_POPUP;
    params.ExStyle = win::WS_EX_TOPMOST | win::WS_EX_TOOLWINDOW | win::WS_EX_NOACTIVATE;
    params.WindowClass.style |= win::CS_SAVEBITS;
    params.WndParent = nullptr;
}

void TRzPreviewFontPanel::SetAlignLeft(bool left) {
    if (m_alignLeft == left) return;
    m_alignLeft = left;
    Invalidate();
}

void TRzPreviewFontPanel::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.SetFont(*Font());
    const std::string text = Text();
    const win::SIZE extent = canvas.TextExtent(text);
    const int x = m_alignLeft ? 2 : (Width() - extent.cx) / 2;
    canvas.TextRect(ClientRect(), x, (Height() - extent.cy) / 2, text);
    canvas.Brush().SetStyle(bsClear);
    canvas.Rectangle(ClientRect());
}

void TRzPreviewFontPanel::AskToHide() {
    if (auto* box = dynamic_cast<TRzFontComboBox*>(Owner()); box && box->HandleAllocated())
        win::SendMessage(box->Handle(), RM_HIDEPREVIEW, 0, 0);
}

void TRzPreviewFontPanel::WMKillFocus(TWMKillFocus& message) {
    TCustomControl::WMKillFocus(message);
    AskToHide();
}

void TRzPreviewFontPanel::CMCancelMode(TMessage& message) {
    if (reinterpret_cast<TControl*>(message.LParam) != this) AskToHide();
}

// ---- The font box's side ----

int TRzFontComboBox::PreviewFontSize() const {
    return m_previewPanel ? m_previewPanel->Font()->Size() : kPanelFontSize;
}
void TRzFontComboBox::SetPreviewFontSize(int size) {
    if (m_previewPanel) m_previewPanel->Font()->SetSize(size);
}
int TRzFontComboBox::PreviewHeight() const {
    return m_previewPanel ? m_previewPanel->Height() : kPanelHeight;
}
void TRzFontComboBox::SetPreviewHeight(int height) {
    if (m_previewPanel) m_previewPanel->SetHeight(height);
}
int TRzFontComboBox::PreviewWidth() const {
    return m_previewPanel ? m_previewPanel->Width() : kPanelWidth;
}
void TRzFontComboBox::SetPreviewWidth(int width) {
    if (m_previewPanel) m_previewPanel->SetWidth(width);
}

void TRzFontComboBox::SetPreviewEdit(TWinControl* edit) {
    if (m_previewEdit == edit) return;
    if (m_previewEdit) m_previewEdit->RemoveFreeNotification(this);
    m_previewEdit = edit;
    if (edit) edit->FreeNotification(this);
}

void TRzFontComboBox::Notification(TComponent* component, TOperation operation) {
    TRzCustomComboBox::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == m_previewEdit) m_previewEdit = nullptr;
    if (component == m_previewPanel) m_previewPanel = nullptr;
}

void TRzFontComboBox::RefreshPreviewText() {
    if (!m_previewPanel) return;
    if (auto* edit = dynamic_cast<TCustomEdit*>(m_previewEdit)) {
        std::string text = edit->SelText();
        if (text.empty()) {
            // The first ten characters, not bytes.
            text = edit->Text();
            std::size_t end = 0;
            for (int count = 0; end < text.size() && count < 10; ++count) {
                ++end;
                while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
            }
            text.resize(end);
        }
        m_previewPanel->SetAlignLeft(true);
        m_previewPanel->SetText(text);
        return;
    }
    m_previewPanel->SetAlignLeft(false);
    std::string text = m_previewText.empty() ? std::string(kSample) : m_previewText;
    // Shorter samples when the text does not fit the panel, measured on the screen: the panel's own window
    // is made only when the list first opens, after this.
    const ScreenText screen(*m_previewPanel->Font());
    for (const char* shorter : {"AaBbYyZ", "AaBbYy"}) {
        const std::optional<win::SIZE> extent = screen.Extent(text);
        if (extent && extent->cx >= m_previewPanel->Width()) text = shorter;
    }
    m_previewPanel->SetText(text);
}

void TRzFontComboBox::DropDown() {
    if (m_showStyle != ssFontPreview) {
        TRzCustomComboBox::DropDown();
        return;
    }
    RefreshPreviewText();
    TRzCustomComboBox::DropDown();
    ShowPreview();
}

void TRzFontComboBox::ShowPreview() {
    if (!m_previewPanel || Items()->Count() == 0) return;
    const TPoint corner = ClientToScreen(TPoint{0, 0});
    const int listWidth = DropDownWidth() > 0 ? DropDownWidth() : Width();
    win::SetWindowPos(m_previewPanel->Handle(), win::HWND_TOPMOST, corner.x + listWidth - 1, corner.y,
                      m_previewPanel->Width(), m_previewPanel->Height(),
                      win::SWP_NOACTIVATE | win::SWP_SHOWWINDOW);
    m_previewVisible = true;
}

void TRzFontComboBox::HidePreview() {
    if (!m_previewVisible) return;
    m_previewVisible = false;
    if (m_previewPanel && m_previewPanel->HandleAllocated())
        win::SetWindowPos(m_previewPanel->Handle(), nullptr, 0, 0, 0, 0,
                          win::SWP_HIDEWINDOW | win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER |
                              win::SWP_NOACTIVATE);
}

void TRzFontComboBox::RMHidePreview(TMessage&) {
    HidePreview();
}

void TRzFontComboBox::CMCancelMode(TMessage& message) {
    if (reinterpret_cast<TControl*>(message.LParam) != this) HidePreview();
}

} // namespace gl
