// A Susie plug-in module on its own, with our PNM test plug-in: who owns the loaded module, and
// what decoding through it gives.
#include "susie/plugin_module_win.h"

#include "image_test_support.h"

#include <utility>

namespace pelaconf {
namespace {

const std::string kColourBinary =
    std::string("P6 3 2 255\n") + std::string("\xFF\0\0\0\xFF\0\0\0\xFF\0\0\0\xFF\xFF\xFF\x0A\x14\x1E", 18);

bool PnmPluginIsLoaded() { return GetModuleHandleW(L"pnm.spi") != nullptr; }

class PluginModuleTest : public ScratchFolderTest {};

TEST_F(PluginModuleTest, MovingHandsTheModuleOverAndItIsUnloadedOnce) {
    PluginModule first;
    ASSERT_TRUE(first.Load(TestPlugin("pnm")));
    EXPECT_TRUE(PnmPluginIsLoaded());
    PluginModule second(std::move(first));
    EXPECT_FALSE(first.IsLoaded());
    ASSERT_TRUE(second.IsLoaded());
    PluginDescription description;
    EXPECT_EQ(second.Query(description), kQueryImportFilter);
    EXPECT_EQ(first.Query(description), kQueryNoModule);
    EXPECT_EQ(first.Free(), 0);
    EXPECT_EQ(second.Free(), 1);
    EXPECT_FALSE(PnmPluginIsLoaded());
    {
        PluginModule scoped;
        ASSERT_TRUE(scoped.Load(TestPlugin("pnm")));
    }
    EXPECT_FALSE(PnmPluginIsLoaded()) << "the owner unloads the module when it goes";
}

TEST_F(PluginModuleTest, DecodingGivesACompleteBmpFileImageOrNothing) {
    const std::string picture = Write("p6.ppm", kColourBinary);
    PluginModule module;
    EXPECT_EQ(module.Decode(picture, kPictureFull), std::nullopt) << "no module";
    ASSERT_TRUE(module.Load(TestPlugin("pnm")));
    for (const int mode : {kPictureFull, kPicturePreviewFirst}) {
        const std::optional<std::string> file = module.Decode(picture, mode);
        ASSERT_TRUE(file.has_value()) << mode;
        const BmpDecodeResult decoded = DecodeBmp(*file);
        EXPECT_EQ(decoded.error, BmpError::None);
        EXPECT_EQ(decoded.picture.width, 3);
        EXPECT_EQ(decoded.picture.height, 2);
    }
    EXPECT_EQ(module.Decode(PathOf("missing.ppm"), kPictureFull), std::nullopt);
    EXPECT_EQ(module.Decode(Write("bad.ppm", "P6 3 2 255\nshort"), kPictureFull), std::nullopt);
}

} // namespace
} // namespace pelaconf
