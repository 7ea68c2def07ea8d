// The combo box tests' shared fixture: a box placed on a form with its changes counted, and its open list
// reached through the platform's parts.
#pragma once

#include "RzControlsTestSupport.h"

#include "components/RzCmboBx.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/user/MessageLoop.h"

#include <vector>

namespace gl::rztest {

class RzComboTest : public RzControlsTest {
protected:
    void SetUp() override {
        RzControlsTest::SetUp();
        ASSERT_TRUE(win::RegisterStandardControls());
        win::headless::ResetBeepCount();
    }
    template <class Box> Box* Place(Box* box) {
        box->SetBounds(20, 20, 108, 22);
        box->SetParent(m_form);
        box->OnChange = [this](TObject*) { ++changes; };
        box->HandleNeeded();
        win::headless::Pump();
        return box;
    }
    TRzFontComboBox* MakeFontBox() {
        MakeForm();
        return Place(new TRzFontComboBox(&m_owner));
    }
    // A drop-down list of four names, in that order.
    TRzComboBox* MakeNameBox() {
        MakeForm();
        auto* box = new TRzComboBox(&m_owner);
        box->SetStyle(csDropDownList);
        for (const char* name : {"Alpha", "Beta", "Bravo", "Charlie"}) box->Items()->Add(name);
        Place(box);
        box->SetFocus();
        win::headless::Pump();
        return box;
    }
    static win::HWND ListOf(TCustomComboBox& box) {
        win::COMBOBOXINFO info;
        return win::GetComboBoxInfo(box.Handle(), &info) ? info.hwndList : nullptr;
    }
    static void Open(TCustomComboBox& box) {
        win::headless::Click(box.Handle(), 97, 11);
        win::headless::Pump();
    }
    static win::RECT EntryRect(TCustomComboBox& box, int index) {
        win::RECT entry{};
        win::SendMessage(ListOf(box), win::LB_GETITEMRECT, static_cast<win::WPARAM>(index),
                         reinterpret_cast<win::LPARAM>(&entry));
        return entry;
    }
    // Opens the list and clicks an entry near its top.
    void Choose(TCustomComboBox& box, int index) {
        Open(box);
        ASSERT_TRUE(box.DroppedDown());
        win::SendMessage(ListOf(box), win::LB_SETTOPINDEX, 0, 0);
        const win::RECT entry = EntryRect(box, index);
        win::headless::Click(ListOf(box), 60, (entry.top + entry.bottom) / 2);
        win::headless::Pump();
        ASSERT_FALSE(box.DroppedDown());
    }
    static std::vector<win::COLORREF> GlyphColumn(win::HWND list, int rows) {
        std::vector<win::COLORREF> pixels;
        win::headless::Pump();
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < 24; ++x) pixels.push_back(win::headless::Pixel(list, x, y));
        return pixels;
    }

    int changes = 0;
};

} // namespace gl::rztest
