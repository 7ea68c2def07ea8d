// Start-up registrations of the program.
#include "app/Program.h"

#include "app/IconArt.h"
#include "app/Unit1.h"
#include "app/formats/PictureFormats.h"
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
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Objects.h"
#include "platform/user/Icons.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Windows.h"

#include <cstdint>
#include <vector>

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
    RegisterPictureFormats();
}

void GiveProgramIcon(win::HWND window) {
    static win::HICON icon = [] {
        constexpr int kSize = 48;
        const std::vector<std::uint8_t> rgba = DrawIcon(kSize);
        const win::BITMAPINFO info = win::TopDownInfo32(kSize, kSize);
        void* bits = nullptr;
        const win::HBITMAP colour =
            win::CreateDIBSection(nullptr, &info, win::DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!colour || !bits) return win::HICON{};
        // The bitmap's pixels are BGRA in memory.
        auto* out = static_cast<std::uint8_t*>(bits);
        for (std::size_t i = 0; i < rgba.size(); i += 4) {
            out[i] = rgba[i + 2];
            out[i + 1] = rgba[i + 1];
            out[i + 2] = rgba[i];
            out[i + 3] = rgba[i + 3];
        }
        win::ICONINFO iconInfo;
        iconInfo.hbmColor = colour;
        const win::HICON made = win::CreateIconIndirect(&iconInfo);
        win::DeleteObject(colour);
        return made;
    }();
    if (icon) win::SendMessage(window, win::WM_SETICON, win::ICON_BIG, reinterpret_cast<win::LPARAM>(icon));
}

} // namespace gl
