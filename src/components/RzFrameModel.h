// The frame and state-colour settings the framed edit and the framed combo box share: the values with their
// defaults, and the setters that store a new value and then let the control react in its own way.
#pragma once

#include "components/FramePainters.h"

namespace gl {

enum TFramingPreference { fpCustomFraming, fpXPThemes };

struct TRzFrameSettings {
    TColor disabledColor = clBtnFace;
    TColor focusColor = clWindow;
    TColor frameColor = clBtnShadow;
    TColor frameHotColor = clBtnShadow;
    bool frameHotTrack = false;
    TFrameStyle frameHotStyle = fsFlatBold;
    TSides frameSides = sdAllSides;
    TFrameStyle frameStyle = fsFlat;
    bool frameVisible = false;
    TFramingPreference framingPreference = fpXPThemes;
    bool tabOnEnter = false;
};

// Which setting took a new value.
enum class TRzFrameSetting {
    DisabledColor,
    FocusColor,
    FrameColor,
    FrameHotColor,
    FrameHotTrack,
    FrameHotStyle,
    FrameSides,
    FrameStyle,
    FrameVisible,
    FramingPreference
};

// A second base of the framed controls. Writing the value a setting already has does nothing; a new value is
// stored first and FrameSettingChanged runs after.
class TRzFrameModel {
public:
    TColor DisabledColor() const { return m_frame.disabledColor; }
    void SetDisabledColor(TColor color);
    TColor FocusColor() const { return m_frame.focusColor; }
    void SetFocusColor(TColor color);
    TColor FrameColor() const { return m_frame.frameColor; }
    void SetFrameColor(TColor color);
    TColor FrameHotColor() const { return m_frame.frameHotColor; }
    void SetFrameHotColor(TColor color);
    // Turning it on also turns the frame on and, outside of loading, frames all four sides (a layout states
    // its own sides, which may come before or after this).
    bool FrameHotTrack() const { return m_frame.frameHotTrack; }
    void SetFrameHotTrack(bool hotTrack);
    TFrameStyle FrameHotStyle() const { return m_frame.frameHotStyle; }
    void SetFrameHotStyle(TFrameStyle style);
    TSides FrameSides() const { return m_frame.frameSides; }
    void SetFrameSides(TSides sides);
    TFrameStyle FrameStyle() const { return m_frame.frameStyle; }
    void SetFrameStyle(TFrameStyle style);
    bool FrameVisible() const { return m_frame.frameVisible; }
    void SetFrameVisible(bool visible);
    TFramingPreference FramingPreference() const { return m_frame.framingPreference; }
    void SetFramingPreference(TFramingPreference preference);
    // Enter moves the focus on as Tab would.
    bool TabOnEnter() const { return m_frame.tabOnEnter; }
    void SetTabOnEnter(bool tabOnEnter) { m_frame.tabOnEnter = tabOnEnter; }

protected:
    TRzFrameModel() = default;
    virtual ~TRzFrameModel() = default;
    TRzFrameModel(const TRzFrameModel&) = delete;
    TRzFrameModel& operator=(const TRzFrameModel&) = delete;

    // The control redraws, recolours or rebuilds itself for the setting that changed.
    virtual void FrameSettingChanged(TRzFrameSetting setting) = 0;
    // The control is being read from a layout.
    virtual bool FrameLoading() const = 0;
    // The frame of a control of this size, hot or normal, over the background.
    void PaintFrameOn(TCanvas& canvas, int width, int height, TColor background, bool hot) const;
    // The settings themselves, for a change the control makes without the setters' reactions.
    TRzFrameSettings& FrameSettings() { return m_frame; }

private:
    template <class T> void ChangeSetting(T& field, T value, TRzFrameSetting setting);

    TRzFrameSettings m_frame;
};

} // namespace gl
