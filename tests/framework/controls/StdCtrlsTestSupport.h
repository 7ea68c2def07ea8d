// Shared pieces of the edit, memo and combo box tests: the headless fixture with the platform's standard
// controls registered, the window font, and an event counter.
#pragma once

#include "ControlTestSupport.h"

#include "framework/graphics/Font.h"
#include "platform/controls/ControlClasses.h"

#include <string>
#include <vector>

namespace gl::controltest {

class StdCtrlsTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        ASSERT_TRUE(win::RegisterStandardControls());
    }

    // The window's font: "宋体", 12 pixels.
    static void UseWindowFont(TControl& control) {
        control.Font()->SetName("宋体");
        control.Font()->SetHeight(-12);
    }
};

// Records the events it is attached to, by name, in order.
class EventLog {
public:
    TNotifyEvent Record(std::string name) {
        return [this, name = std::move(name)](TObject*) { events.push_back(name); };
    }
    int Count(const std::string& name) const {
        int count = 0;
        for (const std::string& e : events) count += e == name ? 1 : 0;
        return count;
    }
    std::vector<std::string> events;
};

} // namespace gl::controltest
