#include "system/pending_file_operations.h"

#include <windows.h>

#include <vector>

#include "core/pending_file_operations.h"
#include "core/wide.h"

namespace vd {
namespace {

constexpr wchar_t kSessionManager[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";

// The pairs of a REG_MULTI_SZ list whose targets may be empty: a source,
// its target, ... and an empty source at the end.
std::vector<TPendingFileOperation> ParseOperations(const std::vector<wchar_t>& buffer) {
    std::vector<TPendingFileOperation> ops;
    size_t at = 0;
    const auto next = [&]() {
        size_t end = at;
        while (end < buffer.size() && buffer[end] != L'\0') ++end;
        std::string item = Narrow(std::wstring_view(buffer.data() + at, end - at));
        at = end + 1;
        return item;
    };
    while (at < buffer.size()) {
        std::string source = next();
        if (source.empty()) break;
        std::string target = at < buffer.size() ? next() : std::string();
        ops.push_back({source, target});
    }
    return ops;
}

std::wstring JoinOperations(const std::vector<TPendingFileOperation>& ops) {
    std::wstring out;
    for (const TPendingFileOperation& op : ops) {
        out += Wide(op.source);
        out.push_back(L'\0');
        out += Wide(op.target);
        out.push_back(L'\0');
    }
    out.push_back(L'\0');
    return out;
}

bool ForgetIn(HKEY key, const wchar_t* valueName, std::string_view path) {
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key, valueName, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_MULTI_SZ)
        return true;  // nothing pending
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes) !=
        ERROR_SUCCESS)
        return true;
    buffer.resize(bytes / sizeof(wchar_t));
    const std::vector<TPendingFileOperation> ops = ParseOperations(buffer);
    const std::vector<TPendingFileOperation> kept = WithoutOperationsOn(ops, path);
    if (kept.size() == ops.size()) return true;
    if (kept.empty()) return RegDeleteValueW(key, valueName) == ERROR_SUCCESS;
    const std::wstring joined = JoinOperations(kept);
    return RegSetValueExW(key, valueName, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(joined.data()),
                          static_cast<DWORD>(joined.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

bool ForgetPendingFileOperations(std::string_view path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return false;
    bool ok = ForgetIn(key, L"PendingFileRenameOperations", path);
    ok = ForgetIn(key, L"PendingFileRenameOperations2", path) && ok;
    RegCloseKey(key);
    return ok;
}

}  // namespace vd
