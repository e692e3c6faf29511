#include "susie/plugin_host_win.h"

#include "susie/ansi_code_page_win.h"
#include "susie/plugin_bitmap.h"
#include "susie/plugin_description.h"
#include "susie/plugin_function_types_win.h"
#include "win/handles.h"
#include "win/module_function.h"
#include "win/shared_reading.h"
#include "win/wide_text.h"

#include <array>
#include <optional>
#include <span>
#include <utility>

namespace pelaconf {
namespace {

// Room the information buffer has beyond the length the plug-in is told, for plug-ins that
// write past it.
constexpr size_t kInfoBufferSlack = 4096;

// The full path of the file; empty when it has none.
std::wstring FullPathOf(const std::string& path) {
    const std::wstring wide = Utf8ToWide(path);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) {
        return {};
    }
    full.resize(length);
    return full;
}

// The DLLs the plug-in needs are looked for in its own folder and the system's, never in a current
// folder it did not choose; its folder also becomes the current one, where some plug-ins look for
// files of their own. A file that is no module, or a damaged one, fails quietly instead of with a
// system error box.
HMODULE LoadPluginModule(const std::string& path) {
    const std::wstring full = FullPathOf(path);
    if (full.empty()) {
        return nullptr;
    }
    SetCurrentDirectoryW(full.substr(0, full.find_last_of(L'\\') + 1).c_str());
    HMODULE module =
        LoadLibraryExW(full.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        // A Windows 7 without its update of the DLL search knows none of those flags.
        module = LoadLibraryExW(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return module;
}

// The local memory blocks a plug-in hands over.
struct LocalMemoryTraits {
    static HLOCAL Invalid() { return nullptr; }
    static bool IsValid(HLOCAL h) { return h != nullptr; }
    static void Close(HLOCAL h) { LocalFree(h); }
};
using UniqueLocalMemory = UniqueHandle<HLOCAL, LocalMemoryTraits>;

// A plug-in's memory block, locked for reading while this object lives and freed after.
class LockedBlock {
public:
    explicit LockedBlock(HANDLE block) : owner_(static_cast<HLOCAL>(block)) {
        if (owner_) {
            data_ = static_cast<const uint8_t*>(LocalLock(owner_.Get()));
            size_ = data_ != nullptr ? LocalSize(owner_.Get()) : 0;
        }
    }
    ~LockedBlock() {
        if (data_ != nullptr) {
            LocalUnlock(owner_.Get());
        }
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    // The whole block as the system allocated it, so never read beyond its real size.
    std::span<const uint8_t> Bytes() const { return {data_, size_}; }

private:
    UniqueLocalMemory owner_;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

// Asks the plug-in whether it reads the file, through the file opened for reading; the file is
// closed again whatever the answer.
bool PluginAcceptsFile(IsSupportedFunction isSupported, const std::string& path, const std::string& ansiPath) {
    UniqueFileHandle file = OpenForSharedReading(Utf8ToWide(path));
    if (!file) {
        return false;
    }
    return isSupported(ansiPath.c_str(), reinterpret_cast<DWORD_PTR>(file.Get())) != 0;
}

// Calls GetPreview (preview mode) or GetPicture; true and both blocks, owned by the caller, on
// success.
bool DecodeToBlocks(const PluginExports& exports, const std::string& ansiPath, int pictureMode, HANDLE& info,
                    HANDLE& pixels) {
    info = pixels = nullptr;
    if (pictureMode == kPicturePreviewFirst &&
        exports.getPreview(ansiPath.c_str(), 0, 0, &info, &pixels, nullptr, 0) == 0) {
        return true;
    }
    // A failed call hands nothing over; whatever it left in the out handles is not ours.
    info = pixels = nullptr;
    if (exports.getPicture(ansiPath.c_str(), 0, 0, &info, &pixels, nullptr, 0) == 0) {
        return true;
    }
    info = pixels = nullptr;
    return false;
}

// The BMP file image of the two blocks, each freed once, also when the plug-in returned one
// block for both.
std::optional<std::string> BmpFileOfBlocks(HANDLE infoHandle, HANDLE pixelHandle) {
    const LockedBlock info(infoHandle);
    std::optional<LockedBlock> ownPixels;
    if (pixelHandle != infoHandle) {
        ownPixels.emplace(pixelHandle);
    }
    const std::span<const uint8_t> pixels = ownPixels ? ownPixels->Bytes() : info.Bytes();
    PluginBitmapResult file = BuildPluginBmpFile(info.Bytes(), pixels);
    if (file.error != BmpError::None) {
        return std::nullopt;
    }
    return std::move(file.file);
}

} // namespace

HostMessage PluginHost::Reply(int value, std::vector<std::string> fields) {
    return {kHostReply, value, std::move(fields)};
}

HostMessage PluginHost::Answer(const HostMessage& request) {
    const std::string path = request.fields.empty() ? std::string() : request.fields[0];
    switch (request.kind) {
    case kHostLoad: return Reply(Load(path));
    case kHostFree: return Reply(Free());
    case kHostQuery: return Query();
    case kHostIsSupported: return Reply(IsSupported(path) ? 1 : 0);
    case kHostDecode: return Decode(path, request.value);
    default: return Reply(0);
    }
}

int PluginHost::Load(const std::string& path) {
    module_.Reset();
    module_.Reset(LoadPluginModule(path));
    return module_ ? 1 : 0;
}

int PluginHost::Free() { return module_ && FreeLibrary(module_.Release()) ? 1 : 0; }

HostMessage PluginHost::Query() const {
    if (!module_) {
        return Reply(kQueryNoModule);
    }
    const auto getPluginInfo = ModuleFunction<GetPluginInfoFunction>(module_.Get(), "GetPluginInfo");
    if (getPluginInfo == nullptr) {
        return Reply(kQueryFailed);
    }
    // The plug-in writes into a zeroed heap buffer larger than it is told; what it wrote within
    // the length is handed on.
    const GetPluginInfoCall call = [getPluginInfo](int number, char* buffer, int length) {
        std::vector<char> heapBuffer(static_cast<size_t>(length) + kInfoBufferSlack, '\0');
        const int answer = getPluginInfo(number, heapBuffer.data(), length);
        std::copy_n(heapBuffer.begin(), length, buffer);
        return answer;
    };
    PluginDescription description;
    const int result = QueryPluginInfo(call, description);
    if (result != kQueryImportFilter) {
        return Reply(result);
    }
    return Reply(result, {description.description, description.extensionFilter, description.fileTypeName});
}

PluginExports PluginHost::Exports() const {
    return {ModuleFunction<IsSupportedFunction>(module_.Get(), "IsSupported"),
            ModuleFunction<GetPictureFunction>(module_.Get(), "GetPicture"),
            ModuleFunction<GetPictureFunction>(module_.Get(), "GetPreview")};
}

bool PluginHost::IsSupported(const std::string& path) const {
    if (!module_) {
        return false;
    }
    const PluginExports exports = Exports();
    const std::optional<std::string> ansiPath = AnsiPathForPlugin(path);
    return exports.isSupported && exports.getPicture && exports.getPreview && ansiPath &&
           PluginAcceptsFile(exports.isSupported, path, *ansiPath);
}

HostMessage PluginHost::Decode(const std::string& path, int pictureMode) const {
    const PluginExports exports = module_ ? Exports() : PluginExports{};
    const std::optional<std::string> ansiPath = AnsiPathForPlugin(path);
    HANDLE infoHandle = nullptr, pixelHandle = nullptr;
    if (!exports.getPicture || !exports.getPreview || !ansiPath ||
        !DecodeToBlocks(exports, *ansiPath, pictureMode, infoHandle, pixelHandle)) {
        return Reply(0);
    }
    std::optional<std::string> file = BmpFileOfBlocks(infoHandle, pixelHandle);
    if (!file) {
        return Reply(0);
    }
    return Reply(1, {std::move(*file)});
}

namespace {

// The requests as they come in: each read takes whatever the pipe holds, so that requests sent
// together are read together.
class RequestReader {
public:
    explicit RequestReader(HANDLE input) : input_(input) {}

    std::optional<HostMessage> Next() {
        constexpr size_t kReadBytes = 64 * 1024;
        for (std::optional<size_t> missing = frames_.Missing(); missing != size_t{0}; missing = frames_.Missing()) {
            if (!missing) {
                return std::nullopt;
            }
            const std::span<char> space = frames_.Space(std::min<size_t>(std::max(kReadBytes, *missing), 1u << 20));
            DWORD read = 0;
            const bool ok =
                ReadFile(input_, space.data(), static_cast<DWORD>(space.size()), &read, nullptr) && read > 0;
            frames_.Commit(read);
            if (!ok) {
                return std::nullopt;
            }
        }
        return frames_.Take();
    }

private:
    HANDLE input_;
    HostFrameReader frames_;
};

bool WriteAll(HANDLE output, const std::string& bytes) {
    size_t at = 0;
    while (at < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - at, 1u << 20));
        if (!WriteFile(output, bytes.data() + at, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        at += written;
    }
    return true;
}

// A large picture is handed over in a file mapping rather than on the pipe. Pelaconf makes the
// mapping, so that the memory it reads is its own and whole: the decode reply gives the image's
// size, and the image waits here for the request that hands over the mapping to put it in. Any
// other request drops it.
class PictureHandover {
public:
    HostMessage Reply(HostMessage reply) {
        waiting_.clear();
        if (reply.value != 1 || reply.fields.size() != 1 || reply.fields[0].size() < kSharedBlockFromBytes) {
            return reply;
        }
        waiting_ = std::move(reply.fields[0]);
        return {kHostReply, kDecodedInSharedBlock, {EncodeSharedSize(static_cast<uint32_t>(waiting_.size()))}};
    }

    // The waiting image put into the mapping the request names, whose handle is then closed.
    HostMessage Fill(const HostMessage& request) {
        const std::string image = std::exchange(waiting_, {});
        const std::optional<SharedBlock> block =
            request.fields.size() == 1 ? DecodeSharedBlock(request.fields[0]) : std::nullopt;
        if (!block || image.empty() || block->size != image.size()) {
            return {kHostReply, 0, {}};
        }
        const UniqueKernelHandle mapping(reinterpret_cast<HANDLE>(static_cast<uintptr_t>(block->handle)));
        const UniqueMappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_WRITE, 0, 0, image.size()));
        if (!view) {
            return {kHostReply, 0, {}};
        }
        std::copy(image.begin(), image.end(), static_cast<char*>(view.Get()));
        return {kHostReply, 1, {}};
    }

private:
    std::string waiting_;
};

} // namespace

int ServePluginRequests(HANDLE input, HANDLE output) {
    PluginHost host;
    RequestReader requests(input);
    PictureHandover handover;
    while (const std::optional<HostMessage> request = requests.Next()) {
        if (request->kind == kHostReply) {
            return 1;
        }
        const HostMessage reply = request->kind == kHostFillSharedBlock ? handover.Fill(*request)
                                                                         : handover.Reply(host.Answer(*request));
        if (!WriteAll(output, EncodeHostMessage(reply))) {
            return 1;
        }
    }
    return 0;
}

} // namespace pelaconf
