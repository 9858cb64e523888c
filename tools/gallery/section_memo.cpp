// Gallery section: the colour memo as the licence page shows it (a long text
// that overflows), one whose text fits (the disabled bar merges into the
// frame), and stand-alone flat scroll bars of both kinds, one disabled.
#include "controls/xp_color_memo.h"
#include "tools/gallery/gallery.h"

namespace vd::gallery {
namespace {

// The wizard's stored looks.
constexpr TColor kMemoColor = 16643310, kBorder = 11905680, kBar = 6247705;

const char kLicence[] =
    "Vadode播放器 最终用户许可协议\r\n"
    "\r\n"
    "一、协议的接受\r\n"
    "在安装、复制或以其他方式使用本软件之前，请仔细阅读本协议。一旦安装或使用本软件，即表示您同意接受本协议各项条款的约束。\r\n"
    "如果您不同意本协议的条款，请不要安装或使用本软件。\r\n"
    "\r\n"
    "二、许可的授予\r\n"
    "1. 您可以在一台或多台计算机上安装和使用本软件。\r\n"
    "2. 您可以复制本软件用于备份，但必须保留全部版权信息。\r\n"
    "3. 本软件以许可方式提供，而非出售。\r\n"
    "\r\n"
    "三、其他权利和限制\r\n"
    "1. 不得对本软件进行反向工程、反向编译或反汇编。\r\n"
    "2. 不得出租、出借或以营利为目的分发本软件。\r\n"
    "3. 本软件的全部组成部分只能作为一个整体使用。\r\n"
    "\r\n"
    "四、担保与责任限制\r\n"
    "本软件按“现状”提供，不附带任何明示或暗示的担保。在法律允许的最大范围内，对因使用或无法使用本软件所引起的任何损失，作者概不负责。\r\n"
    "\r\n"
    "五、遵守法律\r\n"
    "您应当遵守所在国家和地区的法律法规使用本软件。\r\n"
    "本协议的解释权归软件作者所有。";

TXPColorMemo* Memo(TForm& form, TWinControl& parent, int left, int top, int width, int height,
                   const std::string& text) {
    auto* m = new TXPColorMemo(&form);
    m->SetBounds(left, top, width, height);
    m->SetParent(&parent);
    m->SetReadOnly(true);
    m->SetWordWrap(true);
    m->SetColor(kMemoColor);
    m->SetBorderColor(kBorder);
    m->VertScrollBar().SetBarColor(kBar);
    m->VertScrollBar().SetArrowColor(kBar);
    m->VertScrollBar().SetColor(kMemoColor);
    m->VertScrollBar().SetBorderColor(kBorder);
    m->SetText(text);
    m->Loaded();
    return m;
}

TXPScrollBar* Bar(TForm& form, TWinControl& parent, TScrollBarKind kind, int left, int top, int width, int height,
                  int position, bool wizardColours) {
    auto* b = new TXPScrollBar(&form);
    b->SetKind(kind);
    b->SetBounds(left, top, width, height);
    if (wizardColours) {
        b->SetBarColor(kBar);
        b->SetArrowColor(kBar);
        b->SetColor(kMemoColor);
        b->SetBorderColor(kBorder);
    }
    b->SetPosition(position);
    b->SetParent(&parent);
    return b;
}

void Build(TForm& form, TXPPanel& area) {
    Memo(form, area, 8, 8, 351, 163, kLicence);
    AddNote(form, area, 8, 176, "Memo_License 351 × 163: read-only, word-wrapped, overflows");

    Memo(form, area, 372, 8, 220, 60, "一段能完整显示的短文本。");
    AddNote(form, area, 372, 72, "a text that fits: the bar merges");

    AddNote(form, area, 372, 96, "horizontal, defaults");
    Bar(form, area, sbHorizontal, 372, 112, 150, 18, 30, false);
    AddNote(form, area, 372, 140, "horizontal, disabled");
    Bar(form, area, sbHorizontal, 372, 156, 150, 18, 0, true)->SetEnabled(false);

    Bar(form, area, sbVertical, 540, 96, 16, 150, 60, true);
    Bar(form, area, sbVertical, 568, 96, 16, 150, 0, false)->SetEnabled(false);
    AddNote(form, area, 528, 250, "vertical ×2");
}

const bool registered = RegisterSection({"Colour memo, flat scroll bar", 60, 600, 268, Build});

}  // namespace
}  // namespace vd::gallery
