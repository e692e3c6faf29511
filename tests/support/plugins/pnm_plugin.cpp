// A Susie import filter for PNM images (P1 to P6), our own, for the tests. P1 and P4 become 1-bit
// pictures with a two-entry colour table, P2 and P5 8-bit grey, P3 and P6 24-bit; rows bottom-up.
// Compile definitions make the variants the tests need:
//   PNM_VERSION_TEXT="..."  another interface version text
//   PNM_NO_PREVIEW          no GetPreview export
//   PNM_PREVIEW_FAILS       GetPreview fails, GetPicture works
//   PNM_REFUSES             IsSupported answers 0
//   PNM_PICTURE_FAILS       GetPicture and GetPreview fail
//   PNM_FILTER_TEXT="..."   another extension filter, so that plug-ins claim the same extensions
//   PNM_ALSO_PNG            ";*.png" added to the filter (a build definition cannot hold ";")
//   PNM_UNSOUND_FILTER      a filter naming an extension twice and two with control characters
//   PNM_DESCRIPTION="..."   another description, PNM_TYPE_NAME="..." another file-type name
//   PNM_JAPANESE_TEXTS      a Japanese description and file-type name, in code page 932
//   PNM_BREAKS_IN=N         faults in DllMain (1), GetPluginInfo (2), IsSupported (3) or GetPicture
//                           and GetPreview (4); with PNM_BREAK_HANGS it never returns there instead
//   PNM_INFO_OVERRUN        GetPluginInfo writes 200 bytes past the length it is given
//   PNM_SHARED_BLOCK        GetPicture and GetPreview return one handle for both blocks
//   PNM_PRINTS              every export writes a line to its standard output, through the
//                           system and through the C runtime, and IsSupported also reads its
//                           standard input
//   PNM_FORGES_REPLY        GetPicture writes a host's decode reply (value 1, no field) to its
//                           standard output before decoding
//   PNM_NAMES_ITS_PROCESS   the description ends with the id of the process the plug-in runs in
//   PNM_NAMES_ITS_FOLDER    the description is the current folder the plug-in runs in
//   PNM_NAMES_ITS_JOB       the description says whether the plug-in runs in a job: "in a job"
//                           or "in no job"
//   PNM_LEAVES_FAULTING_THREAD  loading starts a thread that runs in the module until it is
//                           unloaded, and then faults
//   PNM_KEEPS_FILE_OPEN     GetPicture and GetPreview never close the file they read
// Every variant appends its file name and the name of each export called (DllMain only in the
// variants that break there), as "pnm.spi IsSupported", as a line to the file that the environment
// variable PNM_CALL_LOG names, when it is set, before anything else.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifndef PNM_VERSION_TEXT
#define PNM_VERSION_TEXT "00IN"
#endif

#ifndef PNM_FILTER_TEXT
#define PNM_FILTER_TEXT "*.pnm;*.pbm;*.pgm;*.ppm"
#endif
#ifdef PNM_ALSO_PNG
#define PNM_FILTER PNM_FILTER_TEXT ";*.png"
#elif defined(PNM_UNSOUND_FILTER)
#define PNM_FILTER "*.qnm;*.QNM;*.q\nr;*.q\x01s;*.pnm"
#else
#define PNM_FILTER PNM_FILTER_TEXT
#endif
#ifdef PNM_JAPANESE_TEXTS
// "PNM 表示テスト 1.0" and "PNM 画像ﾌｧｲﾙ": a trail byte 0x5C, and half-width katakana in single bytes.
#define PNM_DESCRIPTION "PNM \x95\x5C\x8E\xA6\x83\x65\x83X\x83g 1.0"
#define PNM_TYPE_NAME "PNM \x89\xE6\x91\x9C\xCC\xA7\xB2\xD9"
#endif
#ifndef PNM_DESCRIPTION
#define PNM_DESCRIPTION "PNM test filter 1.0"
#endif
#ifndef PNM_TYPE_NAME
#define PNM_TYPE_NAME "PNM images"
#endif

#define PNM_EXPORT extern "C" __declspec(dllexport)

