// The decoding order with real plug-ins and the library's own GIF loader.
#include "image/decoding_order.h"
#include "susie/image_object_win.h"

#include "image_test_support.h"

namespace pelaconf {
namespace {

// A PNM picture in a file named .gif: only a plug-in decodes it, to a size unlike the real GIF's.
const std::string kPnmInGif = std::string("P6 4 1 255\n") + std::string(12, '\x40');

class DecodingOrderWinTest : public ScratchFolderTest {
protected:
    SettingsRecord WithPlugins(std::initializer_list<std::pair<const char*, const char*>> entries) {
        SettingsRecord settings(scratch_.Path());
        settings.Susie_Use = 1;
        for (const auto& [priority, plugin] : entries) {
            settings.pluginPriorityList.push_back({"gif", priority, TestPlugin(plugin)});
        }
        return settings;
    }
    static int Width(const ImageObject& image) {
        InfoHeaderBytes header{};
        return image.GetHeader(header) ? HeaderWidth(header) : 0;
    }
};

TEST_F(DecodingOrderWinTest, APluginAtPriority01DecodesWhenTheOneAt00Fails) {
    const SettingsRecord settings = WithPlugins({{"00", "pnm_refuses"}, {"01", "pnm"}});
    ImageObject image;
    EXPECT_EQ(DecodeImage(settings, Write("picture.gif", kPnmInGif), image, {}).outcome, DecodeOutcome::Loaded);
    EXPECT_EQ(Width(image), 4);
}

TEST_F(DecodingOrderWinTest, TheLibraryGifLoaderTakesOverWhenEveryPluginFails) {
    const SettingsRecord settings = WithPlugins({{"00", "pnm_refuses"}, {"01", "pnm_picture_fails"}});
    ImageObject image;
    const std::string gif = CopyOf(TestImage("halves.gif"), "picture.gif");
    EXPECT_EQ(DecodeImage(settings, gif, image, {kPicturePreviewFirst, true, {}}).outcome, DecodeOutcome::Loaded);
    EXPECT_EQ(Width(image), 16);
}

TEST_F(DecodingOrderWinTest, ALonePriority01PluginIsNeverUsed) {
    const SettingsRecord settings = WithPlugins({{"01", "pnm"}});
    ImageObject image;
    EXPECT_EQ(DecodeImage(settings, Write("pnm.gif", kPnmInGif), image, {}).outcome, DecodeOutcome::BuiltInLoaderFailed);
    EXPECT_FALSE(image.HasImage());
    const std::string gif = CopyOf(TestImage("halves.gif"), "picture.gif");
    EXPECT_EQ(DecodeImage(settings, gif, image, {}).outcome, DecodeOutcome::Loaded);
    EXPECT_EQ(Width(image), 16);
}

} // namespace
} // namespace pelaconf
