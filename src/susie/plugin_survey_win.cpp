#include "susie/plugin_survey_win.h"

#include "susie/plugin_call_limits.h"
#include "susie/plugin_host_client_win.h"
#include "susie/plugin_module_win.h"
#include "win/handles.h"
#include "win/paint_while_waiting.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <optional>

namespace pelaconf {
namespace {

// The files of a survey and the answers so far; each worker takes the next file not yet taken.
struct Survey {
    const std::vector<std::string>& paths;
    std::vector<SurveyAnswer> answers;
    std::atomic<size_t> next{0};

    void Work() {
        PluginModule module;
        HostsAhead hosts([this] { return next < paths.size(); });
        for (size_t at = next++; at < paths.size(); at = next++) {
            ModuleDescription described = module.Describe(paths[at], hosts);
            if (described.query == kQueryImportFilter) {
                answers[at].description = std::move(described.description);
            }
            answers[at].hostNotStarted = std::move(described.hostNotStarted);
        }
    }
};

DWORD WINAPI RunWorker(void* survey) {
    static_cast<Survey*>(survey)->Work();
    return 0;
}

// Waits for every worker, the window painting meanwhile; each of their calls has its limit, so
// the wait ends. The wait cursor shows once the wait is long enough to be seen.
void WaitForWorkers(const std::vector<HANDLE>& workers) {
    std::optional<HCURSOR> previous;
    for (const HANDLE worker : workers) {
        while (WaitWhilePainting({&worker, 1}, previous ? INFINITE : kPluginWaitCursorAfterMs) == WAIT_TIMEOUT) {
            previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        }
    }
    if (previous) {
        SetCursor(*previous);
    }
}

} // namespace

std::vector<SurveyAnswer> SurveyImportFilters(const std::vector<std::string>& paths) {
    Survey survey{paths, std::vector<SurveyAnswer>(paths.size())};
    std::vector<UniqueKernelHandle> workers;
    std::vector<HANDLE> handles;
    for (size_t started = 0; started < std::min(kSurveyHosts, paths.size()); ++started) {
        UniqueKernelHandle worker(CreateThread(nullptr, 0, RunWorker, &survey, 0, nullptr));
        if (!worker) {
            break;
        }
        handles.push_back(worker.Get());
        workers.push_back(std::move(worker));
    }
    if (workers.empty()) {
        survey.Work();
    } else {
        WaitForWorkers(handles);
    }
    return std::move(survey.answers);
}

} // namespace pelaconf
