// The popup menu: the platform's menu runs its own loop, so the tests queue
// the input the menu will read, or close it from a timer.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"
#include "toolkit/popup_menu.h"
#include "toolkit/timer.h"

namespace vd {
namespace {

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 200, 150);
        form->Show();
        menu = new TPopupMenu(form);
        for (const char* caption : {"Open", "-", "Check", "Remove"})
            menu->Add(caption, [this](TObject* sender) {
                ran += static_cast<TMenuItem*>(sender)->Caption + ";";
            });
        test::Pump();
    }
    void TearDown() override {
        delete form;
        test::Pump();
    }
    void Key(WORD vk) { PostMessageW(form->Handle(), WM_KEYDOWN, vk, 0); }

    TForm* form = nullptr;
    TPopupMenu* menu = nullptr;
    std::string ran;
};

TEST_F(PopupMenuTest, ChosenItemRunsItsHandlerAfterTheMenuCloses) {
    int popups = 0;
    menu->OnPopup = [&](TObject*) { ++popups; };
    menu->SetPopupComponent(form);
    Key(VK_DOWN);  // Open
    Key(VK_DOWN);  // Check (the line is skipped)
    Key(VK_RETURN);
    menu->Popup(150, 160);
    EXPECT_EQ(ran, "Check;");
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu->PopupPoint().X, 150);
    EXPECT_EQ(menu->PopupPoint().Y, 160);
    EXPECT_EQ(menu->PopupComponent(), form);

    // A disabled item cannot be chosen.
    menu->Item(0)->Enabled = false;
    Key(VK_DOWN);
    Key(VK_RETURN);
    Key(VK_ESCAPE);  // in case the menu stays open
    menu->Popup(150, 160);
    EXPECT_EQ(ran, "Check;");
}

TEST_F(PopupMenuTest, MenuClosedFromATimerRunsNothing) {
    TTimer timer(nullptr);
    timer.SetInterval(50);
    int ticks = 0;
    timer.SetOnTimer([&](TObject*) {
        if (++ticks == 2) EndMenu();  // the menu's loop serves the timer meanwhile
    });
    Key(VK_DOWN);  // an item highlighted, not chosen
    menu->Popup(150, 160);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(ran, "");
}

}  // namespace
}  // namespace vd
