// Native single-line edit and multi-line memo.
#pragma once
#include "toolkit/native_control.h"

namespace vd {

class TCustomEdit : public TNativeControl {
public:
    explicit TCustomEdit(TComponent* owner);

    std::string Text() const { return Caption(); }
    void SetText(const std::string& s) { SetCaption(s); }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    // Selection in UTF-16 units, as the platform counts.
    int SelStart();
    int SelLength();
    void SetSel(int start, int length);
    void SelectAll() { SetSel(0, -1); }

    // Raised when the text changes (typing or SetText).
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void CommandNotify(unsigned code) override;
    // Without a window there is no EN_CHANGE: raise the change here.
    void TextChanged() override;
    virtual void Change();
    virtual DWORD EditStyle() const { return ES_AUTOHSCROLL; }

private:
    int maxLength_ = 0;
    bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);
    bool WordWrap() const { return wordWrap_; }
    // A change re-creates an existing window (the style is fixed at
    // creation); the text and the focus go over to the new one.
    void SetWordWrap(bool v);
    // Whether Tab types a tab (default false: Tab and Shift+Tab move the
    // focus on) and Enter a line break (default true; false leaves Enter to
    // the form). Escape always stays with the memo.
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool v) { wantTabs_ = v; }
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    // Lines are separated by CR LF in the text. Counts lines as shown: a
    // wrapped paragraph counts once per line, an empty text as one line.
    int LineCount();
    // Length of a line in UTF-16 units, and the line of a character index.
    int LineLength(int line);
    int LineFromChar(int index);
    // The first line shown, and scrolling so that `line` is first (as far as
    // the text goes).
    int TopLine();
    void ScrollToLine(int line);
    // The rectangle the text is laid out and drawn in (client coordinates);
    // `repaint` false leaves the window as it is until its next paint.
    TRect FormattingRect();
    void SetFormattingRect(const TRect& r, bool repaint);

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    DWORD EditStyle() const override;
    // A multi-line edit does not report text set from outside: raise the
    // change here.
    void TextChanged() override;

private:
    bool wordWrap_ = true;
    bool wantTabs_ = false;
    bool wantReturns_ = true;
};

}  // namespace vd
