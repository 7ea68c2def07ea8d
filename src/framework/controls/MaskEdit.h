// TCustomMaskEdit: the masked-input layer between the plain edit and the framed edit. No field of the program
// uses an input mask, so the layer passes text through: reading gives the whole window text, writing replaces
// it, and keys reach the edit unchanged.
#pragma once

#include "framework/controls/StdCtrlsEdit.h"

namespace gl {

class TCustomMaskEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    std::string ClassName() const override { return "TCustomMaskEdit"; }

    // Input masks are not supported: a field is never masked.
    bool IsMasked() const { return false; }
};

} // namespace gl
