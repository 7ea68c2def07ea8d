// The SDL display: each top-level window is a real window at its client size, its pixels shown through a
// streaming texture; events, text input, cursors, the beep and the clock come from SDL. The clipboard and
// the primary selection are the display's own on X11 (SdlSelections.h), served as X events pass through
// the loop; elsewhere they are SDL's.
#include "platform/display/detail/sdl/SdlDisplay.h"

#include "platform/display/detail/sdl/SdlBeep.h"
#include "platform/display/detail/sdl/SdlDrop.h"
#include "platform/display/detail/sdl/SdlKeys.h"
#include "platform/display/detail/sdl/SdlSelections.h"
#include "platform/display/detail/sdl/SdlX11.h"
#include "platform/system/Termination.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>

namespace win {

namespace {

constexpr Uint32 kFlashMs = 120;
constexpr Uint64 kFreshMs = 400;
constexpr int kFreshStepMs = 40;

struct RealWindow {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureW = 0;
    int textureH = 0;
    RECT rect{}; // the client rectangle last asked for or reported
    DisplayShow show = DisplayShow::Hidden;
    // Until then the window is presented again whenever events pass: the server may map a window shown just
    // now after its first pixels were sent, and drop them.
    Uint64 freshUntil = 0;
};

class SdlDisplay final : public Display {
public:
    SdlDisplay() : m_dpi(DpiFromEnvironment()) {
        m_wakeEvent = SDL_RegisterEvents(1);
        SDL_StartTextInput();
        // A request to end (a signal) must reach the loop even while it waits for the desktop.
        SetTerminationWake([](void* display) { static_cast<SdlDisplay*>(display)->Wake(); }, this);
    }

    ~SdlDisplay() override {
        SetTerminationWake(nullptr, nullptr);
        m_selections.reset();
        for (auto& [id, w] : m_windows) Release(w);
        for (auto& [shape, cursor] : m_cursors) SDL_FreeCursor(cursor);
        m_beep.Close();
        SDL_StopTextInput();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }

    const char* Name() const override { return "sdl"; }
    bool ShownToPerson() const override { return true; }
    bool WaitsForInput() const override { return true; }

    SIZE ScreenSize() override {
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return SIZE{1024, 768};
        return SIZE{mode.w, mode.h};
    }

    RECT WorkArea() override {
        SDL_Rect r;
        if (SDL_GetDisplayUsableBounds(0, &r) != 0) {
            const SIZE s = ScreenSize();
            return RECT{0, 0, s.cx, s.cy};
        }
        return RECT{r.x, r.y, r.x + r.w, r.y + r.h};
    }

    int Dpi() override { return m_dpi; }

