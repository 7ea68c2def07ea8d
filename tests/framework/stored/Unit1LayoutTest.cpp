// The main window's stored layout as the program embeds it: every control in its place with its class, the
// values the window depends on, tab orders, and handlers that the window actually has.
#include "embedded/Unit1Layout.h"
#include "framework/stored/LayoutText.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>

namespace gl {
namespace {

struct Placed {
    const LayoutObject* object;
    const LayoutObject* parent;
};

class Unit1LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = ParseLayout(resources::Unit1Layout);
        Collect(*root, nullptr);
    }

    void Collect(const LayoutObject& object, const LayoutObject* parent) {
        EXPECT_TRUE(all.emplace(object.name, Placed{&object, parent}).second)
            << "name used twice: " << object.name;
        for (const auto& child : object.children) Collect(*child, &object);
    }

    const LayoutValue& Value(const std::string& name, const std::string& path) {
        static const LayoutValue none = [] {
            LayoutValue value;
            value.kind = LayoutValueKind::Identifier;
            value.text = "<not stored>";
            return value;
        }();
        auto it = all.find(name);
        if (it == all.end()) return none;
        const LayoutProperty* property = it->second.object->FindProperty(path);
        return property ? property->value : none;
    }
    std::int64_t Integer(const std::string& name, const std::string& path) {
        return Value(name, path).integer;
    }
    std::string Text(const std::string& name, const std::string& path) { return Value(name, path).text; }

    std::unique_ptr<LayoutObject> root;
    std::map<std::string, Placed> all;
};

TEST_F(Unit1LayoutTest, EveryControlHasItsClassAndParent) {
    const std::map<std::string, std::pair<std::string, std::string>> expected = {
        {"F_main", {"TF_main", ""}},
        {"RzMemo1", {"TRzMemo", "F_main"}},
        {"RzPanel2", {"TRzPanel", "F_main"}},
        {"Image1", {"TImage", "RzPanel2"}},
        {"Image2", {"TImage", "RzPanel2"}},
        {"RzLabel5", {"TRzLabel", "RzPanel2"}},
        {"RzBitBtn4", {"TRzBitBtn", "RzPanel2"}},
        {"RzBitBtn1", {"TRzBitBtn", "RzPanel2"}},
        {"RzGroupBox1", {"TRzGroupBox", "RzPanel2"}},
        {"RzRadioButton1", {"TRzRadioButton", "RzGroupBox1"}},
        {"RzRadioButton2", {"TRzRadioButton", "RzGroupBox1"}},
        {"RzEdit1", {"TRzEdit", "RzGroupBox1"}},
        {"RzBitBtn5", {"TRzBitBtn", "RzGroupBox1"}},
        {"RzEdit3", {"TRzEdit", "RzGroupBox1"}},
        {"RzLabel6", {"TRzLabel", "RzGroupBox1"}},
        {"RzStatusPane1", {"TRzStatusPane", "RzGroupBox1"}},
        {"RzGroupBox2", {"TRzGroupBox", "RzPanel2"}},
        {"RzLabel1", {"TRzLabel", "RzGroupBox2"}},
        {"RzLabel2", {"TRzLabel", "RzGroupBox2"}},
        {"RzLabel3", {"TRzLabel", "RzGroupBox2"}},
        {"RzLabel4", {"TRzLabel", "RzGroupBox2"}},
        {"RzEdit2", {"TRzEdit", "RzGroupBox2"}},
        {"RzSpinEdit2", {"TRzSpinEdit", "RzGroupBox2"}},
        {"RzFontComboBox1", {"TRzFontComboBox", "RzGroupBox2"}},
        {"RzSpinEdit1", {"TRzSpinEdit", "RzGroupBox2"}},
        {"ImageList1", {"TImageList", "F_main"}},
        {"OpenPictureDialog1", {"TOpenPictureDialog", "F_main"}},
        {"FontDialog1", {"TFontDialog", "F_main"}},
    };
    EXPECT_EQ(all.size(), expected.size());
    for (const auto& [name, want] : expected) {
        auto it = all.find(name);
        ASSERT_NE(it, all.end()) << name;
        EXPECT_EQ(it->second.object->className, want.first) << name;
        EXPECT_EQ(it->second.parent ? it->second.parent->name : "", want.second) << name;
    }
}

