// Any bytes read as a BMP file image must decode without fault or be refused; a decoded picture,
// written as a 24-bit BMP, must read back with the same size and colours.
#include "image/bmp_codec.h"
#include "fuzz_check.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// A few bytes of RLE data may describe a picture of the full size limit, and every such picture
// is filled, encoded and decoded again. From RLE seeds most inputs are RLE, and at 4 million
// pixels a run managed some 60 inputs a second; size refusals are covered by the unit tests.
constexpr int64_t kLargestRlePicture = int64_t{1} << 16;

bool IsLargeRle(const pelaconf::BmpHeaderResult& result) {
    const auto& header = result.header;
    const bool rle = header.compression == pelaconf::kBmpRle8 || header.compression == pelaconf::kBmpRle4;
    return result.error == pelaconf::BmpError::None && rle &&
           int64_t{header.width} * std::abs(int64_t{header.height}) > kLargestRlePicture;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pelaconf;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const BmpHeaderResult header = ReadBmpHeader(bytes);
    if (IsLargeRle(header)) {
        return 0;
    }
    const BmpDecodeResult first = DecodeBmp(bytes);
    if (first.error != BmpError::None) {
        Check(first.picture.bgra.empty());
        return 0;
    }
    Check(IsValidPicture(first.picture) && header.error == BmpError::None);
    Check(first.picture.width == header.header.width &&
          first.picture.height == std::abs(int64_t{header.header.height}));

    const BmpDecodeResult second = DecodeBmp(EncodeBmp24(first.picture));
    Check(second.error == BmpError::None && second.picture.width == first.picture.width &&
          second.picture.height == first.picture.height);
    for (size_t i = 0; i < first.picture.bgra.size(); ++i) {
        // 24 bits keep the colour; the alpha reads back opaque.
        Check(second.picture.bgra[i] == (first.picture.bgra[i] | 0xFF000000u));
    }
    return 0;
}
