// A Windows critical section that locks like a standard mutex
// (std::lock_guard<TCriticalSection>). The toolkit's locks use it instead of
// std::mutex, which would bring the C++ runtime's system_error machinery
// into every program for lock failures that only a programming error causes.
#pragma once

#include <windows.h>

namespace vd {

class TCriticalSection {
public:
    TCriticalSection() { InitializeCriticalSection(&cs_); }
    ~TCriticalSection() { DeleteCriticalSection(&cs_); }
    TCriticalSection(const TCriticalSection&) = delete;
    TCriticalSection& operator=(const TCriticalSection&) = delete;

    void lock() { EnterCriticalSection(&cs_); }
    bool try_lock() { return TryEnterCriticalSection(&cs_) != FALSE; }
    void unlock() { LeaveCriticalSection(&cs_); }

private:
    CRITICAL_SECTION cs_;
};

}  // namespace vd
