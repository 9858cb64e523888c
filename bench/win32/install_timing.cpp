// Timing of a whole extraction in the real wizard window (run under Wine
// with a display): the main form with the setup program's resources, the
// package replaced by the one given (the full demo payload), Install
// pressed, and the window thread pumping until page 3 shows.
//
//   install_timing.exe PACKAGE INSTALL_FOLDER
//
// Reports, each beside its baseline in the same process:
//   - the time from Install to page 3 against the designed pacing
//     (59 x 200 ms of waits around the entries + 4 x 2 s after the slides);
//   - the peak working set during the extraction against the one after the
//     window showed;
//   - the slideshow's frame rate in the four transitions that run while files
//     are extracted, against the same styles run afterwards with the window
//     thread idle.
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/win32/clock.h"
#include "controls/xp_edit.h"
#include "controls/xp_png_btn.h"
#include "controls/xp_slideshow.h"
#include "core/wide.h"
#include "installer/uMain.h"
#include "toolkit/application.h"

namespace vd {
namespace {

using bench::NowMs;

double PeakWorkingSetMiB() {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof(pmc);
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof(pmc));
  return static_cast<double>(pmc.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// Frames and length of each transition, counted from the control's events.
struct TTransitions {
  std::atomic<int> frames{0};
  double startedAt = 0;
  std::vector<int> styles, frameCounts;
  std::vector<double> lengths;

  void Watch(TXPSlideShow& show) {
    show.OnStart = [this, &show](TObject*, TBitmap&, TBitmap&) {
      frames = 0;
      startedAt = NowMs();
      styles.push_back(show.Style());
    };
    show.OnAfterNewFrame = [this](TObject*, TBitmap&, TBitmap&) { ++frames; };
    show.OnComplete = [this](TObject*) {
      lengths.push_back(NowMs() - startedAt);
      frameCounts.push_back(frames);
    };
  }
  double FramesPerSecond() const {
    double ms = 0;
    int n = 0;
    for (size_t i = 0; i < lengths.size(); ++i) ms += lengths[i], n += frameCounts[i];
    return ms > 0 ? n * 1000.0 / ms : 0;
  }
  void Print(const char* title) const {
    printf("  %s: %.1f frames/s;", title, FramesPerSecond());
    for (size_t i = 0; i < lengths.size(); ++i)
      printf(" style %d %d frames in %.0f ms;", styles[i], frameCounts[i], lengths[i]);
    printf("\n");
  }
};

bool CopyPackage(const std::string& from, const std::string& to) {
  return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != FALSE;
}

}  // namespace
}  // namespace vd

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace vd;
  if (__argc < 3) {
    fprintf(stderr, "usage: install_timing.exe PACKAGE INSTALL_FOLDER\n");
    return 2;
  }
  const std::string package = Narrow(__wargv[1]);
  const std::string folder = Narrow(__wargv[2]);
  TApplication& app = Application();
  app.Initialize();
  app.SetTitle("Vadode播放器安装程序");
  auto* form = new TFrm_MainysInstall(nullptr);
  app.SetMainForm(form);
  form->Show();
  app.ProcessMessages();
  if (!CopyPackage(package, form->FPackageFile)) {
    fprintf(stderr, "cannot copy %s\n", package.c_str());
    return 1;
  }
  const double peakShown = PeakWorkingSetMiB();

  // Install from page 1, then pump until page 3 shows.
  TTransitions during;
  during.Watch(*form->XPSlideShow);
  form->FPageIndex = 1;
  form->Edt_InstallPath->SetText(folder);
  const double t0 = NowMs();
  form->Btn_InstallClick(form->Btn_Install);
  while (form->FPageIndex < 3) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    app.ProcessMessages();
  }
  const double installMs = NowMs() - t0;
  const double peakExtracting = PeakWorkingSetMiB();

  // The same styles with the window thread idle, on the progress page.
  TTransitions idle;
  idle.Watch(*form->XPSlideShow);
  form->FPageIndex = 2;
  form->ShowPage();
  const std::vector<int> styles = during.styles;
  for (size_t i = 0; i < styles.size(); ++i) {
    // The slide files went with page 3: the last slide again, with the
    // style each transition had.
    form->XPSlideShow->SetStyle(styles[i]);
    form->XPSlideShow->Execute();
    while (form->XPSlideShow->Busy()) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
      app.ProcessMessages();
    }
  }

  const double designed = 59 * 200.0 + 4 * 2000.0;
  printf("install timing (package %s)\n", package.c_str());
  printf("  Install to page 3: %.0f ms; designed pacing %.0f ms; difference %+.0f ms\n", installMs, designed,
         installMs - designed);
  printf("  peak working set: %.1f MiB after the extraction; %.1f MiB once the window showed\n", peakExtracting,
         peakShown);
  during.Print("slideshow while extracting");
  idle.Print("same styles, window thread idle");
  fflush(stdout);
  delete form;
  return 0;
}
