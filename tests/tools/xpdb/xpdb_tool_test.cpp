// Round trips through the xpdb program.
#include <chrono>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

#include "package/self_file.h"
#include "package_test_util.h"

namespace vd::test {
namespace {

struct Result {
    int rc = -1;
    std::string out, err;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string Text(const Bytes& b) { return std::string(b.begin(), b.end()); }

std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> r;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) r.push_back(l);
    return r;
}

class Xpdb : public ::testing::Test {
protected:
    Result Run(const std::vector<std::string>& args, const std::string& env = "") {
        std::string cmd = "env -u SOURCE_DATE_EPOCH " + env + " " + Quote(XPDB_PATH);
        for (const auto& a : args) cmd += " " + Quote(a);
        cmd += " >" + Quote(dir.File("stdout")) + " 2>" + Quote(dir.File("stderr")) + " </dev/null";
        int status = std::system(cmd.c_str());
        Result r;
        r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        r.out = Text(ReadAll(dir.File("stdout")));
        r.err = Text(ReadAll(dir.File("stderr")));
        return r;
    }
    std::string P(const std::string& name) { return dir.File(name); }
    void MakeSource() {
        mkdir(P("src").c_str(), 0755);
        WriteAll(P("src/b.dll"), Sample(70000, 2));
        WriteAll(P("src/a.exe"), Sample(123456, 1));
        Bytes binary = {0, 13, 10, 26, 255, 0, 10, 13};
        WriteAll(P("src/c.bin"), binary);
        WriteAll(P("src/empty.txt"), {});
        mkdir(P("src/sub").c_str(), 0755);  // folders inside are not added
        WriteAll(P("src/sub/x"), Sample(10));
        WriteAll(P("default.skn"), Sample(999, 3));
    }
    void ExpectOneLineError(const Result& r) {
        EXPECT_NE(r.rc, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }

    ScratchDir dir;
    const std::string stamp = "2011-07-21 10:59:20.671";
};

TEST_F(Xpdb, PackListInfoCat) {
    MakeSource();
    Result r = Run({"pack", P("p.bin"), "--mark", "m_install", "--created", stamp, P("src"), P("default.skn")});
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "");

    r = Run({"list", P("p.bin")});
    ASSERT_EQ(r.rc, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u);
    const char* names[] = {"a.exe", "b.dll", "c.bin", "empty.txt", "default.skn"};
    const int64_t sizes[] = {123456, 70000, 8, 0, 999};
    Bytes file = ReadAll(P("p.bin"));
    int64_t offset = 44;
    for (int i = 0; i < 5; ++i) {
        TEntryRecord rec = RecordAt(file, static_cast<int32_t>(offset));
        std::string expect = std::to_string(i + 1) + "\t" + names[i] + "\t" + std::to_string(rec.StoredSize) + "\t" +
                             std::to_string(sizes[i]) + "\t" + std::to_string(offset);
        EXPECT_EQ(lines[static_cast<size_t>(i)], expect);
        offset += 112 + rec.StoredSize;
    }
    EXPECT_EQ(static_cast<size_t>(offset), file.size());

    const std::string lastOffset = lines[4].substr(lines[4].rfind('\t') + 1);
    r = Run({"info", P("p.bin")});
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "mark: m_install\nversion: 1\ncreated: 2011-07-21 10:59:20.671\nLastID: 5\nEntryCount: 5\n"
                     "FirstEntry: 44\nDeletedCount: 0\nFirstDeleted: 0\nLastEntry: " +
                         lastOffset + "\nLastDeleted: 0\n");

    EXPECT_EQ(Run({"cat", P("p.bin"), "c.bin"}).out, Text(ReadAll(P("src/c.bin"))));
    EXPECT_EQ(Run({"cat", P("p.bin"), "a.exe"}).out, Text(Sample(123456, 1)));
    r = Run({"cat", P("p.bin"), "empty.txt"});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, "");
    ExpectOneLineError(Run({"cat", P("p.bin"), "A.EXE"}));
}

TEST_F(Xpdb, PackIsReproducibleAndReplacesTheOutput) {
    MakeSource();
    WriteAll(P("one.bin"), Sample(5000));  // replaced, not appended to
    ASSERT_EQ(Run({"pack", P("one.bin"), "--mark", "m_install", "--created", stamp, P("src")}).rc, 0);
    ASSERT_EQ(Run({"pack", P("two.bin"), "--created", stamp, "--mark", "m_install", P("src")}).rc, 0);
    EXPECT_EQ(ReadAll(P("one.bin")), ReadAll(P("two.bin")));

    // The same bytes as the library adding the files one by one.
    {
        TSelfFileClass c(P("lib.bin"), "m_install", FixedOptions());
        for (const char* n : {"a.exe", "b.dll", "c.bin", "empty.txt"}) {
            TMemoryStream m = StreamOf(ReadAll(P(std::string("src/") + n)));
            c.AddEntry(Descriptor(n), m, 0);
        }
    }
    EXPECT_EQ(ReadAll(P("one.bin")), ReadAll(P("lib.bin")));

    // SOURCE_DATE_EPOCH stands in when --created is absent.
    ASSERT_EQ(Run({"pack", P("e1.bin"), "--mark", "m", P("src")}, "SOURCE_DATE_EPOCH=86400").rc, 0);
    ASSERT_EQ(Run({"pack", P("e2.bin"), "--mark", "m", P("src")}, "SOURCE_DATE_EPOCH=86400").rc, 0);
    EXPECT_EQ(ReadAll(P("e1.bin")), ReadAll(P("e2.bin")));
    EXPECT_EQ(Lines(Run({"info", P("e1.bin")}).out)[2], "created: 1970-01-02 00:00:00.000");
    ASSERT_EQ(Run({"pack", P("n.bin"), "--created", "40745.5", P("src")}).rc, 0);
    EXPECT_EQ(Lines(Run({"info", P("n.bin")}).out)[2], "created: 2011-07-21 12:00:00.000");
    EXPECT_EQ(Lines(Run({"info", P("n.bin")}).out)[0], "mark: xpselfdb");
}

