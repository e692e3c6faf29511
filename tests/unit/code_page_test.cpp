#include "settings/code_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

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
        "\x81",         // lead byte at the end
        "\x81\x20xyz",  // lead byte before a byte that cannot trail
        "\x85\x40",     // an unassigned pair
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

// Windows' own table of code page 932, as Wine ships it: the character of every code, and the
// code Windows writes for every character.
class WindowsCodePage {
public:
    bool Load(const char* path) {
        std::ifstream file(path, std::ios::binary);
        const std::string data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        words_.resize(data.size() / 2);
        std::memcpy(words_.data(), data.data(), words_.size() * 2);
        if (words_.size() < 8 || words_[0] + size_t{258} >= words_.size()) {
            return false;
        }
        const size_t table = words_[0];
        singleBytes_ = table + 1;
        wideToMultiByte_ = table + words_[table] + 1;
        const size_t glyphs = singleBytes_ + 256;
        offsets_ = glyphs + 1 + (words_[glyphs] != 0 ? 256 : 0) + 1;
        // Both tables whole: 256 lead-byte offsets and a code for each of the 65,536 characters.
        return offsets_ + 256 <= wideToMultiByte_ && wideToMultiByte_ + 0x10000 <= words_.size();
    }
    // The character of a double-byte code; empty when Windows reads it as no character.
    std::optional<char32_t> Decode(int lead, int trail) const {
        const uint16_t offset = words_[offsets_ + lead];
        if (offset == 0) {
            return std::nullopt;
        }
        const char32_t character = words_[offsets_ + offset + trail];
        const bool isDefault = character == words_[4] && (lead << 8 | trail) != words_[6];
        return isDefault ? std::nullopt : std::optional<char32_t>(character);
    }
    // The bytes Windows writes for the character, when they read back as that character.
    std::optional<std::string> Encode(char32_t character) const {
        const uint16_t code = words_[wideToMultiByte_ + character];
        if (code < 0x100) {
            const bool exact = words_[singleBytes_ + code] == character;
            return exact ? std::optional<std::string>(std::string(1, static_cast<char>(code))) : std::nullopt;
        }
        if (Decode(code >> 8, code & 0xFF) != character) {
            return std::nullopt;
        }
        return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    }

private:
    std::vector<uint16_t> words_;
    size_t singleBytes_ = 0, wideToMultiByte_ = 0, offsets_ = 0;
};

std::string Utf8(char32_t character) {
    std::string text;
    AppendUtf8(text, character);
    return text;
}

class CodePageAsWindows : public ::testing::Test {
protected:
    void SetUp() override {
        // Installed with Wine by the test command; a table that cannot be read fails rather than
        // letting the comparison pass unseen.
        ASSERT_TRUE(windows.Load("/usr/share/wine/nls/c_932.nls")) << "Wine's table of code page 932 cannot be read";
    }
    WindowsCodePage windows;
};

TEST_F(CodePageAsWindows, EveryTwoByteCodeWindowsReadsIsReadAsItsCharacter) {
    int decoded = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            if (const auto character = windows.Decode(lead, trail)) {
                ASSERT_EQ(DecodeShiftJis(bytes), Utf8(*character)) << std::hex << lead << trail;
                ++decoded;
            } else {
                ASSERT_EQ(EncodeShiftJis(DecodeShiftJis(bytes)), bytes)
                    << "carried through: " << std::hex << lead << trail;
            }
        }
    }
    EXPECT_GT(decoded, 9000);
}

TEST_F(CodePageAsWindows, EveryCharacterIsWrittenWithTheCodeWindowsWrites) {
    for (char32_t character = 0x80; character <= 0xFFFF; ++character) {
        const bool carriedByte = character >= 0xF740 && character <= 0xF7FF; // our own carrier of bad bytes
        if ((character >= 0xD800 && character <= 0xDFFF) || carriedByte) {
            continue;
        }
        ASSERT_EQ(EncodeShiftJis(Utf8(character)), windows.Encode(character))
            << std::hex << static_cast<uint32_t>(character);
    }
}

TEST(CodePage, DuplicateCodesAreReadAsTheirCharacterAndWrittenAsWindowsWritesThem) {
    EXPECT_EQ(DecodeShiftJis("\xFB\xFC\xFA\xB1"), "髙﨑");
    EXPECT_EQ(DecodeShiftJis("\xEE\xE0"), "髙") << "the NEC-selected duplicate";
    EXPECT_EQ(DecodeShiftJis("\x87\x90"), "≒") << "an NEC row 13 duplicate";
    EXPECT_EQ(EncodeShiftJis("髙﨑≒"), "\xFB\xFC\xFA\xB1\x81\xE0");
}

TEST(CodePage, EveryOtherTwoByteSequenceRoundTrips) {
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
            const std::string text = DecodeShiftJis(bytes);
            const auto back = EncodeShiftJis(text);
            ASSERT_TRUE(back.has_value()) << first << "," << second;
            // A duplicate code reads as its character, whose code is another; the rest comes back.
            if (*back != bytes) {
                EXPECT_EQ(DecodeShiftJis(*back), text) << first << "," << second;
            }
        }
    }
}

TEST(CodePage, RefusesCharactersOutsideTheCodePage) {
    EXPECT_FALSE(EncodeShiftJis("caf\xC3\xA9").has_value());      // e with acute accent
    EXPECT_FALSE(EncodeShiftJis("\xF0\x9F\x98\x80").has_value()); // an emoji
    EXPECT_FALSE(EncodeShiftJis("\xC3").has_value());             // broken UTF-8
    EXPECT_FALSE(FitsShiftJis("한국"));
    EXPECT_TRUE(FitsShiftJis("壁紙フォルダ"));
    // The private-use code points that carry undecodable bytes, where their byte would be read as
    // something else: 0xC0 alone is a katakana, and 0x81 before "A" is a character.
    EXPECT_FALSE(FitsShiftJis("\uF7C0"));
    EXPECT_FALSE(FitsShiftJis("\uF781A"));
    EXPECT_TRUE(FitsShiftJis("\uF781 A")) << "0x81 before a space is read as carried again";
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
