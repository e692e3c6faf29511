#include "settings/code_page.h"

#include <algorithm>
#include <iterator>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace pelaconf {
namespace {

struct CodePair {
    uint16_t shiftJis;
    uint16_t unicode;
    uint8_t windowsWrites; // 1 when Windows writes the character with this code
};

constexpr CodePair kDoubleByteCodes[] = {
#include "settings/cp932_table.inc"
};

// Undecodable bytes 0x40 to 0xFF become U+F740 to U+F7FF, outside the private-use range code page 932 uses.
constexpr char32_t kCarriedByteBase = 0xF700;

bool IsTrailByte(uint8_t byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }
bool IsCarriedByte(char32_t codePoint) {
    return codePoint >= kCarriedByteBase + 0x40 && codePoint <= kCarriedByteBase + 0xFF;
}

// Single bytes above ASCII: half-width katakana, and the few bytes Windows maps one to one.
constexpr uint8_t kFirstKatakanaByte = 0xA1;
constexpr uint8_t kLastKatakanaByte = 0xDF;
constexpr char32_t kFirstKatakana = 0xFF61;
constexpr char32_t kLastKatakana = kFirstKatakana + (kLastKatakanaByte - kFirstKatakanaByte);
struct SingleByteCode {
    uint8_t byte;
    char32_t unicode;
};
constexpr SingleByteCode kOneToOneBytes[] = {
    {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3},
};

std::optional<char32_t> DecodeSingleByte(uint8_t byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= kFirstKatakanaByte && byte <= kLastKatakanaByte) {
        return kFirstKatakana + (byte - kFirstKatakanaByte);
    }
    for (const SingleByteCode& code : kOneToOneBytes) {
        if (code.byte == byte) {
            return code.unicode;
        }
    }
    return std::nullopt;
}

// The single byte above ASCII that DecodeSingleByte gives the code point from, if any.
std::optional<uint8_t> EncodeSingleByte(char32_t codePoint) {
    if (codePoint >= kFirstKatakana && codePoint <= kLastKatakana) {
        return static_cast<uint8_t>(kFirstKatakanaByte + (codePoint - kFirstKatakana));
    }
    for (const SingleByteCode& code : kOneToOneBytes) {
        if (code.unicode == codePoint) {
            return code.byte;
        }
    }
    return std::nullopt;
}

std::optional<char32_t> DecodeDoubleByte(uint8_t lead, uint8_t trail) {
    const uint16_t code = static_cast<uint16_t>(lead << 8 | trail);
    const auto* end = std::end(kDoubleByteCodes);
    const auto* found = std::lower_bound(std::begin(kDoubleByteCodes), end, code,
                                         [](const CodePair& pair, uint16_t key) { return pair.shiftJis < key; });
    if (found == end || found->shiftJis != code) {
        return std::nullopt;
    }
    return found->unicode;
}

const std::vector<CodePair>& CodesByUnicode() {
    static const std::vector<CodePair> sorted = [] {
        std::vector<CodePair> codes;
        std::copy_if(std::begin(kDoubleByteCodes), std::end(kDoubleByteCodes), std::back_inserter(codes),
                     [](const CodePair& pair) { return pair.windowsWrites != 0; });
        std::sort(codes.begin(), codes.end(),
                  [](const CodePair& a, const CodePair& b) { return a.unicode < b.unicode; });
        return codes;
    }();
    return sorted;
}

// Appends the bytes for one code point; false when code page 932 has none.
bool AppendCodePoint(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
        return true;
    }
    if (IsCarriedByte(codePoint)) {
        out += static_cast<char>(codePoint - kCarriedByteBase);
        return true;
    }
    if (const auto byte = EncodeSingleByte(codePoint)) {
        out += static_cast<char>(*byte);
        return true;
    }
    const auto& codes = CodesByUnicode();
    const auto found = std::lower_bound(codes.begin(), codes.end(), codePoint,
                                        [](const CodePair& pair, char32_t key) { return pair.unicode < key; });
    if (found == codes.end() || found->unicode != codePoint) {
        return false;
    }
    out += static_cast<char>(found->shiftJis >> 8);
    out += static_cast<char>(found->shiftJis & 0xFF);
    return true;
}

// The end of the run of ASCII bytes from `pos`: ASCII is the same in both encodings. Settings
// files are mostly ASCII, so the run is looked for eight bytes at a time (a byte above ASCII has
// its top bit set).
size_t AsciiRunEnd(std::string_view text, size_t pos) {
    constexpr uint64_t kTopBits = 0x8080808080808080u;
    for (uint64_t word = 0; pos + sizeof word <= text.size(); pos += sizeof word) {
        std::memcpy(&word, text.data() + pos, sizeof word);
        if ((word & kTopBits) != 0) {
            break;
        }
    }
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80) {
        ++pos;
    }
    return pos;
}

} // namespace

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | codePoint >> 6);
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | codePoint >> 12);
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | codePoint >> 18);
        out += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::optional<char32_t> NextCodePoint(std::string_view utf8, size_t& pos) {
    const auto lead = static_cast<uint8_t>(utf8[pos]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || pos + length > utf8.size()) {
        return std::nullopt;
    }
    char32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<uint8_t>(utf8[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    static constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += length;
    return codePoint;
}

std::string DecodeShiftJis(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const size_t asciiEnd = AsciiRunEnd(bytes, i);
        out.append(bytes.substr(i, asciiEnd - i));
        if (asciiEnd == bytes.size()) {
            break;
        }
        i = asciiEnd;
        const auto byte = static_cast<uint8_t>(bytes[i]);
        const auto trail = i + 1 < bytes.size() ? static_cast<uint8_t>(bytes[i + 1]) : 0;
        if (!IsShiftJisLeadByte(byte)) {
            const auto decoded = DecodeSingleByte(byte);
            AppendUtf8(out, decoded ? *decoded : kCarriedByteBase + byte);
        } else if (!IsTrailByte(trail)) {
            AppendUtf8(out, kCarriedByteBase + byte);
        } else {
            // A whole pair, even an unknown one, so that its trail byte (perhaps a backslash) is never
            // mistaken for a character of its own.
            if (const auto decoded = DecodeDoubleByte(byte, trail)) {
                AppendUtf8(out, *decoded);
            } else {
                AppendUtf8(out, kCarriedByteBase + byte);
                AppendUtf8(out, kCarriedByteBase + trail);
            }
            ++i;
        }
    }
    return out;
}

std::optional<std::string> EncodeShiftJis(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool carried = false;
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t asciiEnd = AsciiRunEnd(utf8, pos);
        out.append(utf8.substr(pos, asciiEnd - pos));
        if (asciiEnd == utf8.size()) {
            break;
        }
        pos = asciiEnd;
        const auto codePoint = NextCodePoint(utf8, pos);
        if (!codePoint) {
            return std::nullopt;
        }
        if (!AppendCodePoint(out, *codePoint)) {
            return std::nullopt;
        }
        carried = carried || IsCarriedByte(*codePoint);
    }
    // A carried byte is its own only where it cannot be read otherwise: U+F7C0 that did not come
    // from decoding would be written as 0xC0, which reads as a katakana, and a carried lead byte
    // before a letter would read as one character with it. Such a text is not held.
    if (carried && DecodeShiftJis(out) != utf8) {
        return std::nullopt;
    }
    return out;
}

bool FitsShiftJis(std::string_view utf8) { return IsAscii(utf8) || EncodeShiftJis(utf8).has_value(); }

bool IsAscii(std::string_view text) { return AsciiRunEnd(text, 0) == text.size(); }

} // namespace pelaconf
