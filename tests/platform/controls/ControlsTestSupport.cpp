// The host window and fixture of the standard controls' tests.
#include "ControlsTestSupport.h"

#include "platform/fonts/FontApi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/win/gdi_types.h"

namespace controlstest {

using namespace win;

HostLog& Log() {
    static HostLog log;
    return log;
}

namespace {

LRESULT HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    HostLog& log = Log();
    switch (msg) {
    case WM_COMMAND:
        if (!lParam) return 0;
        log.notes.push_back(Note{reinterpret_cast<HWND>(lParam), HIWORD(wParam)});
        if (log.onCommand) log.onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_DRAWITEM: {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        log.draws.push_back(DrawRecord{d->CtlType, d->CtlID, d->itemID, d->itemAction, d->itemState,
                                       d->hwndItem, d->rcItem, d->itemData});
        return TRUE;
    }
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (m->itemID == static_cast<UINT>(-1) && log.answerFieldHeight)
            m->itemHeight = log.answerFieldHeight;
        else if (log.answerItemHeight)
            m->itemHeight = log.answerItemHeight;
        log.measures.push_back(*m);
        return TRUE;
    }
    case WM_DELETEITEM:
        log.deletes.push_back(*reinterpret_cast<const DELETEITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        log.scrolls.emplace_back(msg, wParam);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void ControlsTest::SetUp() {
    headless::Use();
    Log() = HostLog{};
    ASSERT_TRUE(RegisterStandardControls());
    WNDCLASS existing;
    if (!GetClassInfo(nullptr, "ControlsTestHost", &existing)) {
        WNDCLASS wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = HostProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1));
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = "ControlsTestHost";
        ASSERT_TRUE(RegisterClass(&wc));
    }
    m_font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
}

void ControlsTest::TearDown() {
    Log().onCommand = nullptr;
    headless::SetIdleHook({});
    headless::Use();
    if (m_font) DeleteObject(m_font);
    Log() = HostLog{};
}

HWND ControlsTest::MakeHost(int width, int height) {
    RECT r{100, 100, 100 + width, 100 + height};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    m_host =
        CreateWindowEx(0, "ControlsTestHost", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                       r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    headless::Pump();
    return m_host;
}

HWND ControlsTest::MakeControl(const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
                               int id) {
    HWND hwnd = CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, m_host,
                               reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
    if (hwnd) SendMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    headless::Pump();
    return hwnd;
}

std::vector<WORD> ControlsTest::Codes(HWND from) const {
    std::vector<WORD> codes;
    for (const Note& n : Log().notes)
        if (n.from == from) codes.push_back(n.code);
    return codes;
}

std::vector<DrawRecord> ControlsTest::DrawsOf(UINT itemId) const {
    std::vector<DrawRecord> out;
    for (const DrawRecord& d : Log().draws)
        if (d.itemId == itemId) out.push_back(d);
    return out;
}

void ControlsTest::ClearLog() {
    HostLog& log = Log();
    log.notes.clear();
    log.draws.clear();
    log.measures.clear();
    log.deletes.clear();
    log.scrolls.clear();
}

} // namespace controlstest
