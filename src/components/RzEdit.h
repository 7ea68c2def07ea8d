// TRzCustomEdit, TRzEdit and TRzMemo: the platform edit and memo with a thin frame line over the sunken
// border and a background colour that follows the state (normal, focused, disabled), sharing one frame model.
#pragma once

#include "components/FramePainters.h"
#include "components/RzFrameController.h"
#include "components/RzFrameModel.h"
#include "framework/controls/MaskEdit.h"
#include "framework/controls/StdCtrlsMemo.h"

#include <functional>
#include <memory>

namespace gl {

class TCanvas;

// Whether the platform's visual styles are in effect for the program. This system draws no themes.
bool RzThemesActive();

// The frame and colour model of the framed fields, on top of an edit class (TCustomMaskEdit or TCustomMemo).
template <class Base>
class TRzFramedEdit : public Base, public TRzFrameModel, public IRzFrameControllerNotification {
public:
    explicit TRzFramedEdit(TComponent* owner);
    ~TRzFramedEdit() override;

    // The colour last given to Color from outside, shown while the field is neither focused nor disabled.
    TColor NormalColor() const { return m_normalColor; }
    TRzFrameController* FrameController() const { return m_frameController; }
    void SetFrameController(TRzFrameController* controller);

    // The custom frame is drawn at all (visible, and no platform theme taking over).
    bool FramePainted() const;
    // The hot frame is drawn now.
    bool FrameHot() const;
    void ControllerChanged() override;
    void Loaded() override;

    // ---- Typed message handlers ----
    void WMNCPaint(TWMNCPaint& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void WMSize(TWMSize& message) override;

protected:
    // Sets Color from the state: disabled, focused, or the normal colour. Nothing while loading.
    void UpdateColors();
    // The whole control, frame included, drawn again now.
    void RepaintFrame();
    // The mouse-over or in-control flag changed: repaint when hot tracking, recolour.
    virtual void HotStateChanged();
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void Notification(TComponent* component, TOperation operation) override;
    bool InControl() const { return m_inControl; }
    bool MouseOver() const { return m_mouseOver; }
    void FrameSettingChanged(TRzFrameSetting setting) override;
    bool FrameLoading() const override;

private:
    TColor m_normalColor = clWindow;
    TRzFrameController* m_frameController = nullptr;
    bool m_updatingColor = false;
    bool m_inControl = false;
    bool m_mouseOver = false;
    std::unique_ptr<TCanvas> m_frameCanvas;
};

extern template class TRzFramedEdit<TCustomMaskEdit>;
extern template class TRzFramedEdit<TCustomMemo>;

class TRzCustomEdit : public TRzFramedEdit<TCustomMaskEdit> {
public:
    explicit TRzCustomEdit(TComponent* owner);
    std::string ClassName() const override { return "TRzCustomEdit"; }

    // An optional drop-down button in the frame; no field of the program shows it, so only the settings
    // are kept.
    bool FlatButtons() const { return m_flatButtons; }
    virtual void SetFlatButtons(bool flatButtons) { m_flatButtons = flatButtons; }
    TColor FlatButtonColor() const { return m_flatButtonColor; }
    virtual void SetFlatButtonColor(TColor color) { m_flatButtonColor = color; }

private:
    bool m_flatButtons = false;
    TColor m_flatButtonColor = clBtnFace;
};

class TRzEdit : public TRzCustomEdit {
public:
    using TRzCustomEdit::TRzCustomEdit;
    std::string ClassName() const override { return "TRzEdit"; }
};

class TRzMemo : public TRzFramedEdit<TCustomMemo> {
public:
    explicit TRzMemo(TComponent* owner);
    std::string ClassName() const override { return "TRzMemo"; }

    // Sender, line and column of the caret, both from 1.
    std::function<void(TObject*, int, int)> OnLineColChange;
    // Sender, whether there is a selection, whether the clipboard holds text.
    std::function<void(TObject*, bool, bool)> OnClipboardChange;

protected:
    void Change() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    // One line per step of 120, or the wheel-lines setting with Ctrl held; the turn counts as handled.
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    void ScrollByWheel(TShiftState shift, int direction);
    void LineColChanged();
    void ClipboardChanged();
};

// The stored properties of TRzCustomEdit, TRzEdit and TRzMemo (and the classes they build on). Safe to call
// more than once.
void RegisterRzEditLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