    DisplayWindowId CreateWindow(const DisplayWindowSpec& desc) override {
        Uint32 flags = SDL_WINDOW_HIDDEN;
        if (desc.resizable) flags |= SDL_WINDOW_RESIZABLE;
        if (desc.popup)
            flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_POPUP_MENU;
        else if (desc.toolWindow)
            flags |= SDL_WINDOW_UTILITY;
        if (desc.topmost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
        const int w = std::max<LONG>(1, desc.clientRect.right - desc.clientRect.left);
        const int h = std::max<LONG>(1, desc.clientRect.bottom - desc.clientRect.top);
        RealWindow real;
        real.window =
            SDL_CreateWindow(desc.title.c_str(), desc.clientRect.left, desc.clientRect.top, w, h, flags);
        if (!real.window) return 0;
        real.renderer = SDL_CreateRenderer(real.window, -1, 0);
        if (!real.renderer) real.renderer = SDL_CreateRenderer(real.window, -1, SDL_RENDERER_SOFTWARE);
        real.rect = desc.clientRect;
        const DisplayWindowId id = m_nextId++;
        m_byWindowId[SDL_GetWindowID(real.window)] = id;
        m_windows[id] = real;
        return id;
    }

    void DestroyWindow(DisplayWindowId id) override {
        auto it = m_windows.find(id);
        if (it == m_windows.end()) return;
        m_byWindowId.erase(SDL_GetWindowID(it->second.window));
        Release(it->second);
        m_windows.erase(it);
    }

    void SetWindowTitle(DisplayWindowId id, const std::string& title) override {
        if (RealWindow* w = Find(id)) SDL_SetWindowTitle(w->window, title.c_str());
    }

    void SetWindowIcon(DisplayWindowId id, const DisplayIcon& icon) override {
        RealWindow* w = Find(id);
        if (!w || icon.width <= 0 || icon.height <= 0 ||
            icon.argb.size() != static_cast<std::size_t>(icon.width) * icon.height)
            return;
        // SDL copies the pixels: the surface may point into the icon for the call only.
        SDL_Surface* surface =
            SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(icon.argb.data()), icon.width,
                                               icon.height, 32, icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
        if (!surface) return;
        SDL_SetWindowIcon(w->window, surface);
        SDL_FreeSurface(surface);
    }

    void SetWindowRect(DisplayWindowId id, const RECT& r) override {
        RealWindow* w = Find(id);
        if (!w || r == w->rect || w->show == DisplayShow::Maximized || w->show == DisplayShow::Minimized)
            return;
        const RECT old = w->rect;
        w->rect = r;
        if (r.left != old.left || r.top != old.top) SDL_SetWindowPosition(w->window, r.left, r.top);
        if (r.right - r.left != old.right - old.left || r.bottom - r.top != old.bottom - old.top)
            SDL_SetWindowSize(w->window, std::max<LONG>(1, r.right - r.left),
                              std::max<LONG>(1, r.bottom - r.top));
    }

    void ShowWindow(DisplayWindowId id, DisplayShow show) override {
        RealWindow* w = Find(id);
        if (!w || w->show == show) return;
        const DisplayShow old = w->show;
        w->show = show;
        switch (show) {
        case DisplayShow::Hidden:
            HideKeepingKeyboard(id, *w);
            break;
        case DisplayShow::Normal:
        case DisplayShow::NormalNoActivate:
            if (show == DisplayShow::NormalNoActivate)
                ShowWithoutKeyboard(*w);
            else
                SDL_ShowWindow(w->window);
            w->freshUntil = SDL_GetTicks64() + kFreshMs;
            if (old == DisplayShow::Maximized || old == DisplayShow::Minimized) SDL_RestoreWindow(w->window);
            break;
        case DisplayShow::Maximized:
            SDL_ShowWindow(w->window);
            SDL_MaximizeWindow(w->window);
            break;
        case DisplayShow::Minimized:
            SDL_ShowWindow(w->window);
            SDL_MinimizeWindow(w->window);
            break;
        }
    }

    // Without a window manager SDL gives the keyboard to every window it shows, to come back to nobody when
    // that window goes. A window shown without activation (an open list, a hint) hands it straight back.
    void ShowWithoutKeyboard(RealWindow& w) {
        const unsigned long before = sdl::KeyboardFocus(w.window);
        SDL_ShowWindow(w.window);
        if (before && sdl::KeyboardFocus(w.window) != before) sdl::GiveKeyboardFocus(w.window, before);
    }

    // A hidden window that held the keyboard leaves it with nobody: it goes to the window raised last.
    void HideKeepingKeyboard(DisplayWindowId id, RealWindow& w) {
        const unsigned long own = sdl::XWindowOf(w.window);
        const bool held = own != 0 && sdl::KeyboardFocus(w.window) == own;
        SDL_HideWindow(w.window);
        RealWindow* raised = id == m_raised ? nullptr : Find(m_raised);
        if (held && raised && raised->show != DisplayShow::Hidden && raised->show != DisplayShow::Minimized &&
            sdl::KeyboardFocus(raised->window) == 0)
            sdl::GiveKeyboardFocus(raised->window, sdl::XWindowOf(raised->window));
    }

    void RaiseWindow(DisplayWindowId id) override {
        RealWindow* w = Find(id);
        if (!w || w->show == DisplayShow::Hidden || w->show == DisplayShow::Minimized) return;
        m_raised = id;
        SDL_RaiseWindow(w->window);
        // The keyboard comes along: when a window that had it goes (a closed dialog), the desktop may leave
        // the keyboard with no window at all unless the window activated next asks for it.
        SDL_SetWindowInputFocus(w->window);
    }

    void Present(DisplayWindowId id, const Surface& surface, POINT origin, SIZE size,
                 const RECT& dirty) override {
        RealWindow* w = Find(id);
        if (!w || !w->renderer || size.cx <= 0 || size.cy <= 0) return;
        if (!w->texture || w->textureW != size.cx || w->textureH != size.cy) {
            if (w->texture) SDL_DestroyTexture(w->texture);
            w->texture = SDL_CreateTexture(w->renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                           size.cx, size.cy);
            w->textureW = size.cx;
            w->textureH = size.cy;
            if (!w->texture) return;
            SDL_SetTextureBlendMode(w->texture, SDL_BLENDMODE_NONE);
        }
        // The part of the dirty rectangle that the surface holds (it may keep less than a huge window).
        const LONG left = std::max<LONG>({dirty.left, 0, -origin.x});
        const LONG top = std::max<LONG>({dirty.top, 0, -origin.y});
        const LONG right = std::min<LONG>({dirty.right, size.cx, surface.Width() - origin.x});
        const LONG bottom = std::min<LONG>({dirty.bottom, size.cy, surface.Height() - origin.y});
        if (left < right && top < bottom && surface.BitCount() == 32 && surface.TopDown()) {
            const SDL_Rect area{left, top, right - left, bottom - top};
            const BYTE* pixels =
                surface.Row(top + origin.y) + static_cast<std::ptrdiff_t>(left + origin.x) * 4;
            SDL_UpdateTexture(w->texture, &area, pixels, surface.Stride());
        }
        Render(*w);
    }

    bool PollEvent(DisplayEvent& event) override {
        EndFlashIfDue();
        RenderFreshWindows();
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            if (Translate(e, event)) return true;
        }
        return false;
    }

