// The convert command and the picture input: the scan with its cell rule, picture mode with the reduction of
// the current picture to black and white, and the import command.
#include "app/Unit1.h"

#include "components/RzEdit.h"
#include "components/RzRadChk.h"
#include "components/RzSpnEdt.h"
#include "components/RzStatus.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/Strings.h"
#include "framework/forms/Application.h"
#include "framework/forms/ExtDlgs.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsPalettes.h"
#include "framework/graphics/GraphicsPicture.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace gl {

namespace {

// A light cell is the first N of these blanks.
constexpr std::string_view kBlanks = "                      ";
static_assert(kBlanks.size() == 22);

constexpr const char* kBannerTooWide =
    "Text too wide: the banner is %d pixels wide, and text mode draws at most %d";

constexpr const char* kViewFull =
    "The output view is full: it cannot hold row %d of this conversion and keeps the rows before it whole; "
    "clear it to convert again";

// The two-colour palette of the reduction: black, then white.
constexpr win::PALETTEENTRY kBlackWhite[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};

} // namespace

void TF_main::RzBitBtn4Click(TObject*) {
    int taken = 0;
    ConvertTo([this, &taken](std::string_view row) {
        AppendToView(row, taken);
        ++taken;
    });
}

void TF_main::AppendToView(std::string_view row, int taken) {
    const auto before = RzMemo1->Perform(win::WM_GETTEXTLENGTH);
    RzMemo1->Lines()->Add(std::string(row));
    const auto after = RzMemo1->Perform(win::WM_GETTEXTLENGTH);
    // The row and its line break went in whole, or the view cut them at its limit.
    if (after - before >= static_cast<win::LRESULT>(row.size() + 2)) return;
    RzMemo1->SetSelStart(static_cast<int>(before));
    RzMemo1->SetSelLength(static_cast<int>(after - before));
    RzMemo1->SetSelText({});
    throw EInvalidOperation(Format(kViewFull, {taken + 1}));
}

void TF_main::ConvertTo(const RowSink& sink) {
    if (RzRadioButton1->Checked()) {
        PictureMode(sink);
        return;
    }
    TextMode(sink);
}

void TF_main::TextMode(const RowSink& sink) {
    CheckBannerWidth();
    // The banner drawn off screen by its own painting, at its full width: the group box it sits in cuts it on
    // the window, and whatever covers the window does not matter here. Read in the banner's own coordinates.
    const int width = RzStatusPane1->Width();
    const int height = RzStatusPane1->Height();
    auto banner = std::make_unique<TBitmap>();
    if (width > 0 && height > 0) {
        banner->SetWidth(width);
        banner->SetHeight(height);
        RzStatusPane1->PaintTo(banner->Canvas().Handle());
    }
    if (m_conversion.IsDefault()) {
        Scan(banner->Canvas(), width, height, sink);
        return;
    }
    const std::unique_ptr<TBitmap> fitted = Fitted(*banner);
    Scan(fitted->Canvas(), fitted->Width(), fitted->Height(), sink);
}

void TF_main::CheckBannerWidth() const {
    const int width = RzStatusPane1->Width();
    if (width > kMaxBannerWidth) throw EInvalidOperation(Format(kBannerTooWide, {width, kMaxBannerWidth}));
}

void TF_main::Scan(TCanvas& source, int width, int height, const RowSink& sink) {
    std::string line;
    std::vector<win::COLORREF> row(static_cast<std::size_t>(std::max(width, 0)));
    for (int y = 0; y < height; ++y) {
        // Nothing can change the settings while a scan runs (no message is handled in between), so reading
        // them once a row gives what reading them for every cell would.
        const std::string glyphs = RzEdit2->Text();
        const auto space = std::clamp<std::int64_t>(RzSpinEdit2->IntegerValue(), 0, kBlanks.size());
        const std::string_view blanks = kBlanks.substr(0, static_cast<std::size_t>(space));
        // Each cell's text is copied straight into a line sized for the wider of the two.
        line.resize(static_cast<std::size_t>(width) * std::max(glyphs.size(), blanks.size()));
        char* out = line.data();
        // The row is read as its pixels one by one would be: through the canvas, clip and all.
        source.ReadPixelRow(0, y, row);
        for (int x = 0; x < width; ++x) {
            // Exactly black is dark; every other colour, the invalid colour of a read outside included, is
            // light.
            // A cell is a few bytes: a plain loop beats a library copy for each.
            const std::string_view cell = row[static_cast<std::size_t>(x)] == 0 ? glyphs : blanks;
            for (const char c : cell) *out++ = c;
        }
        line.resize(static_cast<std::size_t>(out - line.data()));
        sink(line);
    }
}

void TF_main::PictureMode(const RowSink& sink) {
    Reduce();
    auto scanCopy = std::make_unique<TPicture>();
    scanCopy->Bitmap()->Assign(Image2->Picture()->Bitmap());
    TBitmap* bitmap = scanCopy->Bitmap();
    Scan(bitmap->Canvas(), bitmap->Width(), bitmap->Height(), sink);
}

void TF_main::Reduce() {
    // Assigning fails for a picture that holds no bitmap ("Cannot assign a TPicture to a TBitmap"), before
    // anything is drawn; the temporaries go with the unwinding.
    auto work = std::make_unique<TBitmap>();
    work->Assign(Image1->Picture());
    if (!m_conversion.IsDefault()) {
        Image2->Picture()->Assign(Fitted(*work).get());
        return;
    }
    // The target is one bit deep before it gets its size: made the other way round, it would first be a
    // full-colour picture of the same size, filled white only to be converted (a large picture's time and
    // memory for nothing). Either way it ends all white with a black, white colour table.
    auto target = std::make_unique<TBitmap>();
    target->SetPixelFormat(pf1bit);
    target->SetWidth(work->Width());
    target->SetHeight(work->Height());
    target->SetPalette(CreatePaletteOf(kBlackWhite));
    // The platform's copy picks the nearer of the two table entries for every pixel.
    target->Canvas().Draw(0, 0, work.get());
    Image2->Picture()->Assign(target.get());
}

void TF_main::RzBitBtn5Click(TObject*) {
    if (OpenPictureDialog1->Execute()) LoadPicture(OpenPictureDialog1->FileName());
}

void TF_main::LoadPicture(const std::string& fileName) {
    Image1->Picture()->LoadFromFile(fileName);
}

void TF_main::StartWithPicture(const std::string& fileName) {
    try {
        LoadPicture(fileName);
        RzEdit1->SetText(fileName);
    } catch (...) {
        // The application's error box, as for the import command; the window opens all the same.
        if (!Application) throw;
        Application->HandleException(this);
    }
}

} // namespace gl
