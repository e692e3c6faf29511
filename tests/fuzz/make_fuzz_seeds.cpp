// Writes the starting corpus of each fuzz target, one folder per target under the given folder:
// small valid inputs for every pixel format, so that a short run reaches the run-length decoders
// and the other pixel paths at once instead of having to guess their headers first.
#include "exif_segment.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitFields = 3;

void Put16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void Put32(Bytes& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

struct Format {
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t colourCount = 0;      // palette entries stored after the header
    uint32_t headerSize = 40;      // 40, or 108 for a V4 header
    std::vector<uint32_t> masks{}; // bit-field masks after a 40-byte header, or inside a V4 header
};

// The information header with its masks and colour table, as a plug-in returns it.
Bytes InfoBlock(const Format& format, uint32_t imageSize) {
    Bytes info;
    Put32(info, format.headerSize);
    Put32(info, static_cast<uint32_t>(format.width));
    Put32(info, static_cast<uint32_t>(format.height));
    Put16(info, 1);
    Put16(info, format.bitCount);
    Put32(info, format.compression);
    Put32(info, imageSize);
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, format.colourCount);
    Put32(info, 0);
    for (uint32_t mask : format.masks) {
        Put32(info, mask);
    }
    info.resize(std::max<size_t>(info.size(), format.headerSize), 0);
    for (uint32_t i = 0; i < format.colourCount; ++i) {
        Put32(info, (i * 0x3F1Du + 0x102030u) & 0xFFFFFFu); // distinct blue, green, red
    }
    return info;
}

// The 12-byte core header with its three-byte colour table.
Bytes CoreBlock(const Format& format) {
    Bytes info;
    Put32(info, 12);
    Put16(info, static_cast<uint32_t>(format.width));
    Put16(info, static_cast<uint32_t>(format.height));
    Put16(info, 1);
    Put16(info, format.bitCount);
    for (uint32_t i = 0; i < format.colourCount; ++i) {
        const uint32_t colour = (i * 0x3F1Du + 0x102030u) & 0xFFFFFFu;
        info.insert(info.end(), {static_cast<uint8_t>(colour), static_cast<uint8_t>(colour >> 8),
                                 static_cast<uint8_t>(colour >> 16)});
    }
    return info;
}

Bytes BmpFile(const Format& format, const Bytes& pixels) {
    const Bytes info = format.headerSize == 12 ? CoreBlock(format)
                                               : InfoBlock(format, static_cast<uint32_t>(pixels.size()));
    Bytes file{'B', 'M'};
    Put32(file, static_cast<uint32_t>(14 + info.size() + pixels.size()));
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(14 + info.size()));
    Append(file, info);
    Append(file, pixels);
    return file;
}

// Uncompressed rows of whole 32-bit words with a repeating pattern of small palette indices.
Bytes Rows(const Format& format) {
    const size_t stride = (static_cast<size_t>(format.width) * format.bitCount + 31) / 32 * 4;
    Bytes rows(stride * static_cast<size_t>(format.height < 0 ? -format.height : format.height));
    for (size_t i = 0; i < rows.size(); ++i) {
        if (format.bitCount == 8) {
            rows[i] = static_cast<uint8_t>(i % 3);
        } else {
            rows[i] =
                format.bitCount < 8 ? static_cast<uint8_t>(i % 2 == 0 ? 0x01 : 0x10) : static_cast<uint8_t>(i * 37);
        }
    }
    return rows;
}

// 8-bit run-length data for a 6 x 4 picture: a run, a literal, an end of line, a jump, a run that
// fills the row up to its stored width, and the end of the picture.
Bytes Rle8Data() {
    return {3, 1,             // three pixels of colour 1
            0, 3, 2, 3, 1, 0, // literal of three, padded to a 16-bit boundary
            0, 0,             // end of line
            0, 2, 2, 1,       // jump two right and one up
            4, 2,             // four pixels of colour 2, up to the end of the row
            0, 0, 6, 3,       // end of line, then the whole last row
            0, 1};            // end of picture
}

// 4-bit run-length data for a 7 x 3 picture: nibble pairs in runs and an odd-length literal.
Bytes Rle4Data() {
    return {5, 0x12,                      // five pixels alternating colours 1 and 2
            0, 0,                         // end of line
            0, 5,    0x31, 0x23, 0x10, 0, // literal of five nibbles, padded to a 16-bit boundary
            2, 0x33,                      // two pixels of colour 3
            0, 0,                         // end of line
            0, 2,    3,    0,             // jump three right
            4, 0x21,                      // four pixels up to the end of the row
            0, 1};                        // end of picture
}