TEST_F(Xpdb, PackRefusesBadInputWithoutLeavingAFile) {
    MakeSource();
    ExpectOneLineError(Run({"pack", P("x.bin"), "--mark", "m", P("src"), P("missing")}));
    EXPECT_FALSE(TFileStream::Exists(P("x.bin")));
    ExpectOneLineError(Run({"pack", P("x.bin"), "--mark", "m", P("src"), P("src/a.exe")}));  // same name twice
    WriteAll(P(std::string(61, 'n')), Sample(3));
    ExpectOneLineError(Run({"pack", P("x.bin"), "--mark", "m", P(std::string(61, 'n'))}));
    ExpectOneLineError(Run({"pack", P("x.bin"), "--mark", "elevenbytes", P("src")}));
    ExpectOneLineError(Run({"pack", P("x.bin"), "--mark", "m", "--created", "yesterday", P("src")}));
    EXPECT_FALSE(TFileStream::Exists(P("x.bin")));
}

TEST_F(Xpdb, ExtractWritesEveryEntryAndRefusesEscapingNames) {
    {
        TSelfFileClass c(P("evil.bin"), "m_install", FixedOptions());
        const char* names[] = {"good.txt", "../up.txt", "..", "sub/x.txt", "C:evil", "back\\slash", "dup", "dup"};
        int i = 0;
        for (const char* n : names) {
            TMemoryStream m = StreamOf(Sample(100, static_cast<uint32_t>(i++)));
            c.AddEntry(Descriptor(n), m, 0);
        }
    }
    Result r = Run({"extract", P("evil.bin"), P("out/deep")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 6) << r.err;
    EXPECT_EQ(ReadAll(P("out/deep/good.txt")), Sample(100, 0));
    EXPECT_EQ(ReadAll(P("out/deep/dup")), Sample(100, 6));  // the first of equal names
    EXPECT_FALSE(TFileStream::Exists(P("out/up.txt")));
    EXPECT_FALSE(TFileStream::Exists(P("out/deep/C:evil")));
    EXPECT_FALSE(TFileStream::Exists(P("out/deep/back\\slash")));
    EXPECT_EQ(std::system(("test -z \"$(ls -A " + Quote(P("out")) + " | grep -v deep)\"").c_str()), 0);

    MakeSource();
    ASSERT_EQ(Run({"pack", P("p.bin"), "--mark", "m_install", P("src")}).rc, 0);
    r = Run({"extract", P("p.bin"), P("x")});
    ASSERT_EQ(r.rc, 0) << r.err;
    for (const char* n : {"a.exe", "b.dll", "c.bin", "empty.txt"})
        EXPECT_EQ(ReadAll(P(std::string("x/") + n)), ReadAll(P(std::string("src/") + n))) << n;
}

TEST_F(Xpdb, PutAndRm) {
    WriteAll(P("rec"), Sample(272, 1));
    Result r = Run({"put", P("db"), "boxspvalue", P("rec"), "--kind", "1", "--text", "hello"});
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(Lines(Run({"info", P("db")}).out)[0], "mark: xpselfdb");
    Bytes f = ReadAll(P("db"));
    EXPECT_EQ(f[69], 1);
    EXPECT_EQ(f[69 + 66], 5);

    WriteAll(P("rec2"), Bytes(272, 7));
    ASSERT_EQ(Run({"put", P("db"), "boxspvalue", P("rec2"), "--kind", "9"}).rc, 0);
    EXPECT_EQ(Run({"cat", P("db"), "boxspvalue"}).out, Text(Bytes(272, 7)));
    EXPECT_EQ(ReadAll(P("db"))[69], 1);  // a replaced entry keeps its kind
    EXPECT_EQ(Lines(Run({"list", P("db")}).out).size(), 1u);

    ASSERT_EQ(Run({"put", P("db"), "other", P("rec"), "--tag", "-3"}).rc, 0);
    ExpectOneLineError(Run({"put", P("db"), "x", P("rec"), "--mark", "b_special"}));
    ASSERT_EQ(Run({"put", P("sp"), "boxspvalue", P("rec"), "--mark", "b_special"}).rc, 0);
    EXPECT_EQ(Lines(Run({"info", P("sp")}).out)[0], "mark: b_special");
    ASSERT_EQ(Run({"put", P("sp"), "more", P("rec")}).rc, 0);  // any mark when none is asked for

    ASSERT_EQ(Run({"rm", P("db"), "boxspvalue"}).rc, 0);
    auto lines = Lines(Run({"list", P("db")}).out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, 8), "2\tother\t");
    EXPECT_EQ(Lines(Run({"info", P("db")}).out)[6], "DeletedCount: 1");
    ExpectOneLineError(Run({"rm", P("db"), "boxspvalue"}));
    ExpectOneLineError(Run({"rm", P("nothing.db"), "x"}));
    EXPECT_FALSE(TFileStream::Exists(P("nothing.db")));
    ExpectOneLineError(Run({"put", P("db"), "k", P("rec"), "--kind", "256"}));
    ExpectOneLineError(Run({"put", P("db"), "k", P("no-source")}));
    EXPECT_EQ(Run({"check", P("db")}).rc, 0);
}

