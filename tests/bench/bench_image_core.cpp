// Measures the BMP reader, the resampler and the BMP writer on one file: megapixels per second,
// the best of a few runs. Usage: bench_image_core FILE.bmp WIDTH HEIGHT
#include "image/bmp_codec.h"
#include "image/resampler.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

constexpr int kRuns = 5;

// The shortest of kRuns runs, in seconds.
template <typename Work> double BestSeconds(Work work) {
    double best = 1e30;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void Report(const char* what, double megapixels, double seconds) {
    std::printf("%-44s %8.1f MP/s  (%.1f ms)\n", what, megapixels / seconds, seconds * 1000);
}

} // namespace

int main(int argc, char** argv) {
    using namespace pelaconf;
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FILE.bmp WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);

    BmpDecodeResult decoded;
    const double read = BestSeconds([&] { decoded = DecodeBmp(file); });
    if (decoded.error != BmpError::None) {
        std::fprintf(stderr, "%s: not a readable BMP file (error %d)\n", argv[1], static_cast<int>(decoded.error));
        return 1;
    }
    const Picture& picture = decoded.picture;
    const double megapixels = static_cast<double>(picture.width) * picture.height / 1e6;

    std::optional<Picture> resized;
    const double resize = BestSeconds([&] { resized = Resize(picture, width, height); });
    std::string written;
    const double write = BestSeconds([&] { written = EncodeBmp24(picture); });
    if (!resized || written.empty()) {
        std::fprintf(stderr, "resizing or writing failed\n");
        return 1;
    }

    std::printf("pelaconf, %d x %d, best of %d (megapixels of the large picture)\n", picture.width, picture.height,
                kRuns);
    Report("read 24-bit BMP", megapixels, read);
    Report(("resize to " + std::to_string(width) + " x " + std::to_string(height)).c_str(), megapixels, resize);
    Report("write 24-bit BMP", megapixels, write);
    return 0;
}
