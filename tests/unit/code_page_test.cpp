#include "settings/code_page.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

TEST(CodePage, DecodesAsciiKanaAndKanji) {
    EXPECT_EQ(DecodeShiftJis("abc"), "abc");
    EXPECT_EQ(DecodeShiftJis("\xB1\xDF"), "ｱﾟ");
    EXPECT_EQ(DecodeShiftJis("\x95\x5C\x83\x5C"), "表ソ");
    EXPECT_EQ(DecodeShiftJis("\x8E\x9E\x8C\x76"), "時計");
}

TEST(CodePage, TrailBackslashIsNotAPathSeparator) {
    const std::string decoded = DecodeShiftJis("C:\\\x95\x5C\\x");
    EXPECT_EQ(decoded, "C:\\表\\x");
}

TEST(CodePage, EncodesWhatItDecodes) {
    const std::string bytes = "C:\\\x95\x5C\x8E\xA6\\\x83\x5C\x83\x74\x83\x67\\\xB1 a.jpg";
    EXPECT_EQ(EncodeShiftJis(DecodeShiftJis(bytes)), bytes);
}

TEST(CodePage, CarriesInvalidBytesThroughUnchanged) {
    const std::string invalid[] = {
        "\x81",        // lead byte at the end
        "\x81\x20xyz", // lead byte before a byte that cannot trail
        "\x85\x40",    // an unassigned pair
        "a\x87\x90"
        "b",            // a duplicate code whose preferred form is another
        "\xFC\xFC\x5C", // unassigned pair, then a real backslash
        "\x80\xA0\xFD\xFE\xFF",
    };
    for (const auto& bytes : invalid) {
        const std::string text = DecodeShiftJis(bytes);
        const auto back = EncodeShiftJis(text);
        ASSERT_TRUE(back.has_value()) << bytes;
        EXPECT_EQ(*back, bytes);
    }
}

TEST(CodePage, EveryTwoByteSequenceRoundTrips) {
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(EncodeShiftJis(DecodeShiftJis(bytes)), bytes) << first << "," << second;
        }
    }
}

TEST(CodePage, RefusesCharactersOutsideTheCodePage) {
    EXPECT_FALSE(EncodeShiftJis("caf\xC3\xA9").has_value());      // e with acute accent
    EXPECT_FALSE(EncodeShiftJis("\xF0\x9F\x98\x80").has_value()); // an emoji
    EXPECT_FALSE(EncodeShiftJis("\xC3").has_value());             // broken UTF-8
    EXPECT_FALSE(FitsShiftJis("한국"));
    EXPECT_TRUE(FitsShiftJis("壁紙フォルダ"));
}

TEST(CodePage, Utf8CodePoints) {
    std::string out;
    AppendUtf8(out, 0x10348);
    size_t pos = 0;
    EXPECT_EQ(NextCodePoint(out, pos), char32_t{0x10348});
    EXPECT_EQ(pos, 4u);
    pos = 0;
    EXPECT_FALSE(NextCodePoint("\xC0\x80", pos).has_value()); // overlong
    pos = 0;
    EXPECT_FALSE(NextCodePoint("\xED\xA0\x80", pos).has_value()); // surrogate
}

} // namespace
} // namespace pelaconf
