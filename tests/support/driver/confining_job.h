#pragma once
// A job that its processes may not leave, as a program that runs Pelaconf in a job of its own may
// make it: breaking away is not allowed, and whatever is still in it when the test ends is ended.

#include <windows.h>

namespace pelaconf::driver {

class ConfiningJob {
public:
    // Throws when the job cannot be made.
    ConfiningJob();
    ~ConfiningJob();
    ConfiningJob(const ConfiningJob&) = delete;
    ConfiningJob& operator=(const ConfiningJob&) = delete;

    // Puts the process in the job; false when the system refuses.
    bool Take(HANDLE process) const;
    // How many processes are in the job now.
    DWORD ProcessCount() const;

private:
    HANDLE job_ = nullptr;
};

} // namespace pelaconf::driver
