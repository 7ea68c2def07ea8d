// Windowed controls on the headless display: making and re-making windows, focus, reflected notifications,
// the painting of window-less children, the wheel, the mouse over and on window-less children, and keys.
#include "ControlTestSupport.h"

#include "framework/controls/ControlCanvas.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Screen.h"
#include "platform/user/User.h"

namespace gl::controltest {
namespace {

using win::headless::Pump;

TEditProbe* MakeEdit(TComponent* owner, TWinControl* parent, int top, const std::string& text) {
    auto* edit = new TEditProbe(owner);
    edit->SetParent(parent);
    edit->SetBounds(10, top, 100, 20);
    edit->SetText(text);
    return edit;
}

TEST_F(ControlTest, RecreatingKeepsTextChildrenTabOrderAndFocus) {
    MakeForm();
    TEditProbe* first = MakeEdit(&m_owner, m_form, 10, "first");
    TEditProbe* second = MakeEdit(&m_owner, m_form, 40, "second");
    auto* panel = new TPanelProbe(&m_owner);
    panel->SetParent(m_form);
    panel->SetBounds(0, 100, 200, 80);
    TEditProbe* inner = MakeEdit(&m_owner, panel, 5, "inner");

    ASSERT_TRUE(second->HandleAllocated()) << "a child of a shown window gets its window at once";
    EXPECT_EQ(win::GetParent(inner->Handle()), panel->Handle());
    second->SetTabOrder(0);
    EXPECT_EQ(first->TabOrder(), 1);
    second->SetFocus();
    int focusEvents = 0;
    second->OnExit = second->OnEnter = [&focusEvents](TObject*) { ++focusEvents; };
    win::SetWindowText(first->Handle(), "typed");
    const win::HWND oldForm = m_form->Handle();
    const win::HWND oldSecond = second->Handle();

    m_form->RecreateWnd();
    EXPECT_FALSE(win::IsWindow(oldForm));
    EXPECT_FALSE(win::IsWindow(oldSecond));
    EXPECT_EQ(FindControl(oldSecond), nullptr);
    ASSERT_TRUE(second->HandleAllocated());
    EXPECT_EQ(FindControl(second->Handle()), second);
    EXPECT_EQ(win::GetWindowTextString(first->Handle()), "typed");
    EXPECT_EQ(inner->Text(), "inner");
    EXPECT_EQ(win::GetParent(inner->Handle()), panel->Handle());
    EXPECT_EQ(second->TabOrder(), 0);
    EXPECT_NE(win::GetWindowLong(first->Handle(), win::GWL_STYLE) & static_cast<win::LONG>(win::WS_TABSTOP),
              0);
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(focusEvents, 0) << "the focus only passes elsewhere while the windows are made again";
    EXPECT_EQ(first->BoundsRect(), Rect(10, 10, 110, 30));
    // The windows stack as the list does: the first child made is at the bottom.
    EXPECT_EQ(win::GetWindow(m_form->Handle(), win::GW_CHILD), panel->Handle());
}

TEST_F(ControlTest, PropertiesReachTheWindow) {
    MakeForm();
    TEditProbe* edit = MakeEdit(&m_owner, m_form, 10, "");
    const win::HWND hwnd = edit->Handle();
    edit->Hide();
    EXPECT_FALSE(win::IsWindowVisible(hwnd));
    edit->Show();
    EXPECT_TRUE(win::IsWindowVisible(hwnd));
    edit->SetEnabled(false);
    EXPECT_FALSE(win::IsWindowEnabled(hwnd));
    edit->Font()->SetHeight(-20);
    EXPECT_EQ(win::SendMessage(hwnd, win::WM_GETFONT, 0, 0),
              reinterpret_cast<win::LRESULT>(edit->Font()->Handle()));
    edit->SetBounds(20, 30, 80, 24);
    win::RECT rect{};
    win::GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.right - rect.left, 80);
    EXPECT_EQ(edit->ClientOrigin(), m_form->ClientToScreen(Point(20, 30)));
    // A text set before the window exists is the window's first caption.
    auto* later = new TEditProbe(&m_owner);
    later->SetText("early");
    later->SetParent(m_form);
    EXPECT_EQ(win::GetWindowTextString(later->Handle()), "early");

