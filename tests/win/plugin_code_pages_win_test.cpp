// Plug-ins and the system's code page: their texts are read as code page 932 and the pictures'
// paths are given in the ANSI code page, by their short form, or as a temporary copy that is
// deleted afterwards. Run under code pages 932, 1252 and 65001 (UTF-8).
#include "susie/ansi_code_page_win.h"
#include "susie/image_object_win.h"

#include "folder_tree.h"
#include "image_test_support.h"

namespace pelaconf {
namespace {

// 1 x 1 pixmaps in two colours.
const std::string kPixmap = "P6 1 1 255\n\x10\x20\x30";
const std::string kOtherPixmap = "P6 1 1 255\n\x40\x50\x60";
constexpr uint32_t kPixmapColour = 0xFF102030;
constexpr uint32_t kOtherPixmapColour = 0xFF405060;

class PluginCodePagesTest : public ScratchFolderTest {
protected:
    // The copies go to a temporary folder of the test's own, so that all it holds is the test's.
    void SetUp() override {
        ScratchFolderTest::SetUp();
        wchar_t previous[MAX_PATH] = {};
        if (GetEnvironmentVariableW(L"TMP", previous, MAX_PATH) > 0) {
            previousTmp_ = previous;
        }
        temporaryFolder_ = Utf8ToWide(MakeFolder("temp"));
        SetEnvironmentVariableW(L"TMP", temporaryFolder_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"TMP", previousTmp_ ? previousTmp_->c_str() : nullptr);
        ScratchFolderTest::TearDown();
    }

    int TemporaryFileCount() const { return EntryCount(temporaryFolder_); }

    // A folder so deep that no form of a path in it fits the MAX_PATH bytes a plug-in takes, since
    // its own names are short ones already. Most volumes of Windows give new files no short name;
    // Wine gives every file one, so the depth is what leaves a picture without a path a plug-in
    // can be told here.
    std::string DeepFolder() const {
        std::string name = "deep";
        while (name.size() <= MAX_PATH) {
            MakeFolder(name);
            name += "\\deepdeep";
        }
        MakeFolder(name);
        return name;
    }

    // The colour of the first pixel of the picture decoded through the plug-in; 0 when it failed.
    uint32_t DecodedColour(ImageObject& image, const std::string& path) const {
        if (image.LoadViaPlugin(path, kPictureFull) != 1) {
            return 0;
        }
        const std::string saved = PathOf("saved.bmp");
        const Picture picture = image.SaveBitmap(saved, kFitKeepSize) ? ReadBmp(saved) : Picture{};
        return picture.bgra.empty() ? 0 : picture.bgra[0];
    }
    uint32_t DecodedColour(const std::string& plugin, const std::string& path) const {
        ImageObject image;
        return image.LoadPlugin(TestPlugin(plugin)) ? DecodedColour(image, path) : 0;
    }

private:
    std::wstring temporaryFolder_;
    std::optional<std::wstring> previousTmp_;
};

TEST_F(PluginCodePagesTest, TextsAreReadAsCodePage932WhateverTheSystemsCodePage) {
    ImageObject image;
    ASSERT_TRUE(image.LoadPlugin(TestPlugin("pnm_japanese_texts")));
    PluginDescription description;
    ASSERT_EQ(image.QueryPlugin(description), kQueryImportFilter);
    EXPECT_EQ(description.description, "PNM 表示テスト 1.0");
    EXPECT_EQ(description.fileTypeName, "PNM 画像ﾌｧｲﾙ");
}

TEST_F(PluginCodePagesTest, ANameGoesInTheAnsiCodePageWhereThatHoldsItAndByItsShortFormElse) {
    const std::string path = Write("夜景.ppm", kPixmap);
    const std::optional<std::string> ansi = AnsiPathForPlugin(path);
    ASSERT_TRUE(ansi);
    const bool codePageHoldsName = GetACP() == 932 || GetACP() == CP_UTF8;
    EXPECT_EQ(ansi->find('~') == std::string::npos, codePageHoldsName) << *ansi;
    EXPECT_EQ(DecodedColour("pnm", path), kPixmapColour);

    // Where the code page has only a stand-in for a character (the Western one writes "Ā" as
    // "A"), the stand-in would name another file.
    Write("Ab.ppm", kOtherPixmap);
    EXPECT_EQ(DecodedColour("pnm", Write("Āb.ppm", kPixmap)), kPixmapColour);
    EXPECT_EQ(DecodedColour("pnm", PathOf("Ab.ppm")), kOtherPixmapColour);
}

TEST_F(PluginCodePagesTest, APictureNoPathCanNameIsDecodedFromACopyThatIsThenDeleted) {
    const std::string path = Write(DeepFolder() + "\\夜景.ppm", kPixmap);
    ASSERT_FALSE(AnsiPathForPlugin(path)) << "the picture has a path a plug-in can be told";
    // A read-only picture gives a read-only copy, unless that is seen to.
    ASSERT_TRUE(SetFileAttributesW(Utf8ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(DecodedColour("pnm", path), kPixmapColour);
    EXPECT_EQ(TemporaryFileCount(), 0);
    // A plug-in that faults ends its host, which can delete nothing then.
    EXPECT_EQ(DecodedColour("pnm_faults_in_picture", path), 0u);
    EXPECT_EQ(TemporaryFileCount(), 0);
}

TEST_F(PluginCodePagesTest, ACopyAPluginHoldsOpenIsDeletedOnceItsHostHasEnded) {
    const std::string path = Write(DeepFolder() + "\\夜景.ppm", kPixmap);
    ImageObject image;
    ASSERT_TRUE(image.LoadPlugin(TestPlugin("pnm_keeps_file_open")));
    EXPECT_EQ(DecodedColour(image, path), kPixmapColour);
    EXPECT_EQ(TemporaryFileCount(), 1) << "the plug-in has let go of the copy";
    image.FreePlugin();
    EXPECT_EQ(TemporaryFileCount(), 0);
}

} // namespace
} // namespace pelaconf
