// Forms: creation from the stored layout of the form's class, the scaling of that layout to the screen's
// density, OnCreate, and the stored properties of forms.
#include "framework/forms/Forms.h"

#include "framework/controls/ControlProperties.h"
#include "framework/core/Resources.h"
#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ScreenText.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutScaling.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Screen.h"

#include <memory>
#include <string>

namespace gl {

namespace {

void ScaleFont(TFont& font, const LayoutScale& scale) {
    font.SetHeight(scale.Apply(font.Height()));
}

// Children first, so that a container that changes size lays out children that are already scaled.
void ScaleControl(TControl& control, const LayoutScale& scale) {
    if (auto* container = dynamic_cast<TWinControl*>(&control)) {
        container->DisableAlign();
        for (int i = 0; i < container->ControlCount(); ++i) ScaleControl(*container->Controls(i), scale);
    }
    control.SetBounds(scale.Apply(control.Left()), scale.Apply(control.Top()), scale.Apply(control.Width()),
                      scale.Apply(control.Height()));
    if (!control.ParentFont()) ScaleFont(*control.Font(), scale);
    if (auto* container = dynamic_cast<TWinControl*>(&control)) container->EnableAlign();
}

} // namespace

void TCustomForm::DeclareHandlers(LayoutMethods&) {}

void TCustomForm::FinishCreate() {
    if (auto layout = FindResource(TResourceType::Layout, ClassName())) {
        std::unique_ptr<LayoutObject> tree = ParseLayout(*layout);
        // A second form of the same class beside the first takes the next free name: "F_main_1".
        if (Owner() && !tree->name.empty()) {
            const std::string stored = tree->name;
            for (int n = 1; Owner()->FindComponent(tree->name); ++n)
                tree->name = stored + "_" + std::to_string(n);
        }
        LayoutMethods methods;
        DeclareHandlers(methods);
        ReadLayout(*this, *tree, methods);
        ScaleToScreen();
    }
    BindComponents();
    DoCreate();
    if (Visible()) ShowingChanged();
}

void TCustomForm::DoCreate() {
    if (!OnCreate) return;
    // An error of the creation handler is shown, and the form is made all the same.
    try {
        OnCreate(this);
    } catch (...) {
        ShowUnhandledException(this, std::current_exception());
    }
}

// The layout was made for a density and a text height: the form's font follows the screen's density first,
// and when its text height then differs, every position, size and font of the form follows the text height.
void TCustomForm::ScaleToScreen() {
    if (!m_scaled || m_pixelsPerInch <= 0) return;
    const int screenPixelsPerInch = Screen->PixelsPerInch();
    if (screenPixelsPerInch != m_pixelsPerInch)
        Font()->SetHeight(ScaleFontHeightToDensity(Font()->Height(), screenPixelsPerInch, m_pixelsPerInch));
    m_pixelsPerInch = screenPixelsPerInch;
    if (m_textHeight <= 0) return;
    const int newTextHeight = MeasureTextHeight();
    const LayoutScale scale = LayoutScaleForTextHeight(newTextHeight, m_textHeight);
    m_textHeight = newTextHeight > 0 ? newTextHeight : m_textHeight;
    if (scale.IsIdentity()) return;
    // The frame is the desktop's and keeps its size: the client area is what grows.
    const int clientWidth = scale.Apply(ClientWidth());
    const int clientHeight = scale.Apply(ClientHeight());
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) ScaleControl(*Controls(i), scale);
    SetClientWidth(clientWidth);
    SetClientHeight(clientHeight);
    EnableAlign();
    Realign();
}

// The height of a line of text in the form's font, as its canvas measures "0".
int TCustomForm::MeasureTextHeight() {
    const std::optional<win::SIZE> size = ScreenText(*Font()).Extent("0");
    return size ? size->cy : 0;
}

void RegisterFormLayoutText(std::string_view className, std::string_view layoutText) {
    RegisterResource(TResourceType::Layout, className, layoutText);
}

void RegisterFormsLayout(PropertyRegistry& registry) {
    RegisterControlLayout(registry);
    PropertyRegistry::RegisterEnum<TPosition>({"poDesigned", "poDefault", "poDefaultPosOnly",
                                               "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
                                               "poMainFormCenter", "poOwnerFormCenter"});
    PropertyRegistry::RegisterEnum<TWindowState>({"wsNormal", "wsMinimized", "wsMaximized"});
    PropertyRegistry::RegisterEnum<TFormBorderStyle>(
        {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
    LayoutClass<TCustomForm>("TCustomForm", "TWinControl", registry)
        .Property("BorderStyle", &TCustomForm::SetBorderStyle)
        .Property("Position", &TCustomForm::SetPosition)
        .Property("WindowState", &TCustomForm::SetWindowState)
        .Property("KeyPreview", &TCustomForm::SetKeyPreview)
        .Property("Scaled", &TCustomForm::SetScaled)
        .Property("PixelsPerInch", &TCustomForm::SetPixelsPerInch)
        .Property("TextHeight", &TCustomForm::SetTextHeight)
        .Property("ClientWidth", &TControl::SetClientWidth)
        .Property("ClientHeight", &TControl::SetClientHeight)
        .Reference("ActiveControl", &TCustomForm::SetActiveControl)
        // Written by older designers; nothing here depends on them.
        .Ignored("OldCreateOrder")
        .Ignored("DesignSize")
        .Event("OnCreate", &TCustomForm::OnCreate)
        .Event("OnShow", &TCustomForm::OnShow)
        .Event("OnHide", &TCustomForm::OnHide)
        .Event("OnClose", &TCustomForm::OnClose)
        .Event("OnCloseQuery", &TCustomForm::OnCloseQuery)
        .Event("OnActivate", &TCustomForm::OnActivate)
        .Event("OnDeactivate", &TCustomForm::OnDeactivate)
        .Event("OnPaint", &TCustomForm::OnPaint);
    LayoutClass<TForm>("TForm", "TCustomForm", registry);
}

} // namespace gl