namespace {

enum Export { kDllMain = 1, kGetPluginInfo = 2, kIsSupported = 3, kGetPicture = 4 };

// The misbehaviour of the plug-ins that fault or hang, in the export the build names.
void LogCall(Export where) {
    char log[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("PNM_CALL_LOG", log, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    const HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    HMODULE self = nullptr;
    char module[MAX_PATH] = {};
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&LogCall), &self);
    GetModuleFileNameA(self, module, MAX_PATH);
    const char* const fileName = std::strrchr(module, '\\') != nullptr ? std::strrchr(module, '\\') + 1 : module;
    const char* const names[] = {"", "DllMain", "GetPluginInfo", "IsSupported", "GetPicture"};
    const std::string line = std::string(fileName) + " " + names[where] + "\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

void MisbehaveIn([[maybe_unused]] Export where) {
    LogCall(where);
#ifdef PNM_BREAKS_IN
    if (where == PNM_BREAKS_IN) {
#ifdef PNM_BREAK_HANGS
        for (;;) {
            Sleep(INFINITE);
        }
#else
        *static_cast<volatile int*>(nullptr) = 1;
#endif
    }
#endif
}

// What a chatty plug-in does in each export: print, as some plug-ins and their C runtimes do.
void PrintIn([[maybe_unused]] const char* where) {
#ifdef PNM_PRINTS
    DWORD written = 0;
    const std::string line = std::string("pnm plug-in: ") + where + "\r\n";
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    std::printf("%s", line.c_str());
    std::fflush(stdout);
#endif
}

// Reads what standard input holds now, as a plug-in that waits for a key might.
void ReadStandardInput() {
#ifdef PNM_PRINTS
    char buffer[16];
    DWORD read = 0;
    ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr);
#endif
}

// Ten bytes that read as a plug-in host's reply to a decode: a body of six bytes (the reply kind,
// the value 1, no field), where a real reply of value 1 carries the picture.
void ForgeReply() {
#ifdef PNM_FORGES_REPLY
    const char forged[10] = {6, 0, 0, 0, static_cast<char>(0x80), 1, 0, 0, 0, 0};
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), forged, sizeof forged, &written, nullptr);
#endif
}

constexpr int kMaxSide = 16384;
constexpr int kSusieSuccess = 0;
constexpr int kSusieFailure = 2; // the interface's "unknown format"
constexpr int kSusieOutOfMemory = 4;

struct PnmImage {
    char kind = 0; // '1' to '6'
    int width = 0;
    int height = 0;
    int maxValue = 1;
    std::vector<uint32_t> samples; // per pixel: one (bit or grey) or three (red, green, blue)
};

class Reader {
public:
    explicit Reader(const std::string& data) : data_(data) {}

    // The next decimal number after white space and comments; -1 when there is none.
    long Number() {
        SkipSpaceAndComments();
        long value = -1;
        while (at_ < data_.size() && data_[at_] >= '0' && data_[at_] <= '9' && value < 1000000) {
            value = (value < 0 ? 0 : value * 10) + (data_[at_++] - '0');
        }
        return value;
    }
    // P1 writes its bits as digits that need no separating space.
    long Bit() {
        SkipSpaceAndComments();
        return at_ < data_.size() && (data_[at_] == '0' || data_[at_] == '1') ? data_[at_++] - '0' : -1;
    }
    int Byte() { return at_ < data_.size() ? static_cast<uint8_t>(data_[at_++]) : -1; }
    void SkipOneSpace() { ++at_; }
    size_t Remaining() const { return at_ < data_.size() ? data_.size() - at_ : 0; }

private:
    void SkipSpaceAndComments() {
        while (at_ < data_.size()) {
            if (data_[at_] == '#') {
                while (at_ < data_.size() && data_[at_] != '\n') {
                    ++at_;
                }
            } else if (std::strchr(" \t\r\n\v\f", data_[at_]) != nullptr) {
                ++at_;
            } else {
                break;
            }
        }
    }

    const std::string& data_;
    size_t at_ = 2;
};

bool HasPnmMagic(const char* head, size_t size) {
    return size >= 2 && head[0] == 'P' && head[1] >= '1' && head[1] <= '6';
}

bool ReadSamples(Reader& reader, PnmImage& image) {
    const bool bits = image.kind == '1' || image.kind == '4';
    const int channels = image.kind == '3' || image.kind == '6' ? 3 : 1;
    const size_t count = static_cast<size_t>(image.width) * image.height * channels;
    image.samples.resize(count);
    if (image.kind == '4') {
        const size_t rowBytes = (static_cast<size_t>(image.width) + 7) / 8;
        for (int y = 0; y < image.height; ++y) {
            for (size_t b = 0; b < rowBytes; ++b) {
                const int byte = reader.Byte();
                for (int bit = 0; bit < 8 && byte >= 0 && b * 8 + bit < static_cast<size_t>(image.width); ++bit) {
                    image.samples[static_cast<size_t>(y) * image.width + b * 8 + bit] = (byte >> (7 - bit)) & 1;
                }
                if (byte < 0) {
                    return false;
                }
            }
        }
        return true;
    }
    const bool binary = image.kind >= '4';
    const bool wide = image.maxValue > 255;
    for (size_t i = 0; i < count; ++i) {
        long value = bits ? reader.Bit() : !binary ? reader.Number() : reader.Byte();
        if (binary && wide && value >= 0) {
            const int low = reader.Byte();
            value = low < 0 ? -1 : value << 8 | low;
        }
        if (value < 0 || value > image.maxValue) {
            return false;
        }
        image.samples[i] = static_cast<uint32_t>(value);
    }
    return true;
}

