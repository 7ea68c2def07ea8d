// Driving the main window for one conversion.
#include "cli/Converter.h"
#include "cli/PictureStream.h"

#include "app/Unit1.h"
#include "app/formats/PictureFormats.h"
#include "app/tone/DisplayWidth.h"
#include "app/tone/Fit.h"
#include "components/RzButton.h"
#include "components/RzEdit.h"
#include "components/RzRadChk.h"
#include "components/RzSpnEdt.h"
#include "components/RzStatus.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/forms/Application.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsPicture.h"

#include <algorithm>
#include <exception>

namespace gl::cli {

namespace {

std::string MessageOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

// A JPEG asked to fit a size is decoded no larger than four pixels a cell each way need, which leaves the
// averaging enough to work with at a fraction of the time; without a size every picture is read whole.
DecodeNeed FitNeed(const TF_main& window, const tone::ConversionSettings& settings) {
    if (!settings.columns && !settings.lines) return {};
    const int cellColumns = tone::DisplayWidth(window.RzEdit2->Text());
    return [settings, cellColumns](int width, int height) {
        const tone::CellGrid grid = tone::FitGrid(width, height, settings, cellColumns);
        return std::pair{grid.cells * 4, grid.lines * 4};
    };
}

// The settings a user would make, in the window's order: glyph string (which derives the space length), space
// length, then the mode with its input.
void Prepare(TF_main& window, const ConvertOptions& options) {
    if (options.glyph) window.RzEdit2->SetText(*options.glyph);
    if (options.space) window.RzSpinEdit2->SetIntegerValue(*options.space);
    if (options.spaceAuto)
        window.RzSpinEdit2->SetIntegerValue(
            std::clamp<long long>(tone::DisplayWidth(window.RzEdit2->Text()), kMinSpace, kMaxSpace));
    window.SetConversionSettings(options.conversion);
    SetDecodeNeed(FitNeed(window, options.conversion));
    if (options.text) {
        window.RzRadioButton2->SetChecked(true);
        window.RzEdit3->SetText(*options.text);
    } else if (options.picture && *options.picture == "-") {
        LoadStandardInput(window);
    } else if (options.picture && (IsStream(*options.picture) || NamedForAnotherKind(*options.picture))) {
        LoadStreamFile(window, *options.picture);
    } else {
        window.LoadPicture(options.picture ? *options.picture : TF_main::DefaultPicturePath());
    }
}

static_assert(TF_main::kMaxBannerWidth == 32767, "the usage text names the widest banner");

// The banner's width is known once the window has measured its text.
std::string BannerUsageError(const TF_main& window) {
    const int width = window.RzStatusPane1->Width();
    if (width <= TF_main::kMaxBannerWidth) return {};
    return Format("--text is too wide: its banner is %d pixels wide, and at most %d can be drawn",
                  {width, TF_main::kMaxBannerWidth});
}

} // namespace

ConvertResult Convert(const ConvertOptions& options, const LineWriter& write) {
    TApplication application(nullptr);
    application.Initialize();
    // An error of the creation handler (a default picture that cannot be loaded) would be one box before the
    // window opens; a conversion of that picture meets it again when loading, others do not depend on it.
    application.OnException = [](TObject*, const Exception&) {};
    try {
        application.CreateForm(F_main);
    } catch (...) {
        return {MessageOf(std::current_exception()), {}, {}};
    }
    application.OnException = nullptr;
    TF_main& window = *F_main;
    ConvertResult result;
    try {
        Prepare(window, options);
        // Both modes read only bitmaps (the banner is drawn off screen), so the window stays hidden.
        if (options.text)
            if (std::string usage = BannerUsageError(window); !usage.empty()) return {{}, usage, {}};
        // The button's command, its rows written out as they are made instead of collected in the view.
        window.ConvertTo(write);
        // An empty picture converts to nothing, which a script could not tell from a picture of no dark
        // pixels that lost its lines.
        TBitmap* reduced = window.Image2->Picture()->Bitmap();
        if (!options.text && (reduced->Width() == 0 || reduced->Height() == 0)) {
            const std::string path = options.picture ? *options.picture : TF_main::DefaultPicturePath();
            result.warning = "the picture " + (path == "-" ? "on standard input" : "\"" + path + "\"") +
                             " has no pixels: no text art was written";
        }
    } catch (...) {
        return {MessageOf(std::current_exception()), {}, {}};
    }
    return result;
}

} // namespace gl::cli
