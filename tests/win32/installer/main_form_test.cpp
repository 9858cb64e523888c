// The main form with the real services and the setup program's resources.
#include "installer/uMain.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "controls/xp_check_box.h"
#include "controls/xp_check_tree.h"
#include "controls/xp_color_memo.h"
#include "controls/xp_combo_box.h"
#include "controls/xp_edit.h"
#include "controls/xp_panel.h"
#include "controls/xp_png_btn.h"
#include "core/text.h"
#include "toolkit/application.h"
#include "toolkit/label.h"

namespace {

std::string Narrow(const wchar_t* w) {
  std::wstring s(w);
  return vd::Utf16ToUtf8(std::u16string(s.begin(), s.end()));
}

// The user's temporary folder of Windows 7 and later. Wine does not create
// it; the tests make it, as every Windows profile has it, so that the form
// keeps it instead of falling back to the roomiest other drive (in Wine, the
// host's root).
std::string UserTempFolder() {
  wchar_t buf[MAX_PATH];
  SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buf);
  std::wstring temp = std::wstring(buf) + L"\\Temp";
  CreateDirectoryW(temp.c_str(), nullptr);
  return Narrow(temp.c_str()) + "\\";
}

std::string RoamingPath() {
  wchar_t buf[MAX_PATH];
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, buf);
  return vd::IncludeTrailingBackslash(Narrow(buf));
}

int64_t FileSize(const std::string& path) {
  std::u16string w = vd::Utf8ToUtf16(path);
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExW(reinterpret_cast<const wchar_t*>(w.c_str()), GetFileExInfoStandard, &d)) return -1;
  return (static_cast<int64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
}

int64_t ResourceSize(const wchar_t* type, const wchar_t* name) {
  HRSRC r = FindResourceW(nullptr, name, type);
  return r ? SizeofResource(nullptr, r) : -1;
}

void ExpectBounds(vd::TControl* c, int l, int t, int w, int h) {
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Left(), l) << c->Name();
  EXPECT_EQ(c->Top(), t) << c->Name();
  EXPECT_EQ(c->Width(), w) << c->Name();
  EXPECT_EQ(c->Height(), h) << c->Name();
}

class MainForm : public ::testing::Test {
 protected:
  void SetUp() override {
    temp_ = UserTempFolder();
    form_ = new vd::TFrm_MainysInstall(nullptr);
  }
  void TearDown() override { delete form_; }
  vd::TFrm_MainysInstall* form_ = nullptr;
  std::string temp_;
};

TEST_F(MainForm, CreationSettlesTheFoldersFromTheMachine) {
  const vd::TFrm_MainysInstall& f = *form_;
  EXPECT_TRUE(f.FIsVista);  // Wine reports Windows 7 or later
  EXPECT_EQ(f.FPageIndex, 0);
  EXPECT_EQ(f.FSlideIndex, 0);
  EXPECT_TRUE(vd::SameTextAscii(f.FProgramFilesDir, "C:\\Program Files\\")) << f.FProgramFilesDir;
  // The user's temporary folder has room, so it is kept.
  EXPECT_TRUE(vd::SameTextAscii(f.FTempFolder, temp_)) << f.FTempFolder << " " << temp_;
  EXPECT_EQ(f.FPackageFile, f.FTempFolder + "vedaruv.bin");
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(f.FSlideFiles[i], f.FTempFolder + "_mps" + std::to_string(i) + ".jpg");
  EXPECT_EQ(f.FInstallDir, f.FProgramFilesDir + "ZarIrovid\\");
  EXPECT_TRUE(vd::SameTextAscii(f.FUserDataDir, RoamingPath() + "ZarIrovid\\userdata\\")) << f.FUserDataDir;
  EXPECT_TRUE(vd::SameTextAscii(f.FProfilesDir, RoamingPath() + "ZarIrovid\\profiles\\")) << f.FProfilesDir;
  EXPECT_FALSE(f.Btn_Next->Enabled());
}

