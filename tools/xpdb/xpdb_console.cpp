#include "tools/xpdb/xpdb_console.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#include "core/text.h"
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace vd::xpdb {
namespace {

#if defined(__cpp_char8_t)
fs::path P(const std::string& utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}
std::string S(const fs::path& p) {
    std::u8string u = p.u8string();
    return std::string(reinterpret_cast<const char*>(u.data()), u.size());
}
#else
fs::path P(const std::string& utf8) { return fs::u8path(utf8); }
std::string S(const fs::path& p) { return p.u8string(); }
#endif

}  // namespace

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int n = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &n);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
        std::u16string u(reinterpret_cast<const char16_t*>(wide[i]));
        out.push_back(Utf16ToUtf8(u));
    }
    LocalFree(wide);
    return out;
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

void SetBinaryStdout() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

bool WriteStdout(const void* data, size_t size) {
    return size == 0 || std::fwrite(data, 1, size, stdout) == size;
}

bool StderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

void Complain(const std::string& message) {
    std::string line = "xpdb: " + message;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    std::fprintf(stderr, "%s\n", line.c_str());
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(P(path), ec);
}

bool IsRegularFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(P(path), ec);
}

bool PathExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(P(path), ec);
}

std::vector<std::string> RegularFilesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(P(dir))) {
        std::error_code ec;
        if (e.is_regular_file(ec)) names.push_back(S(e.path().filename()));
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> paths;
    for (const auto& n : names) paths.push_back(JoinPath(dir, n));
    return paths;
}

void MakeDirectories(const std::string& dir) { fs::create_directories(P(dir)); }

void RemoveFileIfPresent(const std::string& path) {
    std::error_code ec;
    fs::remove(P(path), ec);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(P(a), P(b), ec);
}

std::string FileNameOf(const std::string& path) { return S(P(path).filename()); }

std::string JoinPath(const std::string& dir, const std::string& name) { return S(P(dir) / P(name)); }

}  // namespace vd::xpdb