    bool WaitEvent(int timeoutMs) override {
        if (m_flashEnd) {
            const Uint64 now = SDL_GetTicks64();
            const int left = now >= m_flashEnd ? 0 : static_cast<int>(m_flashEnd - now);
            timeoutMs = timeoutMs < 0 ? left : std::min(timeoutMs, left);
        }
        if (AnyFreshWindow()) timeoutMs = timeoutMs < 0 ? kFreshStepMs : std::min(timeoutMs, kFreshStepMs);
        const int got = timeoutMs < 0 ? SDL_WaitEvent(nullptr) : SDL_WaitEventTimeout(nullptr, timeoutMs);
        EndFlashIfDue();
        return got == 1;
    }

    void Wake() override {
        if (m_wakeEvent == static_cast<Uint32>(-1)) return;
        SDL_Event e{};
        e.type = m_wakeEvent;
        SDL_PushEvent(&e);
    }

    void SetTextInput(DisplayWindowId id, bool on, const RECT& caret) override {
        if (!on || !Find(id)) return;
        SDL_Rect r{caret.left, caret.top, std::max<LONG>(1, caret.right - caret.left),
                   std::max<LONG>(1, caret.bottom - caret.top)};
        SDL_SetTextInputRect(&r);
    }

    // On X11 the display serves the selections itself (texts of any size); elsewhere SDL does.
    bool SetClipboardText(std::string text) override {
        if (sdl::X11Selections* x11 = Selections())
            return x11->Set(sdl::Selection::Clipboard, std::move(text));
        return SDL_SetClipboardText(text.c_str()) == 0;
    }

    std::optional<std::string> GetClipboardText() override {
        if (sdl::X11Selections* x11 = Selections()) return x11->Get(sdl::Selection::Clipboard);
        if (!SDL_HasClipboardText()) return std::nullopt;
        return SdlText(SDL_GetClipboardText());
    }

    bool HasClipboardText() override {
        if (sdl::X11Selections* x11 = Selections()) return x11->Has(sdl::Selection::Clipboard);
        return SDL_HasClipboardText() == SDL_TRUE;
    }

