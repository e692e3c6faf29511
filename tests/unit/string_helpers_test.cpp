#include "settings/string_helpers.h"
#include "fake_file_system.h"

#include <gtest/gtest.h>

#include <random>

namespace pelaconf {
namespace {

using List = std::vector<std::string>;

TEST(GetExtension, TakesTheTextAfterTheLastDotAnywhere) {
    EXPECT_EQ(GetExtension("C:\\pics\\a.JPG"), "JPG");
    EXPECT_EQ(GetExtension("C:\\a.b\\file"), "b\\file");
    EXPECT_EQ(GetExtension("noext"), "");
    EXPECT_EQ(GetExtension("trailing."), "");
}

TEST(FileExists, EmptyPathNeverExists) {
    testing::FakeFileSystem files;
    files.folders.insert("");
    files.files["C:\\a"] = "";
    EXPECT_FALSE(FileExists(files, ""));
    EXPECT_TRUE(FileExists(files, "C:\\a"));
    EXPECT_FALSE(FileExists(files, "C:\\b"));
}

TEST(CompareNoCase, FoldsAsciiOnly) {
    EXPECT_EQ(CompareNoCase("ABC", "abc"), 0);
    EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
    EXPECT_LT(CompareNoCase("ab", "abc"), 0);
    // Full-width letters are different characters, not folded.
    EXPECT_NE(CompareNoCase("ＡＢ", "ａｂ"), 0);
}

TEST(CompareNoCase, NeverFoldsATrailByte) {
    // 0x83 0x41 is ア and 0x83 0x61 is the katakana チ: a fold of the trail byte would equate them.
    EXPECT_NE(CompareNoCase("ア", "チ"), 0);
    EXPECT_TRUE(EqualNoCase("C:\\表示\\PICS", "c:\\表示\\pics"));
}

TEST(CompareNoCase, OrdersByTheShiftJisForms) {
    // The long-vowel mark is 0x815B in Shift-JIS, before small あ (0x829F); in Unicode it is after.
    EXPECT_LT(CompareNoCase("ー", "ぁ"), 0);
    EXPECT_LT(CompareNoCase("z", "ｱ"), 0);
}

TEST(AsciiLower, TouchesAsciiLettersOnly) { EXPECT_EQ(AsciiLower("JPG表ＡZ"), "jpg表Ａz"); }

TEST(SortStringList, SortsBothWaysIgnoringCase) {
    List list{"pic", "BMP", "jpg", "Gif"};
    SortStringList(list, 0);
    EXPECT_EQ(list, (List{"BMP", "Gif", "jpg", "pic"}));
    SortStringList(list, 1);
    EXPECT_EQ(list, (List{"pic", "jpg", "Gif", "BMP"}));
    SortStringList(list, 2);
    EXPECT_EQ(list, (List{"pic", "jpg", "Gif", "BMP"}));
}

// The exchange sort, comparing the texts themselves at every step.
void ExchangeSort(List& list, int direction) {
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        for (size_t j = i + 1; j < list.size(); ++j) {
            const int order = CompareNoCase(list[i], list[j]);
            if ((direction == 0 && order > 0) || (direction == 1 && order < 0)) {
                std::swap(list[i], list[j]);
            }
        }
    }
}

TEST(SortStringList, PlacesEqualKeysExactlyAsTheExchangeSortDoes) {
    const List spellings{"a", "A", "b", "B", "ab", "aB", "Ab", "表", "\xF0\x9F\x98\x80"};
    std::mt19937 random(17);
    for (int round = 0; round < 400; ++round) {
        List list(random() % 24);
        for (auto& text : list) {
            text = spellings[random() % spellings.size()];
        }
        for (const int direction : {0, 1}) {
            List expected = list;
            ExchangeSort(expected, direction);
            List sorted = list;
            SortStringList(sorted, direction);
            ASSERT_EQ(sorted, expected) << "round " << round << ", direction " << direction;
        }
    }
}

TEST(MergeSortStringList, IsStableForEqualEntries) {
    List list{"b.2", "A", "a", "c", "B.1", "b", "A"};
    MergeSortStringList(list);
    EXPECT_EQ(list, (List{"A", "a", "A", "b", "B.1", "b.2", "c"}));
}

TEST(MergeSortStringList, HandlesOddSizesAndEmptyLists) {
    for (size_t size = 0; size < 20; ++size) {
        List list;
        for (size_t i = 0; i < size; ++i) {
            list.push_back(std::string(1, static_cast<char>('a' + (i * 7) % 26)));
        }
        List expected = list;
        SortStringList(expected, 0);
        MergeSortStringList(list);
        EXPECT_EQ(list, expected) << size;
    }
}

TEST(TrimWhiteSpace, RemovesBothEnds) {
    EXPECT_EQ(TrimWhiteSpace("  a b \t\r"), "a b");
    EXPECT_EQ(TrimWhiteSpace(" \r\n"), "");
    EXPECT_EQ(TrimWhiteSpace("　x　"), "　x　"); // the ideographic space is a character
}

} // namespace
} // namespace pelaconf
