// TRzSpinEdit: a framed edit that holds a number in its text, with a pair of step buttons (TRzSpinButtons,
// two repeating TRzControlButton) inside its right edge; steps by buttons, arrow and page keys and the wheel.
#pragma once

#include "components/RzEdit.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/GraphicControl.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace gl {

class TBitmap;
class TTimer;

enum TSpinDirection { sdUpDown, sdLeftRight };
enum TOrientation { orHorizontal, orVertical };
enum TSpinButtonType { sbUp, sbDown };
enum TRzControlButtonStyle { cbsNone, cbsLeft, cbsUp, cbsRight, cbsDown, cbsDropDown };

using TSpinChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;
using TSpinButtonEvent = std::function<void(TObject* sender, TSpinButtonType button)>;

// A window-less button that clicks again and again while it is held down.
class TRzControlButton : public TGraphicControl {
public:
    explicit TRzControlButton(TComponent* owner);
    ~TRzControlButton() override;
    std::string ClassName() const override { return "TRzControlButton"; }

    TRzControlButtonStyle Style() const { return m_style; }
    void SetStyle(TRzControlButtonStyle style);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    bool Pressed() const { return m_pressed; }
    bool RepeatClicks() const { return m_repeatClicks; }
    void SetRepeatClicks(bool repeatClicks) { m_repeatClicks = repeatClicks; }
    unsigned InitialDelay() const { return m_initialDelay; }
    void SetInitialDelay(unsigned delay) { m_initialDelay = delay; }
    unsigned Delay() const { return m_delay; }
    void SetDelay(unsigned delay) { m_delay = delay; }

    // A picture shown instead of the arrow while the style is cbsNone: a strip of NumGlyphs images (normal,
    // disabled, pressed). Owned by the button; an empty bitmap means none.
    TBitmap* Glyph() const { return m_glyph.get(); }
    void SetGlyph(const TBitmap* glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int value);
    // Drops the pressed look and the repeat without a click: the mouse capture went elsewhere.
    void CancelPress();

    // Asked before a press takes effect; false aborts it (no click, no repeat).
    std::function<bool(TRzControlButton*)> OnPressing;
    // The glyph was assigned or drawn on.
    std::function<void(TRzControlButton*)> OnGlyphChanged;

    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void WMLButtonUp(TWMMouse& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void TimerExpired();
    void DrawArrow(TCanvas& canvas, TRect inside, bool enabledLook);
    void DrawGlyph(TCanvas& canvas, TRect inside);

    TRzControlButtonStyle m_style = cbsNone;
    std::unique_ptr<TBitmap> m_glyph;
    int m_numGlyphs = 2;
    bool m_flat = false;
    bool m_pressed = false;
    // The release itself gives the capture back; that is no loss of it.
    bool m_releasing = false;
    bool m_mouseOver = false;
    bool m_repeatClicks = true;
    unsigned m_initialDelay = 400;
    unsigned m_delay = 100;
    std::unique_ptr<TTimer> m_timer;
};

// The up/right and down/left buttons side by side or stacked.
class TRzSpinButtons : public TCustomControl {
public:
    const MessageTable& Messages() const override;
    explicit TRzSpinButtons(TComponent* owner);
    std::string ClassName() const override { return "TRzSpinButtons"; }

    TRzControlButton* UpRightButton() const { return m_upRight; }
    TRzControlButton* DownLeftButton() const { return m_downLeft; }
    TSpinDirection Direction() const { return m_direction; }
    void SetDirection(TSpinDirection direction);
    TOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TOrientation orientation);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    // The colour of the buttons (they take it too).
    void SetButtonColor(TColor color);
    void SetEnabled(bool enabled) override;
    // Custom pictures of the two buttons; none (or an empty one) gives back the arrow.
    TBitmap* GlyphUpRight() const;
    void SetGlyphUpRight(const TBitmap* glyph);
    TBitmap* GlyphDownLeft() const;
    void SetGlyphDownLeft(const TBitmap* glyph);
    int NumGlyphsUpRight() const { return m_upRight->NumGlyphs(); }
    void SetNumGlyphsUpRight(int value) { m_upRight->SetNumGlyphs(value); }
    int NumGlyphsDownLeft() const { return m_downLeft->NumGlyphs(); }
    void SetNumGlyphsDownLeft(int value) { m_downLeft->SetNumGlyphs(value); }
    // The control a press on a button gives the focus to.
    TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* control) { m_focusControl = control; }

    TNotifyEvent OnUpRightClick;
    TNotifyEvent OnDownLeftClick;

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    void WMGetDlgCode(TMessage& message);
    void WMCaptureChanged(TMessage& message);

protected:
    // Places the two buttons in a pair of the given size.
    virtual void ArrangeButtons(int width, int height);
    void ButtonClicked(TRzControlButton* button);
    // A press first takes the focus to the focus control; false when it could not.
    bool ButtonMouseDown(TRzControlButton* button);
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    virtual void GlyphChanged(TRzControlButton* button);

