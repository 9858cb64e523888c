// Ownership, parents that change at run time, alignment, anchors and
// constraints.
#include <gtest/gtest.h>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"

namespace vd {
namespace {

int g_destroyed = 0;

struct CountedLabel : TLabel {
    using TLabel::TLabel;
    ~CountedLabel() override { ++g_destroyed; }
};
struct CountedPanel : TPanel {
    using TPanel::TPanel;
    ~CountedPanel() override { ++g_destroyed; }
};
struct CountedComponent : TComponent {
    using TComponent::TComponent;
    ~CountedComponent() override { ++g_destroyed; }
};

TEST(OwnershipTest, OwnerFreesWhatItOwns) {
    g_destroyed = 0;
    auto* owner = new TComponent(nullptr);
    auto* a = new CountedComponent(owner);
    auto* b = new CountedComponent(owner);
    new CountedComponent(a);  // owned by a
    EXPECT_EQ(owner->ComponentCount(), 2);
    delete b;  // leaves its owner's list
    EXPECT_EQ(g_destroyed, 1);
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->Components(0), a);
    delete owner;
    EXPECT_EQ(g_destroyed, 3);
}

TEST(OwnershipTest, FormFreesItsControlsAndTheirWindows) {
    g_destroyed = 0;
    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 200, 100);
    auto* panel = new CountedPanel(form);
    panel->SetParent(form);
    auto* label = new CountedLabel(form);
    label->SetParent(panel);
    // A control owned by nobody but sitting on the panel goes with it.
    auto* orphan = new CountedLabel(nullptr);
    orphan->SetParent(panel);
    form->Show();
    HWND panelWindow = panel->Handle();
    ASSERT_TRUE(IsWindow(panelWindow));
    delete form;
    EXPECT_EQ(g_destroyed, 3);
    EXPECT_FALSE(IsWindow(panelWindow));
}

TEST(ParentTest, GraphicControlMovesBetweenParents) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* bar = new TPanel(&form);
    bar->SetParent(&form);
    auto* page = new TPanel(&form);
    page->SetParent(&form);
    auto* label = new TLabel(&form);
    label->SetParent(bar);
    EXPECT_EQ(bar->ControlCount(), 1);
    label->SetParent(page);
    EXPECT_EQ(bar->ControlCount(), 0);
    ASSERT_EQ(page->ControlCount(), 1);
    EXPECT_EQ(page->Controls(0), label);
    EXPECT_EQ(label->Parent(), page);
    EXPECT_EQ(label->Owner(), &form);  // the owner does not change
    EXPECT_EQ(page->ControlAtPos(TPoint{label->Left() + 1, label->Top() + 1}, false), label);
    EXPECT_EQ(bar->ControlAtPos(TPoint{label->Left() + 1, label->Top() + 1}, false), nullptr);
    label->SetParent(nullptr);
    EXPECT_EQ(page->ControlCount(), 0);
    delete label;
}

TEST(ParentTest, WindowedControlKeepsOrRecreatesItsWindow) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* a = new TPanel(&form);
    a->SetParent(&form);
    auto* b = new TPanel(&form);
    b->SetParent(&form);
    auto* child = new TPanel(&form);
    child->SetBounds(5, 6, 20, 10);
    child->SetParent(a);
    form.Show();
    HWND h = child->Handle();
    EXPECT_EQ(GetParent(h), a->Handle());
    child->SetParent(b);
    EXPECT_EQ(child->Handle(), h);
    EXPECT_EQ(GetParent(h), b->Handle());
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(HWND_DESKTOP, b->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);
    // Without a parent there is no window; a new parent makes one again.
    child->SetParent(nullptr);
    EXPECT_FALSE(child->HandleAllocated());
    EXPECT_FALSE(IsWindow(h));
    child->SetParent(a);
    EXPECT_TRUE(child->HandleAllocated());
    EXPECT_EQ(GetParent(child->Handle()), a->Handle());
    EXPECT_THROW(a->SetParent(a), EInvalidOperation);
}

