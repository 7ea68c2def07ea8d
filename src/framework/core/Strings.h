// TStrings: the abstract list of strings, each with an object word. Storage is left to the descendants (the
// string list, the memo's lines, a combo box's items); the shared behaviour lives here: adding, finding
// without regard to case, the text form with CR LF line ends, update brackets and assignment between lists.
#pragma once

#include "framework/core/Persistent.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace gl {

// The word kept with each entry: a number, or an object's address.
using TObjectWord = std::intptr_t;

class TStrings : public TPersistent {
public:
    std::string ClassName() const override { return "TStrings"; }

    virtual int Count() const = 0;
    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& text) { Put(index, text); }
    TObjectWord Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObjectWord object) { PutObject(index, object); }

    // Both return the index the entry got.
    int Add(const std::string& text) { return AddObject(text, 0); }
    virtual int AddObject(const std::string& text, TObjectWord object);
    void AddStrings(const TStrings& strings);
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void InsertObject(int index, const std::string& text, TObjectWord object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int index1, int index2);
    void Move(int currentIndex, int newIndex);
    // The first entry equal to text without regard to case, or -1.
    virtual int IndexOf(const std::string& text) const;
    int IndexOfObject(TObjectWord object) const;

    // Every entry followed by CR LF.
    virtual std::string Text() const;
    // Splits at CR LF, LF or CR; a last line without a line end counts, an empty text gives no entries.
    virtual void SetText(const std::string& text);

    // Changes made between BeginUpdate and the matching EndUpdate are announced once, at the end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

    // Same strings in the same order (objects are not compared).
    bool Equals(const TStrings& other) const;
    // From another list: its strings and objects replace these. Any other source follows the persistent rule.
    void Assign(const TPersistent* source) override;

protected:
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& text);
    virtual TObjectWord GetObject(int) const { return 0; }
    virtual void PutObject(int, TObjectWord) {}
    virtual void SetUpdateState(bool) {}
    virtual int CompareStrings(std::string_view a, std::string_view b) const;
    // Raises EStringListError with message formatted with data.
    [[noreturn]] void Error(const char* message, int data) const;

private:
    int m_updateCount = 0;
};

// Keeps a list in an update bracket for a scope, so that an exception still closes it.
class TStringsUpdate {
public:
    explicit TStringsUpdate(TStrings& strings) : m_strings(strings) { m_strings.BeginUpdate(); }
    ~TStringsUpdate() { m_strings.EndUpdate(); }
    TStringsUpdate(const TStringsUpdate&) = delete;
    TStringsUpdate& operator=(const TStringsUpdate&) = delete;

private:
    TStrings& m_strings;
};

} // namespace gl
