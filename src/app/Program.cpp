// Start-up registrations of the program.
#include "app/Program.h"

#include "app/Unit1.h"
#include "app/formats/PictureFormats.h"
#include "components/ComponentMessages.h"
#include "components/RzButton.h"
#include "components/RzCmboBx.h"
#include "components/RzEdit.h"
#include "components/RzFrameController.h"
#include "components/RzLabel.h"
#include "components/RzPanel.h"
#include "components/RzRadChk.h"
#include "components/RzSpnEdt.h"
#include "components/RzStatus.h"
#include "framework/controls/ControlProperties.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/controls/StdCtrlsProperties.h"
#include "framework/core/Resources.h"
#include "framework/forms/Dialogs.h"
#include "framework/forms/ExtCtrlsTimer.h"
#include "framework/forms/ExtDlgs.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/FontProperties.h"
#include "framework/graphics/GraphicsPicture.h"
#include "framework/graphics/ImageList.h"

#include "platform/controls/ControlClasses.h"

#include "embedded/GlyphStrip.h"

namespace gl {

void RegisterProgram() {
    win::RegisterStandardControls();
    RegisterComponentMessages();
    RegisterControlLayout();
    RegisterFontLayout();
    RegisterStdCtrlsLayout();
    RegisterFormsLayout();
    RegisterTimerLayout();
    RegisterImageListLayout();
    RegisterPictureLayout();
    RegisterImageLayout();
    RegisterDialogsLayout();
    RegisterExtDlgsLayout();
    RegisterFrameControllerLayout();
    RegisterStatusPaneLayout();
    RegisterButtonLayout();
    RegisterRadioButtonLayout();
    RegisterPanelLayout();
    RegisterLabelLayout();
    RegisterRzEditLayout();
    RegisterRzSpinEditLayout();
    RegisterComboBoxLayout();
    RegisterMainFormLayout();
    RegisterResource(TResourceType::Bitmap, kGlyphStripResource, resources::GlyphStrip);
    RegisterPictureFormats();
}

} // namespace gl
