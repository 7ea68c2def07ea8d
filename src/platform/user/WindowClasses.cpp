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

ATOM RegisterClassEx(const WNDCLASSEX* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEX)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Register(*wc);
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

int GetClassName(HWND hwnd, LPSTR buffer, int maxCount) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return 0;
    if (!buffer || maxCount <= 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::size_t n = std::min(w->cls->name.size(), static_cast<std::size_t>(maxCount - 1));
    std::copy_n(w->cls->name.data(), n, buffer);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

ULONG_PTR GetClassLongPtr(HWND hwnd, int index) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return 0;
    const WindowClass& c = *w->cls;
    switch (index) {
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<ULONG_PTR>(c.background);
    case GCLP_HCURSOR:
        return reinterpret_cast<ULONG_PTR>(c.cursor);
    case GCLP_HICON:
        return reinterpret_cast<ULONG_PTR>(c.icon);
    case GCLP_HICONSM:
        return reinterpret_cast<ULONG_PTR>(c.iconSmall);
    case GCLP_HMODULE:
        return reinterpret_cast<ULONG_PTR>(c.instance);
    case GCLP_WNDPROC:
        return reinterpret_cast<ULONG_PTR>(c.proc);
    case GCL_STYLE:
        return c.style;
    case GCL_CBWNDEXTRA:
        return static_cast<ULONG_PTR>(c.wndExtra);
    case GCL_CBCLSEXTRA:
        return static_cast<ULONG_PTR>(c.clsExtra);
    case GCW_ATOM:
        return c.atom;
    default:
        break;
    }
    if (index >= 0 && static_cast<std::size_t>(index) + sizeof(ULONG_PTR) <= c.extra.size()) {
        ULONG_PTR v = 0;
        std::copy_n(c.extra.data() + index, sizeof v, reinterpret_cast<BYTE*>(&v));
        return v;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

ULONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return 0;
    WindowClass& c = *w->cls;
    const ULONG_PTR old = GetClassLongPtr(hwnd, index);
    switch (index) {
    case GCLP_HBRBACKGROUND:
        c.background = reinterpret_cast<HBRUSH>(value);
        return old;
    case GCLP_HCURSOR:
        c.cursor = reinterpret_cast<HCURSOR>(value);
        return old;
    case GCLP_HICON:
        c.icon = reinterpret_cast<HICON>(value);
        return old;
    case GCLP_HICONSM:
        c.iconSmall = reinterpret_cast<HICON>(value);
        return old;
    case GCLP_WNDPROC:
        c.proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GCL_STYLE:
        c.style = static_cast<UINT>(value);
        return old;
    default:
        break;
    }
    if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= c.extra.size()) {
        std::copy_n(reinterpret_cast<const BYTE*>(&value), sizeof value, c.extra.data() + index);
        return old;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

} // namespace win
