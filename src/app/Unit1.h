// The main window: the picture or banner in the top band, the input and output settings, and the output view
// that receives the text art. Every setting lives in a control and is read at the moment it is needed.
#pragma once

#include "app/tone/ConversionSettings.h"
#include "framework/forms/Forms.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace gl {

class TBitmap;
class TCanvas;
class TFontDialog;
class TImage;
class TImageList;
class TOpenPictureDialog;
class TRzBitBtn;
class TRzEdit;
class TRzFontComboBox;
class TRzGroupBox;
class TRzLabel;
class TRzMemo;
class TRzPanel;
class TRzRadioButton;
class TRzSpinEdit;
class TRzStatusPane;

// Receives each row of a conversion as the scan makes it, without a line end.
using RowSink = std::function<void(std::string_view row)>;

class TF_main : public TForm {
public:
    const MessageTable& Messages() const override;
    using TForm::TForm;
    std::string ClassName() const override { return "TF_main"; }

    // ---- Controls, as the stored layout names them ----
    TRzMemo* RzMemo1 = nullptr;
    TRzPanel* RzPanel2 = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TRzBitBtn* RzBitBtn4 = nullptr;
    TRzBitBtn* RzBitBtn1 = nullptr;
    TRzGroupBox* RzGroupBox1 = nullptr;
    TRzRadioButton* RzRadioButton1 = nullptr;
    TRzRadioButton* RzRadioButton2 = nullptr;
    TRzEdit* RzEdit1 = nullptr;
    TRzBitBtn* RzBitBtn5 = nullptr;
    TRzEdit* RzEdit3 = nullptr;
    TRzStatusPane* RzStatusPane1 = nullptr;
    TRzGroupBox* RzGroupBox2 = nullptr;
    TRzEdit* RzEdit2 = nullptr;
    TRzSpinEdit* RzSpinEdit2 = nullptr;
    TRzFontComboBox* RzFontComboBox1 = nullptr;
    TRzSpinEdit* RzSpinEdit1 = nullptr;
    TRzLabel* RzLabel1 = nullptr;
    TRzLabel* RzLabel2 = nullptr;
    TRzLabel* RzLabel3 = nullptr;
    TRzLabel* RzLabel4 = nullptr;
    TRzLabel* RzLabel5 = nullptr;
    TRzLabel* RzLabel6 = nullptr;
    TImageList* ImageList1 = nullptr;
    TOpenPictureDialog* OpenPictureDialog1 = nullptr;
    TFontDialog* FontDialog1 = nullptr;

    // ---- Handlers ----
    // Output font at start, then the default picture.
    void FormCreate(TObject* sender);
    // Convert: the picture (picture mode) or the banner (text mode) into lines of the output view.
    void RzBitBtn4Click(TObject* sender);
    // Import: a picture chosen in the picture-open dialog becomes the current picture.
    void RzBitBtn5Click(TObject* sender);
    // Mode switch, shared by both radio buttons.
    void RzRadioButton2Click(TObject* sender);
    // The space length follows the width of the glyph string.
    void RzEdit2Change(TObject* sender);
    // The output view takes the font box's font at the size box's size.
    void RzFontComboBox1Change(TObject* sender);
    // The banner shows the banner text.
    void RzEdit3Change(TObject* sender);
    // The About box.
    void RzBitBtn1Click(TObject* sender);

    // Files dropped on the window from the desktop: the first loads as an imported one does, and the window
    // switches to picture mode as a click of "图片" does. A file that cannot be loaded changes nothing.
    void WMDropFiles(TMessage& message);

    // ---- Steps the handlers are made of ----
    // The convert command with its rows handed to `sink` one by one, as they are made; the button's click
    // hands them to the output view. What the sink raises ends the conversion.
    void ConvertTo(const RowSink& sink);
    // The widest banner text mode draws, in pixels (in the window font about 5,400 Latin letters or 2,700
    // Chinese characters): its off-screen drawing and the length of every line stay bounded.
    static constexpr int kMaxBannerWidth = 32767;
    // Raises EInvalidOperation when the banner is wider than kMaxBannerWidth.
    void CheckBannerWidth() const;
    // Loads a picture file into the current picture, as the import command does once a file is chosen.
    void LoadPicture(const std::string& fileName);
    // The picture named when the program starts ("glyphloom PICTURE"): loaded in place of the default one,
    // and the picture field names it. A picture that cannot be loaded shows the box the import command shows,
    // and the default picture stays.
    void StartWithPicture(const std::string& fileName);
    // The default picture's path: the executable's folder + "/Tarnwick.bmp".
    static std::string DefaultPicturePath();
    // The About box's text, five lines.
    static std::string AboutText();
    // The size and tone the next conversions fit the picture or banner to; the defaults keep one cell per
    // pixel and the nearer of black and white.
    void SetConversionSettings(const tone::ConversionSettings& settings) { m_conversion = settings; }
    const tone::ConversionSettings& ConversionSettings() const { return m_conversion; }

protected:
    void DeclareHandlers(LayoutMethods& methods) override;
    // The window takes files dropped from the desktop, whenever it is made again too.
    void CreateWnd() override;
    void BindComponents() override;

private:
    void DefaultPictureStep();
    void PictureMode(const RowSink& sink);
    // Scans an off-screen drawing of the banner.
    void TextMode(const RowSink& sink);
    void Reduce();
    // The source fitted and toned as the conversion settings say: one pixel per cell, black or white.
    std::unique_ptr<TBitmap> Fitted(TBitmap& source) const;
    // Makes one row of text per pixel row of the source, one cell per pixel.
    void Scan(TCanvas& source, int width, int height, const RowSink& sink);
    // Appends a row to the output view, whole or not at all: a row the view cannot hold raises
    // EInvalidOperation, which names the rows of this conversion it took (`taken`).
    void AppendToView(std::string_view row, int taken);

    tone::ConversionSettings m_conversion;
};

// The window's class and its stored layout, for the layout reader.
void RegisterMainFormLayout();

extern TF_main* F_main;

} // namespace gl
