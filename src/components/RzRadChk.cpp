// TRzCustomGlyphButton and TRzRadioButton: properties, checking, the arrow keys among siblings, and the
// stored properties. The glyph template and its colours are in RzRadChkGlyph.cpp.
#include "components/RzRadChk.h"

#include "framework/controls/ControlProperties.h"
#include "framework/controls/ParentImage.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/user/Input.h"
#include "platform/user/Paint.h"
#include "platform/user/User.h"

#include <algorithm>

namespace gl {

// ---- TRzCustomGlyphButton ----

TRzCustomGlyphButton::TRzCustomGlyphButton(TComponent* owner)
    : TRzCustomButton(owner), m_customGlyphs(std::make_unique<TBitmap>()),
      m_background(std::make_unique<TBitmap>()) {
    // Glyphs assigned or read from a stored layout are put to use.
    m_customGlyphs->OnChange = [this](TObject*) {
        if (!m_customGlyphs->Empty()) m_useCustomGlyphs = true;
        Invalidate();
    };
}

TRzCustomGlyphButton::~TRzCustomGlyphButton() = default;

void TRzCustomGlyphButton::SetCustomGlyphs(const TBitmap* glyphs) {
    m_customGlyphs->Assign(glyphs);
}

void TRzCustomGlyphButton::SetUseCustomGlyphs(bool value) {
    if (m_useCustomGlyphs == value) return;
    m_useCustomGlyphs = value;
    Invalidate();
}

bool TRzCustomGlyphButton::DrawCustomGlyph(TCanvas& canvas, int x, int y, int state) {
    if (!m_useCustomGlyphs || m_customGlyphs->Width() < 6 * kGlyphSize ||
        m_customGlyphs->Height() < kGlyphSize)
        return false;
    TCanvas& source = m_customGlyphs->Canvas();
    const win::COLORREF transparent = ColorToRGB(m_transparentColor);
    const win::COLORREF mask = ColorToRGB(m_winMaskColor);
    for (int row = 0; row < kGlyphSize; ++row)
        for (int column = 0; column < kGlyphSize; ++column) {
            const win::COLORREF pixel = ColorToRGB(source.Pixels(state * kGlyphSize + column, row));
            if (pixel == transparent) continue;
            canvas.SetPixels(x + column, y + row, pixel == mask ? clWindow : static_cast<TColor>(pixel));
        }
    return true;
}

void TRzCustomGlyphButton::UpdateBackground() {
    const int width = Width(), height = Height();
    if (!m_backgroundStale && m_background->Width() == width && m_background->Height() == height) return;
    m_background->SetWidth(width);
    m_background->SetHeight(height);
    TCanvas& canvas = m_background->Canvas();
    if (Transparent() && Parent()) {
        DrawParentImage(*this, canvas.Handle());
    } else {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(Rect(0, 0, width, height));
    }
    m_backgroundCorner = static_cast<TColor>(ColorToRGB(canvas.Pixels(0, 0)));
    m_backgroundStale = false;
}

void TRzCustomGlyphButton::RepaintHotArea() {
    if (!HandleAllocated()) return;
    const TRect glyph = GlyphRect();
    win::InvalidateRect(Handle(), &glyph, win::FALSE);
}

void TRzCustomGlyphButton::CMEnabledChanged(TMessage& message) {
    BackgroundChanged();
    TRzCustomButton::CMEnabledChanged(message);
}

void TRzCustomGlyphButton::CMParentColorChanged(TMessage& message) {
    BackgroundChanged();
    TRzCustomButton::CMParentColorChanged(message);
    Invalidate();
}

// Everything is painted over the cached background: erasing only asks for that background anew.
void TRzCustomGlyphButton::WMEraseBkgnd(TWMEraseBkgnd& message) {
    BackgroundChanged();
    message.SetResult(1);
}

void TRzCustomGlyphButton::WMSize(TWMSize& message) {
    BackgroundChanged();
    TRzCustomButton::WMSize(message);
}

void TRzCustomGlyphButton::SetAlignment(TAlignment value) {
    if (m_alignment == value) return;
    m_alignment = value;
    Invalidate();
}

void TRzCustomGlyphButton::SetFrameColor(TColor value) {
    if (m_frameColor == value) return;
    m_frameColor = value;
    Invalidate();
}

void TRzCustomGlyphButton::SetDisabledColor(TColor value) {
    if (m_disabledColor == value) return;
    m_disabledColor = value;
    Invalidate();
}

TRect TRzCustomGlyphButton::GlyphRect() const {
    const int x = m_alignment == taRightJustify ? 0 : Width() - kGlyphSize;
    int y = 2;
    if (AlignmentVertical() == avCenter) y = (Height() - kGlyphSize) / 2;
    if (AlignmentVertical() == avBottom) y = Height() - 15;
    return Rect(x, y, x + kGlyphSize, y + kGlyphSize);
}

TRect TRzCustomGlyphButton::TextArea() const {
    TRect area = Rect(1, 1, Width() - 1, Height() - 1);
    if (m_alignment == taRightJustify)
        area.left += kGlyphSize + 4;
    else
        area.right -= kGlyphSize + 4;
    return area;
}

void TRzCustomGlyphButton::Paint() {
    UpdateBackground();
    TBitmap image;
    image.SetWidth(Width());
    image.SetHeight(Height());
    TCanvas& canvas = image.Canvas();
    canvas.Draw(0, 0, m_background.get());
    PaintContent(canvas);
    Canvas()->Draw(0, 0, &image);
}

void TRzCustomGlyphButton::PaintContent(TCanvas& canvas) {
    const TRect glyph = GlyphRect();
    DrawGlyph(canvas, glyph.left, glyph.top);
    const TRect area = TextArea();
    DrawCaptionText(canvas, area, win::DT_LEFT | win::DT_WORDBREAK | win::DT_EXPANDTABS);
    const std::string caption = Caption();
    if (!Focused() || caption.empty()) return;
    canvas.SetFont(*Font());
    const int trimmed = canvas.TextWidth(caption.substr(0, caption.find_last_not_of(' ') + 1));
    const int width = std::min(area.right - area.left + 2, trimmed + 3);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Font().SetColor(clBlack);
    const TRect focus = Rect(area.left - 1, 0, area.left - 1 + width, Height());
    win::SetTextColor(canvas.Handle(), 0);
    win::SetBkColor(canvas.Handle(), 0xFFFFFF);
    canvas.DrawFocusRect(focus);
}

// With TabOnEnter, Enter on the focused glyph button moves on as Tab would.
void TRzCustomGlyphButton::CMDialogKey(TCMDialogKey& message) {
    if (m_tabOnEnter && message.CharCode() == win::VK_RETURN && Focused() && Parent()) {
        Parent()->SelectNext(this, true, true);
        message.SetResult(1);
        return;
    }
    TRzCustomButton::CMDialogKey(message);
}

// ---- TRzRadioButton ----

TRzRadioButton::TRzRadioButton(TComponent* owner) : TRzCustomGlyphButton(owner) {
    SetAlignmentVertical(avTop);
    SetTabStop(false);
}

void TRzRadioButton::SetChecked(bool value) {
    if (m_checked == value) return;
    m_checked = value;
    SetTabStop(value);
    Invalidate();
    if (!value) return;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TRzRadioButton*>(parent->Controls(i));
            if (sibling && sibling != this) sibling->SetChecked(false);
        }
    }
    TRzCustomGlyphButton::Click();
}

// A click checks an unchecked radio button (and raises OnClick through the check); a checked one ignores it.
void TRzRadioButton::Click() {
    if (!m_checked) SetChecked(true);
}

// The access key takes the focus to the radio button and checks it.
void TRzRadioButton::AccelPressed() {
    SetFocus();
    SetChecked(true);
}

// Focus that comes by the keyboard (arrows, Tab, code) checks the radio button; a press of the mouse waits
// for its release.
void TRzRadioButton::DoEnter() {
    if (!FocusingByMouse()) SetChecked(true);
    TRzCustomGlyphButton::DoEnter();
}

// Arrow keys that nothing above took move to the next or previous sibling in tab order, wrapping round and
// regardless of tab stops.
void TRzRadioButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    const bool forward = key == win::VK_RIGHT || key == win::VK_DOWN;
    const bool backward = key == win::VK_LEFT || key == win::VK_UP;
    if ((forward || backward) && Parent()) {
        if (TWinControl* next = Parent()->FindNextControl(this, forward, false, true)) {
            if (next != this) next->SetFocus();
            key = 0;
            return;
        }
    }
    TRzCustomGlyphButton::KeyDown(key, shift);
}

} // namespace gl