TEST_F(MainForm, ControlsSitWhereTheLayoutPutsThem) {
  ExpectBounds(form_, form_->Left(), form_->Top(), 558, 390);
  ExpectBounds(form_->Area_Title, 0, 0, 558, 29);
  ExpectBounds(form_->Title_Border_Left, 0, 0, 4, 29);
  ExpectBounds(form_->Title_Border_Right, 553, 0, 5, 29);
  ExpectBounds(form_->LogoView, 6, 7, 16, 16);
  ExpectBounds(form_->sTitle, 27, 9, 150, 12);
  ExpectBounds(form_->Btn_Min, 485, 1, 30, 19);
  ExpectBounds(form_->Btn_Close, 515, 1, 34, 19);
  ExpectBounds(form_->Wnd_Border_Left, 0, 29, 1, 330);
  ExpectBounds(form_->Wnd_Border_Right, 557, 29, 1, 330);
  ExpectBounds(form_->Area_Bottom, 0, 359, 558, 31);
  ExpectBounds(form_->Bottom_Border_Left, 0, 0, 5, 31);
  ExpectBounds(form_->Bottom_Border_Right, 553, 0, 5, 31);
  ExpectBounds(form_->Btn_Prev, 357, 5, 60, 21);
  ExpectBounds(form_->Btn_Next, 421, 5, 60, 21);
  ExpectBounds(form_->Btn_Install, 421, 5, 60, 21);
  ExpectBounds(form_->Btn_Cancel, 486, 5, 60, 21);
  ExpectBounds(form_->Btn_Finished, 486, 5, 60, 21);
  for (int i = 0; i <= 4; ++i) ExpectBounds(form_->PagePanel(i), 1, 29, 556, 330);
  ExpectBounds(form_->Btn_SelectPath, 446, 153, 69, 22);
  EXPECT_EQ(form_->Btn_SelectPath->Parent(), form_->Page_InstallPath);
  EXPECT_EQ(form_->PagePanel(5), nullptr);
  EXPECT_EQ(form_->sTitle->Caption(), "Vadode播放器 安装向导");
  EXPECT_EQ(form_->Caption(), "Vadode播放器安装");
}

TEST_F(MainForm, ShowingLoadsTheSkinShapesCentresAndExports) {
  // A stale, longer package from an earlier run is replaced.
  {
    std::u16string w = vd::Utf8ToUtf16(form_->FPackageFile);
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(w.c_str()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    std::string junk(static_cast<size_t>(ResourceSize(L"DBFILE", L"IDATA")) + 999, 'j');
    DWORD put;
    WriteFile(h, junk.data(), static_cast<DWORD>(junk.size()), &put, nullptr);
    CloseHandle(h);
  }
  form_->Show();

  // Skin: every panel holds its picture, every button its strip.
  EXPECT_EQ(form_->Area_Title->BackgroundOptions().Picture().Width(), 1);
  EXPECT_EQ(form_->Area_Title->BackgroundOptions().Picture().Height(), 29);
  EXPECT_EQ(form_->Page_License->BackgroundOptions().Picture().Height(), 328);
  EXPECT_EQ(form_->Page_Finished->BackgroundOptions().Picture().Height(), 328);
  EXPECT_EQ(form_->Page_Process->BackgroundOptions().Picture().Height(), 329);
  EXPECT_EQ(form_->Bottom_Border_Right->BackgroundOptions().Picture().Width(), 5);
  EXPECT_EQ(form_->Btn_Close->PngImg().Width(), 136);
  EXPECT_EQ(form_->Btn_Finished->PngImg().Width(), 240);
  EXPECT_EQ(form_->Btn_SelectPath->PngImg().Width(), 276);
  EXPECT_EQ(form_->Btn_SelectPath->Width(), 69);
  EXPECT_EQ(form_->Btn_Next->Width(), 60);  // loading in place keeps the size

  // Shape and place.
  HWND h = form_->Handle();
  RECT r;
  GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 558);
  EXPECT_EQ(r.bottom - r.top, 390);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 558) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 390) / 2);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(h, rgn), ERROR);
  EXPECT_FALSE(PtInRegion(rgn, 0, 0));
  EXPECT_TRUE(PtInRegion(rgn, 279, 195));
  DeleteObject(rgn);

  // Exports: the package (replacing the stale one) and the four slides.
  EXPECT_EQ(FileSize(form_->FPackageFile), ResourceSize(L"DBFILE", L"IDATA"));
  const wchar_t* slides[] = {L"IPIC1", L"IPIC2", L"IPIC3", L"IPIC4"};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_GT(FileSize(form_->FSlideFiles[i]), 1000);
    EXPECT_EQ(FileSize(form_->FSlideFiles[i]), ResourceSize(L"JPGFILE", slides[i - 1]));
  }

  // Page 0 with Next (disabled) and Cancel in the bar.
  EXPECT_TRUE(form_->Page_License->Visible());
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(form_->PagePanel(i)->Visible()) << i;
  EXPECT_EQ(form_->Btn_Next->Parent(), form_->Area_Bottom);
  EXPECT_TRUE(form_->Btn_Next->Visible());
  EXPECT_FALSE(form_->Btn_Next->Enabled());
  EXPECT_EQ(form_->Btn_Cancel->Parent(), form_->Area_Bottom);
  EXPECT_TRUE(form_->Btn_Cancel->Visible());
  for (vd::TXPPngBtn* b : {form_->Btn_Prev, form_->Btn_Install, form_->Btn_Finished}) {
    EXPECT_EQ(b->Parent(), form_);
    EXPECT_FALSE(b->Visible());
  }

  // The shipped string table keeps the built-in portal.
  EXPECT_FALSE(form_->FCustomPortal);
  EXPECT_EQ(form_->FPortalHost, "");
}