struct Seed {
    std::string name;
    Bytes bytes;
};

Seed Text(const std::string& name, const std::string& text) { return {name, Bytes(text.begin(), text.end())}; }

std::vector<Seed> BmpSeeds() {
    const Format rle8{6, 4, 8, kRle8, 4};
    const Format rle4{7, 3, 4, kRle4, 4};
    Format rle8V4 = rle8;
    rle8V4.headerSize = 108;
    const Format bits1{9, 2, 1, kRgb, 2};
    const Format bits4{5, -3, 4, kRgb, 16};
    const Format bits8{3, 3, 8, kRgb, 256};
    const Format bits16{4, 2, 16, kBitFields, 0, 40, {0xF800, 0x07E0, 0x001F}};
    const Format bits32{3, -2, 32, kBitFields, 0, 108, {0xFF0000, 0xFF00, 0xFF, 0xFF000000u}};
    const Format bits24{3, 2, 24};
    const Format core8{3, 2, 8, kRgb, 256, 12};
    const Format masks52{4, 2, 16, kBitFields, 0, 52, {0xF800, 0x07E0, 0x001F}};
    const Format masks56{3, 2, 32, kBitFields, 0, 56, {0xFF0000, 0xFF00, 0xFF, 0xFF000000u}};
    const Format os2v2{5, 2, 4, kRgb, 16, 64};
    const Format v5{3, -2, 32, kBitFields, 0, 124, {0xFF0000, 0xFF00, 0xFF, 0xFF000000u}};
    return {
        {"core-rgb8.bmp", BmpFile(core8, Rows(core8))},
        {"bitfields16-52.bmp", BmpFile(masks52, Rows(masks52))},
        {"bitfields32-56.bmp", BmpFile(masks56, Rows(masks56))},
        {"os2-rgb4-64.bmp", BmpFile(os2v2, Rows(os2v2))},
        {"bitfields32-v5.bmp", BmpFile(v5, Rows(v5))},
        {"rle8.bmp", BmpFile(rle8, Rle8Data())},
        {"rle4.bmp", BmpFile(rle4, Rle4Data())},
        {"rle8-v4.bmp", BmpFile(rle8V4, Rle8Data())},
        {"rgb1.bmp", BmpFile(bits1, Rows(bits1))},
        {"rgb4-top-down.bmp", BmpFile(bits4, Rows(bits4))},
        {"rgb8-full-palette.bmp", BmpFile(bits8, Rows(bits8))},
        {"bitfields16.bmp", BmpFile(bits16, Rows(bits16))},
        {"bitfields32-v4.bmp", BmpFile(bits32, Rows(bits32))},
        {"rgb24.bmp", BmpFile(bits24, Rows(bits24))},
    };
}

// The plug-in image target reads one byte that sizes the information block (40 bytes plus four
// per count), then the information block, then the pixel block.
Bytes PluginBlocks(const Format& format, const Bytes& pixels) {
    const Bytes info = InfoBlock(format, static_cast<uint32_t>(pixels.size()));
    Bytes input{static_cast<uint8_t>((info.size() - 40) / 4)};
    Append(input, info);
    Append(input, pixels);
    return input;
}

std::vector<Seed> PluginImageSeeds() {
    const Format bits1{9, 2, 1, kRgb, 2};
    const Format bits4{5, -3, 4, kRgb, 16};
    const Format bits8{3, 3, 8, kRgb, 4};
    const Format bits16{4, 2, 16, kBitFields, 0, 40, {0xF800, 0x07E0, 0x001F}};
    const Format bits24{3, 2, 24};
    const Format bits32{3, -2, 32};
    // Plug-ins hand over uncompressed rows; these two show the run-length kinds being refused.
    const Format rle8{6, 4, 8, kRle8, 4};
    const Format rle4{7, 3, 4, kRle4, 4};
    return {
        {"rgb1", PluginBlocks(bits1, Rows(bits1))},    {"rgb4-top-down", PluginBlocks(bits4, Rows(bits4))},
        {"rgb8", PluginBlocks(bits8, Rows(bits8))},    {"bitfields16", PluginBlocks(bits16, Rows(bits16))},
        {"rgb24", PluginBlocks(bits24, Rows(bits24))}, {"rgb32-top-down", PluginBlocks(bits32, Rows(bits32))},
        {"rle8", PluginBlocks(rle8, Rle8Data())},      {"rle4", PluginBlocks(rle4, Rle4Data())},
    };
}

