// The caption pane: a control without a window that paints one line of caption text inside an optional frame,
// can size its width to the caption, blink, follow a frame controller and show the application's hints.
#pragma once

#include "components/FramePainters.h"
#include "components/RzFrameController.h"
#include "components/RzStatusBlink.h"
#include "framework/controls/GraphicControl.h"
#include "framework/stored/PropertyRegistry.h"

#include <cstdint>
#include <string>

namespace gl {

class TBasicAction;

class TRzCustomStatusPane : public TGraphicControl, public IRzFrameControllerNotification {
public:
    const MessageTable& Messages() const override;
    explicit TRzCustomStatusPane(TComponent* owner);
    // Detaches from the frame controller and leaves the blink list.
    ~TRzCustomStatusPane() override;
    std::string ClassName() const override { return "TRzCustomStatusPane"; }

    // ---- Properties ----
    TAlignment Alignment() const { return m_alignment; }
    virtual void SetAlignment(TAlignment alignment);
    bool AutoHint() const { return m_autoHint; }
    void SetAutoHint(bool autoHint) { m_autoHint = autoHint; }
    void SetAutoSize(bool autoSize) override;
    bool Blinking() const { return m_blinking; }
    virtual void SetBlinking(bool blinking);
    TColor BlinkColor() const { return m_blinkColor; }
    virtual void SetBlinkColor(TColor color);
    // Held by the shared blink list: one setting for every pane and label of the process.
    virtual std::uint16_t BlinkIntervalOff() const;
    virtual void SetBlinkIntervalOff(std::uint16_t ms);
    virtual std::uint16_t BlinkIntervalOn() const;
    virtual void SetBlinkIntervalOn(std::uint16_t ms);
    int BorderWidth() const { return m_borderWidth; }
    virtual void SetBorderWidth(int width);
    // The pane's own text (not the control text of the framework).
    const std::string& Caption() const { return m_caption; }
    virtual void SetCaption(const std::string& caption);
    int CaptionOffset() const { return m_captionOffset; }
    virtual void SetCaptionOffset(int offset);
    int DefaultWidth() const { return m_defaultWidth; }
    virtual void SetDefaultWidth(int width);
    TColor FillColor() const { return m_fillColor; }
    virtual void SetFillColor(TColor color);
    bool ParentFillColor() const { return m_parentFillColor; }
    virtual void SetParentFillColor(bool parentFillColor);
    TColor FlatColor() const { return m_flatColor; }
    virtual void SetFlatColor(TColor color);
    int FlatColorAdjustment() const { return m_flatColorAdjustment; }
    virtual void SetFlatColorAdjustment(int adjustment);
    TFrameStyle FrameStyle() const { return m_frameStyle; }
    virtual void SetFrameStyle(TFrameStyle style);
    TRzFrameController* FrameController() const { return m_frameController; }
    virtual void SetFrameController(TRzFrameController* controller);

    // The colour the caption is drawn in now: the font's colour, or BlinkColor during an "on" phase.
    TColor TextColor() const { return m_textColor; }

    // ---- Framework steps ----
    void Loaded() override;
    // The action-execution step: with AutoHint, a hint action's text becomes the caption.
    virtual bool ExecuteAction(TBasicAction* action);
    // The frame controller changed one of its settings.
    void ControllerChanged() override { ApplyFrameController(); }

    // ---- Typed message handlers ----
    void CMFontChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMParentColorChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    virtual void CMActionExecute(TMessage& message);
    virtual void RMBlinkQuery(TMessage& message);
    virtual void RMBlinkPhase(TMessage& message);

protected:
    // ---- Overridable steps ----
    // The width auto-size wants: DefaultWidth for an empty caption, else the text width + 2 × BorderWidth +
    // CaptionOffset + 6. Measures on the canvas, which must hold a context.
    virtual int MeasureAutoWidth();
    // Where the caption is drawn and clipped: the client area inside the border ring and the frame.
    virtual TRect CaptionRect();
    virtual void PaintCaption(const std::string& text);
    // The whole pane in Color, then the frame inside the border ring.
    virtual void PaintFrame();
    virtual void ApplyFrameController();
    virtual void ShowBlinkPhase(bool on);
    // Sets Width from MeasureAutoWidth, measured on a screen context; nothing while loading or without
    // AutoSize.
    virtual void ApplyAutoWidth();
    // A size grip belongs to a status bar; this system has none to put the pane on.
    virtual bool ShowSizeGrip() const { return false; }

    void Paint() override;
    void AdjustSize() override {}
    void Notification(TComponent* component, TOperation operation) override;

private:
    TAlignment m_alignment = taLeftJustify;
    bool m_autoHint = false;
    bool m_blinking = false;
    TColor m_blinkColor = clHighlight;
    int m_borderWidth = 1;
    std::string m_caption;
    int m_captionOffset = 2;
    int m_defaultWidth = 40;
    TColor m_fillColor = clBtnFace;
    bool m_parentFillColor = true;
    TColor m_flatColor = clBtnShadow;
    int m_flatColorAdjustment = 30;
    TFrameStyle m_frameStyle = fsFlat;
    TRzFrameController* m_frameController = nullptr;
    // The font's colour as last taken, and the colour the caption is drawn in now.
    TColor m_normalTextColor = clBlack;
    TColor m_textColor = clBlack;
    bool m_blinkOn = false;
};

class TRzStatusPane : public TRzCustomStatusPane {
public:
    explicit TRzStatusPane(TComponent* owner) : TRzCustomStatusPane(owner) {}
    std::string ClassName() const override { return "TRzStatusPane"; }
};

// The panes' stored properties (and the frame controller's), so that a layout can create and set them. Safe
// to call more than once.
void RegisterStatusPaneLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
