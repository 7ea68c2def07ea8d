// The custom-drawn push buttons: TRzCustomButton (shared with the radio buttons: hot tracking, text styles,
// mouse, Space and focus handling), TRzButton (face looks, Enter and Escape) and TRzBitBtn (image and
// caption).
#pragma once

#include "components/FramePainters.h"
#include "framework/controls/CustomControl.h"
#include "framework/graphics/ImageList.h"
#include "framework/stored/PropertyRegistry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace gl {

class TBitmap;
class TCanvas;

enum TRzHotTrackColorType { htctComplement, htctActual };
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
enum TAlignmentVertical { avTop, avCenter, avBottom };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
using TModalResult = int;

// The two colours of a hot or focus ring: U on top and left, W on right and bottom.
struct TRzRingColors {
    TColor upperLeft;
    TColor lowerRight;
};
// The hot ring of a hot-tracking control: the hot-track colour itself shaded, or its complement.
TRzRingColors HotTrackRing(TColor hotTrackColor, TRzHotTrackColorType type);
// The focus ring: the highlight colour's hue at saturation 220 and lightness 220.
TRzRingColors FocusRing(TColor highlightColor);

class TRzCustomButton : public TCustomControl {
public:
    explicit TRzCustomButton(TComponent* owner);
    std::string ClassName() const override { return "TRzCustomButton"; }

    // ---- Properties ----
    TAlignmentVertical AlignmentVertical() const { return m_alignmentVertical; }
    void SetAlignmentVertical(TAlignmentVertical value);
    TColor HighlightColor() const { return m_highlightColor; }
    void SetHighlightColor(TColor value);
    bool HotTrack() const { return m_hotTrack; }
    virtual void SetHotTrack(bool value);
    TColor HotTrackColor() const { return m_hotTrackColor; }
    void SetHotTrackColor(TColor value);
    TRzHotTrackColorType HotTrackColorType() const { return m_hotTrackColorType; }
    void SetHotTrackColorType(TRzHotTrackColorType value);
    bool LightTextStyle() const { return m_lightTextStyle; }
    void SetLightTextStyle(bool value);
    TColor TextHighlightColor() const { return m_textHighlightColor; }
    void SetTextHighlightColor(TColor value);
    TColor TextShadowColor() const { return m_textShadowColor; }
    void SetTextShadowColor(TColor value);
    int TextShadowDepth() const { return m_textShadowDepth; }
    void SetTextShadowDepth(int value);
    TTextStyle TextStyle() const { return m_textStyle; }
    void SetTextStyle(TTextStyle value);
    bool ThemeAware() const { return m_themeAware; }
    void SetThemeAware(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    // ---- State, for painting and for tests ----
    bool MouseOver() const { return m_mouseOver; }
    bool ShowsPressed() const { return m_pressed; }

    // ---- Typed message handlers ----
    void CMEnabledChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMDialogChar(TCMDialogChar& message) override;
    void WMKillFocus(TWMKillFocus& message) override;

protected:
    // The caption's access key was typed (Alt+key, or the key where the focused control takes no text).
    virtual void AccelPressed() { Click(); }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    // Focus taken by a press of the mouse: radio buttons check only on the release.
    bool FocusingByMouse() const { return m_focusingByMouse; }
    void SetPressed(bool pressed);
    // The area a hover change repaints; a button repaints itself whole.
    virtual void RepaintHotArea() { Invalidate(); }

    // Caption text in the button's font and style, clipped to `area`, at the vertical placement of
    // AlignmentVertical; `format` holds the horizontal alignment and wrapping flags of DrawText.
    void DrawCaptionText(TCanvas& canvas, TRect area, win::UINT format);
    // The parent's colour behind a transparent control; the own colour when there is no parent.
    TColor BackgroundColor() const;

private:
    void DrawTextCopy(TCanvas& canvas, TRect area, win::UINT format, int dx, int dy, TColor color);

    TAlignmentVertical m_alignmentVertical = avCenter;
    TColor m_highlightColor = clHighlight;
    bool m_hotTrack = false;
    TColor m_hotTrackColor = clHighlight;
    TRzHotTrackColorType m_hotTrackColorType = htctComplement;
    bool m_lightTextStyle = false;
    TColor m_textHighlightColor = clBtnHighlight;
    TColor m_textShadowColor = clBtnShadow;
    int m_textShadowDepth = 2;
    TTextStyle m_textStyle = tsNormal;
    bool m_themeAware = true;
    bool m_transparent = false;

    bool m_mouseOver = false;
    bool m_pressed = false;
    bool m_dragging = false;
    bool m_keyArmed = false;
    bool m_focusingByMouse = false;
};

class TRzButton : public TRzCustomButton {
public:
    explicit TRzButton(TComponent* owner);
    std::string ClassName() const override { return "TRzButton"; }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void SetShowFocusRect(bool value);
    bool ShowDownPattern() const { return m_showDownPattern; }
    void SetShowDownPattern(bool value);
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult value) { m_modalResult = value; }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return m_down; }
    void SetDown(bool value);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value);
    bool DropDownOnEnter() const { return m_dropDownOnEnter; }
    void SetDropDownOnEnter(bool value) { m_dropDownOnEnter = value; }
    // The button that Enter clicks: the focused button, or the default one while no button has focus.
    bool Active() const { return m_active; }

    // Hot tracking draws over the parent's image, so it makes the button transparent too.
    void SetHotTrack(bool value) override;

    void CMFocusChanged(TCMFocusChanged& message) override;
    void CMDialogKey(TCMDialogKey& message) override;

