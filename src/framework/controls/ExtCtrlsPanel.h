// TPanel: a windowed box with an outer and an inner bevel, a border between them and a caption in the middle;
// aligned children share what the bevels and the border leave.
#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/controls/MessageDispatch.h"

namespace gl {

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
public:
    const MessageTable& Messages() const override;
    // 185 x 41, raised outer bevel, no inner one, no border, the button-face colour.
    explicit TCustomPanel(TComponent* owner);
    std::string ClassName() const override { return "TCustomPanel"; }

    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel bevel);
    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    // bsSingle puts the platform's sunken edge round the client area (a plain line without Ctl3D).
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    // Kept for the layout's sake; every window of ours is drawn off-screen first anyway.
    bool DoubleBuffered() const { return m_doubleBuffered; }
    void SetDoubleBuffered(bool value) { m_doubleBuffered = value; }

    void AdjustClientRect(TRect& rect) const override;
    void CMTextChanged(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    void Changed();

    TPanelBevel m_bevelInner = bvNone;
    TPanelBevel m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TBorderStyle m_borderStyle = bsNone;
    bool m_doubleBuffered = false;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    std::string ClassName() const override { return "TPanel"; }
};

} // namespace gl