// The plug-in information target reads, per call, the answer, the number of bytes written and
// those bytes.
Bytes InfoAnswers(const std::vector<std::string>& texts) {
    Bytes input;
    for (const std::string& text : texts) {
        input.push_back(1);
        input.push_back(static_cast<uint8_t>(text.size()));
        input.insert(input.end(), text.begin(), text.end());
    }
    return input;
}

std::string Repeated(const std::string& piece, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// Extension filters as a plug-in gives them: repeats, a line break, a character code page 932
// cannot hold, and double-byte extensions.
std::vector<Seed> PluginFilterSeeds() {
    return {
        Text("filter", "*.jpg;*.jpeg;*.JPG"),
        Text("line-break", "*.p\nng;*.gif\r"),
        Text("unstorable", "*.\xF0\x9F\x98\x80;*.\xE7\x94\xBB;*. bmp"),
        Text("no-dot", "jpg;;*."),
    };
}

std::vector<Seed> PluginInfoSeeds() {
    // "画像" in code page 932, and a filter list long enough to be cut inside a double-byte character.
    const std::string kanji = "\x89\xE6\x91\x9C";
    const std::string longFilter = "*.a;" + Repeated(kanji, 16) + "x;*.b";
    Bytes failed = InfoAnswers({"00IN", "PNM"});
    failed.push_back(0);
    return {
        {"import-filter", InfoAnswers({"00IN", "PNM import filter 1.0", "*.pnm;*.ppm;*.pgm", "PNM image"})},
        {"cut-in-double-byte", InfoAnswers({"00IN", kanji + " plug-in", longFilter, Repeated(kanji, 24) + "\x89"})},
        {"no-terminator", InfoAnswers({"00IN", Repeated("d", 100), Repeated("*.e;", 25), Repeated("\x82", 100)})},
        {"archive-extractor", InfoAnswers({"00AM", "archive"})},
        {"answer-zero", failed},
    };
}

// A plug-in host message body: kind, value, field count and the fields with their lengths.
Bytes HostBody(uint8_t kind, uint32_t value, const std::vector<std::string>& fields) {
    Bytes body{kind};
    Put32(body, value);
    body.push_back(static_cast<uint8_t>(fields.size()));
    for (const std::string& field : fields) {
        Put32(body, static_cast<uint32_t>(field.size()));
        body.insert(body.end(), field.begin(), field.end());
    }
    return body;
}

std::vector<Seed> HostProtocolSeeds() {
    constexpr uint8_t kLoad = 1, kDecode = 5, kReply = 0x80;
    return {
        {"load", HostBody(kLoad, 0, {"Z:\\plug-ins\\pnm.spi"})},
        {"decode", HostBody(kDecode, 1, {"C:\\pictures\\a.ppm"})},
        {"query-reply", HostBody(kReply, 1, {"PNM test filter 1.0", "*.pnm;*.ppm", "PNM images"})},
        {"picture-reply", HostBody(kReply, 1, {"BM" + std::string(60, '\0')})},
        {"shared-block", Bytes{0x10, 0x02, 0, 0, 0, 0, 0x20, 0}},
    };
}

// A frame: the body's length, then the body.
Bytes HostFrame(const Bytes& body) {
    Bytes frame;
    Put32(frame, static_cast<uint32_t>(body.size()));
    frame.insert(frame.end(), body.begin(), body.end());
    return frame;
}

// The request's kind, the size of each read, then the host's frames as they come.
Bytes ReplyStream(uint8_t kind, uint8_t readSize, const std::vector<Bytes>& bodies) {
    Bytes stream{kind, readSize};
    for (const Bytes& body : bodies) {
        const Bytes frame = HostFrame(body);
        stream.insert(stream.end(), frame.begin(), frame.end());
    }
    return stream;
}

std::vector<Seed> HostReplySeeds() {
    constexpr uint8_t kLoad = 0, kQuery = 2, kDecode = 4, kReply = 0x80;
    std::string picture = "BM" + std::string(58, '\0');
    picture[2] = 60;
    return {
        {"loaded", ReplyStream(kLoad, 1, {HostBody(kReply, 1, {})})},
        {"description", ReplyStream(kQuery, 7, {HostBody(kReply, 1, {"PNM test filter 1.0", "*.pnm", "PNM"})})},
        {"picture", ReplyStream(kDecode, 5, {HostBody(kReply, 1, {picture})})},
        {"forged", ReplyStream(kDecode, 0, {HostBody(kReply, 1, {}), HostBody(kReply, 1, {picture})})},
        {"shared-block", ReplyStream(kDecode, 3, {HostBody(kReply, 2, {std::string("\x10\x02\0\0\0\0\x20\0", 8)})})},
    };
}

// JPEG heads with an Exif segment in each byte order, after other segments, and without one.
std::vector<Seed> ExifSeeds() {
    using namespace pelaconf::exif;
    const std::string phoneExif =
        ExifSegment(TiffBlock(ByteOrder::Big, {Entry{kMakeTag, kAscii, 12, 0x100}, Entry{kOrientationTag, kShort, 1, 6},
                                               Entry{0x011A, 5, 1, 0x110}}));
    const std::string xmp = Segment(0xE1, std::string("http://ns.adobe.com/xap/1.0/") + '\0' + "<x:xmpmeta/>");
    return {
        Text("little-endian.jpg", JpegHead({JfifSegment(), OrientedExif(8, ByteOrder::Little)})),
        Text("big-endian.jpg", JpegHead({OrientedExif(3, ByteOrder::Big)})),
        Text("phone.jpg", JpegHead({phoneExif, xmp, Segment(0xFE, "comment")})),
        Text("no-exif.jpg", JpegHead({JfifSegment()})),
    };
}

std::vector<Seed> SettingsSeeds() {
    return {
        Text("settings.ini", "# Pelavine Version 1.2\r\n[Timer_Length]=30\r\n[Rect_Type]=3\r\n[Turn_Type]=1\r\n"
                             "[Wall_Dir_Path]=C:\\\x95\x5C\x8E\xA6\r\n[Timer_Exec_Path]=C:\\a b.exe /x=1\r\n"),
        Text("plugins.ini", "[Susie_Use]=1\r\n[SPI]=jpg.01.C:\\spi\\photo.spi\r\n[SPI]=nodot\n[SPI]=pnm.5.C:\\p.spi\n"),
        // "≒" and "纊" in the codes Windows does not write (NEC and IBM duplicates).
        Text("duplicate-codes.ini", "[Wall_Dir_Path]=C:\\\x87\x90\xED\x40\r\n[SPI]=\xED\x40.00.C:\\\x87\x90.spi\r\n"),
        // An unassigned pair, a lead byte before a line end, and a lead byte at the very end.
        Text("undecodable.ini", "[Timer_Exec_Path]=C:\\\x85\x40.exe\r\n[Timer_Wave_Path]=a\x82\r\n[SPI]=jpg.00.\x81"),
        Text("comments.ini", "# Pelavine Version 1.2\r\n  # [Turn_Type]=2\r\n\t#\r\n[Turn_Type]=1 # not a comment\r\n"),
    };
}

bool WriteAll(const fs::path& folder, const std::vector<Seed>& seeds) {
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder, error);
    for (const Seed& seed : seeds) {
        std::ofstream out(folder / seed.name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.bytes.data()), static_cast<std::streamsize>(seed.bytes.size()));
        if (!out) {
            std::cerr << "cannot write " << (folder / seed.name).string() << "\n";
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds FOLDER\n";
        return 2;
    }
    const fs::path root = argv[1];
    const bool written = WriteAll(root / "fuzz_settings_file", SettingsSeeds()) &&
                         WriteAll(root / "fuzz_bmp_reader", BmpSeeds()) &&
                         WriteAll(root / "fuzz_exif_orientation", ExifSeeds()) &&
                         WriteAll(root / "fuzz_plugin_image", PluginImageSeeds()) &&
                         WriteAll(root / "fuzz_plugin_info", PluginInfoSeeds()) &&
                         WriteAll(root / "fuzz_host_protocol", HostProtocolSeeds()) &&
                         WriteAll(root / "fuzz_host_reply", HostReplySeeds()) &&
                         WriteAll(root / "fuzz_plugin_filter", PluginFilterSeeds());
    return written ? 0 : 1;
}
