// The Win32 file system on real files under Wine.
#include "platform/file_replacement_win.h"
#include "platform/file_system_win.h"
#include "win/wide_text.h"

#include "file_held_elsewhere.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>
#include <chrono>
#include <map>
#include <thread>
#include <windows.h>

namespace pelaconf {
namespace {

class Win32FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scratch_.IsMade()) << scratch_.Path(); }
    std::string PathOf(const std::string& name) const { return scratch_.PathOf(name); }
    int FileCount() const { return scratch_.EntryCount(); }

    const ScratchFolder scratch_;
    Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, WritesReadsAndReplacesWholeFiles) {
    const std::string path = PathOf("Pelavine.ini");
    EXPECT_FALSE(files_.ReadWholeFile(path).has_value());
    ASSERT_TRUE(files_.WriteWholeFile(path, std::string("first\r\n\0\xFF", 9)));
    EXPECT_EQ(files_.ReadWholeFile(path), std::string("first\r\n\0\xFF", 9));
    ASSERT_TRUE(files_.WriteWholeFile(path, "2"));
    EXPECT_EQ(files_.ReadWholeFile(path), "2");
    EXPECT_EQ(FileCount(), 1) << "no temporary file is left beside the target";
}

TEST_F(Win32FileSystemTest, AFolderInTheWayFailsTheWriteAndLeavesNothingBehind) {
    const std::string path = PathOf("Pelavine.ini");
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    EXPECT_FALSE(files_.WriteWholeFile(path, "x"));
    EXPECT_EQ(FileCount(), 1);
    EXPECT_TRUE(files_.PathExists(path));
}

TEST_F(Win32FileSystemTest, AReadOnlyTargetKeepsItsContent) {
    const std::string path = PathOf("Pelavine.ini");
    ASSERT_TRUE(files_.WriteWholeFile(path, "old"));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(files_.WriteWholeFile(path, "new"));
    EXPECT_EQ(files_.ReadWholeFile(path), "old");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32FileSystemTest, AHiddenSystemTargetStaysHiddenAndSystemAfterItIsReplaced) {
    const std::string path = PathOf("Pelavine.ini");
    ASSERT_TRUE(files_.WriteWholeFile(path, "old"));
    const DWORD marked = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), marked));
    ASSERT_TRUE(files_.WriteWholeFile(path, "new"));
    EXPECT_EQ(files_.ReadWholeFile(path), "new");
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & marked, marked);
    EXPECT_EQ(FileCount(), 1);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32FileSystemTest, WritersOfTheSameFileAtOnceAllSucceedAndLeaveOneWholeFile) {
    // Two writers, as two programs setting the wallpaper at the same moment.
    const std::string path = PathOf("Wallpaper.bmp");
    const std::string contents[2] = {std::string(256 * 1024, 'a'), std::string(300 * 1024, 'b')};
    int failures[2] = {0, 0};
    std::thread other([&] {
        Win32FileSystem files;
        for (int i = 0; i < 40; ++i) {
            failures[1] += files.WriteWholeFile(path, contents[1]) ? 0 : 1;
        }
    });
    for (int i = 0; i < 40; ++i) {
        failures[0] += files_.WriteWholeFile(path, contents[0]) ? 0 : 1;
    }
    other.join();
    EXPECT_EQ(failures[0], 0);
    EXPECT_EQ(failures[1], 0);
    const auto written = files_.ReadWholeFile(path);
    ASSERT_TRUE(written.has_value());
    EXPECT_TRUE(*written == contents[0] || *written == contents[1]);
    EXPECT_EQ(FileCount(), 1) << "no temporary file is left beside the target";
}

