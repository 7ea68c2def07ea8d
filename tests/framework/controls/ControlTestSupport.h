// Shared pieces of the control tests: a fresh headless display per test, a top-level form-like control, a
// windowed panel and a window-less box that count the notifications they get, and an edit built on the
// platform's EDIT class.
#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/controls/GraphicControl.h"
#include "framework/controls/WinControl.h"

#include "platform/user/HeadlessInput.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace gl::controltest {

// Counts every message a control's WndProc sees, by number.
class MessageCounter {
public:
    void Count(win::UINT msg) { ++m_counts[msg]; }
    int operator[](win::UINT msg) const {
        const auto it = m_counts.find(msg);
        return it == m_counts.end() ? 0 : it->second;
    }
    void Clear() { m_counts.clear(); }

private:
    std::map<win::UINT, int> m_counts;
};

// A windowed container that counts its messages.
class TPanelProbe : public TWinControl {
public:
    explicit TPanelProbe(TComponent* owner) : TWinControl(owner) { IncludeStyle(csAcceptsControls); }
    std::string ClassName() const override { return "TPanelProbe"; }
    void WndProc(TMessage& message) override {
        counts.Count(message.Msg);
        TWinControl::WndProc(message);
    }
    MessageCounter counts;
};

// A top-level window holding controls: the stand-in for a form.
class TFormProbe : public TPanelProbe {
public:
    explicit TFormProbe(TComponent* owner) : TPanelProbe(owner) {}
    std::string ClassName() const override { return "TFormProbe"; }

protected:
    void CreateParams(TCreateParams& params) override {
        TPanelProbe::CreateParams(params);
        params.Style = win::WS_OVERLAPPEDWINDOW | win::WS_CLIPCHILDREN;
        params.WndParent = nullptr;
        params.WindowClass.hbrBackground = nullptr;
    }
};

// A window-less control that fills itself with one colour and counts its messages.
class TBoxProbe : public TGraphicControl {
public:
    TBoxProbe(TComponent* owner, TColor fill) : TGraphicControl(owner), fill(fill) {}
    std::string ClassName() const override { return "TBoxProbe"; }
    void WndProc(TMessage& message) override {
        counts.Count(message.Msg);
        TGraphicControl::WndProc(message);
    }
    TColor fill;
    // A box may paint far beyond itself: the clip keeps it inside its rectangle.
    bool overpaint = false;
    MessageCounter counts;

protected:
    void Paint() override;
};

// A windowed control that paints itself in one colour through its canvas.
class TCanvasProbe : public TCustomControl {
public:
    TCanvasProbe(TComponent* owner, TColor fill) : TCustomControl(owner), fill(fill) {}
    std::string ClassName() const override { return "TCanvasProbe"; }
    TColor fill;

protected:
    void Paint() override;
};

// A single-line edit on the platform's EDIT class.
class TEditProbe : public TWinControl {
public:
    explicit TEditProbe(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }
    std::string ClassName() const override { return "TEditProbe"; }
    void CNCommand(TWMCommand& message) override {
        commands.push_back(message.NotifyCode());
        TWinControl::CNCommand(message);
    }
    std::vector<int> commands;

protected:
    void CreateParams(TCreateParams& params) override;
};

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A form of the given outer size at (0, 0), its window made and shown, with a white background.
    TFormProbe* MakeForm(int width = 320, int height = 240);
    // What the form's window shows at a point of its client area, read through a context of the window.
    win::COLORREF FormPixel(int x, int y);

    TComponent m_owner{nullptr};
    TFormProbe* m_form = nullptr;
};

} // namespace gl::controltest
