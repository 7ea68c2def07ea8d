// TCustomMemo and TMemo: the multi-line edit, and TMemoStrings, its lines as a string list that works
// directly on the platform control's text (on the control's own text while it has no window).
#pragma once

#include "framework/controls/StdCtrlsEdit.h"
#include "framework/core/Strings.h"

#include <memory>

namespace gl {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo;

class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo& memo) : m_memo(memo) {}
    std::string ClassName() const override { return "TMemoStrings"; }

    // The platform's line count, less an empty last line (the one after a trailing line break).
    int Count() const override;
    // Inserts at Count() as Insert does, in one message to the window (its own append), so that adding the
    // rows of a large conversion does not query the line table for each one.
    int AddObject(const std::string& text, TObjectWord object) override;
    // At index Count() (which Add uses) the line lands after a trailing break and keeps one; after text
    // without a trailing break, the break comes first. Goes through the platform's replace-selection, so the
    // memo reports one change and the view scrolls to the new line.
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;
    // The memo's whole text.
    std::string Text() const override;
    // Line breaks become CR LF; the same text changes nothing. EInvalidOperation "Text exceeds memo capacity"
    // when the platform refuses it (the text then stays as it was).
    void SetText(const std::string& text) override;

protected:
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    void SetUpdateState(bool updating) override;

private:
    TCustomMemo& m_memo;
};

class TCustomMemo : public TCustomEdit {
public:
    const MessageTable& Messages() const override;
    // 185 × 89, AutoSize off, WordWrap and WantReturns on, WantTabs off, no scroll bars.
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;
    std::string ClassName() const override { return "TCustomMemo"; }

    TStrings* Lines() const { return m_lines.get(); }
    void SetLines(const TStrings* lines) { m_lines->Assign(lines); }

    // Changing any of these makes the window again (text and modified flag kept).
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle scrollBars);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    // Enter inserts a line break (otherwise it goes to the dialog: the default button).
    bool WantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool wantReturns) { m_wantReturns = wantReturns; }
    // Tab inserts a tab character (otherwise it moves the focus).
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool wantTabs) { m_wantTabs = wantTabs; }

    // The caret: x its byte offset in its line, y the line, both from 0.
    TPoint CaretPos();
    void SetCaretPos(TPoint position);

    void WMGetDlgCode(TMessage& message);

protected:
    void CreateParams(TCreateParams& params) override;
    void KeyPress(char32_t& key) override;

private:
    std::unique_ptr<TMemoStrings> m_lines;
    TAlignment m_alignment = taLeftJustify;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wordWrap = true;
    bool m_wantReturns = true;
    bool m_wantTabs = false;
};

class TMemo : public TCustomMemo {
public:
    using TCustomMemo::TCustomMemo;
    std::string ClassName() const override { return "TMemo"; }
};

} // namespace gl