    bool SetPrimaryText(std::string text) override {
        if (sdl::X11Selections* x11 = Selections()) return x11->Set(sdl::Selection::Primary, std::move(text));
        return SDL_SetPrimarySelectionText(text.c_str()) == 0;
    }

    std::optional<std::string> GetPrimaryText() override {
        if (sdl::X11Selections* x11 = Selections()) return x11->Get(sdl::Selection::Primary);
        if (!SDL_HasPrimarySelectionText()) return std::nullopt;
        return SdlText(SDL_GetPrimarySelectionText());
    }

    void Beep() override {
        if (m_beep.Play()) return;
        Flash();
    }

    void SetCursor(CursorShape shape) override {
        if (shape == CursorShape::Hidden) {
            SDL_ShowCursor(SDL_DISABLE);
            return;
        }
        SDL_ShowCursor(SDL_ENABLE);
        SDL_Cursor*& cursor = m_cursors[shape];
        if (!cursor) cursor = SDL_CreateSystemCursor(SystemCursorOf(shape));
        if (cursor && cursor != SDL_GetCursor()) SDL_SetCursor(cursor);
    }

    POINT CursorPos() override {
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        return POINT{x, y};
    }

    void SetCursorPos(POINT p) override { SDL_WarpMouseGlobal(p.x, p.y); }

    std::uint64_t Now() override { return SDL_GetTicks64(); }

private:
    static SDL_SystemCursor SystemCursorOf(CursorShape shape) {
        switch (shape) {
        case CursorShape::IBeam:
            return SDL_SYSTEM_CURSOR_IBEAM;
        case CursorShape::Wait:
            return SDL_SYSTEM_CURSOR_WAIT;
        case CursorShape::Cross:
            return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case CursorShape::SizeNWSE:
            return SDL_SYSTEM_CURSOR_SIZENWSE;
        case CursorShape::SizeNESW:
            return SDL_SYSTEM_CURSOR_SIZENESW;
        case CursorShape::SizeWE:
            return SDL_SYSTEM_CURSOR_SIZEWE;
        case CursorShape::SizeNS:
            return SDL_SYSTEM_CURSOR_SIZENS;
        case CursorShape::SizeAll:
            return SDL_SYSTEM_CURSOR_SIZEALL;
        case CursorShape::No:
            return SDL_SYSTEM_CURSOR_NO;
        case CursorShape::Hand:
            return SDL_SYSTEM_CURSOR_HAND;
        case CursorShape::AppStarting:
            return SDL_SYSTEM_CURSOR_WAITARROW;
        default:
            return SDL_SYSTEM_CURSOR_ARROW;
        }
    }

    // The X11 selections, opened on the display of the first window there is.
    sdl::X11Selections* Selections() {
        if (!m_selections && !m_windows.empty())
            m_selections = sdl::X11Selections::Open(m_windows.begin()->second.window);
        return m_selections.get();
    }

    static std::optional<std::string> SdlText(char* text) {
        if (!text) return std::nullopt;
        std::string result(text);
        SDL_free(text);
        return result;
    }

    RealWindow* Find(DisplayWindowId id) {
        auto it = m_windows.find(id);
        return it == m_windows.end() ? nullptr : &it->second;
    }

    DisplayWindowId IdOf(Uint32 sdlWindowId) const {
        auto it = m_byWindowId.find(sdlWindowId);
        return it == m_byWindowId.end() ? 0 : it->second;
    }

    static void Release(RealWindow& w) {
        if (w.texture) SDL_DestroyTexture(w.texture);
        if (w.renderer) SDL_DestroyRenderer(w.renderer);
        if (w.window) SDL_DestroyWindow(w.window);
        w = RealWindow{};
    }

    bool AnyFreshWindow() const {
        const Uint64 now = SDL_GetTicks64();
        for (const auto& [id, w] : m_windows)
            if (w.freshUntil > now) return true;
        return false;
    }

