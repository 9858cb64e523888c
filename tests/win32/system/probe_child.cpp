// Child program for the process and program-start tests.
//   probe_child            exits 0
//   probe_child N          exits with code N
//   probe_child sleep MS   sleeps MS milliseconds, exits 0
//   probe_child WORD       exits 99 (started with an unexpected command line)
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2) return 0;
    if (std::strcmp(argv[1], "sleep") == 0) {
        Sleep(argc > 2 ? static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)) : 1000);
        return 0;
    }
    char* end = nullptr;
    long code = std::strtol(argv[1], &end, 10);
    if (end == argv[1] || *end != '\0') return 99;
    return static_cast<int>(code);
}
