// Any pair of plug-in blocks must either be refused or become a BMP file image whose recorded
// size and pixel offset agree with its length, and which the BMP reader then reads or refuses
// without fault. The first byte of the input splits it into the information and pixel blocks.
#include "image/bmp_codec.h"
#include "fuzz_check.h"
#include "susie/plugin_bitmap.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

uint32_t Read32(const std::string& data, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(data[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 3])) << 24;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pelaconf;
    if (size == 0) {
        return 0;
    }
    // Splits at 40 plus up to 4 x 255 bytes, so that headers with and without tables are common.
    const size_t infoSize = std::min(size - 1, size_t{40} + 4 * size_t{data[0]});
    const std::span<const uint8_t> info(data + 1, infoSize);
    const std::span<const uint8_t> pixels(data + 1 + infoSize, size - 1 - infoSize);
    const PluginBitmapResult result = BuildPluginBmpFile(info, pixels);
    if (result.error != BmpError::None) {
        Check(result.file.empty());
        return 0;
    }
    const std::string& file = result.file;
    Check(file.size() >= 54 && file[0] == 'B' && file[1] == 'M');
    Check(Read32(file, 2) == file.size());
    Check(Read32(file, 10) <= file.size());
    const BmpDecodeResult decoded = DecodeBmp(file);
    Check(decoded.error != BmpError::None || IsValidPicture(decoded.picture));
    return 0;
}