bool ParsePnm(const std::string& data, PnmImage& image) {
    if (!HasPnmMagic(data.data(), data.size())) {
        return false;
    }
    image.kind = data[1];
    Reader reader(data);
    const long width = reader.Number();
    const long height = reader.Number();
    const bool bits = image.kind == '1' || image.kind == '4';
    const long maxValue = bits ? 1 : reader.Number();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || maxValue <= 0 || maxValue > 65535) {
        return false;
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.maxValue = static_cast<int>(maxValue);
    if (image.kind >= '4') {
        reader.SkipOneSpace();
    }
    return ReadSamples(reader, image);
}

uint8_t Scale(uint32_t value, int maxValue) { return static_cast<uint8_t>((value * 255 + maxValue / 2) / maxValue); }

// The information block: header and colour table (two entries for bits, 256 greys for grey).
HLOCAL MakeInfoBlock(const PnmImage& image, int bitCount) {
    const int colours = bitCount == 1 ? 2 : bitCount == 8 ? 256 : 0;
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + 4 * colours);
    auto* header = block ? static_cast<BITMAPINFOHEADER*>(LocalLock(block)) : nullptr;
    if (header == nullptr) {
        LocalFree(block);
        return nullptr;
    }
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = image.width;
    header->biHeight = image.height;
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(bitCount);
    header->biCompression = BI_RGB;
    auto* table = reinterpret_cast<RGBQUAD*>(header + 1);
    for (int i = 0; i < colours; ++i) {
        // A PBM bit 1 is black.
        const BYTE grey = bitCount == 1 ? static_cast<BYTE>(i == 0 ? 255 : 0) : static_cast<BYTE>(i);
        table[i] = RGBQUAD{grey, grey, grey, 0};
    }
    LocalUnlock(block);
    return block;
}

void WritePixel(const PnmImage& image, int bitCount, size_t index, BYTE* row, int x) {
    const uint32_t* sample = &image.samples[index * (bitCount == 24 ? 3 : 1)];
    if (bitCount == 1) {
        row[x / 8] |= static_cast<BYTE>(sample[0] << (7 - x % 8));
    } else if (bitCount == 8) {
        row[x] = Scale(sample[0], image.maxValue);
    } else {
        row[3 * x] = Scale(sample[2], image.maxValue);
        row[3 * x + 1] = Scale(sample[1], image.maxValue);
        row[3 * x + 2] = Scale(sample[0], image.maxValue);
    }
}

HLOCAL MakePixelBlock(const PnmImage& image, int bitCount) {
    const size_t stride = (static_cast<size_t>(image.width) * bitCount + 31) / 32 * 4;
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, stride * image.height);
    auto* pixels = block ? static_cast<BYTE*>(LocalLock(block)) : nullptr;
    if (pixels == nullptr) {
        LocalFree(block);
        return nullptr;
    }
    for (int y = 0; y < image.height; ++y) {
        BYTE* row = pixels + stride * (image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            WritePixel(image, bitCount, static_cast<size_t>(y) * image.width + x, row, x);
        }
    }
    LocalUnlock(block);
    return block;
}

bool ReadWholeFile(LPCSTR name, std::string& data) {
    HANDLE file =
        CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size{};
    bool read = GetFileSizeEx(file, &size) && size.QuadPart < (256 << 20);
    if (read) {
        data.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        read = data.empty() ||
               (ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &got, nullptr) && got == data.size());
    }
#ifndef PNM_KEEPS_FILE_OPEN
    CloseHandle(file);
#endif
    return read;
}

[[maybe_unused]] int Decode(LPCSTR source, LONG_PTR length, unsigned int flags, HANDLE* infoBlock, HANDLE* pixelBlock) {
    std::string data;
    if ((flags & 7) == 0) {
        if (!ReadWholeFile(source, data)) {
            return kSusieFailure;
        }
    } else {
        data.assign(source, static_cast<size_t>(length));
    }
    PnmImage image;
    if (!ParsePnm(data, image)) {
        return kSusieFailure;
    }
    const int bitCount = image.kind == '1' || image.kind == '4' ? 1 : image.kind == '2' || image.kind == '5' ? 8 : 24;
    HLOCAL info = MakeInfoBlock(image, bitCount);
    HLOCAL pixels = info ? MakePixelBlock(image, bitCount) : nullptr;
    if (pixels == nullptr) {
        LocalFree(info);
        return kSusieOutOfMemory;
    }
#ifdef PNM_SHARED_BLOCK
    LocalFree(pixels);
    pixels = info;
#endif
    *infoBlock = info;
    *pixelBlock = pixels;
    return kSusieSuccess;
}

