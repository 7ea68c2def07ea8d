// TCustomComboBox and TComboBox: the framework's combo box on the platform's COMBOBOX control: items with an
// object word each, the selected index, sorting, the owner-drawn styles with DrawItem, the height of the open
// list, and the events of choosing (OnClick, then OnSelect or OnChange), opening and closing.
// TComboBoxStrings is its item list.
#pragma once

#include "framework/controls/WinControl.h"
#include "framework/core/Set.h"
#include "framework/core/StringList.h"
#include "framework/core/Strings.h"

#include <functional>
#include <memory>

namespace gl {

class TCanvas;
class TCustomComboBox;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

enum TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
    odReserved1,
    odReserved2,
    odComboBoxEdit,
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// Draws item `index` (-1: no item, the closed control's empty face) into `rect` on the control's Canvas.
using TDrawItemEvent =
    std::function<void(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;

class TComboBoxStrings : public TStrings {
public:
    explicit TComboBoxStrings(TCustomComboBox& comboBox);
    std::string ClassName() const override { return "TComboBoxStrings"; }

    int Count() const override;
    // The index the entry got (its sorted place in a sorted box). EOutOfResources "Unable to insert a line"
    // when the platform refuses it.
    int AddObject(const std::string& text, TObjectWord object) override;
    // At the index given, sorted or not.
    void Insert(int index, const std::string& text) override { InsertObject(index, text, 0); }
    void InsertObject(int index, const std::string& text, TObjectWord object) override;
    void Delete(int index) override;
    // Empties the list; an edit field keeps its text.
    void Clear() override;
    // The first entry equal to the text without regard to case, or -1.
    int IndexOf(const std::string& text) const override;

protected:
    std::string Get(int index) const override;
    TObjectWord GetObject(int index) const override;
    void PutObject(int index, TObjectWord object) override;
    void SetUpdateState(bool updating) override;

private:
    friend class TCustomComboBox;

    win::HWND Window() const;
    void CheckIndex(int index) const;
    // Where an entry goes in a sorted list without a window: after those that sort before it or equal it.
    int SortedIndex(const std::string& text) const;
    // Adds the kept entries again, in order: into the new window when there is one (the entries then leave
    // the kept list), otherwise back into the kept list; a sorted box puts each in its place. Returns where
    // the kept entry `selected` went (-1 for none).
    int Reload(int selected);
    // Out of a window that is going away.
    void MoveFromWindow();

    TCustomComboBox& m_comboBox;
    // The entries while the combo box has no window.
    TStringList m_kept;
};

class TCustomComboBox : public TWinControl {
public:
    // 145 × 25, a tab stop, csDropDown, item height 16, eight rows when open, nothing selected.
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;
    std::string ClassName() const override { return "TCustomComboBox"; }

    TStrings* Items() const { return m_items.get(); }
    void SetItems(const TStrings* items) { m_items->Assign(items); }
    // The selected entry or -1. Writing selects without raising any event.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Changing the style or the sorting makes the window again (entries and selection kept).
    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle style);
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    // The height of an entry: the owner-drawn styles draw at this height (a change makes the window again);
    // the others report the platform's.
    int ItemHeight() const;
    void SetItemHeight(int itemHeight);
    // The most entries the open list shows at once.
    int DropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int count) { m_dropDownCount = count; }
    bool DroppedDown() const;
    void SetDroppedDown(bool droppedDown);
    // (The inherited Ctl3D is only stored: the platform's combo box looks the same either way.)

    // What DrawItem draws on: the item's device context while an entry is drawn.
    TCanvas* Canvas() const { return m_canvas.get(); }

    bool OwnerDrawn() const { return m_style == csOwnerDrawFixed || m_style == csOwnerDrawVariable; }
    // The styles with an edit field, whose text the user may type.
    bool HasEditField() const { return m_style == csDropDown || m_style == csSimple; }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    // ---- Typed message handlers ----
    void CNCommand(TWMCommand& message) override;
    void CNDrawItem(TWMDrawItem& message) override;
    void CNMeasureItem(TWMMeasureItem& message) override;
    // The colours of the control's own parts (its list and edit field): the control's Font colour and Color.
    void WMCtlColor(TWMCtlColor& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;

    // The overridable steps; each raises its event after the control's own work.
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    // Draws an entry: OnDrawItem, or the entry's text on a fill of the canvas's brush.
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);
    // The focus mark of an entry, after it is drawn: the platform's inverted dotted rectangle.
    virtual void DrawItemFocus(win::HDC dc, const TRect& rect);

private:
    friend class TComboBoxStrings;

    // Sizes the open list to show DropDownCount entries (fewer when there are fewer).
    void AdjustDropDown();

    std::unique_ptr<TComboBoxStrings> m_items;
    std::unique_ptr<TCanvas> m_canvas;
    TComboBoxStyle m_style = csDropDown;
    bool m_sorted = false;
    int m_itemHeight = 16;
    int m_dropDownCount = 8;
    int m_itemIndex = -1; // kept while there is no window
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
    std::string ClassName() const override { return "TComboBox"; }
};

} // namespace gl
