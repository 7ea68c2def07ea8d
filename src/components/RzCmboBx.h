// The framed combo boxes: TRzCustomComboBox (the standard combo box with a flat frame, a flat drop-down
// button and focus and disabled colours), TRzComboBox, and TRzFontComboBox, the list of the installed font
// families with a glyph for each kind of font.
#pragma once

#include "components/FramePainters.h"
#include "components/RzEdit.h"
#include "components/RzFrameModel.h"
#include "framework/controls/StdCtrlsComboBox.h"
#include "framework/graphics/Font.h"

#include <memory>
#include <string>

namespace gl {

class TRzCustomComboBox : public TCustomComboBox, public TRzFrameModel {
public:
    explicit TRzCustomComboBox(TComponent* owner);
    ~TRzCustomComboBox() override;
    std::string ClassName() const override { return "TRzCustomComboBox"; }

    bool BeepOnInvalidKey() const { return m_beepOnInvalidKey; }
    void SetBeepOnInvalidKey(bool beep) { m_beepOnInvalidKey = beep; }
    // 0: as wide as the control.
    int DropDownWidth() const { return m_dropDownWidth; }
    void SetDropDownWidth(int width);
    TColor FlatButtonColor() const { return m_flatButtonColor; }
    void SetFlatButtonColor(TColor color);
    bool FlatButtons() const { return m_flatButtons; }
    void SetFlatButtons(bool flat);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);

    // The retired "FrameFlat" of older layouts: true asks for a hot-tracked status frame.
    void SetFrameFlat(bool flat);

    void WMPaint(TWMPaint& message) override;

protected:
    // Paints the frame over what the platform painted.
    void PaintFrame();
    // Any frame setting repaints; the own frame replaces the platform's sunken edge, so Ctl3D and
    // ParentCtl3D take the negation of FrameVisible.
    void FrameSettingChanged(TRzFrameSetting setting) override;
    bool FrameLoading() const override;

private:
    template <class T> void Change(T& field, T value);

    bool m_beepOnInvalidKey = true;
    int m_dropDownWidth = 0;
    TColor m_flatButtonColor = clBtnFace;
    bool m_flatButtons = false;
    bool m_readOnly = false;
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

class TRzFontComboBox : public TRzCustomComboBox {
public:
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
    int PreviewFontSize() const { return m_previewFontSize; }
    void SetPreviewFontSize(int size) { m_previewFontSize = size; }
    int PreviewHeight() const { return m_previewHeight; }
    void SetPreviewHeight(int height) { m_previewHeight = height; }
    int PreviewWidth() const { return m_previewWidth; }
    void SetPreviewWidth(int width) { m_previewWidth = width; }
    const std::string& PreviewText() const { return m_previewText; }
    void SetPreviewText(const std::string& text) { m_previewText = text; }

    // The glyph an entry with this object word shows.
    TRzFontGlyph GlyphFor(TObjectWord pitchAndFamily) const;

protected:
    void CreateWnd() override;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

private:
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
    TRzFontDevice m_fontDevice = fdScreen;
    TRzFontType m_fontType = ftAll;
    int m_fontSize = 8;
    TFontStyles m_fontStyle;
    bool m_showSymbolFonts = true;
    TRzShowStyle m_showStyle = ssFontName;
    bool m_maintainMRUFonts = true;
    int m_previewFontSize = 36;
    int m_previewHeight = 65;
    int m_previewWidth = 260;
    std::string m_previewText;
};

// TRzCustomComboBox, TRzComboBox and TRzFontComboBox with their stored properties, the retired names older
// layouts hold, and the names of their enumerations. Safe to call more than once.
void RegisterComboBoxLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
