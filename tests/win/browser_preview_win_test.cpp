// The wallpaper browser's preview of photos that record their orientation in an Exif segment.
#include "desktop/browser_preview_win.h"
#include "settings/settings_record.h"

#include "fakes/fake_services.h"
#include "image_test_support.h"

#include <cstdlib>

namespace pelaconf {
namespace {

class BrowserPreviewTest : public ScratchFolderTest {};

// Each oriented photo (64 x 48 as stored, made at build time) is painted into a frame whose inside
// is 64 x 64, where it shows at its own size: the painted pixels are the decoded picture, to be
// compared with the picture ImageMagick shows upright. Two JPEG decoders may round a few levels
// apart; a wrong turn puts another quarter's colour in place.
TEST_F(BrowserPreviewTest, PaintsEachOrientedPhotoUpright) {
    constexpr int kJpegTolerance = 8;
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const std::string name = std::to_string(orientation);
        const Picture upright = ReadBmp(TestImage("upright-" + name + ".bmp"));
        ASSERT_GT(upright.width, 0) << orientation;
        BrowserPreview preview;
        testing::FakeMessageBoxes messages;
        ASSERT_TRUE(preview.Show(SettingsRecord(scratch_.Path()), messages, TestImage("oriented-" + name + ".jpg")));
        DibCanvas canvas(66, 66);
        ASSERT_TRUE(canvas.IsReady());
        preview.Paint(canvas.Dc(), RECT{0, 0, 66, 66});
        // Centred in the 64 x 64 inside, past the frame's one-pixel border.
        const int left = 1 + (64 - upright.width) / 2, top = 1 + (64 - upright.height) / 2;
        int largest = 0;
        for (int y = 0; y < upright.height; ++y) {
            for (int x = 0; x < upright.width; ++x) {
                const uint32_t expected = upright.bgra[static_cast<size_t>(y) * upright.width + x];
                const uint32_t painted = canvas.Pixel(left + x, top + y);
                for (int shift = 0; shift < 24; shift += 8) {
                    const int difference =
                        static_cast<int>((painted >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF);
                    largest = std::max(largest, std::abs(difference));
                }
            }
        }
        EXPECT_LE(largest, kJpegTolerance) << "orientation " << orientation;
        EXPECT_TRUE(messages.shown.empty());
        preview.Release();
    }
}

} // namespace
} // namespace pelaconf
