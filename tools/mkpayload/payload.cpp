#include "tools/mkpayload/payload.h"

#include <algorithm>
#include <cstring>

namespace vd {
namespace {

// Full-profile sizes, package order.
struct Entry {
    const char* name;
    uint32_t size;
};

const Entry kFiles[] = {
    {"GdiPlus.dll", 1724416}, {"VezaZU.dll", 1318912}, {"ZarIrovid.exe", 3917312}, {"VidOV.exe", 487424},
    {"UnInstall.exe", 92160}, {"VareDO.dll", 1036288}, {"RiduZuzi.exe", 17773936},
    // codecs
    {"l3codeca.acm", 235008}, {"l3codecx.ax", 99328}, {"wmv8ds32.ax", 167936}, {"wmvds32.ax", 169984},
    {"atrc.dll", 72704}, {"atrc3260.dll", 72704}, {"cook.dll", 132608}, {"cook3260.dll", 132608},
    {"drv1.dll", 145408}, {"drv13260.dll", 145408}, {"drv2.dll", 167424}, {"drv23260.dll", 167424},
    {"drv33260.dll", 215040}, {"drv43260.dll", 287744}, {"drvc.dll", 357376}, {"hxltcolor.dll", 34304},
    {"pncrt.dll", 243200}, {"raac.dll", 69120}, {"raac3260.dll", 69120}, {"rv10.dll", 56832},
    {"rv103260.dll", 56832}, {"rv20.dll", 110592}, {"rv203260.dll", 110592}, {"rv30.dll", 129536},
    {"rv303260.dll", 129536}, {"rv40.dll", 161280}, {"rv403260.dll", 161280}, {"sipr.dll", 84992},
    {"sipr3260.dll", 84992}, {"vp6vfw.dll", 322560}, {"vp7vfw.dll", 439296}, {"VSFilter.dll", 1152512},
    {"wma9dmod.dll", 781824}, {"wmadmod.dll", 369664}, {"wmsdmod.dll", 774656}, {"wmspdmod.dll", 435200},
    {"wmv9dmod.dll", 1582080}, {"wmvadvd.dll", 1233408}, {"wmvdmod.dll", 1433600}, {"wvc1dmod.dll", 1549824},
    // icons
    {"audio.ico", 25214}, {"avi.ico", 25214}, {"cd.ico", 9662}, {"dvd.ico", 9662}, {"mkv.ico", 25214},
    {"mp4.ico", 25214}, {"mpg.ico", 25214}, {"quicktime.ico", 25214}, {"real.ico", 25214}, {"swf.ico", 9662},
    {"wmv.ico", 25214},
    // skin
    {"default.skn", 662468},
};

// SplitMix64: a small, well-mixed deterministic generator.
struct Mixer {
    uint64_t state;
    uint64_t Next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
};

uint64_t HashName(const std::string& name) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : name) h = (h ^ c) * 1099511628211ull;
    return h;
}

bool EndsWith(const std::string& s, const char* suffix) {
    size_t n = std::strlen(suffix);
    return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

// A file starts with a plausible header so that it looks like what its name
// says: "MZ" for programs and libraries, an icon directory for icons.
void WriteHeader(const std::string& name, std::vector<uint8_t>& out) {
    if (EndsWith(name, ".ico")) {
        const uint8_t ico[] = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0};
        for (size_t i = 0; i < sizeof ico && i < out.size(); ++i) out[i] = ico[i];
    } else if (!EndsWith(name, ".skn")) {
        const char mz[] = "MZ\x90\0\x03\0\0\0\x04\0\0\0\xff\xff";
        for (size_t i = 0; i < sizeof mz - 1 && i < out.size(); ++i) out[i] = static_cast<uint8_t>(mz[i]);
    }
}

}  // namespace

std::vector<TPayloadFile> DemoPayloadFiles(TPayloadProfile profile) {
    std::vector<TPayloadFile> files;
    for (const Entry& e : kFiles) {
        uint32_t size = e.size;
        // The small profile keeps every file, at 1/128 of its size and at least 1 KiB.
        if (profile == TPayloadProfile::Small) size = size / 128 < 1024 ? 1024 : size / 128;
        files.push_back({e.name, size});
    }
    return files;
}

std::vector<uint8_t> DemoPayloadContent(const std::string& name, uint32_t size) {
    std::vector<uint8_t> out(size);
    Mixer rng{HashName(name) ^ size};
    // A vocabulary of short "instruction" tokens, shared by the whole file,
    // makes the structured blocks compress like code and resources; the
    // other blocks are noise, like already-compressed data.
    uint8_t vocabulary[64][6];
    for (auto& token : vocabulary)
        for (auto& b : token) b = static_cast<uint8_t>(rng.Next());
    constexpr uint32_t kBlock = 1024;
    for (uint32_t pos = 0; pos < size; pos += kBlock) {
        uint32_t end = pos + kBlock < size ? pos + kBlock : size;
        uint64_t kind = rng.Next() % 100;
        if (kind < 24) {
            for (uint32_t i = pos; i < end; i += 8) {
                uint64_t v = rng.Next();
                for (uint32_t k = 0; k < 8 && i + k < end; ++k) out[i + k] = static_cast<uint8_t>(v >> (8 * k));
            }
        } else {
            uint32_t i = pos;
            while (i < end) {
                uint64_t v = rng.Next();
                const uint8_t* token = vocabulary[(v & 63) & ((v >> 6) & 63)];  // skewed towards low indices
                for (int k = 0; k < 6 && i < end; ++k) out[i++] = token[k];
                if (i < end && ((v >> 16) & 3) == 0) out[i++] = static_cast<uint8_t>(v >> 24);
            }
        }
    }
    WriteHeader(name, out);
    return out;
}

std::vector<uint8_t> ProgramPayloadContent(const std::string& name, uint32_t size,
                                           const std::vector<uint8_t>& program) {
    if (program.size() >= size) return program;
    std::vector<uint8_t> out = DemoPayloadContent(name, size);
    std::copy(program.begin(), program.end(), out.begin());
    return out;
}

bool ParsePayloadProfile(const std::string& text, TPayloadProfile& profile) {
    if (text == "small") profile = TPayloadProfile::Small;
    else if (text == "full") profile = TPayloadProfile::Full;
    else return false;
    return true;
}

}  // namespace vd
