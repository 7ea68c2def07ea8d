// The font box against a plain drop-down list of the same names: making its window (which lists the
// installed families) and opening its list (every entry drawn with its type glyph, and in the name-and-sample
// style with a sample in the entry's own face). The ratios say what the font box's drawing costs over the
// list's own.
#include "RatioReporter.h"

#include "components/RzCmboBx.h"
#include "platform/controls/ControlClasses.h"
#include "platform/user/HeadlessInput.h"
#include "platform/user/User.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace gl;

// A top-level window to hold the boxes.
class TBenchForm : public TWinControl {
public:
    explicit TBenchForm(TComponent* owner) : TWinControl(owner) { IncludeStyle(csAcceptsControls); }

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.Style = win::WS_OVERLAPPEDWINDOW | win::WS_CLIPCHILDREN;
        params.WndParent = nullptr;
    }
};

struct Desk {
    TComponent owner{nullptr};
    TBenchForm* form = nullptr;

    Desk() {
        win::headless::Use();
        win::RegisterStandardControls();
        form = new TBenchForm(&owner);
        form->SetBounds(0, 0, 640, 480);
        form->HandleNeeded();
        win::ShowWindow(form->Handle(), win::SW_SHOW);
        win::headless::Pump();
    }
    ~Desk() { owner.DestroyComponents(); }

    template <class Box> Box* Place(Box* box) {
        box->SetBounds(20, 20, 108, 22);
        box->SetParent(form);
        box->HandleNeeded();
        win::headless::Pump();
        return box;
    }
    // The installed families, as the font box lists them.
    std::vector<std::string> FamilyNames() {
        auto* fonts = Place(new TRzFontComboBox(&owner));
        std::vector<std::string> names;
        for (int i = 0; i < fonts->Items()->Count(); ++i) names.push_back(fonts->Items()->Strings(i));
        delete fonts;
        return names;
    }
    TRzComboBox* PlainList(const std::vector<std::string>& names) {
        auto* box = new TRzComboBox(&owner);
        box->SetStyle(csDropDownList);
        for (const std::string& name : names) box->Items()->Add(name);
        return Place(box);
    }
};

// Opens the list, lets it paint, and closes it again.
void OpenAndClose(TCustomComboBox& box) {
    box.SetDroppedDown(true);
    win::headless::Pump();
    box.SetDroppedDown(false);
    win::headless::Pump();
}

void BM_PlainListCreate(benchmark::State& state) {
    Desk desk;
    const std::vector<std::string> names = desk.FamilyNames();
    for (auto _ : state) delete desk.PlainList(names);
    state.counters["entries"] = static_cast<double>(names.size());
}

void BM_FontBoxCreate(benchmark::State& state) {
    Desk desk;
    for (auto _ : state) delete desk.Place(new TRzFontComboBox(&desk.owner));
}

void BM_PlainListOpen(benchmark::State& state) {
    Desk desk;
    TRzComboBox* box = desk.PlainList(desk.FamilyNames());
    for (auto _ : state) OpenAndClose(*box);
}

void TimeFontBoxOpen(benchmark::State& state, TRzShowStyle style) {
    Desk desk;
    auto* box = desk.Place(new TRzFontComboBox(&desk.owner));
    box->SetShowStyle(style);
    for (auto _ : state) OpenAndClose(*box);
}

void BM_FontBoxOpen(benchmark::State& state) {
    TimeFontBoxOpen(state, ssFontName);
}

void BM_FontBoxOpenWithSamples(benchmark::State& state) {
    TimeFontBoxOpen(state, ssFontNameAndSample);
}

BENCHMARK(BM_PlainListCreate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FontBoxCreate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainListOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FontBoxOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FontBoxOpenWithSamples)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    if (!RunBenchmarks(argc, argv, reporter)) return 1;
    PrintRatio(reporter, "font box window / plain list window", "BM_FontBoxCreate", "BM_PlainListCreate", 0);
    PrintRatio(reporter, "font box opening / plain list opening", "BM_FontBoxOpen", "BM_PlainListOpen", 0);
    PrintRatio(reporter, "with samples / plain list opening", "BM_FontBoxOpenWithSamples", "BM_PlainListOpen",
               0);
    return 0;
}