    void RenderFreshWindows() {
        const Uint64 now = SDL_GetTicks64();
        for (auto& [id, w] : m_windows) {
            if (!w.freshUntil) continue;
            if (w.freshUntil <= now) w.freshUntil = 0;
            Render(w);
        }
    }

    static void Render(RealWindow& w) {
        if (!w.renderer || !w.texture) return;
        SDL_RenderCopy(w.renderer, w.texture, nullptr, nullptr);
        SDL_RenderPresent(w.renderer);
    }

    // Where no sound device is there, the beep shows as a short light flash over the focused window.
    void Flash() {
        SDL_Window* focused = SDL_GetKeyboardFocus();
        for (auto& [id, w] : m_windows) {
            if (w.window != focused || !w.renderer) continue;
            Render(w);
            SDL_SetRenderDrawBlendMode(w.renderer, SDL_BLENDMODE_BLEND);
            SDL_SetRenderDrawColor(w.renderer, 255, 255, 255, 128);
            SDL_RenderFillRect(w.renderer, nullptr);
            SDL_RenderPresent(w.renderer);
            m_flashEnd = SDL_GetTicks64() + kFlashMs;
            m_flashWindow = id;
        }
    }

    void EndFlashIfDue() {
        if (!m_flashEnd || SDL_GetTicks64() < m_flashEnd) return;
        m_flashEnd = 0;
        if (RealWindow* w = Find(m_flashWindow)) Render(*w);
    }

    static MouseButton ButtonOf(Uint8 b) {
        switch (b) {
        case SDL_BUTTON_LEFT:
            return MouseButton::Left;
        case SDL_BUTTON_RIGHT:
            return MouseButton::Right;
        case SDL_BUTTON_MIDDLE:
            return MouseButton::Middle;
        default:
            return MouseButton::None;
        }
    }

    RECT ClientRectOf(SDL_Window* window) {
        int x = 0, y = 0, w = 0, h = 0;
        SDL_GetWindowPosition(window, &x, &y);
        SDL_GetWindowSize(window, &w, &h);
        return RECT{x, y, x + w, y + h};
    }

    bool TranslateWindowEvent(const SDL_WindowEvent& we, DisplayEvent& out) {
        RealWindow* w = Find(out.window);
        if (!w) return false;
        switch (we.event) {
        case SDL_WINDOWEVENT_CLOSE:
            out.type = DisplayEventType::Close;
            return true;
        case SDL_WINDOWEVENT_EXPOSED:
            Render(*w);
            out.type = DisplayEventType::Expose;
            return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            out.type = DisplayEventType::FocusGained;
            return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            out.type = DisplayEventType::FocusLost;
            return true;
        case SDL_WINDOWEVENT_LEAVE:
            out.type = DisplayEventType::MouseLeave;
            return true;
        case SDL_WINDOWEVENT_SHOWN:
            // A window shown for the first time may have been drawn before the server mapped it.
            Render(*w);
            return false;
        case SDL_WINDOWEVENT_MOVED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: {
            // The renderer takes the new size only as this event passes through SDL: what was presented
            // before it (a pop-up list sized and shown at once) was scaled into the old size, so present
            // again.
            if (we.event == SDL_WINDOWEVENT_SIZE_CHANGED) Render(*w);
            const RECT r = ClientRectOf(w->window);
            if (r == w->rect) return false;
            w->rect = r;
            out.type =
                we.event == SDL_WINDOWEVENT_MOVED ? DisplayEventType::Moved : DisplayEventType::Resized;
            out.rect = r;
            return true;
        }
        case SDL_WINDOWEVENT_MINIMIZED:
            w->show = DisplayShow::Minimized;
            out.type = DisplayEventType::Minimized;
            return true;
        case SDL_WINDOWEVENT_MAXIMIZED:
            w->show = DisplayShow::Maximized;
            out.type = DisplayEventType::Maximized;
            return true;
        case SDL_WINDOWEVENT_RESTORED:
            if (w->show == DisplayShow::Normal || w->show == DisplayShow::NormalNoActivate) return false;
            w->show = DisplayShow::Normal;
            out.type = DisplayEventType::Restored;
            return true;
        default:
            return false;
        }
    }

