#include "desktop/wallpaper_browser.h"
#include "platform/drives.h"
#include "settings/settings_record.h"

#include "fake_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace pelaconf {
namespace {

using testing::FakeFileSystem;

const SpecialFolders kFolders{"C:\\Users\\me\\Desktop", "C:\\Users\\me\\Documents", "D:\\Walls"};

BrowserItem Drive(int number) { return {"Local Disk (X:)", kImageFixedDrive, number}; }
BrowserItem Named(const std::string& label, int image = kImageFolder) { return {label, image, 0}; }

std::optional<std::string> Path(std::vector<BrowserItem> fromTop, PathUse use) {
    return ItemPath(fromTop, kFolders, use);
}

TEST(BrowserItemPath, DrivesGiveTheirLetterWithTheBackslashOnlyForExpanding) {
    EXPECT_EQ(Path({Drive(3)}, PathUse::Selecting), "C:");
    EXPECT_EQ(Path({Drive(3)}, PathUse::Expanding), "C:\\");
    EXPECT_EQ(Path({Drive(3), Named("photo")}, PathUse::Expanding), "C:\\photo\\");
    EXPECT_EQ(Path({Drive(3), Named("photo"), Named("a.jpg", kImageOtherFile)}, PathUse::Selecting),
              "C:\\photo\\a.jpg");
    EXPECT_EQ(Path({Drive(1)}, PathUse::Selecting), "A:");
    EXPECT_EQ(Path({Drive(26)}, PathUse::Selecting), "Z:");
}

TEST(BrowserItemPath, TopLevelItemsWithoutADriveStandForTheSpecialFoldersByTheirImage) {
    EXPECT_EQ(Path({Named("デスクトップ", kImageDesktop)}, PathUse::Selecting), kFolders.desktop);
    EXPECT_EQ(Path({Named("マイドキュメント", kImageDocuments), Named("旅行")}, PathUse::Selecting),
              kFolders.documents + "\\旅行");
    EXPECT_EQ(Path({Named("壁紙フォルダ", kImageFolder), Named("x.bmp", kImageBmpFile)}, PathUse::Expanding),
              kFolders.wallpaper + "\\x.bmp\\");
    EXPECT_EQ(Path({Named("ローカルコンピュータ", kImageRoot)}, PathUse::Selecting), std::nullopt);
    EXPECT_EQ(Path({Named("what", kImageOtherFile), Named("a")}, PathUse::Expanding), std::nullopt);
    EXPECT_EQ(Path({}, PathUse::Selecting), std::nullopt);
    EXPECT_EQ(ItemPath(std::vector<BrowserItem>{Named("壁紙フォルダ", kImageFolder)}, SpecialFolders{}, PathUse::Expanding),
              std::nullopt)
        << "an empty wallpaper folder field names no folder";
}

TEST(BrowserItemPath, AFolderEndingInABackslashIsNotGivenASecond) {
    const BrowserItem wallpaper = Named("壁紙フォルダ", kImageFolder);
    for (const std::string root : {"D:\\", "D:\\Walls\\"}) {
        const SpecialFolders folders{"", "", root};
        const std::vector<BrowserItem> file{wallpaper, Named("a.jpg", kImageOtherFile)};
        EXPECT_EQ(ItemPath(file, folders, PathUse::Selecting), root + "a.jpg");
        EXPECT_EQ(ItemPath(std::vector<BrowserItem>{wallpaper}, folders, PathUse::Expanding), root);
        EXPECT_EQ(ItemPath(std::vector<BrowserItem>{wallpaper, Named("sub")}, folders, PathUse::Expanding),
                  root + "sub\\");
    }
}

TEST(BrowserItemPath, DrivesAndTheirTypes) {
    EXPECT_EQ(DriveNumber("C:\\"), 3);
    EXPECT_EQ(DriveNumber("a:\\"), 1);
    EXPECT_EQ(DriveNumber("z:\\"), 26);
    EXPECT_EQ(DriveNumber("\\\\server\\share\\"), 0);
    EXPECT_EQ(DriveNumber("1:\\"), 0);
    EXPECT_EQ(DriveNumber("C:"), 0);
    EXPECT_EQ(DriveImage(kDriveTypeFixed), kImageFixedDrive);
    EXPECT_EQ(DriveImage(kDriveTypeRemovable), kImageRemovableDrive);
    EXPECT_EQ(DriveImage(kDriveTypeCdRom), kImageCdRomDrive);
    for (unsigned networkRamNoRootUnknown : {4u, 6u, 1u, 0u, 9u}) {
        EXPECT_EQ(DriveImage(networkRamNoRootUnknown), std::nullopt) << networkRamNoRootUnknown;
    }
}

// Drives by root and type; records every drive asked for its display name.
class RecordingDriveSource : public DriveSource {
public:
    std::vector<SystemDrive> drives;
    std::map<std::string, std::string> names;
    mutable std::vector<std::string> asked;

