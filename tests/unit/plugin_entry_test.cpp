// The plug-in priority list's entries: reading "ext.NN.path" into its three fields, writing it
// back, and the two-digit priority.
#include "settings/plugin_entry.h"

#include "plugin_entry_texts.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

TEST(PluginEntry, SplitsWellFormedEntries) {
    const std::string text = "jpg.01.C:\\spi\\photo1.spi";
    EXPECT_EQ(ParsePluginEntry(text), (PluginEntry{"jpg", "01", "C:\\spi\\photo1.spi"}));
    for (const int noSuchField : {3, -1}) {
        EXPECT_EQ(GetEntryField(text, noSuchField), "") << noSuchField;
    }
    EXPECT_EQ(ParsePluginEntry("jpg.00.x.spi").priority, "00");
}

TEST(PluginEntry, NormalisesMalformedEntries) {
    EXPECT_EQ(ParsePluginEntry("nodot"), (PluginEntry{"", "", ""}));
    EXPECT_EQ(ParsePluginEntry("jpg.onlyone"), (PluginEntry{"jpg", "", ""}));
    // A one-digit priority: the priority becomes 00 and the path the whole rest.
    EXPECT_EQ(ParsePluginEntry("jpg.5.C:\\a.spi"), (PluginEntry{"jpg", "00", "5.C:\\a.spi"}));
    // A two-character priority that is no number reads as empty, and counts as 0.
    const PluginEntry unreadable = ParsePluginEntry("jpg.ab.C:\\a.spi");
    EXPECT_EQ(unreadable.ReadablePriority(), "");
    EXPECT_EQ(unreadable.PriorityNumber(), 0);
    EXPECT_EQ(unreadable.path, "C:\\a.spi");
}

// An entry read is written back byte for byte: the priority is kept as it stands, so an unreadable
// or odd one keeps its spelling and the path stays whole.
TEST(PluginEntry, AnEntryIsWrittenBackAsItWasRead) {
    for (const char* text : {"jpg.01.C:\\spi\\photo1.spi", "jpg.00.D:\\my.plugins\\x.y.spi", "jpg.x1.C:\\a.spi",
                             "jpg.1x.C:\\a.spi", "jpg.-1.C:\\a.spi", "jpg. 1.C:\\a.spi", ".00.C:\\a.spi", "jpg.00.",
                             "jpg.00.5.C:\\a.spi"}) {
        EXPECT_EQ(FormatPluginEntry(ParsePluginEntry(text)), text);
    }
    EXPECT_EQ(ParsePluginEntry("jpg.1x.C:\\a.spi").PriorityNumber(), 1);
    EXPECT_EQ(ParsePluginEntry("jpg.-1.C:\\a.spi").PriorityNumber(), -1);
    EXPECT_EQ(ParsePluginEntry("jpg.00.").path, "");
    // Too few dots, or a priority that is not two characters, is written in a normalised form.
    for (const auto& [read, written] : {std::pair{"jpg.5.C:\\a.spi", "jpg.00.5.C:\\a.spi"}, std::pair{"nodot", ".."},
                                        std::pair{"jpg.onlyone", "jpg.."}}) {
        EXPECT_EQ(FormatPluginEntry(ParsePluginEntry(read)), written) << read;
    }
}

TEST(PluginEntry, TheFileNameIsWhatFollowsTheLastBackslash) {
    EXPECT_EQ(ParsePluginEntry("jpg.00.C:\\my.plugins\\x.y.spi").FileName(), "x.y.spi");
    const PluginEntry noFolder = ParsePluginEntry("jpg.00.x.spi");
    EXPECT_FALSE(noFolder.HasFolder());
    EXPECT_EQ(noFolder.FileName(), "jpg.00.x.spi") << "the whole entry, as it has no backslash";
    const PluginEntry handEdited = ParsePluginEntry("a\\b.00.x.spi");
    EXPECT_TRUE(handEdited.HasFolder());
    EXPECT_EQ(handEdited.FileName(), "b.00.x.spi");
}

TEST(FormatPriority, AlwaysTwoDigitsBelowOneHundred) {
    EXPECT_EQ(FormatPriority(0), "00");
    EXPECT_EQ(FormatPriority(7), "07");
    EXPECT_EQ(FormatPriority(42), "42");
}

} // namespace
} // namespace pelaconf
