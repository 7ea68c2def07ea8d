// TWinControl: the child controls it holds, tab order, focus tracking and messages to children.
#include "framework/controls/WinControl.h"

#include "framework/core/Exceptions.h"
#include "framework/core/FlagScope.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "platform/user/Input.h"

#include <algorithm>
#include <climits>

namespace gl {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    Destroying();
    // Out of the parent first, so that nothing the window's end sets off (the focus moving on) reaches a
    // control that is half gone.
    if (TWinControl* parent = Parent()) parent->RemoveControl(this);
    // The children go next, each taking its own window with it; whoever owns them, they cannot outlive the
    // control that shows them.
    while (ControlCount() > 0) {
        TControl* child = Controls(ControlCount() - 1);
        RemoveControl(child);
        delete child;
    }
    DestroyWindowHandle();
}

// ---- Children ----

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) throw EListError(Format(msg::SListIndexError, index));
    const auto i = static_cast<std::size_t>(index);
    if (i < m_graphicControls.size()) return m_graphicControls[i];
    return m_winControls[i - m_graphicControls.size()];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    while (control && control != this) control = control->Parent();
    return control != nullptr;
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls) const {
    const auto hits = [&](TControl* control) {
        if (!control->Visible() || (!allowDisabled && !control->Enabled())) return false;
        if (!PointInRect(control->BoundsRect(), point)) return false;
        const win::LPARAM local = win::MAKELPARAM(point.x - control->Left(), point.y - control->Top());
        return control->Perform(CM_HITTEST, 0, local) != 0;
    };
    if (allowWinControls)
        for (auto it = m_winControls.rbegin(); it != m_winControls.rend(); ++it)
            if (hits(*it)) return *it;
    for (auto it = m_graphicControls.rbegin(); it != m_graphicControls.rend(); ++it)
        if (hits(*it)) return *it;
    return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    if (!control || control->Parent() == this) return;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<win::WPARAM>(control), 1);
    control->m_parent = this;
    InsertIntoLists(control);
    AfterInsert(control);
    Perform(CM_CONTROLCHANGE, reinterpret_cast<win::WPARAM>(control), 1);
}

void TWinControl::InsertIntoLists(TControl* control) {
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        m_winControls.push_back(windowed);
        m_tabList.push_back(windowed);
    } else {
        m_graphicControls.push_back(control);
    }
}

void TWinControl::AfterInsert(TControl* control) {
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTSHOWHINTCHANGED);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (HandleAllocated()) windowed->UpdateShowing();
    } else if (HandleAllocated()) {
        control->Invalidate();
    }
    if (control->Align() != alNone) AlignControl(control);
}

void TWinControl::RemoveControl(TControl* control) {
    if (!control || control->m_parent != this) return;
    const bool destroying = ComponentState().Contains(csDestroying);
    if (!destroying) Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<win::WPARAM>(control), 0);
    const auto windowed = std::find_if(m_winControls.begin(), m_winControls.end(),
                                       [&](TWinControl* w) { return static_cast<TControl*>(w) == control; });
    if (windowed != m_winControls.end()) {
        TWinControl* child = *windowed;
        ForgetFocusIn(child);
        m_winControls.erase(windowed);
        m_tabList.erase(std::remove(m_tabList.begin(), m_tabList.end(), child), m_tabList.end());
        // A window cannot stay without the parent window it lives in.
        if (!child->ComponentState().Contains(csDestroying) && child->HandleAllocated())
            child->DestroyHandle();
    } else {
        if (!destroying) control->InvalidateControl(control->Visible(), false);
        m_graphicControls.erase(std::remove(m_graphicControls.begin(), m_graphicControls.end(), control),
                                m_graphicControls.end());
    }
    control->m_parent = nullptr;
    if (destroying) return;
    if (control->Align() != alNone) Realign();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<win::WPARAM>(control), 0);
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    // The window lives inside its parent's window (or is a top-level one without a parent): it is made again
    // for the new place when shown there.
    if (HandleAllocated()) DestroyHandle();
    TControl::SetParent(parent);
}