    std::vector<SystemDrive> Drives() const override { return drives; }
    std::string DisplayName(const std::string& root) const override {
        asked.push_back(root);
        const auto found = names.find(root);
        return found == names.end() ? "" : found->second;
    }
};

TEST(BrowserDrives, OnlyFixedDrivesAreAskedTheirNamesAndLeftOutDrivesAreAskedNothing) {
    constexpr unsigned kNetwork = 4, kRamDisk = 6, kNoRoot = 1;
    RecordingDriveSource source;
    source.drives = {{"A:\\", kDriveTypeRemovable},
                     {"C:\\", kDriveTypeFixed},
                     {"D:\\", kDriveTypeCdRom},
                     {"N:\\", kNetwork},
                     {"R:\\", kRamDisk},
                     {"S:\\", kNoRoot},
                     {"Y:\\", kDriveTypeFixed},
                     {"\\\\?\\Volume\\", kDriveTypeFixed}};
    source.names = {{"A:\\", "3.5 インチ FD (A:)"}, {"C:\\", "ローカル ディスク (C:)"}, {"N:\\", "share (N:)"}};

    const std::vector<BrowserDrive> shown = ListBrowserDrives(source);
    EXPECT_EQ(source.asked, (std::vector<std::string>{"C:\\", "Y:\\"}));
    ASSERT_EQ(shown.size(), 4u);
    const auto expectDrive = [](const BrowserDrive& drive, const char* root, int number, int image, const char* label,
                                bool nameLater) {
        EXPECT_EQ(drive.root, root);
        EXPECT_EQ(drive.number, number) << root;
        EXPECT_EQ(drive.image, image) << root;
        EXPECT_EQ(drive.label, label) << root;
        EXPECT_EQ(drive.nameLater, nameLater) << root;
    };
    expectDrive(shown[0], "A:\\", 1, kImageRemovableDrive, "A:\\", true);
    expectDrive(shown[1], "C:\\", 3, kImageFixedDrive, "ローカル ディスク (C:)", false);
    expectDrive(shown[2], "D:\\", 4, kImageCdRomDrive, "D:\\", true);
    expectDrive(shown[3], "Y:\\", 25, kImageFixedDrive, "Y:\\", false); // a drive without a name shows its root
}

TEST(BrowserItemPath, OnlyPathsTheSystemCanOpenFit) {
    EXPECT_TRUE(PathFitsSystem("C:\\" + std::string(256, 'a')));  // 259 units and the zero
    EXPECT_FALSE(PathFitsSystem("C:\\" + std::string(257, 'a'))); // one more: the system cuts it
    // Japanese characters take three bytes but one unit each.
    std::string japanese = "C:\\";
    for (int i = 0; i < 256; ++i) {
        japanese += "画";
    }
    EXPECT_TRUE(PathFitsSystem(japanese));
    EXPECT_FALSE(PathFitsSystem(japanese + "像"));
}

TEST(BrowserItems, FileItemsAreKnownByTheirImages) {
    EXPECT_TRUE(IsFileItem(kImageBmpFile, kImageBmpFile));
    EXPECT_TRUE(IsFileItem(kImageOtherFile, kImageOtherFile));
    EXPECT_FALSE(IsFileItem(kImageFolder, kImageFolderSelected));
    EXPECT_FALSE(IsFileItem(kImageFixedDrive, kImageFixedDrive));
}

// Plain byte order, or its reverse, to show that the listing follows the order it is given.
class ByteOrder : public NameOrder {
public:
    bool reversed = false;
    std::vector<size_t> Sorted(const std::vector<std::string>& names) const override {
        std::vector<size_t> order(names.size());
        std::iota(order.begin(), order.end(), size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return reversed ? names[b] < names[a] : names[a] < names[b]; });
        return order;
    }
};

class BrowserListing : public ::testing::Test {
protected:
    BrowserListing() : record("C:\\Pelavine") {}

    std::vector<BrowserEntry> List() { return ListBrowsableEntries(files, record, "D:\\Walls\\", order); }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const BrowserEntry& entry : List()) {
            names.push_back(entry.name);
        }
        return names;
    }

    FakeFileSystem files;
    SettingsRecord record;
    ByteOrder order;
};

TEST_F(BrowserListing, FoldersAndFilesTogetherFollowTheGivenOrder) {
    files.listings["D:\\Walls\\*"] = {{"b.jpg", false}, {"c", true}, {"a.png", false}};
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.png", "b.jpg", "c"}));
    order.reversed = true;
    EXPECT_EQ(Names(), (std::vector<std::string>{"c", "b.jpg", "a.png"}));
}

