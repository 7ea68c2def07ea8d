// The setters of the shared frame settings: compare, store, then hand the change to the control.
#include "components/RzFrameModel.h"

namespace gl {

template <class T> void TRzFrameModel::ChangeSetting(T& field, T value, TRzFrameSetting setting) {
    if (field == value) return;
    field = value;
    FrameSettingChanged(setting);
}

void TRzFrameModel::SetDisabledColor(TColor color) {
    ChangeSetting(m_frame.disabledColor, color, TRzFrameSetting::DisabledColor);
}

void TRzFrameModel::SetFocusColor(TColor color) {
    ChangeSetting(m_frame.focusColor, color, TRzFrameSetting::FocusColor);
}

void TRzFrameModel::SetFrameColor(TColor color) {
    ChangeSetting(m_frame.frameColor, color, TRzFrameSetting::FrameColor);
}

void TRzFrameModel::SetFrameHotColor(TColor color) {
    ChangeSetting(m_frame.frameHotColor, color, TRzFrameSetting::FrameHotColor);
}

void TRzFrameModel::SetFrameHotTrack(bool hotTrack) {
    if (m_frame.frameHotTrack == hotTrack) return;
    m_frame.frameHotTrack = hotTrack;
    if (hotTrack) {
        SetFrameVisible(true);
        // No redraw of its own: the one for the hot tracking follows.
        if (!FrameLoading()) m_frame.frameSides = sdAllSides;
    }
    FrameSettingChanged(TRzFrameSetting::FrameHotTrack);
}

void TRzFrameModel::SetFrameHotStyle(TFrameStyle style) {
    ChangeSetting(m_frame.frameHotStyle, style, TRzFrameSetting::FrameHotStyle);
}

void TRzFrameModel::SetFrameSides(TSides sides) {
    ChangeSetting(m_frame.frameSides, sides, TRzFrameSetting::FrameSides);
}

void TRzFrameModel::SetFrameStyle(TFrameStyle style) {
    ChangeSetting(m_frame.frameStyle, style, TRzFrameSetting::FrameStyle);
}

void TRzFrameModel::SetFrameVisible(bool visible) {
    ChangeSetting(m_frame.frameVisible, visible, TRzFrameSetting::FrameVisible);
}

void TRzFrameModel::SetFramingPreference(TFramingPreference preference) {
    ChangeSetting(m_frame.framingPreference, preference, TRzFrameSetting::FramingPreference);
}

void TRzFrameModel::PaintFrameOn(TCanvas& canvas, int width, int height, TColor background, bool hot) const {
    DrawFrame(canvas, width, height, m_frame.frameSides, hot ? m_frame.frameHotColor : m_frame.frameColor,
              background, hot ? m_frame.frameHotStyle : m_frame.frameStyle);
}

} // namespace gl
