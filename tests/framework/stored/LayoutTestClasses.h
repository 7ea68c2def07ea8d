// Small component classes for the layout reader's tests: a form, a control with a parent, a font-like
// sub-object. Every setter writes a line to a shared log with the loading state it saw, so tests can check
// order and state.
#pragma once

#include "framework/core/Component.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gl::layout_test {

enum TTestAlign { taNone, taTop, taClient };
enum TTestStyle { tsBold, tsItalic, tsUnderline };

std::vector<std::string>& Log();

class TTestFont : public TPersistent {
public:
    std::string ClassName() const override { return "TTestFont"; }
    std::string name;
    int height = 0;
    TSet<TTestStyle> style;
    void SetName(const std::string& value) { name = value; }
    void SetHeight(int value) { height = value; }
    void SetStyle(TSet<TTestStyle> value) { style = value; }
};

class TTestControl : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TTestControl"; }

    TTestControl* parent = nullptr;
    std::string caption;
    int left = 0;
    std::int64_t big = 0;
    std::uint8_t small = 0;
    std::uint32_t color = 0;
    bool visible = true;
    double ratio = 0;
    TTestAlign align = taNone;
    std::vector<std::string> items;
    std::vector<std::uint8_t> data;
    TTestControl* buddy = nullptr;
    TTestFont font;
    TNotifyEvent OnClick;
    bool hotTrack = false; // set by the retired "Flat"

    void SetCaption(const std::string& value) { Record("Caption", caption = value); }
    void SetLeft(int value) { Record("Left", std::to_string(left = value)); }
    void SetBig(std::int64_t value) { big = value; }
    void SetSmall(std::uint8_t value) { small = value; }
    void SetColor(std::uint32_t value) { color = value; }
    void SetVisible(bool value) { visible = value; }
    void SetRatio(double value) { ratio = value; }
    void SetAlign(TTestAlign value) { align = value; }
    void SetItems(const std::vector<std::string>& value) { items = value; }
    void SetData(const std::vector<std::uint8_t>& value) { data = value; }
    void SetBuddy(TTestControl* value) { Record("Buddy", (buddy = value) ? buddy->Name() : "nil"); }
    void Loaded() override;

private:
    void Record(const std::string& property, const std::string& value);
};

class TTestForm : public TTestControl {
public:
    using TTestControl::TTestControl;
    std::string ClassName() const override { return "TTestForm"; }
};

// A class a layout may name but cannot create (no factory).
class TTestAbstract : public TTestControl {
public:
    using TTestControl::TTestControl;
    std::string ClassName() const override { return "TTestAbstract"; }
};

// Registers the test classes in the registry; safe to call more than once.
void RegisterTestClasses(PropertyRegistry& registry = PropertyRegistry::Global());

// What the fuzz target does with one input, also replayed by the tests over the corpus: parse it, write the
// tree back and parse that again, then read it into a test form. Faults of the input end in the framework's
// exceptions, which are caught here.
struct LayoutExercise {
    bool writtenReadsBack = true; // false: the written tree did not parse back equal
    bool read = false;            // the form was read without error
};
LayoutExercise ExerciseLayoutReader(std::string_view text);

} // namespace gl::layout_test
