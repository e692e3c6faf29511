#pragma once
// Conversion between the program's UTF-8 text and code page 932 (Shift-JIS), the encoding of
// Pelavine.ini and of every text Pelavine shares with us.

#include <optional>
#include <string>
#include <string_view>

namespace pelaconf {

// Decodes Shift-JIS bytes as Windows does, also the duplicate codes of a character (NEC and IBM
// extensions). Bytes that are not valid Shift-JIS are carried through as private-use code points
// (U+F740 to U+F7FF), so that EncodeShiftJis gives back exactly the same bytes.
std::string DecodeShiftJis(std::string_view bytes);

// Encodes UTF-8 text with the codes Windows chooses; empty when the text holds a character code
// page 932 cannot represent exactly (or is not valid UTF-8).
std::optional<std::string> EncodeShiftJis(std::string_view utf8);

// True for the first byte of a double-byte character.
constexpr bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// True when the text can be stored in code page 932 without loss.
bool FitsShiftJis(std::string_view utf8);

// Whether every byte is ASCII, which both encodings write alike.
bool IsAscii(std::string_view text);

// UTF-8 <-> code points, shared by the conversions of this program.
void AppendUtf8(std::string& out, char32_t codePoint);
// Reads one code point at `pos` and advances it; empty for a malformed sequence.
std::optional<char32_t> NextCodePoint(std::string_view utf8, size_t& pos);

} // namespace pelaconf