TEST_F(Xpdb, ReadingCommandsNeverCreateOrChange) {
    MakeSource();
    ASSERT_EQ(Run({"pack", P("p.bin"), "--mark", "m_install", P("src")}).rc, 0);
    const Bytes before = ReadAll(P("p.bin"));
    chmod(P("p.bin").c_str(), 0444);
    EXPECT_EQ(Run({"list", P("p.bin")}).rc, 0);
    EXPECT_EQ(Run({"info", P("p.bin")}).rc, 0);
    EXPECT_EQ(Run({"cat", P("p.bin"), "a.exe"}).rc, 0);
    EXPECT_EQ(Run({"check", P("p.bin")}).rc, 0);
    EXPECT_EQ(Run({"extract", P("p.bin"), P("x")}).rc, 0);
    EXPECT_EQ(ReadAll(P("p.bin")), before);
    for (const char* cmd : {"list", "info", "check"}) {
        ExpectOneLineError(Run({cmd, P("absent.bin")}));
        EXPECT_FALSE(TFileStream::Exists(P("absent.bin"))) << cmd;
    }
    ExpectOneLineError(Run({"cat", P("absent.bin"), "a"}));
    ExpectOneLineError(Run({"extract", P("absent.bin"), P("y")}));
    EXPECT_FALSE(TFileStream::Exists(P("absent.bin")));

    // --mark makes them refuse another mark.
    ExpectOneLineError(Run({"list", P("p.bin"), "--mark", "xpselfdb"}));
    EXPECT_EQ(Run({"list", P("p.bin"), "--mark", "m_install"}).rc, 0);
    EXPECT_EQ(Run({"check", P("p.bin"), "--mark", "other"}).rc, 1);
}

TEST_F(Xpdb, CheckReportsDamageAndFinishesFastOnGarbage) {
    MakeSource();
    ASSERT_EQ(Run({"pack", P("p.bin"), "--mark", "m_install", P("src")}).rc, 0);
    Result r = Run({"check", P("p.bin")});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, "");

    Bytes f = ReadAll(P("p.bin"));
    TEntryRecord first = RecordAt(f, 44);
    PutI32(f.data() + first.Next + 21, 44);  // second -> first: a circle
    f[44 + 112 + 500] ^= 0x40;               // and damaged zlib data
    WriteAll(P("bad.bin"), f);
    r = Run({"check", P("bad.bin")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_GE(Lines(r.out).size(), 2u) << r.out;

    Bytes garbage = Sample(3 << 20, 77);
    for (size_t i = 0; i < garbage.size(); i += 7) garbage[i] = static_cast<uint8_t>(i * 31);
    WriteAll(P("garbage.bin"), garbage);
    const auto start = std::chrono::steady_clock::now();
    r = Run({"check", P("garbage.bin")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_FALSE(r.out.empty());
    for (const char* cmd : {"list", "info"}) {
        Result g = Run({cmd, P("garbage.bin")});
        EXPECT_NE(g.rc, 0);
        EXPECT_LT(g.rc, 128) << "crashed";
    }
    WriteAll(P("tiny.bin"), Bytes{1, 2, 3});
    EXPECT_EQ(Run({"check", P("tiny.bin")}).rc, 1);
    ExpectOneLineError(Run({"list", P("tiny.bin")}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(Xpdb, UsageErrors) {
    ExpectOneLineError(Run({}));
    ExpectOneLineError(Run({"frobnicate"}));
    ExpectOneLineError(Run({"list"}));
    ExpectOneLineError(Run({"cat", P("x")}));
    ExpectOneLineError(Run({"list", P("x"), "--bogus"}));
    ExpectOneLineError(Run({"pack", P("x"), "--mark"}));
    EXPECT_EQ(Run({"list"}).rc, 2);
    Result h = Run({"--help"});
    EXPECT_EQ(h.rc, 0);
    EXPECT_NE(h.out.find("--created"), std::string::npos);
    EXPECT_NE(h.out.find("SOURCE_DATE_EPOCH"), std::string::npos);
}

}  // namespace
}  // namespace vd::test
