#include "settings/settings_file.h"
#include "fake_file_system.h"

#include "default_settings_text.h"
#include "plugin_entry_texts.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

constexpr char kFolder[] = "C:\\Pelavine";
constexpr char kIniPath[] = "C:\\Pelavine\\Pelavine.ini";

SettingsRecord Parsed(std::string_view text) {
    SettingsRecord record(kFolder);
    ParseSettings(text, record);
    return record;
}

TEST(SettingsRecord, DefaultsFollowTheModuleFolder) {
    const SettingsRecord record(kFolder);
    EXPECT_EQ(record.Wall_Dir_Path, kFolder);
    EXPECT_EQ(record.Susie_Dir_Path, "Empty");
    EXPECT_EQ(record.Timer_Length, 10);
    EXPECT_EQ(record.Left_Double, 2);
    EXPECT_EQ(record.wallpaperBitmapPath, "C:\\Pelavine\\Wallpaper.bmp");
    EXPECT_EQ(record.SettingsFilePath(), kIniPath);
}

TEST(SettingsFile, DefaultsAreWrittenInTableOrder) {
    EXPECT_EQ(FormatSettings(SettingsRecord(kFolder)), DefaultSettingsText(kFolder));
    EXPECT_EQ(DefaultSettingsFile(kFolder).substr(0, 37),
              "# Pelavine Version 1.2 \x90\xDD\x92\xE8\x83\x74\x83\x40\x83\x43\x83\x8B\r\n");
}

TEST(SettingsFile, LinesAreTrimmedAndMatchedExactly) {
    const auto record = Parsed("  [Timer_Type]=2  \n"
                               "[Rect_Type] =3\n"
                               "[rect_fit]=1\n"
                               "#[Turn_Type]=2\n"
                               "[Timer_Exec_Path]=C:\\Program Files\\a b.exe /x=1\n"
                               "no equals sign\n");
    EXPECT_EQ(record.Timer_Type, 2);
    EXPECT_EQ(record.Rect_Type, 0);
    EXPECT_EQ(record.Rect_Fit, 0);
    EXPECT_EQ(record.Turn_Type, 0);
    EXPECT_EQ(record.Timer_Exec_Path, "C:\\Program Files\\a b.exe /x=1");
}

TEST(SettingsFile, NumbersTakeTheLeadingDecimalNumber) {
    const auto record = Parsed("[Timer_Length]=abc\r\n[Rect_Type]=4x\r\n[Left_Single]=-3\r\n[Turn_Type]=+2\r\n"
                               "[HKey_ChgNone]=99999999999\r\n[WaitDlg_Trans]=-99999999999\r\n");
    EXPECT_EQ(record.Timer_Length, 0);
    EXPECT_EQ(record.Rect_Type, 4);
    EXPECT_EQ(record.Left_Single, -3);
    EXPECT_EQ(record.Turn_Type, 2);
    EXPECT_EQ(record.HKey_ChgNone, 2147483647);
    EXPECT_EQ(record.WaitDlg_Trans, -2147483647 - 1);
}

