// mkpayload: writes the demo payload (the player's 59 files with
// deterministic contents) into a folder, and the package order into
// FOLDER/order.txt (one name per line). `--program NAME=FILE` puts the bytes
// of a real program in place of the generated ones for that name (padded to
// the profile's size); it may be given more than once.
//   mkpayload [--profile small|full] [--program NAME=FILE]... FOLDER
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>

#include "imaging/image.h"
#include "tools/mkpayload/payload.h"

int main(int argc, char** argv) {
    vd::TPayloadProfile profile = vd::TPayloadProfile::Small;
    std::string folder;
    std::map<std::string, std::vector<uint8_t>> programs;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--program" && i + 1 < argc) {
            std::string assignment = argv[++i];
            size_t eq = assignment.find('=');
            std::vector<uint8_t> bytes;
            if (eq == std::string::npos || eq == 0 || !vd::ReadFileBytes(assignment.substr(eq + 1), bytes)) {
                std::fprintf(stderr, "mkpayload: --program needs NAME=FILE with a readable file: '%s'\n",
                             assignment.c_str());
                return 2;
            }
            programs[assignment.substr(0, eq)] = std::move(bytes);
        } else if (a == "--profile" && i + 1 < argc) {
            if (!vd::ParsePayloadProfile(argv[++i], profile)) {
                std::fprintf(stderr, "mkpayload: unknown profile '%s' (small or full)\n", argv[i]);
                return 2;
            }
        } else if (a == "--help" || a == "-h") {
            std::printf("usage: mkpayload [--profile small|full] [--program NAME=FILE]... FOLDER\n");
            return 0;
        } else if (folder.empty() && a[0] != '-') {
            folder = a;
        } else {
            std::fprintf(stderr, "mkpayload: unexpected argument '%s'\n", a.c_str());
            return 2;
        }
    }
    if (folder.empty()) {
        std::fprintf(stderr, "usage: mkpayload [--profile small|full] [--program NAME=FILE]... FOLDER\n");
        return 2;
    }
    const std::vector<vd::TPayloadFile> files = vd::DemoPayloadFiles(profile);
    for (const auto& [name, bytes] : programs) {
        bool known = false;
        for (const vd::TPayloadFile& f : files) known = known || f.Name == name;
        if (!known) {
            std::fprintf(stderr, "mkpayload: '%s' is not a file of the payload\n", name.c_str());
            return 2;
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "mkpayload: cannot create %s: %s\n", folder.c_str(), ec.message().c_str());
        return 1;
    }
    std::string order;
    for (const vd::TPayloadFile& f : files) {
        auto program = programs.find(f.Name);
        std::vector<uint8_t> data = program == programs.end()
                                        ? vd::DemoPayloadContent(f.Name, f.Size)
                                        : vd::ProgramPayloadContent(f.Name, f.Size, program->second);
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
