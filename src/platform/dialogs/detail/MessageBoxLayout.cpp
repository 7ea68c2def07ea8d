// The message box's buttons and layout: margins round the content, the icon at the top left with the text
// beside it (centred on the icon when shorter), and a row of equal buttons centred under them.
#include "platform/dialogs/detail/MessageBoxLayout.h"

#include "platform/controls/MessageIcons.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/system/Language.h"
#include "platform/user/Beep.h"
#include "platform/user/Metrics.h"
#include "platform/win/gdi_types.h"

#include <algorithm>

namespace win::msgbox {

namespace {

constexpr int kMargin = 12;
constexpr int kIconGap = 12;
constexpr int kButtonGap = 6;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonTextPadding = 16;
constexpr int kTextToButtons = 14;
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

int MaxTextWidth() {
    return std::max(200, GetSystemMetrics(SM_CXSCREEN) * 5 / 8);
}

SIZE Measure(HDC dc, const std::string& text, UINT format, int width) {
    RECT r{0, 0, width, 0};
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

} // namespace

std::vector<ButtonKind> ButtonsOf(UINT type) {
    // The access keys are the same letters in both languages.
    const ButtonKind ok{IDOK, PlatformString(PlatformText::Ok), 0};
    const ButtonKind cancel{IDCANCEL, PlatformString(PlatformText::Cancel), 0};
    const ButtonKind yes{IDYES, PlatformString(PlatformText::Yes), 'Y'};
    const ButtonKind no{IDNO, PlatformString(PlatformText::No), 'N'};
    const ButtonKind retry{IDRETRY, PlatformString(PlatformText::Retry), 'R'};
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {ok, cancel};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, PlatformString(PlatformText::Abort), 'A'},
                retry,
                {IDIGNORE, PlatformString(PlatformText::Ignore), 'I'}};
    case MB_YESNOCANCEL:
        return {yes, no, cancel};
    case MB_YESNO:
        return {yes, no};
    case MB_RETRYCANCEL:
        return {retry, cancel};
    default:
        return {ok};
    }
}

int EscapeResultOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
        return IDCANCEL;
    case MB_YESNO:
    case MB_ABORTRETRYIGNORE:
        return 0;
    default:
        return IDOK;
    }
}

BoxLayout LayOut(HFONT font, const std::string& text, bool hasIcon, const std::vector<ButtonKind>& buttons) {
    BoxLayout layout;
    layout.hasIcon = hasIcon;
    SIZE textSize{0, 0};
    int buttonWidth = kButtonWidth;
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRIC tm{};
        GetTextMetrics(dc, &tm);
        textSize = text.empty() ? SIZE{0, tm.tmHeight} : Measure(dc, text, kTextFormat, MaxTextWidth());
        for (const ButtonKind& b : buttons)
            buttonWidth =
                std::max<int>(buttonWidth, Measure(dc, b.label, DT_SINGLELINE, 1000).cx + kButtonTextPadding);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    const int iconSize = hasIcon ? kMessageIconSize : 0;
    const int textLeft = kMargin + (hasIcon ? iconSize + kIconGap : 0);
    const int contentHeight = std::max<int>(iconSize, textSize.cy);
    const int textTop = kMargin + (textSize.cy < iconSize ? (iconSize - textSize.cy) / 2 : 0);
    layout.icon = POINT{kMargin, kMargin};
    layout.text = RECT{textLeft, textTop, textLeft + textSize.cx, textTop + textSize.cy};

    const int n = static_cast<int>(buttons.size());
    const int rowWidth = n * buttonWidth + std::max(0, n - 1) * kButtonGap;
    const int width = std::max<int>(textLeft + textSize.cx + kMargin, rowWidth + 2 * kMargin);
    const int buttonsTop = kMargin + contentHeight + kTextToButtons;
    int x = (width - rowWidth) / 2;
    for (int i = 0; i < n; ++i) {
        layout.buttons.push_back(RECT{x, buttonsTop, x + buttonWidth, buttonsTop + kButtonHeight});
        x += buttonWidth + kButtonGap;
    }
    layout.client = SIZE{width, buttonsTop + kButtonHeight + kMargin};
    return layout;
}

} // namespace win::msgbox
