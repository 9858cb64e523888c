// mkpayload: writes the demo payload (the player's 59 files with
// deterministic contents) into a folder, and the package order into
// FOLDER/order.txt (one name per line).
//   mkpayload [--profile small|full] FOLDER
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "imaging/image.h"
#include "tools/mkpayload/payload.h"

int main(int argc, char** argv) {
    vd::TPayloadProfile profile = vd::TPayloadProfile::Small;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--profile" && i + 1 < argc) {
            if (!vd::ParsePayloadProfile(argv[++i], profile)) {
                std::fprintf(stderr, "mkpayload: unknown profile '%s' (small or full)\n", argv[i]);
                return 2;
            }
        } else if (a == "--help" || a == "-h") {
            std::printf("usage: mkpayload [--profile small|full] FOLDER\n");
            return 0;
        } else if (folder.empty() && a[0] != '-') {
            folder = a;
        } else {
            std::fprintf(stderr, "mkpayload: unexpected argument '%s'\n", a.c_str());
            return 2;
        }
    }
    if (folder.empty()) {
        std::fprintf(stderr, "usage: mkpayload [--profile small|full] FOLDER\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "mkpayload: cannot create %s: %s\n", folder.c_str(), ec.message().c_str());
        return 1;
    }
    std::string order;
    for (const vd::TPayloadFile& f : vd::DemoPayloadFiles(profile)) {
        std::vector<uint8_t> data = vd::DemoPayloadContent(f.Name, f.Size);
        if (!vd::WriteFileBytes(folder + "/" + f.Name, data.data(), data.size())) {
            std::fprintf(stderr, "mkpayload: cannot write %s/%s\n", folder.c_str(), f.Name.c_str());
            return 1;
        }
        order += f.Name + "\n";
    }
    if (!vd::WriteFileBytes(folder + "/order.txt", reinterpret_cast<const uint8_t*>(order.data()), order.size())) {
        std::fprintf(stderr, "mkpayload: cannot write %s/order.txt\n", folder.c_str());
        return 1;
    }
    return 0;
}
