// TScreen: what the program knows about the screen it runs on (size, work area, density, monitors), the forms
// that exist and which of them is active, the cursor shown over the whole program, and the font families.
#pragma once

#include "framework/controls/ControlTypes.h"
#include "framework/core/Component.h"

#include <memory>
#include <vector>

namespace gl {

class TCustomForm;
class TStringList;
class TStrings;
class TWinControl;

// One monitor of the desktop.
struct TMonitor {
    win::HMONITOR Handle = nullptr;
    int MonitorNum = 0;
    bool Primary = false;
    TRect BoundsRect{};
    TRect WorkareaRect{};
    int Left() const { return BoundsRect.left; }
    int Top() const { return BoundsRect.top; }
    int Width() const { return RectWidth(BoundsRect); }
    int Height() const { return RectHeight(BoundsRect); }
};

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;
    std::string ClassName() const override { return "TScreen"; }

    // The screen's density in pixels per logical inch.
    int PixelsPerInch() const;
    int Width() const;
    int Height() const;
    // The screen less what the desktop keeps for itself (panels, task bars).
    TRect WorkAreaRect() const;
    int WorkAreaWidth() const { return RectWidth(WorkAreaRect()); }
    int WorkAreaHeight() const { return RectHeight(WorkAreaRect()); }
    TRect DesktopRect() const;

    int MonitorCount() const;
    // The monitor at index; EListError "List index out of bounds (%d)" outside the list.
    TMonitor Monitors(int index) const;
    // The monitor a window is on (the nearest one when it is on none).
    TMonitor MonitorFromWindow(win::HWND window) const;
    TMonitor MonitorFromPoint(TPoint point) const;

    // The forms in the order they were made.
    int FormCount() const { return static_cast<int>(m_forms.size()); }
    TCustomForm* Forms(int index) const;
    // The form that was activated last (null when none is active), and the control that has the focus in it.
    TCustomForm* ActiveForm() const { return m_activeForm; }
    TWinControl* ActiveControl() const;

    // A cursor other than crDefault shows over every window of the program instead of the controls' own.
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);

    // The font families installed, sorted, each once. Made on first use.
    TStrings* Fonts();
    // Forgets the font list, so that the next Fonts() asks the platform again.
    void ResetFonts();

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

    // Kept up to date by the forms themselves.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form);
    void ActiveControlChanged();

private:
    std::vector<TCustomForm*> m_forms;
    TCustomForm* m_activeForm = nullptr;
    TCursor m_cursor = crDefault;
    std::unique_ptr<TStringList> m_fonts;
};

// The screen object of the program; it lives as long as the program.
extern TScreen* Screen;

} // namespace gl
