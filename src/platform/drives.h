#pragma once
// The drives of the system, behind an interface so that the rules about which drives are asked what
// can be tested without a system.

#include <string>
#include <vector>

namespace pelaconf {

struct SystemDrive {
    std::string root;  // "C:\\"
    unsigned type = 0; // the system's drive type
};

class DriveSource {
public:
    virtual ~DriveSource() = default;
    // Every drive the system lists, in its order, with its type; no drive is waited on.
    virtual std::vector<SystemDrive> Drives() const = 0;
    // The shell's display name of the drive, empty when it gives none. The drive itself may be
    // asked, which can take seconds (an optical drive spinning up) or never end (a network drive
    // whose server has gone).
    virtual std::string DisplayName(const std::string& root) const = 0;
};

} // namespace pelaconf
