// The application object: title, forms, the main message loop, processing
// of pending messages, minimising, and the default exception handler, which
// shows the message of an exception that nothing caught in a message box and
// lets the program go on.
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace vd {

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize() {}
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& t);

    // The first form created is the main form unless one is set.
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* f);
    // Creates a form owned by the application.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* f = new T(this, std::forward<Args>(args)...);
        if (!mainForm_) SetMainForm(f);
        return f;
    }

    // Shows the main form and processes messages until Terminate.
    void Run();
    // The keyboard navigation of the forms, before a message is dispatched:
    // Tab and Shift+Tab, Enter and Escape left to the form, accelerators.
    // True when the message was handled (it is then not dispatched). Loops
    // of other code that dispatch our messages call it too.
    bool PreTranslateMessage(MSG& msg);
    // Handles one message, or waits for one when there is none.
    void HandleMessage();
    // Handles every message already waiting, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    void Minimize();
    void Restore();

    // Call inside a catch block: raises OnException, or shows the message.
    void HandleException();
    // Shows an error message box with the application title.
    void ShowException(const std::string& message);
    // Replaces the message box (tests, logging).
    std::function<void(const std::string& message)> OnException;

    DWORD MainThreadId() const { return mainThreadId_; }

    // Internal: forms register themselves.
    void AddForm(TForm* f);
    void RemoveForm(TForm* f);
    // Frees a form once the current message has been handled.
    void ReleaseLater(TForm* f);

private:
    bool ProcessMessage();
    // Tab and the arrow keys show focus cues from then on.
    void NoteNavigationKey(MSG& msg);
    bool IsTabKey(MSG& msg);
    // Enter and Escape that the focused control leaves to its form.
    bool IsDialogKey(MSG& msg);
    bool IsDialogChar(MSG& msg);
    void FreeReleased();

    std::string title_;
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    std::vector<TForm*> released_;
    bool terminated_ = false;
    DWORD mainThreadId_ = 0;
};

// The one application object of the process.
TApplication& Application();

}  // namespace vd
