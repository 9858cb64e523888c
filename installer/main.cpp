// Entry of the setup program: the application, its title, the main form and
// the message loop. Closing the main form ends the loop and the program,
// after the files exported into the temporary folder are removed.
#include <windows.h>

#include "installer/uMain.h"
#include "system/message_pump.h"
#include "toolkit/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  vd::TApplication& app = vd::Application();
  vd::TFrm_MainysInstall* form = nullptr;
  try {
    app.Initialize();
    app.SetTitle("Vadode播放器安装程序");
    // The waits that keep the window live during the copy dispatch messages
    // themselves: the keyboard works there as in the message loop.
    vd::SetMessageFilter([](MSG& msg) { return vd::Application().PreTranslateMessage(msg); });
    form = app.CreateForm<vd::TFrm_MainysInstall>();
    app.Run();
  } catch (...) {
    // Window procedures hand their exceptions to the application; what is
    // raised while the form is created or first shown (a skin resource
    // missing from the program) ends up here: show it, then end instead of
    // crashing or running on without a window.
    app.HandleException();
    if (form) form->RemoveTemporaryFiles();
    return 1;
  }
  form->RemoveTemporaryFiles();
  return 0;
}
