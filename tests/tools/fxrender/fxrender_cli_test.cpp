#include <gtest/gtest.h>

#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "core/random.h"
#include "png_io.h"
#include "slideshow/effect_table.h"
#include "slideshow/extents.h"

namespace vd {
namespace {

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

class FxRenderCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = ::testing::TempDir() + "fxrender_cli_" + std::to_string(::getpid()) + "_";
        start_ = dir_ + "start.png";
        picture_ = dir_ + "picture.png";
        out_ = dir_ + "out.png";
        // Alpha varies over both images: it must never leak into the result.
        startSurf_ = Surface(37, 23, 0x203040, 17);
        pictureSurf_ = Surface(37, 23, 0xC0A080, 91);
        std::string error;
        ASSERT_TRUE(WritePngRgba(start_, startSurf_, error)) << error;
        ASSERT_TRUE(WritePngRgba(picture_, pictureSurf_, error)) << error;
    }
    void TearDown() override {
        for (const std::string& f : {start_, picture_, out_, dir_ + "small.png", dir_ + "out.txt", dir_ + "err.txt"})
            std::remove(f.c_str());
    }

    static TSurface Surface(int w, int h, uint32_t base, int alphaSalt) {
        TSurface s(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                s.At(x, y) = (static_cast<uint32_t>((x * 5 + y * 3 + alphaSalt) & 0xFF) << 24) |
                             ((base + static_cast<uint32_t>(x + 64 * y)) & kColorMask);
        return s;
    }

    // Writes the fourth byte as alpha (WritePngSurface writes 255).
    static bool WritePngRgba(const std::string& path, const TSurface& s, std::string& error) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return false;
        std::fclose(f);
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = s.Width();
        image.height = s.Height();
        image.format = PNG_FORMAT_RGBA;
        std::string rgba;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) {
                uint32_t p = s.At(x, y);
                rgba += static_cast<char>(p >> 16);
                rgba += static_cast<char>(p >> 8);
                rgba += static_cast<char>(p);
                rgba += static_cast<char>(p >> 24);
            }
        if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr)) {
            error = image.message;
            return false;
        }
        return true;
    }

    RunResult Exec(const std::string& args) {
        const std::string o = dir_ + "out.txt", e = dir_ + "err.txt";
        std::string cmd = std::string("\"") + FXRENDER_PATH + "\" " + args + " >" + o + " 2>" + e;
        int rc = std::system(cmd.c_str());
        auto slurp = [](const std::string& p) {
            std::ifstream in(p);
            std::stringstream ss;
            ss << in.rdbuf();
            return ss.str();
        };
        return {rc, slurp(o), slurp(e)};
    }
    std::string Files() const { return start_ + " " + picture_ + " " + out_; }

    // The frame the library renders for the same inputs.
    TSurface Expected(int style, int progress, uint32_t seed) {
        TSurface s = startSurf_;
        if (progress == 100) s = pictureSurf_;
        if (progress > 0 && progress < 100) {
            ScopedRandSeed keep(seed);
            TExtents e = ProgressExtents(37, 23, progress);
            EffectByStyle(style)->Proc(s, pictureSurf_, 37, 23, e.X, e.Y, progress);
        }
        return s;
    }
    void ExpectOutput(const TSurface& want) {
        TSurface got;
        std::string error;
        ASSERT_TRUE(ReadPngSurface(out_, got, error)) << error;
        ASSERT_EQ(got.Width(), want.Width());
        ASSERT_EQ(got.Height(), want.Height());
        for (int y = 0; y < want.Height(); ++y)
            for (int x = 0; x < want.Width(); ++x)
                ASSERT_EQ(got.At(x, y), 0xFF000000u | (want.At(x, y) & kColorMask)) << x << "," << y;
    }

    std::string dir_, start_, picture_, out_;
    TSurface startSurf_, pictureSurf_;
};

TEST_F(FxRenderCli, ListsEveryStyleWithItsName) {
    RunResult r = Exec("--list");
    ASSERT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line;
    int n = 0;
    while (std::getline(lines, line)) {
        ++n;
        EXPECT_EQ(line, std::to_string(n) + "\t" + EffectByStyle(n)->Name);
    }
    EXPECT_EQ(n, 171);
}

TEST_F(FxRenderCli, RendersTheFrameTheLibraryRenders) {
    for (int style : {1, 14, 57, 128, 135}) {
        for (int progress : {0, 1, 50, 99, 100}) {
            RunResult r = Exec("--style " + std::to_string(style) + " --progress " + std::to_string(progress) + " " + Files());
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.out, "");
            ExpectOutput(Expected(style, progress, 0));
        }
    }
}

TEST_F(FxRenderCli, SeedsTheGeneratorAndReportsTheSeed) {
    RunResult r = Exec("--style 1 --progress 40 --seed 123456 --seed-out " + Files());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "123456\n");  // a stretch style draws no random number
    // The seed is a 32-bit pattern: negative values wrap, output is unsigned.
    RunResult n = Exec("--style 1 --progress 0 --seed -1 --seed-out " + Files());
    ASSERT_EQ(n.status, 0) << n.err;
    EXPECT_EQ(n.out, "4294967295\n");
    for (int style = 1; style <= kEffectCount; style += 17) {
        if (!EffectByStyle(style)->Proc) continue;
        RunResult q = Exec("--seed 99 --seed-out --style " + std::to_string(style) + " --progress 33 " + Files());
        ASSERT_EQ(q.status, 0) << q.err;
        // The same frame in this process, from the same seed.
        SetRandSeed(99);
        TSurface want = startSurf_;
        TExtents e = ProgressExtents(37, 23, 33);
        EffectByStyle(style)->Proc(want, pictureSurf_, 37, 23, e.X, e.Y, 33);
        EXPECT_EQ(q.out, std::to_string(RandSeed()) + "\n") << style;
        ExpectOutput(want);
    }
}

TEST_F(FxRenderCli, RefusesBadArgumentsWithOneLine) {
    const std::string bad[] = {
        "",
        "--style 0 --progress 50 " + Files(),
        "--style 172 --progress 50 " + Files(),
        "--style 5 --progress 101 " + Files(),
        "--style 5 --progress -1 " + Files(),
        "--style x --progress 5 " + Files(),
        "--style 5 " + Files(),
        "--style 5 --progress 5 " + start_ + " " + picture_,
        "--style 5 --progress 5 --frobnicate " + Files(),
        "--style 5 --progress 5 --seed " + Files(),
        "--style 5 --progress 5 --seed 4294967296 " + Files(),
        "--style 5 --progress 5 " + dir_ + "missing.png " + picture_ + " " + out_,
        "--style 5 --progress 5 " + dir_ + "err.txt " + picture_ + " " + out_,
        "--list --style 5",
    };
    for (const std::string& args : bad) {
        std::ofstream(dir_ + "err.txt") << "not a picture";
        RunResult r = Exec(args);
        EXPECT_NE(r.status, 0) << args;
        EXPECT_EQ(r.out, "") << args;
        ASSERT_FALSE(r.err.empty()) << args;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << ": " << r.err;
    }
}

TEST_F(FxRenderCli, RefusesPicturesOfDifferentSizes) {
    std::string error;
    ASSERT_TRUE(WritePngSurface(dir_ + "small.png", TSurface(5, 5), error));
    RunResult r = Exec("--style 5 --progress 50 " + start_ + " " + dir_ + "small.png " + out_);
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("size"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace vd
