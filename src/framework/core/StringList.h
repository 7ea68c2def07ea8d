// TStringList: a string list that keeps its own entries, optionally sorted without regard to case, with a
// rule for duplicates and change events. OnChanging runs before and OnChange after every change; inside an
// update bracket they run once, at its start and its end.
#pragma once

#include "framework/core/Strings.h"

#include <functional>
#include <vector>

namespace gl {

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
    std::string ClassName() const override { return "TStringList"; }

    int Count() const override { return static_cast<int>(m_items.size()); }
    // In a sorted list the entry goes to its sorted place; an equal entry is then handled by Duplicates
    // (dupIgnore returns the existing index, dupError raises "String list does not allow duplicates").
    int AddObject(const std::string& text, TObjectWord object) override;
    // Not allowed on a sorted list ("Operation not allowed on sorted string list").
    void Insert(int index, const std::string& text) override { InsertObject(index, text, 0); }
    void InsertObject(int index, const std::string& text, TObjectWord object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    int IndexOf(const std::string& text) const override;

    // Binary search of a sorted list: true when found, with index at the first equal entry; otherwise index
    // is where the text would go.
    bool Find(const std::string& text, int& index) const;
    virtual void Sort();
    // compare(list, index1, index2) returns below zero, zero or above zero.
    void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return m_duplicates; }
    void SetDuplicates(TDuplicates duplicates) { m_duplicates = duplicates; }
    bool CaseSensitive() const { return m_caseSensitive; }
    void SetCaseSensitive(bool caseSensitive);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    virtual void Changed();
    virtual void Changing();
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    TObjectWord GetObject(int index) const override;
    void PutObject(int index, TObjectWord object) override;
    void SetUpdateState(bool updating) override;
    int CompareStrings(std::string_view a, std::string_view b) const override;

private:
    struct Item {
        std::string text;
        TObjectWord object = 0;
    };
    void CheckIndex(int index) const;
    void InsertItem(int index, const std::string& text, TObjectWord object);

    std::vector<Item> m_items;
    bool m_sorted = false;
    TDuplicates m_duplicates = dupIgnore;
    bool m_caseSensitive = false;
};

} // namespace gl