TEST_F(Unit1LayoutTest, TheWindowsOwnSettings) {
    EXPECT_EQ(Integer("F_main", "Width"), 588);
    EXPECT_EQ(Integer("F_main", "Height"), 410);
    EXPECT_EQ(Text("F_main", "Caption"), "GlyphloomV 1.0 网址：https://glyphloom.example");
    EXPECT_EQ(Text("F_main", "Font.Name"), "宋体");
    EXPECT_EQ(Integer("F_main", "Font.Height"), -12);
    EXPECT_EQ(Text("F_main", "Position"), "poScreenCenter");
    EXPECT_EQ(Integer("F_main", "PixelsPerInch"), 96);
    EXPECT_EQ(Integer("F_main", "TextHeight"), 12);

    EXPECT_EQ(Text("RzEdit3", "Text"), "Tarnwick<QQ群号3164825>");
    EXPECT_EQ(Text("RzStatusPane1", "Caption"), "Tarnwick<QQ群号3164825>");
    EXPECT_EQ(Integer("RzEdit3", "MaxLength"), 40);
    EXPECT_EQ(Text("RzEdit3", "Enabled"), "False");
    EXPECT_EQ(Text("Image2", "Visible"), "False");
    EXPECT_EQ(Text("RzRadioButton1", "Checked"), "True");
    EXPECT_EQ(Integer("RzRadioButton2", "Tag"), 1);
    EXPECT_EQ(Text("RzStatusPane1", "Height"), "<not stored>") << "the pane keeps its class default";
    EXPECT_EQ(Text("OpenPictureDialog1", "Filter"), "Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(Integer("RzBitBtn5", "ImageIndex"), 0);
    EXPECT_EQ(Integer("RzBitBtn1", "ImageIndex"), 6);
    EXPECT_EQ(Text("RzSpinEdit1", "AllowKeyEdit"), "<not stored>") << "the size box takes no typing";
    EXPECT_EQ(root->FindProperty("Lines.Strings"), nullptr) << "the sample is made by the program";
}

TEST_F(Unit1LayoutTest, SpinEditsReadMaxThenMinThenValue) {
    // Read in this order the text goes "0", "1", "3"; Value before Min would be clamped to the old range.
    for (const char* name : {"RzSpinEdit1", "RzSpinEdit2"}) {
        std::vector<std::string> order;
        for (const LayoutProperty& property : all.at(name).object->properties)
            if (property.path == "Max" || property.path == "Min" || property.path == "Value")
                order.push_back(property.path);
        EXPECT_EQ(order, (std::vector<std::string>{"Max", "Min", "Value"})) << name;
    }
    EXPECT_EQ(Integer("RzSpinEdit2", "Max"), 20);
    EXPECT_EQ(Integer("RzSpinEdit2", "Value"), 3);
    EXPECT_EQ(Integer("RzSpinEdit1", "Max"), 30);
    EXPECT_EQ(Integer("RzSpinEdit1", "Value"), 1);
}

TEST_F(Unit1LayoutTest, TabOrdersAreUniqueAndDenseWithinEachParent) {
    std::map<std::string, std::set<std::int64_t>> orders;
    std::map<std::string, int> counts;
    for (const auto& [name, placed] : all) {
        if (const LayoutProperty* tab = placed.object->FindProperty("TabOrder")) {
            orders[placed.parent->name].insert(tab->value.integer);
            ++counts[placed.parent->name];
        }
    }
    for (const auto& [parent, set] : orders) {
        EXPECT_EQ(int(set.size()), counts[parent]) << "tab order used twice in " << parent;
        EXPECT_EQ(*set.rbegin(), std::int64_t(set.size()) - 1) << "gap in the tab orders of " << parent;
    }
}

TEST_F(Unit1LayoutTest, HandlersAndReferencesNameWhatExists) {
    const std::set<std::string> handlers = {"FormCreate",          "RzBitBtn4Click", "RzBitBtn5Click",
                                            "RzRadioButton2Click", "RzEdit2Change",  "RzFontComboBox1Change",
                                            "RzEdit3Change",       "RzBitBtn1Click"};
    std::set<std::string> used;
    std::map<std::string, std::string> wiring;
    for (const auto& [name, placed] : all) {
        for (const LayoutProperty& property : placed.object->properties) {
            if (property.path.starts_with("On")) {
                EXPECT_TRUE(handlers.count(property.value.text)) << name << "." << property.path;
                used.insert(property.value.text);
                wiring[name + "." + property.path] = property.value.text;
            }
            if (property.path == "Images") {
                EXPECT_TRUE(all.count(property.value.text)) << name;
            }
        }
    }
    EXPECT_EQ(used, handlers) << "every handler of the window is wired";
    EXPECT_EQ(wiring["RzSpinEdit1.OnChange"], "RzFontComboBox1Change");
    EXPECT_EQ(wiring["RzRadioButton1.OnClick"], "RzRadioButton2Click");
    EXPECT_EQ(wiring["F_main.OnCreate"], "FormCreate");
    EXPECT_EQ(wiring.size(), 10u);
}

} // namespace
} // namespace gl
