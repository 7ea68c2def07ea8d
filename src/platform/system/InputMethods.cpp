// Keyboard layouts and input contexts: one layout, contexts per window that remember their open status.
#include "platform/system/InputMethods.h"

#include "platform/system/HandleTable.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"

#include <mutex>
#include <unordered_map>

namespace win {

namespace {

struct InputContext {
    HWND window = nullptr;
    BOOL open = FALSE;
};

struct InputState {
    std::mutex mutex;
    HandleTable<InputContext> contexts{HandleTag::InputContext};
    std::unordered_map<HWND, std::uintptr_t> byWindow;
};

InputState& State() {
    static InputState state;
    return state;
}

InputContext* FindContext(HIMC context) {
    InputContext* found = State().contexts.Find(context);
    if (!found) SetLastError(ERROR_INVALID_HANDLE);
    return found;
}

} // namespace

HKL DefaultKeyboardLayout() {
    return reinterpret_cast<HKL>(std::uintptr_t{0x08040804});
}

int GetKeyboardLayoutList(int count, HKL* list) {
    if (count <= 0 || !list) return 1;
    list[0] = DefaultKeyboardLayout();
    return 1;
}

HKL GetKeyboardLayout(DWORD) {
    return DefaultKeyboardLayout();
}

HKL ActivateKeyboardLayout(HKL layout, UINT) {
    if (layout == HKL_NEXT || layout == HKL_PREV || layout == DefaultKeyboardLayout())
        return DefaultKeyboardLayout();
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

HIMC ImmGetContext(HWND window) {
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    std::lock_guard lock(State().mutex);
    auto& byWindow = State().byWindow;
    auto it = byWindow.find(window);
    if (it == byWindow.end()) {
        auto context = std::make_unique<InputContext>();
        context->window = window;
        it = byWindow.emplace(window, State().contexts.Add(std::move(context))).first;
    }
    return HandleCast<HIMC>(it->second);
}

BOOL ImmReleaseContext(HWND, HIMC context) {
    std::lock_guard lock(State().mutex);
    return FindContext(context) ? TRUE : FALSE;
}

BOOL ImmSetOpenStatus(HIMC context, BOOL open) {
    std::lock_guard lock(State().mutex);
    InputContext* found = FindContext(context);
    if (!found) return FALSE;
    found->open = open ? TRUE : FALSE;
    return TRUE;
}

BOOL ImmGetOpenStatus(HIMC context) {
    std::lock_guard lock(State().mutex);
    InputContext* found = FindContext(context);
    return found ? found->open : FALSE;
}

BOOL ImmIsIME(HKL) {
    return FALSE;
}

namespace {

// No input contexts.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    InputState& s = State();
    std::lock_guard lock(s.mutex);
    RemoveAllHandles(s.contexts);
    s.byWindow.clear();
});

} // namespace

} // namespace win