protected:
    void Click() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void Paint() override;
    // The caption (and, in derived buttons, the image) over the face.
    virtual void DrawCaptionAndGlyph(TCanvas& canvas);
    // In the classic look a pressed button's content moves by one pixel.
    bool ContentShifted() const;
    bool ShowsDown() const { return ShowsPressed() || (m_groupIndex != 0 && m_down); }

private:
    void PaintHotTrackFace(TCanvas& canvas);
    void PaintClassicFace(TCanvas& canvas);
    void PaintDownPattern(TCanvas& canvas);
    void PaintFocusDots(TCanvas& canvas);
    void UpdateGroup();

    TAlignment m_alignment = taCenter;
    bool m_showFocusRect = true;
    bool m_showDownPattern = true;
    bool m_default = false;
    bool m_cancel = false;
    TModalResult m_modalResult = 0;
    int m_groupIndex = 0;
    bool m_down = false;
    bool m_allowAllUp = false;
    bool m_dropDownOnEnter = true;
    bool m_active = false;
    // A click is running (its ModalResult and OnClick).
    bool m_clicking = false;
};

class TRzBitBtn : public TRzButton {
public:
    explicit TRzBitBtn(TComponent* owner);
    ~TRzBitBtn() override;
    std::string ClassName() const override { return "TRzBitBtn"; }

    TBitBtnKind Kind() const { return m_kind; }
    void SetKind(TBitBtnKind value);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout value);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    int Margin() const { return m_margin; }
    // Values below -1 are refused (the margin stays).
    void SetMargin(int value);
    // A strip of NumGlyphs images side by side (normal, disabled), owned by the button; an empty bitmap means
    // none. Assigning a strip whose width is a multiple of its height sets NumGlyphs from it.
    TBitmap* Glyph() const { return m_glyph.get(); }
    void SetGlyph(const TBitmap* glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int value);
    // The image list the glyph comes from; its changes repaint the button, and it is detached when the list
    // goes away.
    TCustomImageList* Images() const { return m_images; }
    void SetImages(TCustomImageList* images);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int value);
    int DisabledIndex() const { return m_disabledIndex; }
    void SetDisabledIndex(int value);

    // Where the image and the text go in the client area, as the paint places them.
    TRect GlyphRect() const;
    TRect TextArea() const;

protected:
    void DrawCaptionAndGlyph(TCanvas& canvas) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The image list supplies the image (else the glyph strip does).
    bool UsesImageList() const;
    bool HasImage(TSize& size) const;
    void DrawImage(TCanvas& canvas, const TRect& glyph);

    TBitBtnKind m_kind = bkCustom;
    TButtonLayout m_layout = blGlyphLeft;
    int m_spacing = 4;
    int m_margin = 2;
    std::unique_ptr<TBitmap> m_glyph;
    int m_numGlyphs = 1;
    TCustomImageList* m_images = nullptr;
    TChangeLink m_imagesLink;
    int m_imageIndex = -1;
    int m_disabledIndex = -1;
};

// The buttons' stored properties and enumeration names. Safe to call more than once.
void RegisterButtonLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