TEST_F(BrowserListing, FoldersAndSupportedImagesWithTheirImages) {
    files.listings["D:\\Walls\\*"] = {{".", true},           {"..", true},        {"photo.JPEG", false},
                                      {"notes.txt", false},  {"sub", true},       {"a.BMP", false},
                                      {"recycled", true},    {"System Volume", true, true},
                                      {"pagefile.bmp", false, true}, {"noext", false}};
    const std::vector<BrowserEntry> listed = List();
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].name, "a.BMP");
    EXPECT_EQ(listed[0].image, kImageBmpFile);
    EXPECT_FALSE(listed[0].isFolder);
    EXPECT_EQ(listed[1].name, "photo.JPEG");
    EXPECT_EQ(listed[1].image, kImageOtherFile);
    EXPECT_EQ(listed[2].name, "sub");
    EXPECT_EQ(listed[2].image, kImageFolder);
    EXPECT_TRUE(listed[2].isFolder);
}

TEST_F(BrowserListing, AFolderIsExpandableWhenItHoldsAFolderOrAnImage) {
    files.listings["D:\\Walls\\*"] = {{"empty", true}, {"texts", true}, {"nested", true}, {"pictures", true}};
    files.listings["D:\\Walls\\texts\\*"] = {{".", true}, {"..", true}, {"a.txt", false}};
    files.listings["D:\\Walls\\nested\\*"] = {{".", true}, {"..", true}, {"deeper", true}};
    files.listings["D:\\Walls\\pictures\\*"] = {{"a.txt", false}, {"b.png", false}};
    const std::vector<BrowserEntry> listed = List();
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[0].name, "empty");
    EXPECT_FALSE(listed[0].expandable);
    EXPECT_EQ(listed[1].name, "nested");
    EXPECT_TRUE(listed[1].expandable);
    EXPECT_EQ(listed[2].name, "pictures");
    EXPECT_TRUE(listed[2].expandable);
    EXPECT_EQ(listed[3].name, "texts");
    EXPECT_FALSE(listed[3].expandable);
}

TEST_F(BrowserListing, TheLookIntoASubfolderStopsAtItsFirstListableEntry) {
    files.listings["D:\\Walls\\*"] = {{"big", true}};
    files.listings["D:\\Walls\\big\\*"] = {
        {".", true}, {"..", true}, {"a.txt", false}, {"b.png", false}, {"c.jpg", false}, {"d", true}};
    const std::vector<BrowserEntry> listed = List();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_TRUE(listed[0].expandable);
    EXPECT_EQ(files.entriesVisited, 1u + 4u); // the folder's one entry, then the subfolder's up to b.png
}

TEST_F(BrowserListing, PlugInTypesCountOnlyWhilePlugInsAreInUse) {
    files.listings["D:\\Walls\\*"] = {{"a.tif", false}, {"b.gif", false}};
    record.pluginPriorityList = {ParsePluginEntry("tif.00.C:\\Plugins\\iftif.spi")};
    record.Susie_Use = 1;
    ASSERT_EQ(List().size(), 2u);
    EXPECT_EQ(List()[0].image, kImageOtherFile);
    record.Susie_Use = 0;
    const std::vector<BrowserEntry> listed = List();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].name, "b.gif");
}

TEST_F(BrowserListing, AFolderWithNothingToListGivesNoEntry) {
    files.listings["D:\\Walls\\*"] = {{".", true}, {"..", true}, {"RECYCLED", true}, {"readme.txt", false}};
    EXPECT_TRUE(List().empty());
    files.listings.clear();
    EXPECT_TRUE(List().empty());
}

TEST(BrowserDoubleClick, AppliesOnTheLabelAndUpTo20PixelsLeftOfIt) {
    const ScreenBox tree{100, 200, 300, 500};
    const ScreenBox label{40, 20, 90, 36}; // in the tree: screen x 140..190, y 220..236
    EXPECT_TRUE(DoubleClickAppliesWallpaper(tree, label, 150, 228));
    EXPECT_TRUE(DoubleClickAppliesWallpaper(tree, label, 121, 228)); // on the icon
    EXPECT_FALSE(DoubleClickAppliesWallpaper(tree, label, 120, 228));
    EXPECT_TRUE(DoubleClickAppliesWallpaper(tree, label, 189, 228));
    EXPECT_FALSE(DoubleClickAppliesWallpaper(tree, label, 190, 228)); // right of the label
    EXPECT_FALSE(DoubleClickAppliesWallpaper(tree, label, 250, 228));
    EXPECT_FALSE(DoubleClickAppliesWallpaper(tree, label, 150, 220)); // the borders lie outside
    EXPECT_FALSE(DoubleClickAppliesWallpaper(tree, label, 150, 236));
    EXPECT_TRUE(DoubleClickAppliesWallpaper(tree, label, 150, 235));
}

} // namespace
} // namespace pelaconf
