// Registration and logging of the layout reader's test classes.
#include "LayoutTestClasses.h"

#include "framework/core/Exceptions.h"

namespace gl::layout_test {

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

void TTestControl::Record(const std::string& property, const std::string& value) {
    std::string state;
    if (ComponentState().Contains(csLoading)) state += " loading";
    if (ComponentState().Contains(csReading)) state += " reading";
    Log().push_back(Name() + "." + property + "=" + value + state);
}

void TTestControl::Loaded() {
    TComponent::Loaded();
    Log().push_back("loaded " + Name());
}

void RegisterTestClasses(PropertyRegistry& registry) {
    RegisterComponentLayout(registry);
    PropertyRegistry::RegisterEnum<TTestAlign>({"taNone", "taTop", "taClient"});
    PropertyRegistry::RegisterEnum<TTestStyle>({"tsBold", "tsItalic", "tsUnderline"});
    PropertyRegistry::RegisterConstants("TTestColor", {{"clTestRed", 0xFF}, {"clTestFace", 0xFF00000F}});

    LayoutClass<TTestFont>("TTestFont", "TPersistent", registry)
        .Property("Name", &TTestFont::SetName)
        .Property("Height", &TTestFont::SetHeight)
        .Property("Style", &TTestFont::SetStyle);

    LayoutClass<TTestControl>("TTestControl", "TComponent", registry)
        .Creatable()
        .ParentHook([](TTestControl& child, TComponent& enclosing) {
            child.parent = dynamic_cast<TTestControl*>(&enclosing);
        })
        .Property("Caption", &TTestControl::SetCaption)
        .Property("Left", &TTestControl::SetLeft)
        .Property("Big", &TTestControl::SetBig)
        .Property("Small", &TTestControl::SetSmall)
        .Property("Color", &TTestControl::SetColor, "TTestColor")
        .Property("Visible", &TTestControl::SetVisible)
        .Property("Ratio", &TTestControl::SetRatio)
        .Property("Align", &TTestControl::SetAlign)
        .Property("Items", &TTestControl::SetItems)
        .Property("Data", &TTestControl::SetData)
        .Reference("Buddy", &TTestControl::SetBuddy)
        .SubObject("Font", [](TTestControl& control) -> TTestFont& { return control.font; })
        .Event("OnClick", &TTestControl::OnClick)
        .Ignored("OldFlag")
        .Custom("Flat", [](TTestControl& control, const LayoutValue& value, LayoutReadContext& context) {
            control.hotTrack = LayoutConvert<bool>(value, context);
        });

    LayoutClass<TTestForm>("TTestForm", "TTestControl", registry).Creatable();
    LayoutClass<TTestAbstract>("TTestAbstract", "TTestControl", registry);
}

LayoutExercise ExerciseLayoutReader(std::string_view text) {
    RegisterTestClasses();
    Log().clear();
    LayoutExercise result;
    try {
        auto tree = ParseLayout(text);
        auto again = ParseLayout(WriteLayout(*tree));
        result.writtenReadsBack = *again == *tree;
    } catch (const EReadError&) {
    }
    try {
        TTestForm form(nullptr);
        LayoutMethods methods;
        methods.Add<TNotifyEvent>("Click", [](TObject*) {});
        ReadLayout(form, text, methods);
        result.read = true;
    } catch (const Exception&) {
    }
    return result;
}

} // namespace gl::layout_test