    bool Translate(const SDL_Event& e, DisplayEvent& out) {
        out = DisplayEvent{};
        out.time = SDL_GetTicks64();
        switch (e.type) {
        case SDL_QUIT:
            out.type = DisplayEventType::Quit;
            return true;
        case SDL_SYSWMEVENT:
            if (m_selections && e.syswm.msg) m_selections->Handle(*e.syswm.msg);
            return false;
        case SDL_WINDOWEVENT:
            out.window = IdOf(e.window.windowID);
            return TranslateWindowEvent(e.window, out);
        case SDL_MOUSEMOTION:
            out.type = DisplayEventType::MouseMove;
            out.window = IdOf(e.motion.windowID);
            out.pos = POINT{e.motion.x, e.motion.y};
            return out.window != 0;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            out.type =
                e.type == SDL_MOUSEBUTTONDOWN ? DisplayEventType::MouseDown : DisplayEventType::MouseUp;
            out.window = IdOf(e.button.windowID);
            out.pos = POINT{e.button.x, e.button.y};
            out.button = ButtonOf(e.button.button);
            return out.window != 0 && out.button != MouseButton::None;
        case SDL_MOUSEWHEEL: {
            out.type = DisplayEventType::Wheel;
            out.window = IdOf(e.wheel.windowID);
            int y = e.wheel.y;
            if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) y = -y;
            out.wheelDelta = y * 120;
            int mx = 0, my = 0;
            SDL_GetMouseState(&mx, &my);
            out.pos = POINT{mx, my};
            return out.window != 0 && y != 0;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            bool extended = false;
            out.type = e.type == SDL_KEYDOWN ? DisplayEventType::KeyDown : DisplayEventType::KeyUp;
            out.window = IdOf(e.key.windowID);
            out.virtualKey = sdl::VirtualKeyOf(e.key.keysym, extended);
            out.extendedKey = extended;
            out.scanCode = static_cast<int>(e.key.keysym.scancode);
            out.repeat = e.key.repeat != 0;
            out.textFollows = SDL_IsTextInputActive() && sdl::TypesText(e.key.keysym);
            return out.virtualKey != 0;
        }
        case SDL_TEXTINPUT:
            out.type = DisplayEventType::Text;
            out.window = IdOf(e.text.windowID);
            out.text = e.text.text;
            return !out.text.empty();
        case SDL_DROPBEGIN:
        case SDL_DROPFILE:
        case SDL_DROPTEXT:
        case SDL_DROPCOMPLETE: {
            Uint32 sdlWindow = 0;
            if (!m_drop.Take(e, out, sdlWindow)) return false;
            out.window = IdOf(sdlWindow);
            return out.window != 0;
        }
        default:
            return false;
        }
    }

    int m_dpi = 96;
    Uint32 m_wakeEvent = 0;
    DisplayWindowId m_nextId = 1;
    DisplayWindowId m_raised = 0; // the window raised (activated) last
    std::map<DisplayWindowId, RealWindow> m_windows;
    std::map<Uint32, DisplayWindowId> m_byWindowId;
    std::map<CursorShape, SDL_Cursor*> m_cursors;
    sdl::BeepTone m_beep;
    sdl::DropCollector m_drop;
    std::unique_ptr<sdl::X11Selections> m_selections;
    Uint64 m_flashEnd = 0;
    DisplayWindowId m_flashWindow = 0;
};

} // namespace

std::unique_ptr<Display> CreateSdlDisplay() {
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The program decides what a termination signal does (Termination.h), not the display.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return nullptr;
    const char* driver = SDL_GetCurrentVideoDriver();
    // When the desktop does not answer, SDL falls back to a driver that shows nothing to anyone: the window
    // would run on, invisible, forever. Only a request by name (SDL_VIDEODRIVER) may have those.
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) &&
        !(asked && std::strcmp(asked, driver) == 0)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        return nullptr;
    }
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    if (driver && std::strcmp(driver, "x11") == 0) sdl::HandleX11Failures();
    return std::make_unique<SdlDisplay>();
}

} // namespace win
