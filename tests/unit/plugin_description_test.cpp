// Asking a Susie plug-in what it is.
#include "susie/plugin_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace pelaconf {
namespace {

// A plug-in that answers from a table and records the numbers asked.
struct FakePlugin {
    std::map<int, std::string> answers;
    std::vector<int> asked;

    GetPluginInfoCall Call() {
        return [this](int number, char* buffer, int length) {
            asked.push_back(number);
            const auto found = answers.find(number);
            if (found == answers.end()) {
                return 0;
            }
            const size_t size = std::min(found->second.size(), static_cast<size_t>(length));
            std::memcpy(buffer, found->second.data(), size);
            return static_cast<int>(std::max<size_t>(size, 1));
        };
    }
};

FakePlugin ImportFilter() {
    return FakePlugin{{{0, std::string("00IN\0", 5)},
                       {1, std::string("Sample filter 1.0\0", 18)},
                       {2, std::string("*.pi;*.pic\0", 11)},
                       {3, std::string("PI images\0", 10)}},
                      {}};
}

TEST(QueryPluginInfo, AnImportFilterFillsTheDescription) {
    FakePlugin plugin = ImportFilter();
    PluginDescription description;
    EXPECT_EQ(QueryPluginInfo(plugin.Call(), description), kQueryImportFilter);
    EXPECT_EQ(description.description, "Sample filter 1.0");
    EXPECT_EQ(description.extensionFilter, "*.pi;*.pic");
    EXPECT_EQ(description.fileTypeName, "PI images");
    EXPECT_EQ(plugin.asked, (std::vector<int>{0, 1, 2, 3}));
}

TEST(QueryPluginInfo, AnyOtherVersionTextIsNotAnImportFilter) {
    for (const std::string version : {"00in", "00IM", "00AM", "00IN ", "0IN", ""}) {
        FakePlugin plugin = ImportFilter();
        plugin.answers[0] = version + '\0';
        PluginDescription description{"kept", "kept", "kept"};
        EXPECT_EQ(QueryPluginInfo(plugin.Call(), description), kQueryNotImportFilter) << version;
        EXPECT_EQ(plugin.asked, std::vector<int>{0}) << "nothing more is asked";
        EXPECT_EQ(description.description, "kept");
    }
}

TEST(QueryPluginInfo, AFailedAnswerFailsTheQuery) {
    for (const int failing : {0, 1, 2, 3}) {
        FakePlugin plugin = ImportFilter();
        plugin.answers.erase(failing);
        PluginDescription description{"kept", "kept", "kept"};
        EXPECT_EQ(QueryPluginInfo(plugin.Call(), description), kQueryFailed) << failing;
        EXPECT_EQ(description.extensionFilter, "kept");
    }
}

TEST(QueryPluginInfo, TextsAreCutToTheirFieldsAndReadAsCodePage932) {
    FakePlugin plugin = ImportFilter();
    // 100 bytes without a NUL: the whole buffer and never beyond it.
    plugin.answers[1] = std::string(100, 'd');
    // 62 letters then a double-byte character that would end on byte 64: it is left out whole.
    plugin.answers[2] = std::string(62, 'e') + "\x95\x5C" + "xyz";
    plugin.answers[3] = std::string("\x89\xe6\x91\x9c\0", 5); // "画像"
    PluginDescription description;
    ASSERT_EQ(QueryPluginInfo(plugin.Call(), description), kQueryImportFilter);
    EXPECT_EQ(description.description, std::string(100, 'd'));
    EXPECT_EQ(description.extensionFilter, std::string(62, 'e'));
    EXPECT_EQ(description.fileTypeName, "画像");
}

TEST(CutToField, KeepsWholeCharactersWithinTheFieldLessItsNul) {
    EXPECT_EQ(CutToField("abcdef", 4), "abc");
    EXPECT_EQ(CutToField("ab\x95\x5C", 4), "ab");
    EXPECT_EQ(CutToField("ab\x95\x5C", 5), "ab\x95\x5C");
    EXPECT_EQ(CutToField("ab\x95", 10), "ab") << "a lead byte without its trail byte";
    EXPECT_EQ(CutToField("\xB1\xB2\xB3", 3), "\xB1\xB2") << "half-width katakana are single bytes";
    EXPECT_EQ(CutToField("abc", 0), "");
}

} // namespace
} // namespace pelaconf
