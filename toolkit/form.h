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
    // order, depth first, wrapping around.
    void SelectNext(TWinControl* current, bool forward);
    // Every focusable control, in tab order.
    std::vector<TWinControl*> TabSequence() const;

    TNotifyEvent OnShow, OnHide;
    // Raised by TForm's destructor, when a derived form's own members are
    // already gone: a handler may only use what TForm itself holds.
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;

protected:
    friend class TWinControl;
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    virtual void DoShow();
    void TextChanged() override { UpdateWindowText(); }
    void ControlRemoved(TControl* c);

private:
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TWinControl* activeControl_ = nullptr;
};

}  // namespace vd