TEST(AlignTest, WizardLayout) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 558, 390);
    auto make = [&](TAlign a, int w, int h) {
        auto* p = new TPanel(&form);
        p->SetBevelOuter(TBevelCut::bvNone);
        p->SetBounds(0, 0, w, h);
        p->SetAlign(a);
        p->SetParent(&form);
        return p;
    };
    TPanel* title = make(TAlign::alTop, 558, 29);
    TPanel* left = make(TAlign::alLeft, 1, 330);
    TPanel* right = make(TAlign::alRight, 1, 330);
    TPanel* bottom = make(TAlign::alBottom, 558, 31);
    TPanel* page = make(TAlign::alClient, 10, 10);
    auto* corner = new TPanel(&form);
    corner->SetBounds(0, 0, 5, 5);
    corner->SetParent(title);
    corner->SetAlign(TAlign::alRight);
    form.Show();
    EXPECT_EQ(form.ClientWidth(), 558);
    EXPECT_EQ(form.ClientHeight(), 390);
    EXPECT_EQ(title->BoundsRect(), Bounds(0, 0, 558, 29));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 359, 558, 31));
    EXPECT_EQ(left->BoundsRect(), Bounds(0, 29, 1, 330));
    EXPECT_EQ(right->BoundsRect(), Bounds(557, 29, 1, 330));
    EXPECT_EQ(page->BoundsRect(), Bounds(1, 29, 556, 330));
    EXPECT_EQ(corner->BoundsRect(), Bounds(553, 0, 5, 29));
    // A bevel narrows the room of the aligned children.
    title->SetBevelOuter(TBevelCut::bvRaised);
    EXPECT_EQ(corner->BoundsRect(), Bounds(552, 1, 5, 27));
    // A hidden aligned control gives its room back.
    bottom->Hide();
    EXPECT_EQ(page->BoundsRect(), Bounds(1, 29, 556, 361));
}

TEST(AlignTest, AnchorsFollowTheParentsSize) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 200, 100);
    auto* br = new TLabel(&form);
    br->SetBounds(150, 70, 20, 10);
    br->SetAnchors(akRight | akBottom);
    br->SetParent(&form);
    auto* stretch = new TLabel(&form);
    stretch->SetBounds(10, 10, 100, 10);
    stretch->SetAnchors(akLeft | akTop | akRight);
    stretch->SetParent(&form);
    form.SetBounds(0, 0, 250, 120);
    EXPECT_EQ(br->BoundsRect(), Bounds(200, 90, 20, 10));
    EXPECT_EQ(stretch->BoundsRect(), Bounds(10, 10, 150, 10));
}

TEST(AlignTest, ConstraintsLimitTheSize) {
    TLabel label(nullptr);
    label.SetConstraints(TSizeConstraints{10, 5, 30, 8});
    label.SetBounds(0, 0, 100, 1);
    EXPECT_EQ(label.Width(), 30);
    EXPECT_EQ(label.Height(), 5);
}

// A control that wants to be 40 x 30 when auto-sized.
struct SizedLabel : TLabel {
    using TLabel::TLabel;
    bool CanAutoSize(int& w, int& h) override {
        if (Align() != TAlign::alTop) w = 40;
        h = 30;
        return true;
    }
};

TEST(AlignTest, AutoSizeTakesTheWantedSizeUnlessTheParentDictatesIt) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* label = new SizedLabel(&form);
    label->SetParent(&form);
    label->SetBounds(5, 6, 100, 10);
    EXPECT_EQ(label->BoundsRect(), Bounds(5, 6, 100, 10));
    label->SetAutoSize(true);
    EXPECT_EQ(label->BoundsRect(), Bounds(5, 6, 40, 30));
    label->SetBounds(7, 8, 90, 90);  // moves, keeps its size
    EXPECT_EQ(label->BoundsRect(), Bounds(7, 8, 40, 30));
    label->SetAlign(TAlign::alTop);  // the parent gives the width
    EXPECT_EQ(label->BoundsRect(), Bounds(0, 0, form.ClientWidth(), 30));
    label->SetAlign(TAlign::alNone);
    label->SetAutoSize(false);
    label->SetBounds(1, 2, 3, 4);
    EXPECT_EQ(label->BoundsRect(), Bounds(1, 2, 3, 4));
}

TEST(FormTest, BorderlessMainFormHasTheRequestedClientAreaAndTitle) {
    Application().SetTitle("Vadode播放器安装程序");
    TForm form(nullptr);
    Application().SetMainForm(&form);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetCaption("Vadode播放器安装");
    form.SetBounds(10, 10, 558, 390);
    form.Show();
    RECT rc;
    GetClientRect(form.Handle(), &rc);
    EXPECT_EQ(rc.right, 558);
    EXPECT_EQ(rc.bottom, 390);
    wchar_t text[64] = {};
    GetWindowTextW(form.Handle(), text, 64);
    EXPECT_EQ(std::wstring(text), std::wstring(L"Vadode\u64AD\u653E\u5668\u5B89\u88C5\u7A0B\u5E8F"));
    EXPECT_EQ(form.Caption(), "Vadode播放器安装");
    // A form that is not the main form shows its own caption.
    TForm other(nullptr);
    other.SetCaption("other");
    other.HandleNeeded();
    GetWindowTextW(other.Handle(), text, 64);
    EXPECT_EQ(std::wstring(text), L"other");
    Application().Minimize();
    test::Pump(50);
    EXPECT_TRUE(IsIconic(form.Handle()));
    Application().Restore();
    Application().SetMainForm(nullptr);
}

}  // namespace
}  // namespace vd
