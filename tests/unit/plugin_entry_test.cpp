// The plug-in priority list's entries: their fields and the two-digit priority.
#include "settings/plugin_entry.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

TEST(GetEntryField, SplitsWellFormedEntries) {
    const std::string entry = "jpg.01.C:\\spi\\photo1.spi";
    EXPECT_EQ(GetEntryField(entry, 0), "jpg");
    EXPECT_EQ(GetEntryField(entry, 1), "01");
    EXPECT_EQ(GetEntryField(entry, 2), "C:\\spi\\photo1.spi");
    EXPECT_EQ(GetEntryField(entry, 3), "");
    EXPECT_EQ(GetEntryField(entry, -1), "");
    EXPECT_EQ(GetEntryField("jpg.00.x.spi", 1), "00");
}

TEST(GetEntryField, NormalisesMalformedEntries) {
    EXPECT_EQ(GetEntryField("nodot", 0), "");
    EXPECT_EQ(GetEntryField("nodot", 2), "");
    EXPECT_EQ(GetEntryField("jpg.onlyone", 0), "jpg");
    EXPECT_EQ(GetEntryField("jpg.onlyone", 1), "");
    EXPECT_EQ(GetEntryField("jpg.onlyone", 2), "");
    // A one-digit priority: the priority becomes 00 and the path the whole rest.
    EXPECT_EQ(GetEntryField("jpg.5.C:\\a.spi", 1), "00");
    EXPECT_EQ(GetEntryField("jpg.5.C:\\a.spi", 2), "5.C:\\a.spi");
    // A two-character priority that is no number.
    EXPECT_EQ(GetEntryField("jpg.ab.C:\\a.spi", 1), "");
    EXPECT_EQ(GetEntryField("jpg.ab.C:\\a.spi", 2), "C:\\a.spi");
}

TEST(FormatPriority, AlwaysTwoDigitsBelowOneHundred) {
    EXPECT_EQ(FormatPriority(0), "00");
    EXPECT_EQ(FormatPriority(7), "07");
    EXPECT_EQ(FormatPriority(42), "42");
}

} // namespace
} // namespace pelaconf
