// The framed combo boxes: TRzCustomComboBox (the standard combo box with a flat frame, a flat drop-down
// button and focus and disabled colours), TRzComboBox, and TRzFontComboBox, the list of the installed font
// families with a glyph for each kind of font.
#pragma once

#include "components/FramePainters.h"
#include "components/RzEdit.h"
#include "components/RzFrameModel.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/StdCtrlsComboBox.h"
#include "framework/graphics/Font.h"

#include <memory>
#include <string>
#include <vector>

namespace gl {

class TTimer;

class TRzCustomComboBox : public TCustomComboBox, public TRzFrameModel {
public:
    explicit TRzCustomComboBox(TComponent* owner);
    ~TRzCustomComboBox() override;
    std::string ClassName() const override { return "TRzCustomComboBox"; }

    bool BeepOnInvalidKey() const { return m_beepOnInvalidKey; }
    void SetBeepOnInvalidKey(bool beep) { m_beepOnInvalidKey = beep; }
    // 0: as wide as the control. Kept while the window is made again.
    int DropDownWidth() const { return m_dropDownWidth; }
    void SetDropDownWidth(int width);
    TColor FlatButtonColor() const { return m_flatButtonColor; }
    void SetFlatButtonColor(TColor color);
    bool FlatButtons() const { return m_flatButtons; }
    void SetFlatButtons(bool flat);
    // Keys, clicks and the wheel are ignored and the drop-down button is hidden.
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    // The colour last given to Color from outside, shown while neither focused nor disabled.
    TColor NormalColor() const { return m_normalColor; }
    // The prefix typed so far; a pause of 1.5 s starts a new one.
    const std::string& SearchString() const { return m_searchString; }

    // The retired "FrameFlat" of older layouts: true asks for a hot-tracked status frame.
    void SetFrameFlat(bool flat);

    // ---- Typed message handlers ----
    void WMPaint(TWMPaint& message) override;
    void WMChar(TWMChar& message) override;
    void WMLButtonDown(TWMMouse& message) override;
    void WMLButtonDblClk(TWMMouse& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;

protected:
    void CreateWnd() override;
    void Loaded() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

    // Sets Color from the state: disabled, focused, or the normal colour. Nothing while loading.
    void UpdateColors();
    // Focus or the pointer came or went: recolour and redraw the button (the whole control when hot
    // tracking).
    virtual void HotStateChanged();
    bool FrameHot() const { return FrameHotTrack() && (m_focused || m_mouseOver); }
    bool MouseOver() const { return m_mouseOver; }
    // Paints the frame and the flat button over what the platform painted.
    void PaintFrame();
    void PaintFlatButton(TCanvas& canvas, const TRect& button);
    // Any frame setting repaints; the own frame replaces the platform's sunken edge, so Ctl3D and
    // ParentCtl3D take the negation of FrameVisible.
    void FrameSettingChanged(TRzFrameSetting setting) override;
    bool FrameLoading() const override;

    // ---- Type-ahead ----
    // Selects the first entry from the top that begins with `text` (any case) and tells of the change; false
    // (with the beep) when none does.
    bool SearchFor(const std::string& text);
    // The first entry that begins with the text, or -1.
    int FindPrefix(const std::string& text);
    void InvalidKeyBeep();
    // Selects `index` as the user would: OnClick, then OnChange.
    void SelectByUser(int index);
    void SearchTimerFired();
    void ClearSearch();

private:
    template <class T> void Store(T& field, T value);
    TRect ButtonRect() const;
    void BackspaceTyped();

    bool m_beepOnInvalidKey = true;
    int m_dropDownWidth = 0;
    TColor m_flatButtonColor = clBtnFace;
    bool m_flatButtons = false;
    bool m_readOnly = false;
    TColor m_normalColor = clWindow;
    bool m_updatingColor = false;
    bool m_focused = false;
    bool m_mouseOver = false;
    bool m_keyInProgress = false;
    bool m_closingByEscape = false;
    bool m_enterClosesList = false;
    std::string m_searchString;
    TTimer* m_searchTimer = nullptr; // owned as a component
};

class TRzComboBox : public TRzCustomComboBox {
public:
    using TRzCustomComboBox::TRzCustomComboBox;
    std::string ClassName() const override { return "TRzComboBox"; }
};

enum TRzFontDevice { fdScreen, fdPrinter };
enum TRzFontType { ftAll, ftTrueType, ftFixedPitch, ftPrinter };
enum TRzShowStyle { ssFontName, ssFontSample, ssFontNameAndSample, ssFontPreview };

// The kinds of font an entry's object word tells (the low four bits of the family's pitch-and-family byte).
enum TRzFontGlyph { fgTrueType, fgFixedPitch, fgTrueTypeFixed, fgPrinter, fgDevice };

// The private message the preview panel sends its font box to be hidden.
inline constexpr win::UINT RM_HIDEPREVIEW = 46061;

// The sample of a font beside the open list of a font box in the preview style: a pop-up window that shows
// the text in the face under the pointer.
class TRzPreviewFontPanel : public TCustomControl {
public:
    const MessageTable& Messages() const override;
    explicit TRzPreviewFontPanel(TComponent* owner);
    std::string ClassName() const override { return "TRzPreviewFontPanel"; }
    // Left-aligned for an edit's text, centred for the sample.
    void SetAlignLeft(bool left);

