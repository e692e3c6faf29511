#include "confining_job.h"

#include <stdexcept>

namespace pelaconf::driver {

ConfiningJob::ConfiningJob() : job_(CreateJobObjectW(nullptr, nullptr)) {
    // Without JOB_OBJECT_LIMIT_BREAKAWAY_OK no process of the job may start one outside it.
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job_ == nullptr || !SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        throw std::runtime_error("cannot make a job, error " + std::to_string(GetLastError()));
    }
}

ConfiningJob::~ConfiningJob() { CloseHandle(job_); }

bool ConfiningJob::Take(HANDLE process) const { return AssignProcessToJobObject(job_, process) != FALSE; }

DWORD ConfiningJob::ProcessCount() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                   nullptr)) {
        throw std::runtime_error("cannot read the job, error " + std::to_string(GetLastError()));
    }
    return accounting.ActiveProcesses;
}

} // namespace pelaconf::driver