int CopyText(const char* text, LPSTR buffer, int length) {
    if (buffer == nullptr || length <= 0) {
        return 0;
    }
    const int size = static_cast<int>(std::strlen(text));
    const int copied = size < length ? size : length - 1;
    std::memcpy(buffer, text, static_cast<size_t>(copied));
    buffer[copied] = '\0';
#ifdef PNM_INFO_OVERRUN
    std::memset(buffer + length, 'x', 200);
#endif
    return copied;
}

} // namespace

#if PNM_BREAKS_IN == 1
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        MisbehaveIn(kDllMain);
    }
    return TRUE;
}
#endif

#ifdef PNM_LEAVES_FAULTING_THREAD
// Runs in the module's own code: once the module is unloaded, its next return lands in memory
// that is no longer there.
DWORD WINAPI RunInModule(void*) {
    for (;;) {
        Sleep(1);
    }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        CloseHandle(CreateThread(nullptr, 0, RunInModule, nullptr, 0, nullptr));
    }
    return TRUE;
}
#endif

PNM_EXPORT int WINAPI GetPluginInfo(int number, LPSTR buffer, int length) {
    MisbehaveIn(kGetPluginInfo);
    PrintIn("GetPluginInfo");
#if defined(PNM_NAMES_ITS_PROCESS)
    const std::string description = PNM_DESCRIPTION " in process " + std::to_string(GetCurrentProcessId());
#elif defined(PNM_NAMES_ITS_JOB)
    BOOL inJob = FALSE;
    const std::string description =
        IsProcessInJob(GetCurrentProcess(), nullptr, &inJob) && inJob ? "in a job" : "in no job";
#elif defined(PNM_NAMES_ITS_FOLDER)
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    const std::string description = folder;
#else
    const std::string description = PNM_DESCRIPTION;
#endif
    const char* const texts[] = {PNM_VERSION_TEXT, description.c_str(), PNM_FILTER, PNM_TYPE_NAME};
    return number >= 0 && number < 4 ? CopyText(texts[number], buffer, length) : 0;
}

PNM_EXPORT int WINAPI IsSupported(LPCSTR, DWORD_PTR fileOrHead) {
    MisbehaveIn(kIsSupported);
    PrintIn("IsSupported");
    ReadStandardInput();
#ifdef PNM_REFUSES
    (void)fileOrHead;
    return 0;
#else
    char head[2] = {};
    // The interface passes an open file when the upper bits are clear, else the file's first bytes.
    if ((fileOrHead & ~static_cast<DWORD_PTR>(0xFFFF)) != 0) {
        std::memcpy(head, reinterpret_cast<const char*>(fileOrHead), sizeof head);
        return HasPnmMagic(head, sizeof head);
    }
    DWORD read = 0;
    return ReadFile(reinterpret_cast<HANDLE>(fileOrHead), head, sizeof head, &read, nullptr) && HasPnmMagic(head, read);
#endif
}

PNM_EXPORT int WINAPI GetPicture(LPCSTR source, LONG_PTR length, unsigned int flags, HANDLE* infoBlock,
                                 HANDLE* pixelBlock, FARPROC, LONG_PTR) {
    MisbehaveIn(kGetPicture);
    PrintIn("GetPicture");
    ForgeReply();
#ifdef PNM_PICTURE_FAILS
    (void)source, (void)length, (void)flags, (void)infoBlock, (void)pixelBlock;
    return kSusieFailure;
#else
    return Decode(source, length, flags, infoBlock, pixelBlock);
#endif
}

#ifndef PNM_NO_PREVIEW
PNM_EXPORT int WINAPI GetPreview(LPCSTR source, LONG_PTR length, unsigned int flags, HANDLE* infoBlock,
                                 HANDLE* pixelBlock, FARPROC, LONG_PTR) {
    MisbehaveIn(kGetPicture);
    PrintIn("GetPreview");
#if defined(PNM_PICTURE_FAILS) || defined(PNM_PREVIEW_FAILS)
    (void)source, (void)length, (void)flags, (void)infoBlock, (void)pixelBlock;
    return kSusieFailure;
#else
    return Decode(source, length, flags, infoBlock, pixelBlock);
#endif
}
#endif
