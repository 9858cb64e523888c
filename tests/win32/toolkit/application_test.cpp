// The application's exception handler, pictures and strings from the
// module's resources, timers and the native edit.
#include <gtest/gtest.h>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/combo_box.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/picture.h"
#include "toolkit/png_image.h"
#include "toolkit/resources.h"
#include "toolkit/timer.h"

namespace vd {
namespace {

using test::Rgb;
using test::RgbOf;

struct ExceptionCatcher {
    ExceptionCatcher() {
        Application().OnException = [this](const std::string& m) { messages.push_back(m); };
    }
    ~ExceptionCatcher() { Application().OnException = nullptr; }
    std::vector<std::string> messages;
};

TEST(ApplicationTest, UncaughtExceptionIsShownAndTheProgramGoesOn) {
    ExceptionCatcher catcher;
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(0, 0, 50, 50);
    label->OnClick = [](TObject*) { throw Exception("数据库文件异常。"); };
    HWND h = form.Handle();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0], "数据库文件异常。");
    // Posted messages too, through the application's loop.
    PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Application().ProcessMessages();
    EXPECT_EQ(catcher.messages.size(), 2u);
    EXPECT_FALSE(Application().Terminated());
}

TEST(ResourcesTest, BitmapsPicturesAndStringsById) {
    TBitmap b;
    b.LoadFromBitmapResource(nullptr, 101);
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(Rgb(b, 0, 0), RgbOf(255, 0, 0));
    EXPECT_EQ(Rgb(b, 2, 0), RgbOf(0, 0, 255));
    EXPECT_EQ(Rgb(b, 2, 1), RgbOf(128, 128, 128));

    TPngImage png;
    png.LoadFromResourceID(nullptr, 102);
    EXPECT_EQ(png.Width(), 8);
    EXPECT_EQ(png.Height(), 2);
    EXPECT_EQ(png.Image().PixelAt(6, 1)[0], 255);

    TJpegImage jpg;
    jpg.LoadFromResourceID(nullptr, 103);
    EXPECT_GT(jpg.Width(), 0);
    EXPECT_GT(jpg.Height(), 0);

    TPicture pic;
    int changes = 0;
    pic.OnChange = [&](TObject*) { ++changes; };
    pic.LoadFromBitmapResource(nullptr, 101);
    EXPECT_EQ(pic.Width(), 3);
    EXPECT_GT(changes, 0);
    int before = changes;
    pic.Bitmap().SetSize(5, 5);  // a change inside the graphic
    EXPECT_GT(changes, before);

    EXPECT_EQ(LoadResString(1), "default");
    EXPECT_EQ(LoadResString(2), "Vadode播放器");
    EXPECT_EQ(LoadResString(999), "");
    EXPECT_THROW(b.LoadFromBitmapResource(nullptr, 999), EResNotFound);
    EXPECT_THROW(png.LoadFromResourceID(nullptr, 999), EResNotFound);
    // A resource that is not a PNG.
    EXPECT_THROW(png.LoadFromResourceID(nullptr, 103), EInvalidGraphic);
    EXPECT_EQ(png.Width(), 8);  // unchanged after a failed load
}

TEST(TimerTest, FiresWhileEnabledOnTheWindowThread) {
    TTimer timer(nullptr);
    int ticks = 0;
    DWORD thread = 0;
    timer.SetInterval(20);
    timer.SetOnTimer([&](TObject*) {
        ++ticks;
        thread = GetCurrentThreadId();
    });
    EXPECT_TRUE(timer.Running());
    test::Pump(200);
    EXPECT_GE(ticks, 2);
    EXPECT_EQ(thread, GetCurrentThreadId());
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    int stopped = ticks;
    test::Pump(100);
    EXPECT_EQ(ticks, stopped);
}

