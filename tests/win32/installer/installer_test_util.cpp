#include "tests/win32/installer/installer_test_util.h"

#include "core/wide.h"
#include "tests/win32/system/test_support.h"

namespace vd::test {

void WriteFileText(const std::string& path, const std::string& text) {
    HANDLE f = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD put = 0;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &put, nullptr);
    CloseHandle(f);
}

bool PathExists(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool CopyStandIn(const std::string& exeName, const std::string& folder) {
    return CopyTo(ProgramFolder() + exeName, folder + exeName);
}

}  // namespace vd::test
