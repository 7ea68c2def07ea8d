// TImage: the control that shows a picture on its parent's surface, at its own size or stretched, centred or
// in proportion; with AutoSize it takes the picture's size.
#pragma once

#include "framework/controls/GraphicControl.h"
#include "framework/graphics/GraphicsPicture.h"
#include "framework/stored/PropertyRegistry.h"

#include <memory>

namespace gl {

class TImage : public TGraphicControl {
public:
    // A 105 x 105 control with an empty picture.
    explicit TImage(TComponent* owner);
    ~TImage() override;

    std::string ClassName() const override { return "TImage"; }

    TPicture* Picture() const { return m_picture.get(); }
    // Assigns to the control's own picture.
    void SetPicture(const TPicture* value) { m_picture->Assign(value); }

    bool Center() const { return m_center; }
    void SetCenter(bool value);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool IncrementalDisplay() const { return m_incrementalDisplay; }
    void SetIncrementalDisplay(bool value) { m_incrementalDisplay = value; }

    // Where the picture is drawn, in the control's own coordinates.
    TRect DestRect() const;
    // The size AutoSize gives the control: the picture's, in the directions the alignment leaves free. At
    // design time an empty picture leaves the size alone.
    bool CanAutoSize(int& newWidth, int& newHeight) const;

    TProgressEvent OnProgress;

protected:
    void Paint() override;
    void AdjustSize() override;
    // Runs after every change of the picture, and when centring, stretching, transparency or proportion
    // change.
    virtual void PictureChanged(TObject* sender);
    virtual void Progress(TObject* sender, TProgressStage stage, std::uint8_t percentDone, bool redrawNow,
                          const TRect& rect, const std::string& message);

private:
    void ClearPaletteChange(TGraphic& graphic);

    std::unique_ptr<TPicture> m_picture;
    bool m_center = false;
    bool m_stretch = false;
    bool m_proportional = false;
    bool m_transparent = false;
    bool m_incrementalDisplay = false;
    bool m_drawing = false;
};

// Registers TImage (AutoSize, Center, IncrementalDisplay, Picture with its stored "Data", Proportional,
// Stretch, Transparent, OnProgress) with the control entries it builds on. Safe to call more than once.
void RegisterImageLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
