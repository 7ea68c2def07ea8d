// Hints: the hint window (on the platform's hint window class) and the application's hint machinery. A hint
// shows when the pointer has rested on a control for the hint pause (500 ms) while the control's ShowHint is
// on and it has a hint text, and goes after the hide pause (2500 ms), when the pointer moves onto another
// control, or on a click or key press. Everything runs on timers, so the headless clock drives it in tests.
#pragma once

#include "framework/controls/WinControl.h"
#include "framework/core/Component.h"
#include "framework/graphics/Colors.h"

#include <functional>
#include <string>
#include <string_view>

namespace gl {

class TTimer;

// What a control is told (CM_HINTSHOW, lParam points to it) before its hint shows: it may change the text,
// the place and how long the hint stays; a nonzero answer shows no hint.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos{}; // in the control's client coordinates
    TPoint HintPos{};   // on the screen: the hint's top-left corner
    TColor HintColor = clInfoBk;
    int HideTimeout = 0; // ms
    std::string HintStr;
};

class THintWindow : public TWinControl {
public:
    explicit THintWindow(TComponent* owner);
    std::string ClassName() const override { return "THintWindow"; }

    // The room the hint takes for a text, at (0, 0): the text's extent plus border and margins.
    virtual TRect CalcHintRect(const std::string& hint);
    // Shows the text with the hint's top-left corner at a screen point (kept on the screen), without taking
    // the activation.
    virtual void ActivateHint(TPoint screenPos, const std::string& hint);
    void ReleaseHint();
    // The hint is on the screen.
    bool HintVisible() const;

protected:
    void CreateParams(TCreateParams& params) override;
};

// "short|long": the part before the first "|" (all of it without one), and the part after it (all of it
// without one).
std::string GetShortHint(std::string_view hint);
std::string GetLongHint(std::string_view hint);
// The hint of the control, or of the nearest parent that has one.
std::string GetHint(const TControl* control);

// The hint machinery of the application: follows the control under the pointer and shows and hides the hint.
class THintController : public TComponent {
public:
    explicit THintController(TComponent* owner);
    ~THintController() override;
    std::string ClassName() const override { return "THintController"; }

    // Hints at all (the application's ShowHint), the rest before a hint shows, how long it stays, its colour.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    int Pause() const { return m_pause; }
    void SetPause(int ms) { m_pause = ms < 0 ? 0 : ms; }
    int HidePause() const { return m_hidePause; }
    void SetHidePause(int ms) { m_hidePause = ms < 0 ? 0 : ms; }
    TColor Color() const { return m_color; }
    void SetColor(TColor color);

    // Looks at what is under the pointer now; a new control there hides the hint and starts the pause again.
    void CheckPointer();
    // The pointer is over this control now (null: over none of the program's).
    void PointerOver(TControl* control);
    // Hides the hint and forgets the control (a click, a key press): moving on the control starts again.
    void CancelHint();

    TControl* HintControl() const { return m_control; }
    bool HintShowing() const;
    THintWindow* HintWindow() const { return m_window; }

    // Told when the control under the pointer changes (the application takes its hint from it).
    std::function<void(TControl* control)> OnControlChanged;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetControl(TControl* control);
    void ShowTimerFired();
    void HideTimerFired();
    void StopTimers();
    void HideWindow();
    bool WantsHint(const TControl* control) const;

    bool m_enabled = true;
    int m_pause = 500;
    int m_hidePause = 2500;
    TColor m_color = clInfoBk;
    TControl* m_control = nullptr;
    TTimer* m_showTimer = nullptr;
    TTimer* m_hideTimer = nullptr;
    THintWindow* m_window = nullptr;
};

// The control under a screen point: the deepest of the program's controls there, disabled ones included (a
// disabled control still shows its hint); null over no window of the program.
TControl* FindControlAtScreenPoint(TPoint screenPoint);

} // namespace gl