void TWinControl::SetZOrder(bool topMost) {
    TWinControl* parent = Parent();
    if (!parent) {
        if (HandleAllocated())
            win::SetWindowPos(m_handle, topMost ? win::HWND_TOP : win::HWND_BOTTOM, 0, 0, 0, 0,
                              win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
        return;
    }
    auto& list = parent->m_winControls;
    const auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (topMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    if (HandleAllocated())
        win::SetWindowPos(m_handle, parent->PrecedingWindow(this), 0, 0, 0, 0,
                          win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
}

// The window a child's window goes below so that the windows stack as the list does: the next windowed
// sibling in front of it that has a window, or the top when none in front has one.
win::HWND TWinControl::PrecedingWindow(const TWinControl* control) const {
    auto it = std::find(m_winControls.begin(), m_winControls.end(), control);
    if (it == m_winControls.end()) return win::HWND_TOP;
    for (++it; it != m_winControls.end(); ++it)
        if ((*it)->HandleAllocated()) return (*it)->m_handle;
    return win::HWND_TOP;
}

void TWinControl::Broadcast(TMessage& message) {
    // Indexes, not iterators: a handler may take a control out of the list.
    for (int i = 0; i < ControlCount(); ++i) {
        Controls(i)->WndProc(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(win::UINT msg) {
    TMessage message{msg, 0, 0, 0};
    Broadcast(message);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    FixupTabList();
    if (HandleAllocated()) UpdateBounds();
    Realign();
}

// ---- Tab order ----

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->m_tabList;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int tabOrder) {
    if (ComponentState().Contains(csLoading)) {
        // Siblings stored further down do not exist yet: the order is put right once all are read.
        m_storedTabOrder = tabOrder;
        return;
    }
    if (!Parent()) return;
    auto& list = Parent()->m_tabList;
    const int current = TabOrder();
    if (current < 0) return;
    const int last = static_cast<int>(list.size()) - 1;
    const int wanted = std::clamp(tabOrder, 0, last);
    if (wanted == current) return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + wanted, this);
}

void TWinControl::FixupTabList() {
    const bool anyStored = std::any_of(m_tabList.begin(), m_tabList.end(),
                                       [](const TWinControl* c) { return c->m_storedTabOrder >= 0; });
    if (!anyStored) return;
    std::stable_sort(m_tabList.begin(), m_tabList.end(), [](const TWinControl* a, const TWinControl* b) {
        const int ka = a->m_storedTabOrder >= 0 ? a->m_storedTabOrder : INT_MAX;
        const int kb = b->m_storedTabOrder >= 0 ? b->m_storedTabOrder : INT_MAX;
        return ka < kb;
    });
    for (TWinControl* child : m_tabList) child->m_storedTabOrder = -1;
}

void TWinControl::SetTabStop(bool tabStop) {
    if (m_tabStop == tabStop) return;
    m_tabStop = tabStop;
    SetStyleBit(win::WS_TABSTOP, tabStop);
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::SetCtl3D(bool ctl3D) {
    if (m_ctl3D == ctl3D) return;
    m_ctl3D = ctl3D;
    m_parentCtl3D = false;
    Ctl3DChanged();
}

void TWinControl::SetParentCtl3D(bool parentCtl3D) {
    if (m_parentCtl3D == parentCtl3D) return;
    m_parentCtl3D = parentCtl3D;
    // Every container of ours draws in 3D, so following the parent means 3D.
    if (parentCtl3D && !m_ctl3D) {
        m_ctl3D = true;
        Ctl3DChanged();
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* child : m_tabList) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    const int count = static_cast<int>(list.size());
    if (count == 0) return nullptr;
    const auto found = std::find(list.begin(), list.end(), current);
    int index = found == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
    for (int step = 0; step < count; ++step) {
        index = goForward ? (index + 1) % count : (index + count - 1) % count;
        TWinControl* candidate = list[static_cast<std::size_t>(index)];
        if (candidate == current) return nullptr;
        if (checkTabStop && !candidate->TabStop()) continue;
        if (checkParent && candidate->Parent() != this) continue;
        if (candidate->CanFocus()) return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

// ---- Focus ----

bool TWinControl::Focused() const {
    return m_handle && win::GetFocus() == m_handle;
}

bool TWinControl::CanFocus() const {
    for (const TWinControl* control = this; control->Parent(); control = control->Parent())
        if (!control->Visible() || !control->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation(msg::SCannotFocus);
    win::SetFocus(Handle());
}

TWinControl* TWinControl::TopControl() {
    TWinControl* top = this;
    while (top->Parent()) top = top->Parent();
    return top;
}

bool TWinControl::SetFocusedControl(TWinControl* control) {
    if (m_focusedControl == control) return true;
    TWinControl* previous = m_focusedControl;
    m_focusedControl = control;
    // The controls the focus leaves: the old one and its parents up to the first that also holds the new one.
    TWinControl* common = previous;
    while (common && !common->ContainsControl(control)) {
        TWinControl* next = common->Parent();
        common->Perform(CM_EXIT);
        if (m_focusedControl != control) return false;
        common = next;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<win::LPARAM>(control));
    if (m_focusedControl != control) return false;
    // The controls it enters, outermost first.
    std::vector<TWinControl*> entered;
    for (TWinControl* c = control; c && c != common && c != this; c = c->Parent()) entered.push_back(c);
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
        (*it)->Perform(CM_ENTER);
        if (m_focusedControl != control) return false;
    }
    return true;
}

void TWinControl::ForgetFocusIn(const TControl* control) {
    TWinControl* top = TopControl();
    for (const TControl* c = top->m_focusedControl; c; c = c->Parent()) {
        if (c == control) {
            top->m_focusedControl = nullptr;
            return;
        }
    }
}

void TWinControl::CMEnter(TMessage&) {
    DoEnter();
}
void TWinControl::CMExit(TMessage&) {
    DoExit();
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::CMFocusChanged(TCMFocusChanged& message) {
    Broadcast(message.Message());
}
void TWinControl::CMDialogKey(TCMDialogKey& message) {
    Broadcast(message.Message());
}
void TWinControl::CMDialogChar(TCMDialogChar& message) {
    Broadcast(message.Message());
}

// ---- Alignment ----

void TWinControl::EnableAlign() {
    if (m_alignLevel > 0) --m_alignLevel;
    if (m_alignLevel == 0 && ControlState().Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::AlignControl(TControl* control) {
    const TComponentState state = ComponentState();
    if (state.Contains(csLoading) || state.Contains(csDestroying) || m_alignLevel > 0) {
        // Done once loading ends or the outer alignment returns.
        IncludeState(csAlignmentNeeded);
        return;
    }
    ++m_alignLevel;
    const ScopeExit level([this] { --m_alignLevel; });
    TRect rect = ClientRect();
    AlignControls(control, rect);
    ExcludeState(csAlignmentNeeded);
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
    AdjustClientRect(rect);
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) PlaceAligned(align, rect, control);
}

// Places every visible child of one alignment in the order of its position along that edge, and takes the
// room it needs off `rect`. The control that asked for the alignment goes first among equals, so that a
// control moved onto another's place goes before it.
void TWinControl::PlaceAligned(TAlign align, TRect& rect, TControl* requester) {
    const auto before = [align](const TControl* a, const TControl* b) {
        switch (align) {
        case alBottom:
            return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft:
            return a->Left() < b->Left();
        case alRight:
            return a->Left() + a->Width() > b->Left() + b->Width();
        default:
            return a->Top() < b->Top();
        }
    };
    const auto takes = [align](const TControl* c) { return c && c->Align() == align && c->Visible(); };
    std::vector<TControl*> aligned;
    if (takes(requester) && requester->Parent() == this) aligned.push_back(requester);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (control == requester || !takes(control)) continue;
        auto at = std::find_if(aligned.begin(), aligned.end(),
                               [&](const TControl* c) { return before(control, c); });
        aligned.insert(at, control);
    }
    for (TControl* control : aligned) {
        const int width = std::max<int>(0, rect.right - rect.left);
        const int height = std::max<int>(0, rect.bottom - rect.top);
        switch (align) {
        case alTop:
            control->SetBounds(rect.left, rect.top, width, control->Height());
            rect.top += control->Height();
            break;
        case alBottom:
            control->SetBounds(rect.left, rect.bottom - control->Height(), width, control->Height());
            rect.bottom -= control->Height();
            break;
        case alLeft:
            control->SetBounds(rect.left, rect.top, control->Width(), height);
            rect.left += control->Width();
            break;
        case alRight:
            control->SetBounds(rect.right - control->Width(), rect.top, control->Width(), height);
            rect.right -= control->Width();
            break;
        default:
            control->SetBounds(rect.left, rect.top, width, height);
            break;
        }
    }
}

} // namespace gl
