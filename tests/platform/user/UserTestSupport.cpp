// The recording window class and the headless fixture of the window manager's tests.
#include "UserTestSupport.h"

#include "platform/gdi/SysColors.h"

namespace usertest {

using namespace win;

std::vector<Received>& Log() {
    static std::vector<Received> log;
    return log;
}

Handler& CustomHandler() {
    static Handler handler;
    return handler;
}

LRESULT RecorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Log().push_back(Received{hwnd, msg, wParam, lParam});
    LRESULT result = 0;
    if (CustomHandler() && CustomHandler()(hwnd, msg, wParam, lParam, &result)) return result;
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

std::vector<unsigned> MessagesOf(HWND hwnd, std::initializer_list<unsigned> kinds) {
    std::vector<unsigned> out;
    for (const Received& r : Log()) {
        if (r.hwnd != hwnd) continue;
        for (unsigned k : kinds)
            if (r.message == k) out.push_back(k);
    }
    return out;
}

std::vector<std::pair<HWND, unsigned>> Sequence(std::initializer_list<unsigned> kinds) {
    std::vector<std::pair<HWND, unsigned>> out;
    for (const Received& r : Log())
        for (unsigned k : kinds)
            if (r.message == k) out.emplace_back(r.hwnd, k);
    return out;
}

int Count(HWND hwnd, unsigned message) {
    int n = 0;
    for (const Received& r : Log())
        if (r.hwnd == hwnd && r.message == message) ++n;
    return n;
}

void UserTest::SetUp() {
    headless::Use();
    Log().clear();
    CustomHandler() = nullptr;
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RecorderProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_WINDOW + 1));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "Recorder";
    WNDCLASS existing;
    if (!GetClassInfo(nullptr, "Recorder", &existing)) RegisterClass(&wc);
}

void UserTest::TearDown() {
    headless::Use();
    CustomHandler() = nullptr;
    Log().clear();
}

HWND UserTest::MakeTop(int x, int y, int w, int h, DWORD style, DWORD exStyle) {
    HWND hwnd = CreateWindowEx(exStyle, "Recorder", "Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE | style, x, y, w,
                               h, nullptr, nullptr, nullptr, nullptr);
    headless::Pump();
    return hwnd;
}

HWND UserTest::MakeChild(HWND parent, int x, int y, int w, int h, DWORD style, int id) {
    HWND hwnd = CreateWindowEx(0, "Recorder", "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                               reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
    headless::Pump();
    return hwnd;
}

} // namespace usertest
