#pragma once
// Drive names asked on a thread of their own: a drive that takes seconds to answer, or never does,
// holds up neither the window nor the program's end.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace pelaconf {

struct ArrivedDriveName {
    std::string root;
    std::string displayName; // empty when the drive has none
};

// The names that have arrived and not yet been taken, held by the page and the asking thread.
struct DriveNameArrivals;

class DriveNameFetcher {
public:
    DriveNameFetcher();
    ~DriveNameFetcher();
    DriveNameFetcher(const DriveNameFetcher&) = delete;
    DriveNameFetcher& operator=(const DriveNameFetcher&) = delete;

    // Starts asking each drive for its display name, one after another; the window is posted the
    // message (without parameters) as each name arrives. Names that arrive after this object has
    // gone are dropped.
    void Start(std::vector<std::string> roots, HWND window, UINT message);
    // The names that have arrived since the last call.
    std::vector<ArrivedDriveName> TakeArrived();

private:
    std::shared_ptr<DriveNameArrivals> arrivals_;
};

} // namespace pelaconf
