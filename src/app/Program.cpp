// Start-up registrations of the program.
#include "app/Program.h"

#include "app/Unit1.h"
#include "components/RzButton.h"
#include "components/RzCmboBx.h"
#include "components/RzEdit.h"
#include "components/RzFrameController.h"
#include "components/RzLabel.h"
#include "components/RzPanel.h"
#include "components/RzRadChk.h"
#include "components/RzSpnEdt.h"
#include "components/RzStatus.h"
#include "framework/ControlLayout.h"
#include "framework/Dialogs.h"
#include "framework/ExtCtrlsImage.h"
#include "framework/ExtCtrlsTimer.h"
#include "framework/ExtDlgs.h"
#include "framework/FontLayout.h"
#include "framework/Forms.h"
#include "framework/GraphicsPicture.h"
#include "framework/ImageList.h"
#include "framework/Resources.h"
#include "framework/StdCtrlsLayout.h"

#include "platform/controls/ControlClasses.h"

#include "embedded/GlyphStrip.h"

namespace gl {

void RegisterProgram() {
    win::RegisterStandardControls();
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
}

} // namespace gl
