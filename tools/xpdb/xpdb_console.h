// Console and file-system plumbing of xpdb: UTF-8 arguments, binary
// standard output, terminal detection, folders. Paths are UTF-8.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace vd::xpdb {

std::vector<std::string> Utf8Arguments(int argc, char** argv);

void SetBinaryStdout();
bool WriteStdout(const void* data, size_t size);  // false when the write failed
bool StderrIsTerminal();

// One line "xpdb: MESSAGE" on standard error.
void Complain(const std::string& message);

bool IsDirectory(const std::string& path);
bool IsRegularFile(const std::string& path);
bool PathExists(const std::string& path);
// Regular files directly inside `dir`, sorted by name (byte order).
std::vector<std::string> RegularFilesIn(const std::string& dir);
void MakeDirectories(const std::string& dir);          // raises std::exception on failure
void RemoveFileIfPresent(const std::string& path);
bool SameFile(const std::string& a, const std::string& b);
std::string FileNameOf(const std::string& path);       // last component
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace vd::xpdb