TEST(EditTest, TypingChangesTheTextAndRaisesOnChange) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* second = new TEdit(&form);
    second->SetParent(&form);
    second->SetTop(30);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetText("C:\\Program Files\\");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->Text(), "C:\\Program Files\\");
    edit->SetSel(edit->Text().size(), 0);
    for (wchar_t ch : std::wstring(L"中文"))
        SendMessageW(edit->Handle(), WM_CHAR, ch, 1);
    EXPECT_EQ(edit->Text(), "C:\\Program Files\\中文");
    EXPECT_EQ(changes, 3);

    // The parent asks the edit for its colours.
    edit->SetColor(RGB(1, 2, 3));
    HDC dc = GetDC(edit->Handle());
    LRESULT brush = SendMessageW(form.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(edit->Handle()));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    ReleaseDC(edit->Handle(), dc);

    // Tab order.
    form.Show();
    edit->SetFocus();
    EXPECT_TRUE(edit->Focused());
    form.SelectNext(edit, true);
    EXPECT_TRUE(second->Focused());
    form.SelectNext(second, true);
    EXPECT_TRUE(edit->Focused());
    second->SetTabOrder(0);
    EXPECT_EQ(form.TabSequence().front(), second);
}

}  // namespace
}  // namespace vd

namespace vd {
namespace {

TEST(ComboBoxTest, DropDownListKeepsItemsAndReportsSelection) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* combo = new TComboBox(&form);
    combo->AddItem("推荐");
    combo->AddItem("全部");
    combo->AddItem("无");
    combo->SetItemIndex(0);
    combo->SetParent(&form);  // the window is made with the items
    HWND h = combo->Handle();
    EXPECT_EQ(SendMessageW(h, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_LT(combo->Height(), 40);  // the closed field, not the list
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    form.Show();
    combo->SetFocus();
    SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    wchar_t text[16] = {};
    GetWindowTextW(h, text, 16);
    EXPECT_EQ(std::wstring(text), L"\u5168\u90E8");
    // Moving the combo to another parent keeps its items.
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    combo->SetParent(nullptr);
    combo->SetParent(panel);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(combo->ItemIndex(), 1);
}

}  // namespace
}  // namespace vd

namespace vd {
namespace {

TEST(DialogCharTest, AcceleratorsAndKeysTheFocusedControlDoesNotTake) {
    EXPECT_TRUE(IsAccel(U'a', "&Accept"));
    EXPECT_TRUE(IsAccel(U'B', "a&b"));
    EXPECT_FALSE(IsAccel(U'a', "Accept"));
    EXPECT_FALSE(IsAccel(U'b', "a&&b"));
    EXPECT_TRUE(IsAccel(U'c', "a&&b&c"));

    struct Box : TCustomControl {
        using TCustomControl::TCustomControl;
        std::u32string got;
        bool DialogChar(char32_t ch) override {
            if (!IsAccel(ch, Caption()) && !(ch == U' ' && Focused())) return false;
            got += ch;
            return true;
        }
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* box = new Box(&form);
    box->SetParent(&form);
    box->SetCaption("&Yes");
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetTop(40);
    form.Show();
    box->SetFocus();
    PostMessageW(box->Handle(), WM_CHAR, L' ', 1);
    PostMessageW(box->Handle(), WM_SYSCHAR, L'y', 1);
    PostMessageW(box->Handle(), WM_CHAR, L'q', 1);
    Application().ProcessMessages();
    EXPECT_EQ(box->got, U" y");
    // Typing in the edit stays in the edit.
    edit->SetFocus();
    PostMessageW(edit->Handle(), WM_CHAR, L'y', 1);
    Application().ProcessMessages();
    EXPECT_EQ(edit->Text(), "y");
    EXPECT_EQ(box->got, U" y");
}

}  // namespace
}  // namespace vd

namespace vd {
namespace {

TEST(MemoTest, MultiLineTextAndReadOnly) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* memo = new TMemo(&form);
    memo->SetParent(&form);
    memo->SetText("一\r\ntwo\r\nthree");
    EXPECT_EQ(memo->LineCount(), 3);
    EXPECT_EQ(memo->Text(), "一\r\ntwo\r\nthree");
    EXPECT_NE(GetWindowLongW(memo->Handle(), GWL_STYLE) & ES_MULTILINE, 0);
    memo->SetReadOnly(true);
    EXPECT_NE(GetWindowLongW(memo->Handle(), GWL_STYLE) & ES_READONLY, 0);
    memo->SetSel(0, -1);
    EXPECT_EQ(memo->SelLength(), static_cast<int>(std::wstring(L"\u4E00\r\ntwo\r\nthree").size()));
}

}  // namespace
}  // namespace vd
