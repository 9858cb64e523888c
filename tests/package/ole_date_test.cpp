#include <gtest/gtest.h>

#include "package/ole_date.h"

namespace vd {
namespace {

TEST(OleDate, KnownDates) {
    EXPECT_EQ(EncodeOleDate(1899, 12, 30, 0, 0, 0, 0), 0.0);
    EXPECT_EQ(EncodeOleDate(1900, 1, 1, 12, 0, 0, 0), 2.5);
    EXPECT_EQ(EncodeOleDate(2011, 7, 21, 0, 0, 0, 0), 40745.0);
    EXPECT_EQ(FormatOleDate(EncodeOleDate(2011, 7, 21, 10, 59, 20, 671)), "2011-07-21 10:59:20.671");
    EXPECT_EQ(FormatOleDate(-1.25), "1899-12-29 06:00:00.000");
    EXPECT_EQ(FormatOleDate(UnixSecondsToOleDate(0)), "1970-01-01 00:00:00.000");
    EXPECT_EQ(FormatOleDate(1e300), "invalid");
    EXPECT_EQ(FormatOleDate(0.99999999999), "1899-12-31 00:00:00.000");
    // Every field zero-padded to its width, the first and last day of the range.
    EXPECT_EQ(FormatOleDate(EncodeOleDate(1, 1, 1, 0, 0, 0, 0)), "0001-01-01 00:00:00.000");
    EXPECT_EQ(FormatOleDate(EncodeOleDate(9999, 12, 31, 23, 59, 59, 9)), "9999-12-31 23:59:59.009");
}

TEST(OleDate, ParsesWhatItFormats) {
    double v = 0;
    ASSERT_TRUE(ParseOleDate("2011-07-21 10:59:20.671", v));
    EXPECT_EQ(FormatOleDate(v), "2011-07-21 10:59:20.671");
    ASSERT_TRUE(ParseOleDate("2024-02-29T23:59:59.5", v));
    EXPECT_EQ(FormatOleDate(v), "2024-02-29 23:59:59.500");
    ASSERT_TRUE(ParseOleDate("2000-01-01", v));
    EXPECT_EQ(v, 36526.0);
    for (const char* bad : {"", "2011-07-21 ", "2023-02-29", "2011-13-01", "2011-07-21 24:00:00",
                            "2011-07-21 10:59:20.1234", "20110721", "2011-07-21x10:59:20"})
        EXPECT_FALSE(ParseOleDate(bad, v)) << bad;
}

TEST(OleDate, NowIsRecent) {
    double now = NowOleDate();
    EXPECT_GT(now, EncodeOleDate(2020, 1, 1, 0, 0, 0, 0));
    EXPECT_LT(now, EncodeOleDate(2200, 1, 1, 0, 0, 0, 0));
}

}  // namespace
}  // namespace vd
