// fxrender: renders one frame of a slideshow transition to a PNG file.
//
//   fxrender --style N --progress P [--seed S] [--seed-out] START.png PICTURE.png OUT.png
//   fxrender --list
//
// The screen starts as a copy of START and the new picture is PICTURE (same
// size); progress 0 gives START, 100 gives PICTURE, and any other progress
// runs the style's routine with the progress extents of the slideshow.
// --seed sets the process-wide random seed first, --seed-out prints the seed
// afterwards.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/random.h"
#include "png_io.h"
#include "slideshow/draw.h"
#include "slideshow/effect_table.h"
#include "slideshow/extents.h"

namespace {

const char kUsage[] =
    "usage: fxrender --style N --progress P [--seed S] [--seed-out] START.png PICTURE.png OUT.png"
    " | fxrender --list";

int Fail(const std::string& message) {
    std::fprintf(stderr, "fxrender: %s\n", message.c_str());
    return 1;
}

// A whole decimal number within [lo, hi].
bool ParseNumber(const std::string& text, long long lo, long long hi, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi) return false;
    value = v;
    return true;
}

int List() {
    for (int style = 1; style <= vd::kEffectCount; ++style)
        std::printf("%d\t%s\n", style, vd::EffectByStyle(style)->Name);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--list") return List();

    long long style = -1, progress = -1, seed = 0;
    bool haveSeed = false, seedOut = false;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
        if (a == "--style") {
            const std::string* v = value();
            if (!v || !ParseNumber(*v, 1, vd::kEffectCount, style))
                return Fail("--style needs a number from 1 to 171");
        } else if (a == "--progress") {
            const std::string* v = value();
            if (!v || !ParseNumber(*v, 0, 100, progress)) return Fail("--progress needs a number from 0 to 100");
        } else if (a == "--seed") {
            const std::string* v = value();
            if (!v || !ParseNumber(*v, -2147483648LL, 4294967295LL, seed))
                return Fail("--seed needs a 32-bit number");
            haveSeed = true;
        } else if (a == "--seed-out") {
            seedOut = true;
        } else if (a == "--list") {
            return Fail("--list takes no other arguments");
        } else if (a.size() > 1 && a[0] == '-') {
            return Fail("unknown option " + a + "; " + kUsage);
        } else {
            files.push_back(a);
        }
    }
    if (style < 0 || progress < 0 || files.size() != 3) return Fail(kUsage);

    vd::TSurface screen, picture;
    std::string error;
    if (!vd::ReadPngSurface(files[0], screen, error)) return Fail(error);
    if (!vd::ReadPngSurface(files[1], picture, error)) return Fail(error);
    if (screen.Width() != picture.Width() || screen.Height() != picture.Height())
        return Fail("START and PICTURE differ in size");

    if (haveSeed) vd::SetRandSeed(static_cast<uint32_t>(seed));
    const int w = picture.Width(), h = picture.Height(), p = static_cast<int>(progress);
    if (p == 100) {
        vd::CopyColors(screen, picture);
    } else if (p > 0) {
        const vd::TEffect* effect = vd::EffectByStyle(static_cast<int>(style));
        if (!effect->Proc) return Fail("style " + std::to_string(style) + " has no routine in this build");
        vd::TExtents e = vd::ProgressExtents(w, h, p);
        effect->Proc(screen, picture, w, h, e.X, e.Y, p);
    }
    if (!vd::WritePngSurface(files[2], screen, error)) return Fail(error);
    if (seedOut) std::printf("%u\n", vd::RandSeed());
    return 0;
}
