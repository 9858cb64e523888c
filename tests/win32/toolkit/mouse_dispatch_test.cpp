// The parent's dispatch of mouse input to its windowless controls: enter
// and leave, press, release, capture and click.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::Mouse;

// Records what the framework tells it, in order.
class Probe : public TGraphicControl {
public:
    explicit Probe(TComponent* owner) : TGraphicControl(owner) {
        OnClick = [this](TObject*) { log += "click "; };
        OnDblClick = [this](TObject*) { log += "dbl "; };
        OnMouseEnter = [this](TObject*) { log += "enter "; };
        OnMouseLeave = [this](TObject*) { log += "leave "; };
        OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
            log += (b == TMouseButton::mbLeft ? "down(" : "rdown(") + std::to_string(x) + "," +
                   std::to_string(y) + ") ";
        };
        OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
            log += (b == TMouseButton::mbLeft ? "up(" : "rup(") + std::to_string(x) + "," +
                   std::to_string(y) + ") ";
        };
    }
    std::string log;
};

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);
        form = test::NewBorderlessForm(100, 100, 200, 100);
        probe = new Probe(form);
        probe->SetBounds(50, 20, 40, 30);
        probe->SetParent(form);
        form->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { formLog += "down "; };
        form->Show();
        h = form->Handle();
        // Start with the mouse over the form but off the probe.
        Mouse(h, WM_MOUSEMOVE, 5, 5);
        test::Pump(20);
        Mouse(h, WM_MOUSEMOVE, 5, 5);
        probe->log.clear();
    }
    void TearDown() override {
        ReleaseCapture();
        delete form;
    }
    TForm* form = nullptr;
    Probe* probe = nullptr;
    HWND h = nullptr;
    std::string formLog;
};

TEST_F(DispatchTest, ClickComesBeforeMouseUpAndOnlyInside) {
    Mouse(h, WM_MOUSEMOVE, 60, 30);
    Mouse(h, WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), h);
    Mouse(h, WM_LBUTTONUP, 61, 31);
    EXPECT_EQ(probe->log, "enter down(10,10) click up(11,11) ");
    EXPECT_EQ(GetCapture(), nullptr);
    probe->log.clear();
    // Released outside: the captured control gets the release, no click.
    Mouse(h, WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
    Mouse(h, WM_MOUSEMOVE, 150, 90, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 150, 90);
    EXPECT_EQ(probe->log, "down(10,10) leave up(100,70) ");
    EXPECT_EQ(formLog, "");
}

TEST_F(DispatchTest, LeaveAndEnterWhileCaptured) {
    Mouse(h, WM_MOUSEMOVE, 60, 30);
    Mouse(h, WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
    // Outside the window altogether: still captured.
    Mouse(h, WM_MOUSEMOVE, -30, -30, MK_LBUTTON);
    Mouse(h, WM_MOUSEMOVE, 55, 25, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 55, 25);
    EXPECT_EQ(probe->log, "enter down(10,10) leave enter click up(5,5) ");
}

TEST_F(DispatchTest, DoubleClickGivesOneClickAndADoubleClick) {
    Mouse(h, WM_MOUSEMOVE, 60, 30);
    Mouse(h, WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 60, 30);
    Mouse(h, WM_LBUTTONDBLCLK, 60, 30, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 60, 30);
    EXPECT_EQ(probe->log, "enter down(10,10) click up(10,10) dbl down(10,10) up(10,10) ");
}

TEST_F(DispatchTest, RightButtonGivesNoClickAndDisabledControlsGetNoPress) {
    Mouse(h, WM_MOUSEMOVE, 60, 30);
    Mouse(h, WM_RBUTTONDOWN, 60, 30, MK_RBUTTON);
    Mouse(h, WM_RBUTTONUP, 60, 30);
    EXPECT_EQ(probe->log, "enter rdown(10,10) rup(10,10) ");
    probe->log.clear();
    probe->SetEnabled(false);
    Mouse(h, WM_MOUSEMOVE, 150, 90);
    Mouse(h, WM_MOUSEMOVE, 60, 30);
    Mouse(h, WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 60, 30);
    // Enter and leave still arrive; the press goes to the parent.
    EXPECT_EQ(probe->log, "leave enter ");
    EXPECT_EQ(formLog, "down ");
}

TEST_F(DispatchTest, WindowLosingTheMouseLeavesTheControl) {
    Mouse(h, WM_MOUSEMOVE, 60, 30);
    SendMessageW(h, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(probe->log, "enter leave ");
    EXPECT_FALSE(probe->MouseInControl());
}

TEST_F(DispatchTest, HiddenOrRemovedControlIsNoLongerHit) {
    probe->Hide();
    Mouse(h, WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 60, 30);
    EXPECT_EQ(probe->log, "");
    EXPECT_EQ(formLog, "down ");
    probe->Show();
    Mouse(h, WM_MOUSEMOVE, 60, 30);
    Mouse(h, WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
    delete probe;  // while captured
    Mouse(h, WM_LBUTTONUP, 60, 30);
    Mouse(h, WM_MOUSEMOVE, 61, 30);
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace vd

namespace vd {
namespace {

TEST_F(DispatchTest, ControlUnderAScreenPoint) {
    POINT p{60, 30};
    ClientToScreen(h, &p);
    EXPECT_EQ(TWinControl::FindControlAt(TPoint{p.x, p.y}), probe);
    probe->SetEnabled(false);  // disabled controls are found too
    EXPECT_EQ(TWinControl::FindControlAt(TPoint{p.x, p.y}), probe);
    p = POINT{5, 5};
    ClientToScreen(h, &p);
    EXPECT_EQ(TWinControl::FindControlAt(TPoint{p.x, p.y}), form);
    EXPECT_EQ(TWinControl::FindControlAt(TPoint{-500, -500}), nullptr);
}

TEST(ResizeTest, SizeMessageSeesTheNewBounds) {
    struct Sized : TCustomControl {
        using TCustomControl::TCustomControl;
        int seenWidth = -1;
        LRESULT WndProc(UINT msg, WPARAM w, LPARAM l) override {
            if (msg == WM_SIZE) seenWidth = Width();
            return TCustomControl::WndProc(msg, w, l);
        }
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* c = new Sized(&form);
    c->SetParent(&form);
    c->HandleNeeded();
    c->SetBounds(0, 0, 77, 20);
    EXPECT_EQ(c->seenWidth, 77);
}

}  // namespace
}  // namespace vd
