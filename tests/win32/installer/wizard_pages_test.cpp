// The wizard's pages on the real main form: where the inputs sit, the
// licence tick, the install-folder step, the association presets and the
// extraction host.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/xp_check_box.h"
#include "controls/xp_check_tree.h"
#include "controls/xp_color_memo.h"
#include "controls/xp_combo_box.h"
#include "controls/xp_edit.h"
#include "controls/xp_group_box.h"
#include "controls/xp_panel.h"
#include "controls/xp_png_btn.h"
#include "controls/xp_progress_bar.h"
#include "controls/xp_slideshow.h"
#include "core/wide.h"
#include "installer/license_text.h"
#include "installer/rules/file_types.h"
#include "installer/uMain.h"
#include "system/folders.h"
#include "toolkit/label.h"

namespace vd {
namespace {

class WizardPages : public ::testing::Test {
protected:
  void SetUp() override { form_ = new TFrm_MainysInstall(nullptr); }
  void TearDown() override { delete form_; }
  TFrm_MainysInstall* form_ = nullptr;
};

TEST_F(WizardPages, InputsSitOnTheirPages) {
  TFrm_MainysInstall& f = *form_;
  struct Place {
    TControl* control;
    TWinControl* parent;
    int left, top, width, height;
  };
  const Place places[] = {
      {f.Memo_License, f.Page_License, 195, 86, 351, 163},
      {f.Check_Agree, f.Page_License, 195, 260, 212, 17},
      {f.Btn_SelectPath, f.Page_InstallPath, 446, 153, 69, 22},
      {f.Process_Show, f.Page_Process, 57, 93, 441, 16},
      {f.XPSlideShow, f.Page_Process, 27, 123, 503, 186},
      {f.Group_FileRelation, f.Page_FileRelation, 46, 99, 466, 198},
      {f.FileTypeTree, f.Group_FileRelation, 3, 2, 461, 194},
      {f.Check_RunApp, f.Page_Finished, 209, 143, 180, 17},
  };
  for (const Place& p : places) {
    EXPECT_EQ(p.control->Parent(), p.parent) << p.control->Name();
    EXPECT_EQ(p.control->BoundsRect(), Bounds(p.left, p.top, p.width, p.height)) << p.control->Name();
  }
  EXPECT_EQ(f.Edt_InstallPath->Parent(), f.Page_InstallPath);
  EXPECT_EQ(f.Edt_InstallPath->Left(), 51);
  EXPECT_EQ(f.Mode_FileRelation->Parent(), f.Page_FileRelation);

  // Labels: transparent, sized to their text, "宋体" -12, titles bold.
  for (TLabel* l : {f.T_Welcome, f.LPath_2, f.L_FileRelation, f.T_Finished}) {
    EXPECT_TRUE(l->Transparent()) << l->Name();
    EXPECT_GT(l->Width(), 40) << l->Name();
    EXPECT_EQ(l->Font().Name(), "宋体");
    EXPECT_EQ(l->Font().Height(), -12);
  }
  EXPECT_TRUE(f.T_Welcome->Font().Style() & fsBold);
  EXPECT_FALSE(f.LPath_2->Font().Style() & fsBold);
  EXPECT_NE(f.LPath_2->Caption().find("”  到"), std::string::npos);  // two blanks before 到
  EXPECT_EQ(f.L_FileRelation->Caption().back(), ' ');

  EXPECT_EQ(f.Memo_License->Text(), LoadLicenseText());
  EXPECT_EQ(f.Mode_FileRelation->ItemIndex(), 0);
  EXPECT_EQ(f.FileTypeTree->NodeCount(), kFileTypeNodeCount);
  EXPECT_EQ(f.Process_Show->Font().Name(), f.Font().Name());  // the window's font, not the page's
  EXPECT_FALSE(f.Check_Agree->Checked());
  EXPECT_TRUE(f.Check_LinkDeskTop->Checked());
  EXPECT_FALSE(f.Check_LinkTask->Checked());
  EXPECT_TRUE(f.Check_RunApp->Checked() && f.Check_SetStartPage->Checked());
  EXPECT_EQ(f.Edt_InstallPath->Text(), f.FProgramFilesDir + "ZarIrovid\\");
  EXPECT_EQ(f.LPath_6->Caption().rfind("可用空间：", 0), 0u);
  EXPECT_EQ(f.LPath_6->Caption().substr(f.LPath_6->Caption().size() - 3), " GB");
}

TEST_F(WizardPages, TheLicenceTickDrivesNext) {
  form_->Show();
  form_->Check_Agree->SetChecked(true);
  EXPECT_TRUE(form_->Btn_Next->Enabled());
  form_->ShowPage();  // showing the page again keeps what the tick gave
  EXPECT_TRUE(form_->Btn_Next->Enabled());
  form_->Check_Agree->SetChecked(false);
  EXPECT_FALSE(form_->Btn_Next->Enabled());
}

TEST_F(WizardPages, InstallTakesTheFolderAndAPackageErrorLeavesPage2WithCancel) {
  form_->Show();
  // Older Windows: userdata and profiles follow the typed folder, which the
  // check before the extraction creates.
  form_->FIsVista = false;
  form_->FPageIndex = 1;
  const std::string base = form_->FTempFolder + "vd-pages-test\\";
  const std::string dir = base + "Apps\\Player\\";
  form_->Edt_InstallPath->SetText("  " + base + "Apps\\Player ");
  // A package that is not one: creating the worker raises.
  std::string junk(300, 'j');
  HANDLE h = CreateFileW(Wide(form_->FPackageFile).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD put;
  WriteFile(h, junk.data(), static_cast<DWORD>(junk.size()), &put, nullptr);
  CloseHandle(h);
  EXPECT_ANY_THROW(form_->Btn_InstallClick(form_->Btn_Install));
  EXPECT_EQ(form_->FInstallDir, dir);
  EXPECT_EQ(form_->FUserDataDir, dir + "userdata\\");
  EXPECT_EQ(form_->FProfilesDir, dir + "profiles\\");
  EXPECT_EQ(form_->FPageIndex, 2);
  EXPECT_TRUE(form_->Page_Process->Visible());
  EXPECT_FALSE(form_->Btn_Prev->Enabled());
  EXPECT_FALSE(form_->Btn_Install->Enabled());
  EXPECT_TRUE(form_->Btn_Cancel->Visible() && form_->Btn_Cancel->Enabled());
  // Made and written by the check, the probe file removed again.
  EXPECT_TRUE(FolderExists(dir));
  EXPECT_TRUE(RemoveDirectoryW(Wide(dir).c_str()));
  RemoveDirectoryW(Wide(base + "Apps\\").c_str());
  RemoveDirectoryW(Wide(base).c_str());
}

int CheckedTypes(TXPCheckTree& tree, std::string* unchecked) {
  int n = 0;
  for (int i = 0; i < tree.NodeCount(); ++i) {
    if (tree.NodeAt(i)->HasChildren()) continue;
    if (tree.GetItemState(i) == csChecked) ++n;
    else *unchecked += ExtractExtension(tree.NodeAt(i)->Text());
  }
  return n;
}

TEST_F(WizardPages, PresetsAndTheModeListReapplyingOnClose) {
  form_->Show();
  TXPCheckTree& tree = *form_->FileTypeTree;
  form_->SelectRecommendedTypes();
  std::string left;
  EXPECT_EQ(CheckedTypes(tree, &left), 26);
  EXPECT_EQ(left, ".ogm.3gpp.3g2.ape.ogg.amr.vob.d2v.pmp");
  EXPECT_EQ(tree.GetItemState(4), csChecked);           // 高清视频
  EXPECT_EQ(tree.GetItemState(0), csPartiallyChecked);  // 常规视频
  // A hand-made change is undone by closing the list on the same choice.
  tree.SetItemState(1, csUnchecked);
  form_->Mode_FileRelationCloseUp(form_->Mode_FileRelation);
  EXPECT_EQ(tree.GetItemState(1), csChecked);
  form_->Mode_FileRelation->SetItemIndex(amAll);
  form_->Mode_FileRelationCloseUp(form_->Mode_FileRelation);
  left.clear();
  EXPECT_EQ(CheckedTypes(tree, &left), 35);
  form_->Mode_FileRelation->SetItemIndex(amNone);
  form_->Mode_FileRelationCloseUp(form_->Mode_FileRelation);
  left.clear();
  EXPECT_EQ(CheckedTypes(tree, &left), 0);
  for (int i = 0; i < tree.NodeCount(); ++i) EXPECT_EQ(tree.GetItemState(i), csUnchecked) << i;
}

TEST_F(WizardPages, EachEntryMovesTheBarAndEveryQuarterStartsASlide) {
  form_->Show();  // exports the slides
  const DWORD start = GetTickCount();
  form_->EntryDone(0);
  EXPECT_EQ(form_->Process_Show->Percent(), 0);
  EXPECT_EQ(form_->FSlideIndex, 1);
  const int style = form_->XPSlideShow->Style();
  EXPECT_GE(style, 1);
  EXPECT_LE(style, 170);
  EXPECT_FALSE(form_->XPSlideShow->Picture().Empty());
  form_->EntryDone(14);
  EXPECT_EQ(form_->Process_Show->Percent(), 24);
  EXPECT_EQ(form_->FSlideIndex, 1);
  form_->EntryDone(15);
  EXPECT_EQ(form_->Process_Show->Percent(), 25);
  EXPECT_EQ(form_->FSlideIndex, 2);
  EXPECT_GE(GetTickCount() - start, 3900u);  // two slides, 2 s each
  form_->XPSlideShow->Stop();
  // Entering page 3 deletes the four slide files.
  form_->FPageIndex = 3;
  form_->ShowPage();
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(FileExists(form_->FSlideFiles[i])) << i;
}

}  // namespace
}  // namespace vd
