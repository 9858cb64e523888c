#include "tools/mkpayload/payload.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

namespace vd {
namespace {

uint64_t Total(const std::vector<TPayloadFile>& files) {
    return std::accumulate(files.begin(), files.end(), uint64_t{0},
                           [](uint64_t s, const TPayloadFile& f) { return s + f.Size; });
}

TEST(DemoPayload, FullProfileMirrorsTheShippedPackage) {
    auto files = DemoPayloadFiles(TPayloadProfile::Full);
    ASSERT_EQ(files.size(), 59u);
    EXPECT_EQ(Total(files), 41389150u);
    auto largest = std::max_element(files.begin(), files.end(),
                                    [](const TPayloadFile& a, const TPayloadFile& b) { return a.Size < b.Size; });
    EXPECT_EQ(largest->Name, "RiduZuzi.exe");
    EXPECT_EQ(largest->Size, 17773936u);
    // Package order: the programs first, the skin last.
    EXPECT_EQ(files.front().Name, "GdiPlus.dll");
    EXPECT_EQ(files[2].Name, "ZarIrovid.exe");
    EXPECT_EQ(files[2].Size, 3917312u);
    EXPECT_EQ(files[7].Name, "l3codeca.acm");
    EXPECT_EQ(files[46].Name, "wvc1dmod.dll");
    EXPECT_EQ(files[47].Name, "audio.ico");
    EXPECT_EQ(files.back().Name, "default.skn");
}

TEST(DemoPayload, BothProfilesCarryTheSameUniqueNames) {
    auto full = DemoPayloadFiles(TPayloadProfile::Full);
    auto small = DemoPayloadFiles(TPayloadProfile::Small);
    ASSERT_EQ(full.size(), small.size());
    std::set<std::string> names;
    for (size_t i = 0; i < full.size(); ++i) {
        EXPECT_EQ(full[i].Name, small[i].Name);
        EXPECT_LE(full[i].Name.size(), 60u);  // fits a package name slot
        EXPECT_GE(small[i].Size, 1024u);
        EXPECT_LE(small[i].Size, full[i].Size);
        names.insert(full[i].Name);
    }
    EXPECT_EQ(names.size(), 59u);
    EXPECT_LT(Total(small), 1000000u);
}

TEST(DemoPayload, ContentIsAFunctionOfNameAndSize) {
    auto a = DemoPayloadContent("VidOV.exe", 70000);
    EXPECT_EQ(a, DemoPayloadContent("VidOV.exe", 70000));
    EXPECT_NE(a, DemoPayloadContent("VezaZU.dll", 70000));
    ASSERT_EQ(a.size(), 70000u);
    EXPECT_EQ(a[0], 'M');
    EXPECT_EQ(a[1], 'Z');
    auto icon = DemoPayloadContent("cd.ico", 9662);
    EXPECT_EQ(icon[2], 1);  // icon directory type
    EXPECT_TRUE(DemoPayloadContent("x.dll", 0).empty());
    EXPECT_EQ(DemoPayloadContent("x.dll", 5).size(), 5u);
}

TEST(DemoPayload, ProgramsKeepTheProfileSize) {
    const std::vector<uint8_t> program = {'M', 'Z', 1, 2, 3};
    auto padded = ProgramPayloadContent("UnInstall.exe", 92160, program);
    ASSERT_EQ(padded.size(), 92160u);
    EXPECT_TRUE(std::equal(program.begin(), program.end(), padded.begin()));
    auto demo = DemoPayloadContent("UnInstall.exe", 92160);
    EXPECT_TRUE(std::equal(padded.begin() + 5, padded.end(), demo.begin() + 5));
    // A program longer than its slot is taken whole.
    EXPECT_EQ(ProgramPayloadContent("UnInstall.exe", 3, program), program);
}

// The full package compresses about 2.2:1; a large sample of it must too.
TEST(DemoPayload, CompressesLikeTheShippedPackage) {
    auto data = DemoPayloadContent("wmv9dmod.dll", 1582080);
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<Bytef> out(size);
    ASSERT_EQ(compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), 9), Z_OK);
    double ratio = static_cast<double>(data.size()) / static_cast<double>(size);
    EXPECT_GT(ratio, 1.9);
    EXPECT_LT(ratio, 2.6);
}

TEST(DemoPayload, ProfileNames) {
    TPayloadProfile p = TPayloadProfile::Small;
    EXPECT_TRUE(ParsePayloadProfile("full", p));
    EXPECT_EQ(p, TPayloadProfile::Full);
    EXPECT_TRUE(ParsePayloadProfile("small", p));
    EXPECT_EQ(p, TPayloadProfile::Small);
    EXPECT_FALSE(ParsePayloadProfile("Full", p));
    EXPECT_FALSE(ParsePayloadProfile("", p));
}

}  // namespace
}  // namespace vd
