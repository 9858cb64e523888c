#include "controls/model/edit_text_rules.h"

#include <gtest/gtest.h>

#include "controls/model/flat_edit_geometry.h"

namespace vd {
namespace {

// Which of `chars` pass the filter, typed into `text` at `caret`.
std::u16string Passing(const TTypingRules& r, std::u16string_view chars, std::u16string_view text, int caret) {
    std::u16string out;
    for (char16_t c : chars)
        if (AcceptTypedChar(r, c, text, caret)) out += c;
    return out;
}

TEST(EditTypingFilter, NumbersAndTheMinusSign) {
    TTypingRules integer{IntegerText, true, u""};
    EXPECT_EQ(Passing(integer, u"a1-.9 x", u"", 0), u"1-9");
    EXPECT_EQ(Passing(integer, u"-", u"5", 1), u"");   // caret after a digit
    EXPECT_EQ(Passing(integer, u"-", u"-5", 0), u"");  // one minus only
    integer.AcceptNegative = false;
    EXPECT_EQ(Passing(integer, u"-", u"", 0), u"");

    TTypingRules number{FloatText, true, u""};
    EXPECT_EQ(Passing(number, u"1.-e", u"", 0), u"1.-");
    EXPECT_EQ(Passing(number, u".", u"1.5", 3), u"");
    // Ctrl+A, Ctrl+C, Backspace, Ctrl+V, Ctrl+X, Ctrl+Z always pass; Escape does not.
    EXPECT_EQ(Passing(number, u"\x01\x03\x08\x16\x18\x1a\x1b", u"", 0), u"\x01\x03\x08\x16\x18\x1a");
}

TEST(EditTypingFilter, IdentifiersAndTheAcceptedCharacters) {
    TTypingRules ident{IdentText, true, u""};
    EXPECT_EQ(Passing(ident, u"a_Z1-", u"", 0), u"a_Z");
    EXPECT_EQ(Passing(ident, u"a_Z1-", u"x", 1), u"a_Z1");
    ident.AcceptCharList = u"ab1";
    EXPECT_EQ(Passing(ident, u"abc1", u"x", 1), u"ab1");
    TTypingRules normal{NormalText, true, u"xyz"};
    EXPECT_EQ(Passing(normal, u"axy\x08", u"", 0), u"xy\x08");
    normal.AcceptCharList.clear();
    EXPECT_EQ(Passing(normal, u"a-中", u"", 0), u"a-中");
}

TEST(EditPasteFilter, KeepsWhatTheTypeAllowsInOrder) {
    const std::u16string mixed = u"a-1.b2-3.c";
    EXPECT_EQ(FilterPastedText(FloatText, mixed, true), u"-1.2-3.");
    EXPECT_EQ(FilterPastedText(IntegerText, mixed, true), u"-12-3");
    EXPECT_EQ(FilterPastedText(NormalText, mixed, true), mixed);
    EXPECT_EQ(FilterPastedText(IdentText, u"12a-b3", true), u"ab3");
    EXPECT_EQ(FilterPastedText(IdentText, u"12a-b3", false), u"12ab3");
}

TEST(EditDefaultText, TextTypeAndLeavingTheBox) {
    EXPECT_EQ(DefaultTextForType(IntegerText, ""), "0");
    EXPECT_EQ(DefaultTextForType(IntegerText, "-12"), "-12");
    EXPECT_EQ(DefaultTextForType(IntegerText, "1.5"), "0");
    EXPECT_EQ(DefaultTextForType(FloatText, "1.5"), "1.5");
    EXPECT_EQ(DefaultTextForType(FloatText, "x"), "0");
    EXPECT_EQ(DefaultTextForType(NormalText, ""), "");

    EXPECT_EQ(TextOnExit(IntegerText, "", "0"), "0");
    EXPECT_EQ(TextOnExit(IntegerText, "1-2", "7"), "7");
    EXPECT_EQ(TextOnExit(IntegerText, "99999999999", "7"), "7");  // beyond 32 bits
    EXPECT_EQ(TextOnExit(IntegerText, "-2147483648", "7"), "-2147483648");
    EXPECT_EQ(TextOnExit(FloatText, ".25", "0"), "0.25");
    EXPECT_EQ(TextOnExit(FloatText, "3.", "0"), "3.0");
    EXPECT_EQ(TextOnExit(FloatText, "-", "0"), "0");
    EXPECT_EQ(TextOnExit(FloatText, "1.2.3", "0"), "0");
    EXPECT_EQ(TextOnExit(FloatText, "1e-3", "0"), "1e-3");
    EXPECT_EQ(TextOnExit(NormalText, "", "默认"), "默认");
    EXPECT_EQ(TextOnExit(NormalText, "abc", "默认"), "abc");
    EXPECT_EQ(TextOnExit(IdentText, "", "x"), "");

    EXPECT_TRUE(PressClearsText(NormalText, "默认", "默认"));
    EXPECT_FALSE(PressClearsText(IntegerText, "0", "0"));
}

TEST(EditFrame, HoverLightsOnlyWhileNoOtherFlatEditHasTheFocus) {
    const TColor flat = 1, lit = 2;
    EXPECT_EQ(EditStateColor(false, false, false, flat, lit), flat);
    EXPECT_EQ(EditStateColor(true, false, false, flat, lit), lit);
    EXPECT_EQ(EditStateColor(false, true, false, flat, lit), lit);
    EXPECT_EQ(EditStateColor(false, true, true, flat, lit), flat);
}

TEST(EditFrame, TextPositionAndGlyphs) {
    EXPECT_EQ(EditTextLeft(TTextAlign::Left, 100, 30, 2), 2);
    EXPECT_EQ(EditTextLeft(TTextAlign::Right, 100, 30, 2), 67);
    EXPECT_EQ(EditTextLeft(TTextAlign::Center, 100, 31, 2), 34);
    TBox button = EditButtonRect(100, 13, 16);
    EXPECT_EQ(button, (TBox{84, 0, 100, 13}));
    // round(13 / 2) = 6 (ties to even), so the dots start on row 5.
    auto dots = EllipsisDots(button, 13, false);
    EXPECT_EQ(dots[1], (TBox{91, 5, 93, 7}));
    EXPECT_EQ(dots[0].Left, 87);
    EXPECT_EQ(EllipsisDots(button, 15, true)[1], (TBox{92, 7, 94, 9}));
    auto rows = DropDownTriangleRows(button);
    EXPECT_EQ(rows[0], (TBox{88, 7, 95, 8}));
    EXPECT_EQ(rows[3], (TBox{91, 10, 92, 11}));
}

}  // namespace
}  // namespace vd
