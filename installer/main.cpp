// Entry of the setup program: the application, its title, the main form and
// the message loop. Closing the main form ends the loop and the program.
#include <windows.h>

#include "installer/uMain.h"
#include "toolkit/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  vd::TApplication& app = vd::Application();
  app.Initialize();
  app.SetTitle("Vadode播放器安装程序");
  app.CreateForm<vd::TFrm_MainysInstall>();
  app.Run();
  return 0;
}
