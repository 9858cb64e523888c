#include "installer/rules/portal_record.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(SpecialValue, RecordLayout) {
    TSpecialValue r = BuildSpecialValue("portal.example.cn");
    const uint8_t head[] = {0xC4, 0xB3, 0xA2, 0x01, 0x88, 0x67, 0x45, 0x03, 0x01};
    for (size_t i = 0; i < sizeof head; ++i) EXPECT_EQ(r[i], head[i]) << i;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.data() + 9)), "portal.example.cn");
    for (size_t i = 9 + 17; i < r.size(); ++i) ASSERT_EQ(r[i], 0) << i;
    // 262 text bytes at most; the last byte always stays zero.
    TSpecialValue full = BuildSpecialValue(std::string(300, 'h'));
    EXPECT_EQ(full[9 + 261], 'h');
    EXPECT_EQ(full[271], 0);
}

TEST(SpecialValue, LongHostCutAtACharacterBoundary) {
    EXPECT_EQ(FitHostBytes(std::string(262, 'a')).size(), 262u);
    EXPECT_EQ(FitHostBytes(std::string(263, 'a')).size(), 262u);
    // 3-byte characters: 87 fit (261 bytes), the 88th would not.
    std::string wide;
    for (int i = 0; i < 100; ++i) wide += "门";
    EXPECT_EQ(FitHostBytes(wide), wide.substr(0, 261));
    // A two-byte code page: "x" + 131 characters of 2 bytes = 263 > 262, so 130 fit.
    auto twoBytes = [](std::string_view ch) { return ch.size() == 1 ? std::string(ch) : std::string("\xC3\xC5"); };
    std::string mixed = "x";
    for (int i = 0; i < 131; ++i) mixed += "门";
    std::string fitted = FitHostBytes(mixed, twoBytes);
    EXPECT_EQ(fitted.size(), 261u);
    EXPECT_EQ(fitted.substr(0, 3), "x\xC3\xC5");
    // A stray byte counts as one character; nothing is lost before the cut.
    EXPECT_EQ(FitHostBytes("a\xE9" "b"), "a\xE9" "b");
}

}  // namespace
}  // namespace vd