    void WMKillFocus(TWMKillFocus& message) override;
    void CMCancelMode(TMessage& message);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    void AskToHide();
    bool m_alignLeft = false;
};

class TRzFontComboBox : public TRzCustomComboBox {
public:
    const MessageTable& Messages() const override;
    // An owner-drawn drop-down list, sorted, 14 rows when open.
    explicit TRzFontComboBox(TComponent* owner);
    ~TRzFontComboBox() override;
    std::string ClassName() const override { return "TRzFontComboBox"; }

    // Fills the list with the installed families that FontType and ShowSymbolFonts admit.
    virtual void LoadFontList();

    // The selected family as a font of FontSize and FontStyle, owned by the combo box (callers copy from it);
    // null when nothing is selected.
    TFont* CurrentFont();
    // Selects the entry named as the font (whole name, any case), or none; raises no event.
    void SetCurrentFont(const TFont* font);
    // The selected family's name; empty when none.
    std::string FontName();
    void SetFontName(const std::string& name);

    TRzFontDevice FontDevice() const { return m_fontDevice; }
    void SetFontDevice(TRzFontDevice device);
    TRzFontType FontType() const { return m_fontType; }
    void SetFontType(TRzFontType type);
    bool ShowSymbolFonts() const { return m_showSymbolFonts; }
    void SetShowSymbolFonts(bool show);
    int FontSize() const { return m_fontSize; }
    void SetFontSize(int size) { m_fontSize = size; }
    TFontStyles FontStyle() const { return m_fontStyle; }
    void SetFontStyle(TFontStyles style) { m_fontStyle = style; }
    TRzShowStyle ShowStyle() const { return m_showStyle; }
    void SetShowStyle(TRzShowStyle style);
    bool MaintainMRUFonts() const { return m_maintainMRUFonts; }
    void SetMaintainMRUFonts(bool maintain) { m_maintainMRUFonts = maintain; }
    // The preview panel's font size, height and width.
    int PreviewFontSize() const;
    void SetPreviewFontSize(int size);
    int PreviewHeight() const;
    void SetPreviewHeight(int height);
    int PreviewWidth() const;
    void SetPreviewWidth(int width);
    const std::string& PreviewText() const { return m_previewText; }
    void SetPreviewText(const std::string& text) { m_previewText = text; }

    // The glyph an entry with this object word shows.
    TRzFontGlyph GlyphFor(TObjectWord pitchAndFamily) const;
    // The index of the last entry of the recently used section at the top of the list; -1 when empty.
    int MRUCount() const { return m_mruCount; }
    TWinControl* PreviewEdit() const { return m_previewEdit; }
    void SetPreviewEdit(TWinControl* edit);
    TRzPreviewFontPanel* PreviewPanel() const { return m_previewPanel; }
    bool PreviewVisible() const { return m_previewVisible; }

    // ---- Typed message handlers ----
    // The preview panel asks to be hidden.
    void RMHidePreview(TMessage& message);
    // Another control took the mouse mode.
    void CMCancelMode(TMessage& message);

protected:
    void CreateWnd() override;
    void DestroyWnd() override;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    // The font box draws its own dotted border, on the entry right of the glyph.
    void DrawItemFocus(win::HDC, const TRect&) override {}
    void DropDown() override;
    void CloseUp() override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void ShowPreview();
    virtual void HidePreview();

private:
    struct MRUEntry {
        std::string name;
        TObjectWord object;
    };
    std::vector<MRUEntry> MRUEntries() const;
    void RestoreMRU(const std::vector<MRUEntry>& entries);
    // Moves the chosen font to the top of the recently used section, or puts a copy of it there.
    void UpdateMRU();
    void DrawEntryText(const std::string& name, const TRect& shifted, int textTop, TRzShowStyle style);
    void DrawDottedBorder(const TRect& rect);
    void RefreshPreviewText();
    // The list is filled once, when first needed, and again when what it admits changes; the selection stays
    // on its name.
    void EnsureFontList();
    void ReloadFontList();
    void AddFamily(const win::LOGFONT& logFont, const win::TEXTMETRIC& metrics);
    static int EnumFamily(const win::LOGFONT* logFont, const win::TEXTMETRIC* metrics, win::DWORD fontType,
                          win::LPARAM lParam);
    void DrawGlyph(TRzFontGlyph glyph, int x, int y);

    std::unique_ptr<TFont> m_resultFont;
    bool m_listLoaded = false;
    int m_mruCount = -1;
    // The selection and the recently used section while the window is made again.
    std::string m_savedName;
    std::vector<MRUEntry> m_savedMRU;
    TRzPreviewFontPanel* m_previewPanel = nullptr; // owned as a component
    TWinControl* m_previewEdit = nullptr;
    bool m_previewVisible = false;
    TRzFontDevice m_fontDevice = fdScreen;
    TRzFontType m_fontType = ftAll;
    int m_fontSize = 8;
    TFontStyles m_fontStyle;
    bool m_showSymbolFonts = true;
    TRzShowStyle m_showStyle = ssFontName;
    bool m_maintainMRUFonts = true;
    std::string m_previewText;
};

// TRzCustomComboBox, TRzComboBox and TRzFontComboBox with their stored properties, the retired names older
// layouts hold, and the names of their enumerations. Safe to call more than once.
void RegisterComboBoxLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
