#include "desktop/drive_names_win.h"

#include "platform/drives_win.h"
#include "win/handles.h"

#include <mutex>
#include <thread>
#include <utility>

namespace pelaconf {

// The last of the page and the asking thread to let go frees it.
struct DriveNameArrivals {
    std::mutex lock;
    std::vector<ArrivedDriveName> names;
};

namespace {

void AskNames(std::shared_ptr<DriveNameArrivals> arrivals, std::vector<std::string> roots, HWND window, UINT message) {
    const ComApartment com;
    const QuietDriveErrors quiet;
    const Win32DriveSource drives;
    for (std::string& root : roots) {
        std::string name = drives.DisplayName(root);
        {
            const std::lock_guard<std::mutex> held(arrivals->lock);
            arrivals->names.push_back({std::move(root), std::move(name)});
        }
        PostMessageW(window, message, 0, 0);
    }
}

} // namespace

DriveNameFetcher::DriveNameFetcher() : arrivals_(std::make_shared<DriveNameArrivals>()) {}

DriveNameFetcher::~DriveNameFetcher() = default;

// The thread is let go: a drive that never answers keeps it waiting, and the program ends without it.
void DriveNameFetcher::Start(std::vector<std::string> roots, HWND window, UINT message) {
    if (roots.empty()) {
        return;
    }
    try {
        std::thread(AskNames, arrivals_, std::move(roots), window, message).detach();
    } catch (const std::system_error&) {
        // No thread: the drives keep their roots as labels.
    }
}

std::vector<ArrivedDriveName> DriveNameFetcher::TakeArrived() {
    const std::lock_guard<std::mutex> held(arrivals_->lock);
    return std::exchange(arrivals_->names, {});
}

} // namespace pelaconf
