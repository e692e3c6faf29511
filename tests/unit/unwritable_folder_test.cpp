#include "app/unwritable_folder.h"

#include "fake_file_system.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

using testing::FakeFileSystem;

constexpr char kFailed[] = "設定ファイルの保存に失敗しました。";
constexpr char kFolder[] = "C:\\Program Files\\Pelavine";
constexpr char kFile[] = "C:\\Program Files\\Pelavine\\Pelavine.ini";
constexpr char kLocal[] = "C:\\Users\\ユーザー\\AppData\\Local";
constexpr char kCopy[] = "C:\\Users\\ユーザー\\AppData\\Local\\VirtualStore\\Program Files\\Pelavine\\Pelavine.ini";

TEST(UnwritableFolder, AFolderThatTakesFilesLeavesTheMessageAsItIs) {
    FakeFileSystem files;
    files.files[kCopy] = "old";
    EXPECT_EQ(SaveFailureMessage(kFailed, kFile, files, kLocal), kFailed);
}

TEST(UnwritableFolder, ARefusingFolderIsNamedWithTheRemedyAndAnExistingRedirectedCopy) {
    FakeFileSystem files;
    files.refusingFolders.insert(kFolder);
    const std::string withoutCopy = std::string(kFailed) + "\n" + kFolder + "\n" + kFolderRefusesFilesText;
    EXPECT_EQ(SaveFailureMessage(kFailed, kFile, files, kLocal), withoutCopy);
    files.files[kCopy] = "old";
    EXPECT_EQ(SaveFailureMessage(kFailed, kFile, files, kLocal),
              withoutCopy + "\n" + kRedirectedCopyText + "\n" + kCopy);
    EXPECT_EQ(SaveFailureMessage(kFailed, kFile, files, ""), withoutCopy) << "not looked for without the folder";
}

TEST(UnwritableFolder, TheRedirectedCopyKeepsThePathBelowItsDrive) {
    EXPECT_EQ(RedirectedCopyPath(kLocal, kFile), kCopy);
    EXPECT_EQ(RedirectedCopyPath(kLocal, "d:\\Tools\\Pelavine.ini"), std::string(kLocal) + "\\VirtualStore\\Tools\\Pelavine.ini");
    EXPECT_FALSE(RedirectedCopyPath(kLocal, "\\\\server\\share\\Pelavine.ini")) << "a network path has none";
    EXPECT_FALSE(RedirectedCopyPath("", kFile));
}

} // namespace
} // namespace pelaconf
