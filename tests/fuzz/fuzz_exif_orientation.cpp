// Any bytes read as the head of a JPEG file give an orientation from 1 to 8 or none, and an
// answer depends only on the bytes read for it: more bytes after the head leave it unchanged.
#include "image/exif_orientation.h"
#include "fuzz_check.h"

#include <cstdint>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pelaconf;
    const std::span<const uint8_t> head(data, size);
    const std::optional<int> orientation = ReadExifOrientation(head);
    if (!orientation) {
        return 0;
    }
    Check(*orientation >= kOrientationUpright && *orientation <= kOrientationQuarterLeft);
    std::vector<uint8_t> longer(head.begin(), head.end());
    longer.insert(longer.end(), 16, 0xFF);
    Check(ReadExifOrientation(longer) == orientation);
    return 0;
}