TEST_F(MainForm, ButtonTableOfTheLaterPages) {
  form_->Show();
  form_->FPageIndex = 3;
  form_->ShowPage();
  EXPECT_TRUE(form_->Page_FileRelation->Visible());
  EXPECT_FALSE(form_->Page_License->Visible());
  EXPECT_EQ(form_->Btn_Prev->Parent(), form_->Area_Bottom);
  EXPECT_FALSE(form_->Btn_Prev->Enabled());
  EXPECT_EQ(form_->Btn_Install->Parent(), form_);
  EXPECT_FALSE(form_->Btn_Install->Visible());
  form_->FPageIndex = 4;
  form_->ShowPage();
  EXPECT_EQ(form_->Btn_Finished->Parent(), form_->Area_Bottom);
  EXPECT_TRUE(form_->Btn_Finished->Visible());
  for (vd::TXPPngBtn* b : {form_->Btn_Next, form_->Btn_Prev, form_->Btn_Install, form_->Btn_Cancel}) {
    EXPECT_FALSE(b->Visible());
    EXPECT_EQ(b->Parent(), form_);
  }
  form_->FPageIndex = 5;  // beyond the last page: nothing changes
  form_->ShowPage();
  EXPECT_TRUE(form_->Page_Finished->Visible());
}

TEST_F(MainForm, TabGoesThroughThePageThenTheBarInReadingOrder) {
  vd::TFrm_MainysInstall& f = *form_;
  f.Show();
  using Seq = std::vector<vd::TControl*>;
  EXPECT_EQ(f.TabSequence(), (Seq{f.Memo_License, f.Check_Agree, f.Btn_Cancel}));  // Next disabled
  // Enter presses the forward button only when it is enabled.
  EXPECT_FALSE(f.DialogKey(VK_RETURN));
  EXPECT_EQ(f.FPageIndex, 0);
  f.Check_Agree->SetChecked(true);
  EXPECT_TRUE(f.DialogKey(VK_RETURN));
  EXPECT_EQ(f.FPageIndex, 1);
  // The buttons came back to the bar in another order than they stand in.
  EXPECT_EQ(f.TabSequence(), (Seq{f.Edt_InstallPath, f.Btn_SelectPath, f.Btn_Prev, f.Btn_Install, f.Btn_Cancel}));
  f.FPageIndex = 3;
  f.ShowPage();
  EXPECT_EQ(f.TabSequence(), (Seq{f.Mode_FileRelation, f.FileTypeTree, f.Btn_Next, f.Btn_Cancel}));
  f.FPageIndex = 4;
  f.ShowPage();
  EXPECT_EQ(f.TabSequence(), (Seq{f.Check_LinkDeskTop, f.Check_LinkTask, f.Check_RunApp, f.Check_SetStartPage,
                                  f.Btn_Finished}));
  EXPECT_FALSE(f.DialogKey(VK_ESCAPE));  // no Cancel on the last page
}

TEST_F(MainForm, RightButtonOnTheTitleDoesNotMoveTheWindow) {
  form_->Show();
  RECT before, after;
  GetWindowRect(form_->Handle(), &before);
  form_->Area_TitleMouseDown(form_->Area_Title, vd::TMouseButton::mbRight, 0, 10, 10);
  GetWindowRect(form_->Handle(), &after);
  EXPECT_EQ(before.left, after.left);
  EXPECT_EQ(before.top, after.top);
}

TEST_F(MainForm, MinimiseButtonMinimisesTheApplication) {
  vd::TApplication& app = vd::Application();
  if (!app.MainForm()) app.SetMainForm(form_);
  ASSERT_EQ(app.MainForm(), form_);
  form_->Show();
  ASSERT_FALSE(IsIconic(form_->Handle()));
  form_->Btn_Min->OnClick(form_->Btn_Min);
  EXPECT_TRUE(IsIconic(form_->Handle()));
  app.Restore();
}

TEST_F(MainForm, CloseAndCancelEndTheMessageLoop) {
  vd::TApplication& app = vd::Application();
  if (!app.MainForm()) app.SetMainForm(form_);
  form_->Show();
  form_->Btn_Cancel->OnClick(form_->Btn_Cancel);
  EXPECT_TRUE(app.Terminated());
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
}

}  // namespace
