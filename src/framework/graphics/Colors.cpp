// Colour resolution through the platform's system colours, and the table of colour identifiers.
#include "framework/graphics/Colors.h"

#include "framework/core/StringUtils.h"
#include "framework/stored/PropertyRegistry.h"
#include "platform/gdi/SysColors.h"

#include <array>
#include <span>
#include <utility>

namespace gl {

namespace {

struct ColorName {
    TColor value;
    const char* name;
};

// Named colours first, then the system colours; a value with two names (clSilver, clLtGray) answers with the
// first, so that writing a colour and reading it back gives the usual name.
constexpr std::array<ColorName, 52> kColorNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
}};

// Identifiers that name no single RGB value.
constexpr std::array<ColorName, 2> kSpecialNames{{{clNone, "clNone"}, {clDefault, "clDefault"}}};

// The first entry of either table that meets the test, or null.
template <class Test> const ColorName* FindColorName(Test test) {
    for (std::span<const ColorName> table :
         {std::span<const ColorName>(kColorNames), std::span<const ColorName>(kSpecialNames)})
        for (const ColorName& entry : table)
            if (test(entry)) return &entry;
    return nullptr;
}

} // namespace

win::COLORREF ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return win::GetSysColor(color & 0xFF);
    return static_cast<win::COLORREF>(color);
}

bool IdentToColor(std::string_view ident, TColor& color) {
    const ColorName* entry = FindColorName([ident](const ColorName& e) { return SameText(e.name, ident); });
    if (entry) color = entry->value;
    return entry != nullptr;
}

bool ColorToIdent(TColor color, std::string& ident) {
    const ColorName* entry = FindColorName([color](const ColorName& e) { return e.value == color; });
    if (entry) ident = entry->name;
    return entry != nullptr;
}

std::string ColorToString(TColor color) {
    std::string ident;
    if (ColorToIdent(color, ident)) return ident;
    return "$" + IntToHex(static_cast<std::uint32_t>(color), 8);
}

bool TryStringToColor(std::string_view text, TColor& color) {
    if (IdentToColor(Trim(text), color)) return true;
    int value = 0;
    if (!TryStrToInt(text, value)) return false;
    color = value;
    return true;
}

void RegisterColorConstants() {
    for (const ColorName& entry : kColorNames)
        PropertyRegistry::RegisterConstants("TColor", {{entry.name, std::int64_t{entry.value}}});
    for (const ColorName& entry : kSpecialNames)
        PropertyRegistry::RegisterConstants("TColor", {{entry.name, std::int64_t{entry.value}}});
}

} // namespace gl