TEST_F(Win32FileSystemTest, ASaveWaitsForAnotherProgramToLetGoOfTheTargetAndLeavesItWhole) {
    // Open without delete sharing, as an antivirus or the search indexer opens a file it reads.
    const std::string path = PathOf("Pelavine.ini");
    ASSERT_TRUE(files_.WriteWholeFile(path, std::string(256 * 1024, 'a')));
    FileHeldElsewhere holder(PELACONF_FILE_HOLDER, Utf8ToWide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(holder.Holds());
    std::thread lettingGo([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // how long the other program reads
        holder.LetGo();
    });
    const std::string content(300 * 1024, 'b');
    const bool saved = files_.WriteWholeFile(path, content);
    const bool afterTheHolder = holder.HasSaidItLetsGo();
    lettingGo.join();
    EXPECT_TRUE(saved);
    EXPECT_TRUE(afterTheHolder) << "the file was replaced while the other program still had it open";
    EXPECT_EQ(files_.ReadWholeFile(path), content);
    EXPECT_EQ(FileCount(), 1) << "no temporary file is left beside the target";
}

TEST_F(Win32FileSystemTest, AMoveOverTheTargetKeepsItsAttributes) {
    // What replaces the file on a volume that does not do replacements.
    const std::string path = PathOf("Pelavine.ini");
    ASSERT_TRUE(files_.WriteWholeFile(path, "old"));
    const DWORD marked = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), marked));
    const std::string temporary = PathOf("Pelavine.ini.new");
    ASSERT_TRUE(files_.WriteWholeFile(temporary, "new"));
    Win32FileReplacement replacement(Utf8ToWide(temporary), Utf8ToWide(path));
    EXPECT_EQ(replacement.MoveOver(), kErrorNone);
    EXPECT_EQ(files_.ReadWholeFile(path), "new");
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & marked, marked);
    EXPECT_EQ(FileCount(), 1);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32FileSystemTest, ExistsForFilesAndFoldersAndRemovesFiles) {
    EXPECT_TRUE(files_.PathExists(scratch_.Path()));
    const std::string path = PathOf("Shuffle.ini");
    EXPECT_FALSE(files_.PathExists(path));
    EXPECT_FALSE(files_.RemoveFile(path));
    ASSERT_TRUE(files_.WriteWholeFile(path, ""));
    EXPECT_TRUE(files_.PathExists(path));
    EXPECT_TRUE(files_.RemoveFile(path));
    EXPECT_FALSE(files_.PathExists(path));
}

TEST_F(Win32FileSystemTest, JapaneseNamesWorkThroughUtf8) {
    ASSERT_TRUE(files_.WriteWholeFile(PathOf("表示ソフト.ini"), "x"));
    const std::wstring expected = Utf8ToWide(scratch_.Path()) + L"\\\u8868\u793A\u30BD\u30D5\u30C8.ini";
    EXPECT_NE(GetFileAttributesW(expected.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Win32FileSystemTest, ListsMatchingFilesAndMarksFolders) {
    ASSERT_TRUE(files_.WriteWholeFile(PathOf("a.spi"), ""));
    ASSERT_TRUE(files_.WriteWholeFile(PathOf("B.SPI"), ""));
    ASSERT_TRUE(files_.WriteWholeFile(PathOf("c.txt"), ""));
    ASSERT_TRUE(CreateDirectoryA(PathOf("d.spi").c_str(), nullptr));
    std::map<std::string, bool> listed;
    for (const auto& entry : files_.ListFolder(PathOf("*.spi"))) {
        listed[entry.name] = entry.isFolder;
    }
    EXPECT_EQ(listed, (std::map<std::string, bool>{{"B.SPI", false}, {"a.spi", false}, {"d.spi", true}}));
    EXPECT_TRUE(files_.ListFolder(PathOf("*.none")).empty());
    EXPECT_TRUE(files_.ListFolder(PathOf("missing\\*.spi")).empty());
}

TEST(ModuleFolder, IsTheExecutablesFolderWithoutTrailingBackslash) {
    wchar_t path[MAX_PATH];
    const std::wstring program(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    EXPECT_EQ(Utf8ToWide(ModuleFolder()), program.substr(0, program.rfind(L'\\')));
}

} // namespace
} // namespace pelaconf