    // The cursor of a window-less child shows while the pointer is over it.
    auto* box = new TBoxProbe(&m_owner, clRed);
    box->SetParent(m_form);
    box->SetBounds(150, 10, 20, 20);
    box->SetCursor(crHandPoint);
    win::headless::MouseMove(m_form->Handle(), 155, 15);
    EXPECT_EQ(win::GetCursor(), win::LoadCursor(nullptr, win::IDC_HAND));
}

TEST_F(ControlTest, FocusEntersAndLeavesControlsAndTellsTheTree) {
    MakeForm();
    auto* panel = new TPanelProbe(&m_owner);
    panel->SetParent(m_form);
    panel->SetBounds(0, 100, 200, 80);
    TEditProbe* outside = MakeEdit(&m_owner, m_form, 10, "");
    TEditProbe* inside = MakeEdit(&m_owner, panel, 10, "");
    auto* box = new TBoxProbe(&m_owner, clRed);
    box->SetParent(panel);
    std::vector<std::string> log;
    const auto record = [&log](const std::string& what) {
        return [&log, what](TObject*) { log.push_back(what); };
    };
    outside->OnEnter = record("enter outside");
    outside->OnExit = record("exit outside");
    panel->OnEnter = record("enter panel");
    panel->OnExit = record("exit panel");
    inside->OnEnter = record("enter inside");
    inside->OnExit = record("exit inside");

    outside->SetFocus();
    inside->SetFocus();
    outside->SetFocus();
    const std::vector<std::string> expected{"enter outside", "exit outside", "enter panel",  "enter inside",
                                            "exit inside",   "exit panel",   "enter outside"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(box->counts[CM_FOCUSCHANGED], 3) << "every control of the tree hears of each move";
    EXPECT_EQ(m_form->FocusedControl(), outside);

    inside->Hide();
    EXPECT_FALSE(inside->CanFocus());
    try {
        inside->SetFocus();
        FAIL();
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Cannot focus a disabled or invisible window");
    }
    // A control that goes away with the focus leaves it to its parent.
    delete outside;
    EXPECT_EQ(m_form->FocusedControl(), m_form);
    EXPECT_EQ(box->counts[CM_FOCUSCHANGED], 4);
}

TEST_F(ControlTest, NotificationsAboutAChildGoBackToIt) {
    MakeForm();
    TEditProbe* edit = MakeEdit(&m_owner, m_form, 10, "");
    edit->commands.clear();
    edit->SetText("abc");
    EXPECT_NE(std::find(edit->commands.begin(), edit->commands.end(), win::EN_CHANGE), edit->commands.end());
    EXPECT_EQ(m_form->counts[CN_COMMAND], 0);

    edit->commands.clear();
    const win::WPARAM code = win::MAKEWPARAM(0, 0x1234);
    win::SendMessage(m_form->Handle(), win::WM_COMMAND, code, reinterpret_cast<win::LPARAM>(edit->Handle()));
    EXPECT_EQ(edit->commands, std::vector<int>{0x1234});
    // A window that is not a control's is left to the default handling.
    win::SendMessage(m_form->Handle(), win::WM_COMMAND, code,
                     reinterpret_cast<win::LPARAM>(m_form->Handle()));
    EXPECT_EQ(edit->commands.size(), 1u);

    // The child is asked for its own colours.
    edit->SetColor(clYellow);
    edit->Font()->SetColor(clRed);
    const win::HWND hwnd = edit->Handle();
    win::HDC dc = win::GetDC(hwnd);
    const win::LRESULT brush =
        win::SendMessage(m_form->Handle(), win::WM_CTLCOLOREDIT, reinterpret_cast<win::WPARAM>(dc),
                         reinterpret_cast<win::LPARAM>(hwnd));
    EXPECT_EQ(brush, reinterpret_cast<win::LRESULT>(edit->BrushHandle()));
    EXPECT_EQ(win::GetTextColor(dc), win::RGB(255, 0, 0));
    EXPECT_EQ(win::GetBkColor(dc), win::RGB(255, 255, 0));
    win::ReleaseDC(hwnd, dc);
}

TEST_F(ControlTest, WindowlessChildrenPaintInZOrderInsideTheirRectangles) {
    MakeForm(320, 240);
    auto* red = new TBoxProbe(&m_owner, clRed);
    red->SetParent(m_form);
    red->SetBounds(10, 10, 40, 40);
    auto* blue = new TBoxProbe(&m_owner, clBlue);
    blue->SetParent(m_form);
    blue->SetBounds(30, 30, 40, 40);
    blue->overpaint = true;
    m_form->Repaint();

    EXPECT_EQ(FormPixel(20, 20), win::RGB(255, 0, 0));
    EXPECT_EQ(FormPixel(40, 40), win::RGB(0, 0, 255)) << "the later child paints over the earlier";
    EXPECT_EQ(FormPixel(69, 69), win::RGB(0, 0, 255));
    EXPECT_EQ(FormPixel(70, 70), win::RGB(255, 255, 255)) << "painting is clipped to the child's rectangle";
    EXPECT_EQ(FormPixel(5, 5), win::RGB(255, 255, 255));
    EXPECT_EQ(FormPixel(-1, 0), win::CLR_INVALID);
    EXPECT_EQ(FormPixel(m_form->ClientWidth(), 0), win::CLR_INVALID);

    red->BringToFront();
    m_form->Update();
    EXPECT_EQ(FormPixel(40, 40), win::RGB(255, 0, 0));
    blue->Hide();
    m_form->Update();
    EXPECT_EQ(FormPixel(60, 60), win::RGB(255, 255, 255));

    // A read through the box's own canvas keeps a context until a windowed control has handled a message.
    EXPECT_EQ(static_cast<win::COLORREF>(red->Canvas()->Pixels(5, 5)), win::RGB(255, 0, 0));
    EXPECT_EQ(static_cast<win::COLORREF>(red->Canvas()->Pixels(40, 0)), win::CLR_INVALID);
    red->SetBounds(200, 10, 40, 40);
    m_form->Update();
    EXPECT_EQ(FormPixel(20, 20), win::RGB(255, 255, 255));
    EXPECT_EQ(static_cast<win::COLORREF>(red->Canvas()->Pixels(5, 5)), win::RGB(255, 0, 0))
        << "read at its new place";
    EXPECT_EQ(CachedDeviceContextCount(), 1);
    win::SendMessage(m_form->Handle(), win::WM_NULL, 0, 0);
    EXPECT_EQ(CachedDeviceContextCount(), 0);
}

TEST_F(ControlTest, CustomControlsPaintThemselvesUnderTheirWindowlessChildren) {
    MakeForm();
    auto* custom = new TCanvasProbe(&m_owner, clLime);
    custom->SetParent(m_form);
    custom->SetBounds(100, 100, 50, 40);
    auto* box = new TBoxProbe(&m_owner, clRed);
    box->SetParent(custom);
    box->SetBounds(10, 10, 10, 10);
    Pump();
    const win::HWND hwnd = custom->Handle();
    EXPECT_EQ(win::headless::Pixel(hwnd, 5, 5), win::RGB(0, 255, 0));
    EXPECT_EQ(win::headless::Pixel(hwnd, 15, 15), win::RGB(255, 0, 0));
    EXPECT_EQ(win::headless::Pixel(hwnd, 49, 39), win::RGB(0, 255, 0));
    custom->fill = clBlue;
    custom->Repaint();
    EXPECT_EQ(win::headless::Pixel(hwnd, 5, 5), win::RGB(0, 0, 255));
    EXPECT_EQ(win::headless::Pixel(hwnd, 15, 15), win::RGB(255, 0, 0));
}

TEST_F(ControlTest, WheelTurnsStepEveryFull120AndKeepTheRest) {
    MakeForm();
    auto* panel = new TPanelProbe(&m_owner);
    panel->SetParent(m_form);
    panel->SetBounds(0, 0, 100, 100);
    int up = 0;
    int down = 0;
    panel->OnMouseWheelUp = [&up](TObject*, TShiftState, TPoint, bool& handled) { handled = ++up > 0; };
    panel->OnMouseWheelDown = [&down](TObject*, TShiftState, TPoint, bool& handled) { handled = ++down > 0; };
    panel->SetFocus();

    win::headless::Wheel(panel->Handle(), 5, 5, 60);
    EXPECT_EQ(up, 0);
    win::headless::Wheel(panel->Handle(), 5, 5, 60);
    EXPECT_EQ(up, 1);
    win::headless::Wheel(panel->Handle(), 5, 5, 200);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(panel->WheelAccumulator(), 80);
    win::headless::Wheel(panel->Handle(), 5, 5, -320);
    EXPECT_EQ(down, 2);
    EXPECT_EQ(panel->WheelAccumulator(), 0);
    win::headless::Wheel(panel->Handle(), 5, 5, -200);
    EXPECT_EQ(down, 3);
    EXPECT_EQ(panel->WheelAccumulator(), -80) << "the remainder keeps its sign";
}

TEST_F(ControlTest, MouseEntersAndLeavesWindowlessChildren) {
    MakeForm();
    auto* a = new TBoxProbe(&m_owner, clRed);
    a->SetParent(m_form);
    a->SetBounds(10, 10, 30, 30);
    auto* b = new TBoxProbe(&m_owner, clBlue);
    b->SetParent(m_form);
    b->SetBounds(50, 10, 30, 30);
    std::vector<std::string> log;
    for (auto [box, name] : {std::pair{a, "a"}, std::pair{b, "b"}}) {
        box->OnMouseEnter = [&log, name](TObject*) { log.push_back(std::string("enter ") + name); };
        box->OnMouseLeave = [&log, name](TObject*) { log.push_back(std::string("leave ") + name); };
    }
    const win::HWND hwnd = m_form->Handle();
    win::headless::MouseMove(hwnd, 15, 15);
    win::headless::MouseMove(hwnd, 20, 20);
    win::headless::MouseMove(hwnd, 60, 20);
    win::headless::MouseMove(hwnd, 100, 100);
    EXPECT_EQ(MouseControl(), m_form);
    win::headless::MouseMove(hwnd, 55, 15);
    win::headless::MouseLeaveAll();
    Pump();
    const std::vector<std::string> expected{"enter a", "leave a", "enter b", "leave b", "enter b", "leave b"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(ControlTest, ClicksOnWindowlessChildrenCaptureTheMouse) {
    MakeForm();
    auto* box = new TBoxProbe(&m_owner, clRed);
    box->SetParent(m_form);
    box->SetBounds(10, 10, 30, 30);
    int clicks = 0;
    std::vector<TPoint> moves;
    box->OnClick = [&clicks](TObject*) { ++clicks; };
    box->OnMouseMove = [&moves](TObject*, TShiftState, int x, int y) { moves.push_back(Point(x, y)); };
    TPoint down{};
    box->OnMouseDown = [&down](TObject*, TMouseButton, TShiftState, int x, int y) { down = Point(x, y); };
    const win::HWND hwnd = m_form->Handle();

    win::headless::Click(hwnd, 20, 25);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(down, Point(10, 15)) << "in the box's own coordinates";

    win::headless::MouseDown(hwnd, 20, 20);
    EXPECT_EQ(CaptureControl(), box);
    moves.clear();
    win::headless::MouseMove(hwnd, 100, 100);
    ASSERT_FALSE(moves.empty()) << "the box keeps the mouse while its button is down";
    EXPECT_EQ(moves.back(), Point(90, 90));
    win::headless::MouseUp(hwnd, 100, 100);
    EXPECT_EQ(clicks, 1) << "released outside: no click";
    EXPECT_EQ(CaptureControl(), nullptr);
}

TEST_F(ControlTest, KeyEventsMayChangeOrSwallowKeys) {
    MakeForm();
    TEditProbe* edit = MakeEdit(&m_owner, m_form, 10, "");
    int ups = 0;
    edit->OnKeyPress = [](TObject*, char32_t& key) {
        if (key == U'a') key = 0;
        if (key == U'c') key = U'x';
    };
    edit->OnKeyDown = [](TObject*, std::uint16_t& key, TShiftState) {
        if (key == win::VK_DELETE) key = 0;
    };
    edit->OnKeyUp = [&ups](TObject*, std::uint16_t&, TShiftState) { ++ups; };
    edit->SetFocus();
    for (int key : {int{'A'}, int{'B'}, int{'C'}, win::VK_HOME, win::VK_DELETE}) win::headless::KeyPress(key);
    EXPECT_EQ(edit->Text(), "bx");
    EXPECT_EQ(ups, 5);
    edit->OnKeyDown = nullptr;
    win::headless::KeyPress(win::VK_DELETE);
    EXPECT_EQ(edit->Text(), "x");
}

TEST_F(ControlTest, ExceptionsInHandlersGoToTheHandlerAndTheLoopGoesOn) {
    MakeForm();
    auto* box = new TBoxProbe(&m_owner, clRed);
    box->SetParent(m_form);
    box->SetBounds(0, 0, 50, 50);
    box->OnClick = [](TObject*) { throw EInvalidOperation("broken"); };
    std::vector<std::string> caught;
    SetWindowExceptionHandler([&caught](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const Exception& e) {
            caught.push_back(e.Message());
        }
    });
    win::headless::Click(m_form->Handle(), 10, 10);
    win::headless::AdvanceClock(1000); // not a double click
    win::headless::Click(m_form->Handle(), 10, 10);
    SetWindowExceptionHandler(nullptr);
    EXPECT_EQ(caught, (std::vector<std::string>{"broken", "broken"}));
    EXPECT_EQ(CaptureControl(), nullptr);
}

} // namespace
} // namespace gl::controltest