TEST(SettingsFile, FlagsAreWrittenAsOneOrZeroAndOtherNumbersAsTheyAre) {
    const auto record = Parsed("[Start_Exec_Type]=7\r\n[Rect_Fit]=-3\r\n[SetupDlg_Fade]=0\r\n[Susie_Use]=2\r\n"
                               "[Turn_Type]=7\r\n[Icon_Trance]=-1\r\n");
    const std::string text = FormatSettings(record);
    for (const char* line : {"[Start_Exec_Type]=1\r\n", "[Rect_Fit]=1\r\n", "[SetupDlg_Fade]=0\r\n",
                             "[Susie_Use]=1\r\n", "[Turn_Type]=7\r\n", "[Icon_Trance]=-1\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(record.Start_Exec_Type, 7) << "the record keeps what was read; only the file is cleaned";
}

TEST(SettingsFile, EmptyValuesAndRepeatedKeys) {
    const auto record = Parsed("[Wall_Dir_Path]=\n[Timer_Length]=\n[Turn_Type]=1\n[Turn_Type]=3\n");
    EXPECT_EQ(record.Wall_Dir_Path, "");
    EXPECT_EQ(record.Timer_Length, 0);
    EXPECT_EQ(record.Turn_Type, 3);
}

TEST(SettingsFile, PluginEntriesAreRebuiltFromTheirFields) {
    const auto record = Parsed("[SPI]=jpg.01.C:\\spi\\photo1.spi\n"
                               "[SPI]=jpg.5.C:\\spi\\photo1.spi\n"
                               "[SPI]=nodot\n"
                               "[SPI]=jpg.01.C:\\spi\\photo1.spi\n");
    const std::vector<std::string> expected{"jpg.01.C:\\spi\\photo1.spi", "jpg.00.5.C:\\spi\\photo1.spi", "..",
                                            "jpg.01.C:\\spi\\photo1.spi"};
    EXPECT_EQ(testing::EntryTexts(record.pluginPriorityList), expected);
}

TEST(SettingsFile, ExtensionListIsDistinctAndSorted) {
    const auto record = Parsed("[SPI]=PIC.00.a.spi\n[SPI]=jpg.00.b.spi\n[SPI]=pic.01.c.spi\n[SPI]=Bmp.00.d.spi\n");
    EXPECT_EQ(ExtensionList(record.pluginPriorityList), (std::vector<std::string>{"Bmp", "jpg", "PIC"}));
}

TEST(SettingsFile, ReadReportsWhetherTheFileOpened) {
    testing::FakeFileSystem files;
    SettingsRecord record(kFolder);
    EXPECT_EQ(ReadSettings(record, files).state, SettingsFileState::Missing);
    EXPECT_EQ(FormatSettings(record), DefaultSettingsText(kFolder));

    files.files[kIniPath] = "# Pelavine Version 1.2\r\n";
    EXPECT_EQ(ReadSettings(record, files).state, SettingsFileState::Read);
    EXPECT_EQ(FormatSettings(record), DefaultSettingsText(kFolder));

    files.files.erase(kIniPath);
    files.folders.insert(kIniPath); // there, but no file that can be read
    EXPECT_EQ(ReadSettings(record, files).state, SettingsFileState::Unreadable);
}

TEST(SettingsFile, RewritingDropsUnknownKeysAndRestoresOrder) {
    testing::FakeFileSystem files;
    files.files[kIniPath] = "[SetupDlg_Fade]=1\n[Unknown]=x\n[SPI]=jpg.01.a.spi\n[Wall_Dir_Path]=D:\\w\n";
    SettingsRecord record(kFolder);
    ASSERT_EQ(ReadSettings(record, files).state, SettingsFileState::Read);
    ASSERT_TRUE(WriteSettings(record, {}, files));
    std::string expected = DefaultSettingsFile(kFolder);
    expected.replace(expected.find("C:\\Pelavine\r\n"), 11, "D:\\w");
    expected.replace(expected.find("[SetupDlg_Fade]=0"), 17, "[SetupDlg_Fade]=1");
    expected += "[SPI]=jpg.01.a.spi\r\n";
    EXPECT_EQ(files.files[kIniPath], expected);
}

// Every known key with Japanese paths whose trail byte is a backslash, and bytes that are not
// Shift-JIS at all, comes back byte for byte.
TEST(SettingsFile, RoundTripIsByteExact) {
    testing::FakeFileSystem files;
    std::string original = DefaultSettingsFile(kFolder);
    const std::string japanese = "D:\\\x95\x5C\x8E\xA6\\\x83\x5C\x83\x74\x83\x67"; // D:\表示\ソフト
    const std::string invalid = "E:\\\x81\x20\x85\x40\xFC\xFC\\\x87\x90\x80\xFF";  // no valid Shift-JIS
    original.replace(original.find("C:\\Pelavine\r\n"), 11, japanese);
    original.replace(original.find("[Timer_Exec_Path]=") + 18, 0, invalid + "\\run.exe /a");
    original.replace(original.find("[Timer_Wave_Path]=") + 18, 0, japanese + "\\\x89\xB9.wav");
    original.replace(original.find("[Susie_Dir_Path]=Empty") + 17, 5, japanese);
    original.replace(original.find("[Timer1_List]=") + 14, 0, "0,15,30");
    original += "[SPI]=jpg.01." + japanese + "\\a.spi\r\n[SPI]=bmp.00." + invalid + ".spi\r\n";
    files.files[kIniPath] = original;

    SettingsRecord record(kFolder);
    const SettingsFileRead read = ReadSettings(record, files);
    ASSERT_EQ(read.state, SettingsFileState::Read);
    EXPECT_EQ(record.Wall_Dir_Path, "D:\\表示\\ソフト");
    files.files.erase(kIniPath);
    ASSERT_TRUE(WriteSettings(record, read.spellings, files));
    EXPECT_EQ(files.files[kIniPath], original);
}

TEST(SettingsFile, ADuplicateCodeKeepsItsBytesUntilTheValueChanges) {
    testing::FakeFileSystem files;
    std::string original = DefaultSettingsFile(kFolder);
    const std::string necFolder = "D:\\\xEE\xE0\x87\x90"; // 髙≒ in NEC codes, which Windows reads but never writes
    original.replace(original.find("C:\\Pelavine\r\n"), 11, necFolder);
    original.replace(original.find("[Timer_Wave_Path]=") + 18, 0, necFolder + ".wav");
    files.files[kIniPath] = original;

    SettingsRecord record(kFolder);
    const SettingsFileRead read = ReadSettings(record, files);
    ASSERT_EQ(read.state, SettingsFileState::Read);
    EXPECT_EQ(record.Wall_Dir_Path, "D:\\髙≒");
    ASSERT_TRUE(WriteSettings(record, read.spellings, files));
    EXPECT_EQ(files.files[kIniPath], original) << "unchanged values keep their bytes";

    record.Wall_Dir_Path += "\\x";
    ASSERT_TRUE(WriteSettings(record, read.spellings, files));
    const std::string& written = files.files[kIniPath];
    EXPECT_NE(written.find("[Wall_Dir_Path]=D:\\\xFB\xFC\x81\xE0\\x\r\n"), std::string::npos)
        << "a changed value is written with the codes Windows writes";
    EXPECT_NE(written.find("[Timer_Wave_Path]=" + necFolder + ".wav\r\n"), std::string::npos);
}

TEST(SettingsFile, WriteFailsRatherThanStoringWhatTheCodePageCannotHold) {
    testing::FakeFileSystem files;
    files.files[kIniPath] = "old";
    SettingsRecord record(kFolder);
    record.Wall_Dir_Path = "C:\\caf\xC3\xA9";
    EXPECT_FALSE(WriteSettings(record, {}, files));
    EXPECT_EQ(files.files[kIniPath], "old");
}

TEST(SettingsFile, WriteReportsAFailedWrite) {
    testing::FakeFileSystem files;
    files.failWrites = true;
    EXPECT_FALSE(WriteSettings(SettingsRecord(kFolder), {}, files));
}

TEST(SettingsFile, AFileThatAlreadyHoldsTheBytesIsNotWrittenAgain) {
    testing::FakeFileSystem files;
    SettingsRecord record(kFolder);
    ASSERT_TRUE(WriteSettings(record, {}, files));
    files.failWrites = true;
    EXPECT_TRUE(WriteSettings(record, {}, files)) << "nothing to write";
    record.Wall_Dir_Path = "D:\\other";
    EXPECT_FALSE(WriteSettings(record, {}, files)) << "a change is written, and its failure reported";
}

TEST(ShuffleList, DeletedOnlyWhenPresent) {
    testing::FakeFileSystem files;
    const SettingsRecord record(kFolder);
    EXPECT_EQ(DeleteShuffleList(record, files), 1);
    files.files["C:\\Pelavine\\Shuffle.ini"] = "x";
    files.failRemoves = true;
    EXPECT_EQ(DeleteShuffleList(record, files), 0);
    files.failRemoves = false;
    EXPECT_EQ(DeleteShuffleList(record, files), 1);
    EXPECT_EQ(files.files.count("C:\\Pelavine\\Shuffle.ini"), 0u);
}

} // namespace
} // namespace pelaconf
