// A top-level form. The main form of the application is the one whose
// closing ends the message loop; its window text is the application title,
// which is what the taskbar button shows (the wizard's form is borderless,
// so its own caption is never drawn).
#pragma once
#include "toolkit/win_control.h"

namespace vd {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TForm : public TCustomControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle s);

    // Creates the window if needed, raises OnShow, shows and paints it.
    void Show();
    void Close();
    void SetVisible(bool v) override;
    // The form's own caption (the window text may be the application title).
    std::string Caption() const override { return text_; }
    // The text of the window: the application title for the main form.
    std::string WindowText() const;
    void UpdateWindowText();

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* c);
    // Moves the focus to the next (or previous) focusable control in tab
    // order, depth first, wrapping around; from a control outside the
    // sequence (or none) to the first (or last).
    void SelectNext(TControl* current, bool forward);
    // Every focusable control, windowed or graphic, in tab order.
    std::vector<TControl*> TabSequence() const;
    // The control that has the focus when it lies on this form: a window's
    // focused graphic child, or the window (nullptr: none of ours).
    TControl* FocusedControl() const;

    // Enter or Escape that the focused control leaves to the form (it does
    // not ask for the key in WM_GETDLGCODE); true when handled. The form's
    // default and cancel actions; none by default.
    virtual bool DialogKey(uint16_t key);

    TNotifyEvent OnShow, OnHide;
    // Raised by TForm's destructor, when a derived form's own members are
    // already gone: a handler may only use what TForm itself holds.
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;

protected:
    friend class TWinControl;
    void CreateParams(TCreateParams& params) override;
    // Focus cues start hidden, as in a dialog, unless the user asked to see
    // them always.
    void HandleCreated() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    virtual void DoShow();
    void TextChanged() override { UpdateWindowText(); }
    void ControlRemoved(TControl* c);

private:
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TWinControl* activeControl_ = nullptr;
};

}  // namespace vd
