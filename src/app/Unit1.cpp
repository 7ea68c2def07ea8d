// The main window: binding its controls, the creation handler and the short commands of its fields and
// buttons (mode switch, glyph string, font and size, banner text, About box).
#include "app/Unit1.h"

#include "app/formats/PictureFormats.h"

#include "app/Program.h"
#include "components/RzButton.h"
#include "components/RzCmboBx.h"
#include "components/RzEdit.h"
#include "components/RzLabel.h"
#include "components/RzPanel.h"
#include "components/RzRadChk.h"
#include "components/RzSpnEdt.h"
#include "components/RzStatus.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/core/FileNames.h"
#include "framework/core/Resources.h"
#include "framework/core/Strings.h"
#include "framework/forms/Dialogs.h"
#include "framework/forms/ExtDlgs.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ImageList.h"

#include "platform/dialogs/MessageBox.h"
#include "platform/system/CodePage.h"

namespace gl {

TF_main* F_main = nullptr;

void TF_main::DeclareHandlers(LayoutMethods& methods) {
    TForm::DeclareHandlers(methods);
    auto handler = [this](void (TF_main::*method)(TObject*)) {
        return TNotifyEvent([this, method](TObject* sender) { (this->*method)(sender); });
    };
    methods.Add("FormCreate", handler(&TF_main::FormCreate))
        .Add("RzBitBtn4Click", handler(&TF_main::RzBitBtn4Click))
        .Add("RzBitBtn5Click", handler(&TF_main::RzBitBtn5Click))
        .Add("RzRadioButton2Click", handler(&TF_main::RzRadioButton2Click))
        .Add("RzEdit2Change", handler(&TF_main::RzEdit2Change))
        .Add("RzFontComboBox1Change", handler(&TF_main::RzFontComboBox1Change))
        .Add("RzEdit3Change", handler(&TF_main::RzEdit3Change))
        .Add("RzBitBtn1Click", handler(&TF_main::RzBitBtn1Click));
}

void TF_main::BindComponents() {
    Bind(RzMemo1, "RzMemo1");
    Bind(RzPanel2, "RzPanel2");
    Bind(Image1, "Image1");
    Bind(Image2, "Image2");
    Bind(RzBitBtn4, "RzBitBtn4");
    Bind(RzBitBtn1, "RzBitBtn1");
    Bind(RzGroupBox1, "RzGroupBox1");
    Bind(RzRadioButton1, "RzRadioButton1");
    Bind(RzRadioButton2, "RzRadioButton2");
    Bind(RzEdit1, "RzEdit1");
    Bind(RzBitBtn5, "RzBitBtn5");
    Bind(RzEdit3, "RzEdit3");
    Bind(RzStatusPane1, "RzStatusPane1");
    Bind(RzGroupBox2, "RzGroupBox2");
    Bind(RzEdit2, "RzEdit2");
    Bind(RzSpinEdit2, "RzSpinEdit2");
    Bind(RzFontComboBox1, "RzFontComboBox1");
    Bind(RzSpinEdit1, "RzSpinEdit1");
    Bind(RzLabel1, "RzLabel1");
    Bind(RzLabel2, "RzLabel2");
    Bind(RzLabel3, "RzLabel3");
    Bind(RzLabel4, "RzLabel4");
    Bind(RzLabel5, "RzLabel5");
    Bind(RzLabel6, "RzLabel6");
    Bind(ImageList1, "ImageList1");
    Bind(OpenPictureDialog1, "OpenPictureDialog1");
    Bind(FontDialog1, "FontDialog1");

    // What the layout does not hold: the button glyphs, the output view's sample, and the pictures the
    // program reads besides bitmaps (after the layout's own pair, which stays the dialog's first choice).
    OpenPictureDialog1->SetFilter(OpenPictureDialog1->Filter() + "|" + AddedPicturesFilter());
    ImageList1->AddGlyphStripResource(kGlyphStripResource);
    if (auto sample = FindResource(TResourceType::Text, kStartupSampleResource))
        RzMemo1->Lines()->SetText(std::string(*sample));
}

void TF_main::FormCreate(TObject*) {
    // The font box shows the output view's font (the window font) without announcing it; the view starts at
    // the size box's size, 1 point, so that the art is seen whole.
    RzFontComboBox1->SetCurrentFont(RzMemo1->Font());
    RzMemo1->Font()->SetSize(static_cast<int>(RzSpinEdit1->IntegerValue()));
    DefaultPictureStep();
}

std::string TF_main::DefaultPicturePath() {
    // The folder keeps its separator only when it is the root, so a program there gets "//Tarnwick.bmp".
    return ExtractFileDir(GetModuleName()) + PathDelim + "Tarnwick.bmp";
}

void TF_main::DefaultPictureStep() {
    RzEdit1->SetText(DefaultPicturePath());
    const std::string path = RzEdit1->Text();
    if (FileExists(path)) LoadPicture(path);
}

void TF_main::RzRadioButton2Click(TObject*) {
    RzEdit3->SetEnabled(false);
    RzEdit1->SetEnabled(false);
    RzBitBtn5->SetEnabled(false);
    if (RzRadioButton2->Checked()) {
        RzEdit3->SetEnabled(true);
    } else {
        RzEdit1->SetEnabled(true);
        RzBitBtn5->SetEnabled(true);
    }
}

void TF_main::RzEdit2Change(TObject*) {
    // A string holding any double-byte character counts two columns for every character, single-byte ones
    // included; the spin edit keeps the result within 1..20.
    const std::string glyphs = RzEdit2->Text();
    const auto bytes = static_cast<std::int64_t>(win::AnsiByteLength(glyphs));
    const auto units = static_cast<std::int64_t>(win::Utf16Length(glyphs));
    RzSpinEdit2->SetIntegerValue(bytes == units ? units : 2 * units);
}

void TF_main::RzFontComboBox1Change(TObject*) {
    // With no entry selected there is no font to assign: TFont raises "Cannot assign a nil to a TFont".
    RzMemo1->Font()->Assign(RzFontComboBox1->CurrentFont());
    RzMemo1->Font()->SetSize(static_cast<int>(RzSpinEdit1->IntegerValue()));
}

void TF_main::RzEdit3Change(TObject*) {
    RzStatusPane1->SetCaption(RzEdit3->Text());
}

std::string TF_main::AboutText() {
    return "GlyphloomV 1.0\r\n"
           "作者：Glyphloom 织字工作室\r\n"
           "邮箱：hello@glyphloom.example\r\n"
           "主页：https://glyphloom.example\r\n"
           "反馈：https://glyphloom.example/feedback";
}

void TF_main::RzBitBtn1Click(TObject*) {
    win::MessageBox(Handle(), AboutText().c_str(), "关于...", win::MB_OK | win::MB_ICONINFORMATION);
}

} // namespace gl
