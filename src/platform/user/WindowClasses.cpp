// The registry of window classes: registering, looking up by name or atom, class data.
#include "platform/system/LastError.h"
#include "platform/user/detail/WindowClassRegistry.h"
#include "platform/user/detail/WindowObject.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace win {

namespace {

constexpr DWORD ERROR_CLASS_HAS_WINDOWS = 1412;
constexpr int kMaxExtraBytes = 4096;

struct Registry {
    std::vector<std::shared_ptr<WindowClass>> classes;
    ATOM nextAtom = 0xC000;
};

Registry& Classes() {
    static Registry registry;
    return registry;
}

bool NamesEqual(const std::string& a, const char* b) {
    // Class names compare without regard to ASCII case, as the platform's do.
    const std::size_t n = a.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (b[i] == '\0') return false;
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return b[n] == '\0';
}

bool IsAtomName(LPCSTR name) {
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

ATOM Register(const WNDCLASSEX& wc) {
    if (!wc.lpszClassName || IsAtomName(wc.lpszClassName) || wc.lpszClassName[0] == '\0' || !wc.lpfnWndProc ||
        wc.cbClsExtra < 0 || wc.cbWndExtra < 0 || wc.cbClsExtra > kMaxExtraBytes ||
        wc.cbWndExtra > kMaxExtraBytes) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (wm::FindClass(wc.lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    Registry& registry = Classes();
    auto cls = std::make_shared<WindowClass>();
    cls->name = wc.lpszClassName;
    cls->atom = registry.nextAtom++;
    if (registry.nextAtom == 0) registry.nextAtom = 0xC000;
    cls->style = wc.style;
    cls->proc = wc.lpfnWndProc;
    cls->clsExtra = wc.cbClsExtra;
    cls->wndExtra = wc.cbWndExtra;
    cls->instance = wc.hInstance;
    cls->icon = wc.hIcon;
    cls->iconSmall = wc.hIconSm;
    cls->cursor = wc.hCursor;
    cls->background = wc.hbrBackground;
    if (wc.lpszMenuName && !IsAtomName(wc.lpszMenuName)) cls->menuName = wc.lpszMenuName;
    cls->extra.assign(static_cast<std::size_t>(wc.cbClsExtra), 0);
    registry.classes.push_back(cls);
    return cls->atom;
}

void FillClassInfo(const WindowClass& cls, WNDCLASSEX& out) {
    out.style = cls.style;
    out.lpfnWndProc = cls.proc;
    out.cbClsExtra = cls.clsExtra;
    out.cbWndExtra = cls.wndExtra;
    out.hInstance = cls.instance;
    out.hIcon = cls.icon;
    out.hIconSm = cls.iconSmall;
    out.hCursor = cls.cursor;
    out.hbrBackground = cls.background;
    out.lpszMenuName = cls.menuName.empty() ? nullptr : cls.menuName.c_str();
    out.lpszClassName = cls.name.c_str();
}

} // namespace

namespace wm {

std::shared_ptr<WindowClass> FindClass(LPCSTR name) {
    if (!name) return nullptr;
    for (const auto& cls : Classes().classes) {
        if (IsAtomName(name)) {
            if (cls->atom == static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(name))) return cls;
        } else if (NamesEqual(cls->name, name)) {
            return cls;
        }
    }
    return nullptr;
}

} // namespace wm

HINSTANCE GetModuleHandle(LPCSTR) {
    // One module: the program. Any non-null value serves; class lookups ignore the instance.
    return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x400000));
}

ATOM RegisterClass(const WNDCLASS* wc) {
    if (!wc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEX ex;
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return Register(ex);
}

BOOL UnregisterClass(LPCSTR className, HINSTANCE) {
    auto cls = wm::FindClass(className);
    if (!cls) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (cls->windowCount > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    auto& classes = Classes().classes;
    classes.erase(std::remove(classes.begin(), classes.end(), cls), classes.end());
    return TRUE;
}

BOOL GetClassInfoEx(HINSTANCE, LPCSTR className, WNDCLASSEX* out) {
    auto cls = wm::FindClass(className);
    if (!cls) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (!out) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    FillClassInfo(*cls, *out);
    return cls->atom;
}

BOOL GetClassInfo(HINSTANCE instance, LPCSTR className, WNDCLASS* out) {
    WNDCLASSEX ex;
    if (!out) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const BOOL found = GetClassInfoEx(instance, className, &ex);
    if (!found) return FALSE;
    out->style = ex.style;
    out->lpfnWndProc = ex.lpfnWndProc;
    out->cbClsExtra = ex.cbClsExtra;
    out->cbWndExtra = ex.cbWndExtra;
    out->hInstance = ex.hInstance;
    out->hIcon = ex.hIcon;
    out->hCursor = ex.hCursor;
    out->hbrBackground = ex.hbrBackground;
    out->lpszMenuName = ex.lpszMenuName;
    out->lpszClassName = ex.lpszClassName;
    return found;
}

std::string GetClassNameString(HWND hwnd) {
    Window* w = wm::FindOrFail(hwnd);
    return w ? w->cls->name : std::string();
}

} // namespace win
