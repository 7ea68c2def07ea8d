// The installed input methods by display name, listed once on first use, and the switching of keyboard layout
// and input-method state that a control does when it gains or loses the focus (ImeName, ImeMode).
#pragma once

#include "platform/win/types.h"

#include <string>
#include <vector>

namespace gl {

// How a control wants the input method while it has the focus. imDontCare leaves it as the user set it.
enum TImeMode {
    imDisable,
    imClose,
    imOpen,
    imDontCare,
    imSAlpha,
    imAlpha,
    imHira,
    imSKata,
    imKata,
    imChinese,
    imSHanguel,
    imHanguel,
};
using TImeName = std::string;

struct TInputMethod {
    std::string name;
    win::HKL layout = nullptr;
};

class TInputMethods {
public:
    // The list of this process, built on first use.
    static const TInputMethods& Installed();

    // Sorted by name without regard to case; a name is listed once.
    const std::vector<TInputMethod>& Methods() const { return m_methods; }
    // The name of the input method that was active when the list was built (empty when it was a plain
    // keyboard layout), and that layout.
    const std::string& DefaultIme() const { return m_defaultIme; }
    win::HKL DefaultKbLayout() const { return m_defaultLayout; }
    // The layout of an input method by name (without regard to case), or null.
    win::HKL Find(const std::string& name) const;

private:
    TInputMethods();

    std::vector<TInputMethod> m_methods;
    std::string m_defaultIme;
    win::HKL m_defaultLayout = nullptr;
};

// Focus gained: on a Far East system, switches to the named input method (or back to the default layout when
// it is missing or the mode disables input methods), then applies the mode to the window's input context.
void SetIme(win::HWND window, const TImeName& imeName, TImeMode imeMode);
// Focus lost: the default layout comes back, and a disabled input method is enabled again.
void ResetIme(win::HWND window, const TImeName& imeName, TImeMode imeMode);

} // namespace gl
