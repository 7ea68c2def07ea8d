// TList: a list of untyped pointers with checked indexes (EListError "List index out of bounds (%d)").
#pragma once

#include "framework/core/Object.h"

#include <functional>
#include <vector>

namespace gl {

class TList : public TObject {
public:
    std::string ClassName() const override { return "TList"; }

    int Count() const { return static_cast<int>(m_items.size()); }
    // Grows with null entries or shrinks; EListError "List count out of bounds (%d)" for a negative count.
    void SetCount(int count);
    int Capacity() const { return static_cast<int>(m_items.capacity()); }
    void SetCapacity(int capacity);

    void* Items(int index) const;
    void SetItems(int index, void* item);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }

    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    // Removes the first entry equal to item; returns its former index or -1.
    int Remove(void* item);
    // Removes item and returns it, or null when it is not in the list.
    void* Extract(void* item);
    int IndexOf(const void* item) const;
    void Clear() { m_items.clear(); }
    void Exchange(int index1, int index2);
    void Move(int currentIndex, int newIndex);
    // Removes the null entries.
    void Pack();
    // compare returns below zero, zero or above zero; equal entries keep no particular order.
    void Sort(const std::function<int(void*, void*)>& compare);

private:
    void Check(int index) const;
    std::vector<void*> m_items;
};

} // namespace gl
