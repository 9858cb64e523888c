// The keyboard on a form: tab order over windowed and windowless tab stops,
// focus cues that show once the keyboard is used, Enter and Escape left to
// the form, and a native child's WM_CLOSE that closes nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

namespace vd {
namespace {

using test::Pump;

// A windowless tab stop that notes the keys and focus changes it gets.
class TKeyTarget : public TGraphicControl {
public:
    explicit TKeyTarget(TComponent* owner) : TGraphicControl(owner) { SetTabStop(true); }
    std::vector<uint16_t> keys;
    int focusChanges = 0;

protected:
    void KeyDown(uint16_t& key, TShiftState) override {
        keys.push_back(key);
        if (key == VK_SPACE || key == VK_RETURN) key = 0;
    }
    bool WantsDialogKey(uint16_t key) const override { return key == VK_RETURN; }
    void FocusChanged() override { ++focusChanges; }
};

// A form that records the dialog keys it is left.
class TKeyForm : public TForm {
public:
    TKeyForm() : TForm(nullptr) {
        SetBorderStyle(TFormBorderStyle::bsNone);
        SetBounds(40, 40, 300, 200);
    }
    std::vector<uint16_t> dialogKeys;
    bool DialogKey(uint16_t key) override {
        dialogKeys.push_back(key);
        return true;
    }
};

// Types a key as the keyboard would: queued to the focused window (Shift
// held in the thread's key state) and taken through the application's loop.
void Key(WORD vk, bool shift = false) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    const LPARAM lp = 1 | (static_cast<LPARAM>(MapVirtualKeyW(vk, 0)) << 16);
    HWND to = GetFocus();
    PostMessageW(to, WM_KEYDOWN, vk, lp);
    PostMessageW(to, WM_KEYUP, vk, lp | (1u << 30) | (1u << 31));
    Pump(50);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
}

bool CuesShown(TWinControl& c) { return !(SendMessageW(c.Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS); }

struct KeyboardFixture : ::testing::Test {
    // A control of the form placed on a parent.
    template <class T>
    T* Put(TWinControl* parent, int left, int top, int width, int height) {
        T* c = new T(form);
        c->SetBounds(left, top, width, height);
        c->SetParent(parent);
        return c;
    }
    void SetUp() override {
        form = new TKeyForm();
        page = Put<TPanel>(form, 0, 0, 300, 150);
        bar = Put<TPanel>(form, 0, 150, 300, 50);
        memo = Put<TMemo>(page, 10, 10, 200, 80);
        edit = Put<TEdit>(page, 10, 100, 200, 20);
        back = Put<TKeyTarget>(bar, 10, 10, 60, 20);
        next = Put<TKeyTarget>(bar, 80, 10, 60, 20);
        cancel = Put<TKeyTarget>(bar, 150, 10, 60, 20);
        form->Show();
        SetForegroundWindow(form->Handle());
        Pump(100);
    }
    void TearDown() override { delete form; }

    TKeyForm* form = nullptr;
    TPanel *page = nullptr, *bar = nullptr;
    TMemo* memo = nullptr;
    TEdit* edit = nullptr;
    TKeyTarget *back = nullptr, *next = nullptr, *cancel = nullptr;
};

TEST_F(KeyboardFixture, TabGoesThroughWindowedAndWindowlessStopsSkippingHiddenAndDisabled) {
    EXPECT_FALSE(CuesShown(*form)) << "focus cues start hidden";
    memo->SetFocus();
    Key(VK_TAB);  // a memo gives Tab up unless it wants tabs
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(CuesShown(*form)) << "the keyboard was used";
    EXPECT_TRUE(CuesShown(*bar)) << "the whole window shows cues";
    Key(VK_TAB);
    EXPECT_TRUE(back->Focused());
    EXPECT_TRUE(GetFocus() == bar->Handle()) << "a windowless stop holds the focus through its parent";
    next->SetEnabled(false);
    Key(VK_TAB);
    EXPECT_TRUE(cancel->Focused()) << "a disabled stop is skipped";
    Key(VK_TAB);
    EXPECT_TRUE(memo->Focused()) << "the sequence wraps around";
    Key(VK_TAB, true);
    EXPECT_TRUE(cancel->Focused()) << "Shift+Tab goes back";
    cancel->SetVisible(false);
    EXPECT_FALSE(cancel->Focused()) << "a hidden stop lets the focus go";
    EXPECT_EQ(form->FocusedControl(), bar);
    Key(VK_TAB);
    EXPECT_TRUE(memo->Focused()) << "from outside the sequence Tab goes to the first stop";
    // Tab order follows SetTabOrder, not the order of insertion.
    next->SetEnabled(true);
    next->SetTabOrder(0);
    std::vector<TControl*> want{memo, edit, next, back};
    EXPECT_EQ(form->TabSequence(), want);
}

TEST_F(KeyboardFixture, KeysReachTheFocusedWindowlessControlAndTheFormGetsTheRest) {
    next->SetFocus();
    EXPECT_GT(next->focusChanges, 0);
    Key(VK_SPACE);
    Key(VK_RETURN);  // the control asks for Enter: not the form's
    EXPECT_EQ(next->keys, (std::vector<uint16_t>{VK_SPACE, VK_RETURN}));
    EXPECT_TRUE(back->keys.empty());
    Key(VK_ESCAPE);
    EXPECT_EQ(form->dialogKeys, std::vector<uint16_t>{VK_ESCAPE});
    edit->SetFocus();
    Key(VK_RETURN);
    EXPECT_EQ(form->dialogKeys, (std::vector<uint16_t>{VK_ESCAPE, VK_RETURN}));
    // A memo keeps Enter (a line break) unless told otherwise.
    memo->SetFocus();
    Key(VK_RETURN);
    EXPECT_EQ(form->dialogKeys.size(), 2u);
    memo->SetWantReturns(false);
    Key(VK_RETURN);
    EXPECT_EQ(form->dialogKeys.size(), 3u);
}

TEST_F(KeyboardFixture, EscapeInAMultiLineEditClosesNothing) {
    // The windows as they are now (a window destroyed would come back anew
    // on the next Handle()).
    const HWND pageWnd = page->Handle(), memoWnd = memo->Handle();
    memo->SetFocus();
    Key('A');
    Key(VK_ESCAPE);  // the edit, asked for its dialog codes, posts WM_CLOSE to its parent
    Pump(100);
    EXPECT_TRUE(IsWindow(pageWnd) && IsWindow(memoWnd));
    // Sent straight to windowed controls that are not forms, too.
    SendMessageW(pageWnd, WM_CLOSE, 0, 0);
    SendMessageW(memoWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(pageWnd) && IsWindowVisible(pageWnd));
    EXPECT_TRUE(IsWindow(memoWnd));
    EXPECT_EQ(page->Handle(), pageWnd);
    Key(VK_TAB);
    EXPECT_TRUE(edit->Focused()) << "Tab still leaves the memo";
}

}  // namespace
}  // namespace vd
