// The list of installed input methods and the layout switching on focus changes.
#include "framework/controls/InputMethodNames.h"

#include "framework/core/StringUtils.h"
#include "platform/system/CodePage.h"
#include "platform/system/InputMethods.h"
#include "platform/system/LastError.h"
#include "platform/system/Registry.h"
#include "platform/user/Metrics.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace gl {

namespace {

// The platform lists at most this many layouts for us.
constexpr int kMaxLayouts = 64;

// The display name of an input method's layout as the system registers it; empty when it has none.
std::string RegisteredName(win::HKL layout) {
    char subKey[96];
    std::snprintf(subKey, sizeof subKey, "System\\CurrentControlSet\\Control\\Keyboard Layouts\\%.8lx",
                  static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(layout) & 0xFFFFFFFFu));
    win::HKEY key = nullptr;
    if (win::RegOpenKeyEx(win::HKEY_LOCAL_MACHINE, subKey, 0, win::KEY_READ, &key) != win::ERROR_SUCCESS)
        return {};
    std::array<win::BYTE, 256> data{};
    win::DWORD size = data.size() - 1;
    std::string name;
    if (win::RegQueryValueEx(key, "layout text", nullptr, nullptr, data.data(), &size) ==
        win::ERROR_SUCCESS) {
        const auto* text = reinterpret_cast<const char*>(data.data());
        name =
            win::AnsiToUtf8(std::string_view(text, strnlen(text, std::min<std::size_t>(size, data.size()))));
    }
    win::RegCloseKey(key);
    return name;
}

bool FarEast() {
    return win::GetSystemMetrics(win::SM_DBCSENABLED) != 0;
}

void ActivateLayout(win::HKL layout) {
    if (layout) win::ActivateKeyboardLayout(layout, win::KLF_ACTIVATE);
}

void SetImeOpen(win::HWND window, bool open) {
    win::HIMC context = win::ImmGetContext(window);
    if (!context) return;
    win::ImmSetOpenStatus(context, open ? win::TRUE : win::FALSE);
    win::ImmReleaseContext(window, context);
}

// A name set on the control that is not the input method already active by default.
bool WantsOtherIme(const TImeName& imeName) {
    return !imeName.empty() && !SameText(imeName, TInputMethods::Installed().DefaultIme());
}

} // namespace

TInputMethods::TInputMethods() {
    m_defaultLayout = win::GetKeyboardLayout(0);
    std::array<win::HKL, kMaxLayouts> layouts{};
    const int count = std::clamp(win::GetKeyboardLayoutList(kMaxLayouts, layouts.data()), 0, kMaxLayouts);
    for (int i = 0; i < count; ++i) {
        const win::HKL layout = layouts[static_cast<std::size_t>(i)];
        if (!win::ImmIsIME(layout)) continue;
        std::string name = RegisteredName(layout);
        if (name.empty()) continue;
        if (layout == m_defaultLayout) m_defaultIme = name;
        const auto at = std::lower_bound(
            m_methods.begin(), m_methods.end(), name,
            [](const TInputMethod& m, const std::string& n) { return CompareText(m.name, n) < 0; });
        if (at != m_methods.end() && SameText(at->name, name)) continue;
        m_methods.insert(at, TInputMethod{std::move(name), layout});
    }
}

const TInputMethods& TInputMethods::Installed() {
    static const TInputMethods methods;
    return methods;
}

win::HKL TInputMethods::Find(const std::string& name) const {
    for (const TInputMethod& method : m_methods)
        if (SameText(method.name, name)) return method.layout;
    return nullptr;
}

void SetIme(win::HWND window, const TImeName& imeName, TImeMode imeMode) {
    if (!FarEast()) return;
    const TInputMethods& methods = TInputMethods::Installed();
    if (WantsOtherIme(imeName) && !methods.Methods().empty()) {
        const win::HKL wanted = imeMode != imDisable ? methods.Find(imeName) : nullptr;
        ActivateLayout(wanted ? wanted : methods.DefaultKbLayout());
    }
    switch (imeMode) {
    case imDontCare:
        break;
    case imDisable:
    case imClose:
        SetImeOpen(window, false);
        break;
    default:
        SetImeOpen(window, true);
        break;
    }
}

void ResetIme(win::HWND window, const TImeName& imeName, TImeMode imeMode) {
    if (!FarEast()) return;
    if (WantsOtherIme(imeName)) ActivateLayout(TInputMethods::Installed().DefaultKbLayout());
    if (imeMode == imDisable) SetImeOpen(window, true);
}

} // namespace gl
