// The licence agreement carried by the setup program's resources.
#include "installer/license_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text.h"

namespace vd {
namespace {

TEST(LicenseText, FiveNumberedSectionsOfShortLines) {
    const std::string text = LoadLicenseText();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(Utf8ToUtf16(text).find(u'\uFFFD'), std::u16string::npos);  // well-formed UTF-8
    int lines = 0;
    size_t longest = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
        EXPECT_EQ(text.substr(start, end - start).find('\n'), std::string::npos);
        longest = std::max(longest, Utf8ToUtf16(text.substr(start, end - start)).size());
        ++lines;
        start = end + 2;
    }
    EXPECT_GE(lines, 70);
    EXPECT_LE(lines, 90);
    EXPECT_LE(longest, 30u);  // short lines: the memo is 351 pixels wide
    size_t at = 0;
    for (const char* heading : {"一、接受协议", "二、许可的授予", "三、其他权利和限制", "四、担保与责任限制", "五、遵守法律"}) {
        size_t found = text.find(std::string("\r\n") + heading + "\r\n", at);
        EXPECT_NE(found, std::string::npos) << heading;
        if (found != std::string::npos) at = found;
    }
    EXPECT_EQ(text.rfind("Vadode播放器2010 最终用户许可协议", 0), 0u);
}

}  // namespace
}  // namespace vd