private:
    void UpdateStyles();

    TRzControlButton* m_upRight = nullptr;
    TRzControlButton* m_downLeft = nullptr;
    TSpinDirection m_direction = sdUpDown;
    TOrientation m_orientation = orVertical;
    bool m_flat = false;
    TWinControl* m_focusControl = nullptr;
};

class TRzSpinEdit : public TRzCustomEdit {
public:
    const MessageTable& Messages() const override;
    explicit TRzSpinEdit(TComponent* owner);
    std::string ClassName() const override { return "TRzSpinEdit"; }

    // ---- The number; the text is its only store ----
    double Value();
    void SetValue(double value);
    // Value rounded to the nearest integer, halves to the even one.
    std::int64_t IntegerValue();
    void SetIntegerValue(std::int64_t value) { SetValue(static_cast<double>(value)); }
    double Min() const { return m_min; }
    void SetMin(double min);
    double Max() const { return m_max; }
    void SetMax(double max);
    // Apply the range even when Min equals Max.
    bool CheckRange() const { return m_checkRange; }
    void SetCheckRange(bool checkRange);
    int Decimals() const { return m_decimals; }
    void SetDecimals(int decimals);
    bool IntegersOnly() const { return m_integersOnly; }
    void SetIntegersOnly(bool integersOnly);
    double Increment() const { return m_increment; }
    void SetIncrement(double increment) { m_increment = increment; }
    double PageSize() const { return m_pageSize; }
    void SetPageSize(double pageSize) { m_pageSize = pageSize; }
    bool AllowBlank() const { return m_allowBlank; }
    void SetAllowBlank(bool allowBlank) { m_allowBlank = allowBlank; }
    double BlankValue() const { return m_blankValue; }
    void SetBlankValue(double blankValue) { m_blankValue = blankValue; }
    // The user may type, delete, paste and cut.
    bool AllowKeyEdit() const { return m_allowKeyEdit; }
    void SetAllowKeyEdit(bool allowKeyEdit) { m_allowKeyEdit = allowKeyEdit; }

    // ---- Buttons ----
    TRzSpinButtons* Buttons() const { return m_buttons; }
    int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int width);
    TSpinDirection Direction() const { return m_buttons->Direction(); }
    void SetDirection(TSpinDirection direction) { m_buttons->SetDirection(direction); }
    TOrientation Orientation() const { return m_buttons->Orientation(); }
    void SetOrientation(TOrientation orientation);
    void SetFlatButtons(bool flatButtons) override;
    TRzControlButton* ButtonOf(TSpinButtonType button) const;
    TBitmap* ButtonUpGlyph() const { return m_buttons->GlyphUpRight(); }
    void SetButtonUpGlyph(const TBitmap* glyph) { m_buttons->SetGlyphUpRight(glyph); }
    TBitmap* ButtonDownGlyph() const { return m_buttons->GlyphDownLeft(); }
    void SetButtonDownGlyph(const TBitmap* glyph) { m_buttons->SetGlyphDownLeft(glyph); }
    int ButtonUpNumGlyphs() const { return m_buttons->NumGlyphsUpRight(); }
    void SetButtonUpNumGlyphs(int value) { m_buttons->SetNumGlyphsUpRight(value); }
    int ButtonDownNumGlyphs() const { return m_buttons->NumGlyphsDownLeft(); }
    void SetButtonDownNumGlyphs(int value) { m_buttons->SetNumGlyphsDownLeft(value); }

    // The candidate value within Min..Max (unless Min equals Max and CheckRange is off).
    double ConstrainValue(double value) const;
    void StepUp(double amount);
    void StepDown(double amount);

    TSpinChangingEvent OnChanging;
    TSpinButtonEvent OnButtonClick;

    void Loaded() override;
    void WMPaste(TMessage& message);
    void WMCut(TMessage& message);
    void CMEnabledChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void WMSize(TWMSize& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void PlaceButtons();
    virtual void SetTextMargins();
    virtual bool AcceptsChar(char32_t key);
    virtual void UpButtonClicked();
    virtual void DownButtonClicked();
    virtual bool ChangeAllowed();
    virtual void ReportButtonClick(TSpinButtonType button);
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    void Step(double amount, TSpinButtonType button);
    void UpdateFlatButtons(bool on);
    // Writes the value again through the range and the format.
    void Reformat() { SetValue(Value()); }

    TRzSpinButtons* m_buttons = nullptr;
    double m_min = 0;
    double m_max = 100;
    bool m_checkRange = false;
    int m_decimals = 0;
    bool m_integersOnly = true;
    double m_increment = 1;
    double m_pageSize = 10;
    bool m_allowBlank = false;
    double m_blankValue = 0;
    bool m_allowKeyEdit = false;
    int m_buttonWidth = 17;
};

// The stored properties of TRzSpinEdit (and the framed edit's). Safe to call more than once.
void RegisterRzSpinEditLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
