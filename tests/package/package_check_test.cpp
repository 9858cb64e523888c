// The structural check used by the packer tool.
#include <gtest/gtest.h>

#include "package/package_check.h"
#include "package_test_util.h"

namespace vd::test {
namespace {

std::string Joined(const std::vector<std::string>& v) {
    std::string r;
    for (const auto& s : v) r += s + "\n";
    return r;
}

class PackageCheck : public ::testing::Test {
protected:
    void SetUp() override {
        TSelfFileClass c(path, "m_install", FixedOptions());
        for (int i = 0; i < 4; ++i) {
            TMemoryStream m = StreamOf(Sample(3000, static_cast<uint32_t>(i)));
            c.AddEntry(Descriptor("e" + std::to_string(i)), m, 0);
            offsets[i] = c.GetLastEntry();
        }
        TMemoryStream empty;
        c.AddEntry(Descriptor("empty"), empty, 0);
        c.DeleteEntry(offsets[1]);
        TMemoryStream big = StreamOf(Sample(40000, 9));
        c.ReplaceEntry(offsets[2], Descriptor("e2"), big);
        good = ReadAll(path);
    }
    std::vector<std::string> CheckWith(const std::function<void(Bytes&)>& damage) {
        Bytes f = good;
        damage(f);
        WriteAll(path, f);
        return CheckPackage(path);
    }

    ScratchDir dir;
    std::string path = dir.File("c.db");
    int32_t offsets[4] = {};
    Bytes good;
};

TEST_F(PackageCheck, SoundFileHasNoProblems) {
    EXPECT_EQ(Joined(CheckPackage(path)), "");
    EXPECT_EQ(Joined(CheckWith([](Bytes& f) { f.resize(44); std::fill(f.begin() + 20, f.end(), 0); })), "");
}

TEST_F(PackageCheck, FindsEachKindOfDamage) {
    EXPECT_FALSE(CheckWith([&](Bytes& f) { PutI32(f.data() + offsets[0] + 21, offsets[0]); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { PutI32(f.data() + offsets[0] + 21, 7); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { PutI32(f.data() + offsets[0] + 4, 44); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { PutI16(f.data() + 24, 9); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { PutI16(f.data() + 30, 0); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { PutI32(f.data() + 36, offsets[0]); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { f[offsets[0] + 30] = 61; }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { f[offsets[3] + 112 + 200] ^= 1; }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { PutI64(f.data() + offsets[3] + 112, 3001); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { PutI64(f.data() + offsets[3] + 112, -1); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { f.pop_back(); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { f.resize(43); }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { f[8] = 2; }).empty());
    EXPECT_FALSE(CheckWith([&](Bytes& f) { PutI32(f.data() + 20, -5); }).empty());
    EXPECT_FALSE(CheckPackage(dir.File("missing")).empty());
}

TEST_F(PackageCheck, GarbageFinishesWithBoundedOutput) {
    for (uint32_t seed = 1; seed < 60; ++seed) {
        Bytes f(44 + seed * 997 % 5000);
        uint32_t s = seed;
        for (auto& b : f) b = static_cast<uint8_t>((s = s * 1664525u + 1013904223u) >> 24);
        WriteAll(path, f);
        auto problems = CheckPackage(path);
        EXPECT_FALSE(problems.empty());
        EXPECT_LE(problems.size(), 101u);
    }
}

}  // namespace
}  // namespace vd::test
