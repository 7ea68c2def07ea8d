// TLabel: a line of text on its parent's surface, in the parent's colour, left-aligned from its top-left
// corner. Its AutoSize is only a flag kept for the layout's sake: the label never resizes itself to its text.
#pragma once

#include "framework/controls/GraphicControl.h"
#include "framework/controls/MessageDispatch.h"

namespace gl {

class TLabel : public TGraphicControl {
public:
    const MessageTable& Messages() const override;
    // 65 x 17, the parent's colour; the text clipped to the control.
    explicit TLabel(TComponent* owner);
    std::string ClassName() const override { return "TLabel"; }

    void CMTextChanged(TMessage& message) override;

protected:
    void Paint() override;
};

} // namespace gl
