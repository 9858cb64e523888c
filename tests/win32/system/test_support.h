// Shared helpers of the system-service tests.
#pragma once
#include <windows.h>

#include <string>

namespace vd::test {

// Folder of the running test program, with a trailing backslash.
std::string ProgramFolder();
// Full path of the probe child program built next to the tests.
std::string ProbeChildPath();

// A fresh, empty folder under the temporary folder, removed with its
// contents on destruction. Path() ends with a backslash.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& tag);
    ~TScratchFolder();
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// A message-only window that counts the WM_APP messages it receives.
class TMessageCounter {
public:
    TMessageCounter();
    ~TMessageCounter();
    HWND Handle() const { return wnd_; }
    int Count() const { return count_; }
    void Post() const { PostMessageW(wnd_, WM_APP, 0, 0); }

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND wnd_ = nullptr;
    int count_ = 0;
};

// Copies a file; false on failure.
bool CopyTo(const std::string& from, const std::string& to);
// A whole file's bytes; "<missing>" when it cannot be read.
std::string ReadFileText(const std::string& path);

}  // namespace vd::test
