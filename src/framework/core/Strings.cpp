// The shared behaviour of string lists.
#include "framework/core/Strings.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/StringUtils.h"

namespace gl {

int TStrings::AddObject(const std::string& text, TObjectWord object) {
    const int index = Count();
    InsertObject(index, text, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings) {
    TStringsUpdate update(*this);
    for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Strings(i), strings.Objects(i));
}

void TStrings::InsertObject(int index, const std::string& text, TObjectWord object) {
    Insert(index, text);
    PutObject(index, object);
}

void TStrings::Put(int index, const std::string& text) {
    const TObjectWord object = GetObject(index);
    TStringsUpdate update(*this);
    Delete(index);
    InsertObject(index, text, object);
}

void TStrings::Exchange(int index1, int index2) {
    TStringsUpdate update(*this);
    const std::string text = Strings(index1);
    const TObjectWord object = Objects(index1);
    Put(index1, Strings(index2));
    PutObject(index1, Objects(index2));
    Put(index2, text);
    PutObject(index2, object);
}

void TStrings::Move(int currentIndex, int newIndex) {
    if (currentIndex == newIndex) return;
    TStringsUpdate update(*this);
    const std::string text = Strings(currentIndex);
    const TObjectWord object = Objects(currentIndex);
    Delete(currentIndex);
    InsertObject(newIndex, text, object);
}

int TStrings::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), text) == 0) return i;
    return -1;
}

int TStrings::IndexOfObject(TObjectWord object) const {
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(const std::string& text) {
    if (text == Text()) return;
    TStringsUpdate update(*this);
    Clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        Add(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
}

void TStrings::BeginUpdate() {
    if (m_updateCount == 0) SetUpdateState(true);
    ++m_updateCount;
}

void TStrings::EndUpdate() {
    if (m_updateCount == 0) return;
    if (--m_updateCount == 0) SetUpdateState(false);
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i)) return false;
    return true;
}

void TStrings::Assign(const TPersistent* source) {
    const auto* strings = dynamic_cast<const TStrings*>(source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this) return;
    TStringsUpdate update(*this);
    Clear();
    AddStrings(*strings);
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
    return CompareText(a, b);
}

void TStrings::Error(const char* message, int data) const {
    throw EStringListError(Format(message, data));
}

} // namespace gl
