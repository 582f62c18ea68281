#pragma once
// Two conversions into one folder would share its temporary files. A
// conversion therefore holds an exclusive lock on its joined copy from before
// it writes anything until after it has removed both temporary files. A lock
// dies with its process, so files left by a run that was killed are simply
// taken over.

#include <string>

namespace brisel {

class RunLock {
public:
    enum class Result { Acquired, Busy, Failed };

    RunLock() = default;
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // Opens (creating it if need be, never emptying it) and locks the file.
    Result Acquire(const std::string& path);
    void Release();
    // The system's reason when Acquire failed.
    const std::string& Error() const { return error_; }

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
    std::string error_;
};

}  // namespace brisel
