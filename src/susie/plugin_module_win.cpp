#include "susie/plugin_module_win.h"

#include "susie/ansi_code_page_win.h"
#include "susie/plugin_bitmap.h"
#include "win/wide_text.h"

#include <windows.h>

#include <span>

namespace pelaconf {
namespace {

// The plug-in's own folder is searched first for the DLLs it needs, which needs a full path. A
// file that is no module, or a damaged one, fails quietly instead of with a system error box.
HMODULE LoadPluginModule(const std::string& path) {
    const std::wstring wide = Utf8ToWide(path);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) {
        return nullptr;
    }
    full.resize(length);
    DWORD previousMode = 0;
    const bool modeSet = SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode) != 0;
    HMODULE module = LoadLibraryExW(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (modeSet) {
        SetThreadErrorMode(previousMode, nullptr);
    }
    return module;
}

// The plug-in exports, as the Susie interface declares them (stdcall on i686).
using GetPluginInfoFunction = int(WINAPI*)(int number, LPSTR buffer, int length);
using IsSupportedFunction = int(WINAPI*)(LPCSTR fileName, DWORD_PTR fileHandle);
using GetPictureFunction = int(WINAPI*)(LPCSTR fileName, LONG_PTR offset, unsigned int flags, HANDLE* infoBlock,
                                        HANDLE* pixelBlock, FARPROC progress, LONG_PTR data);

// The local memory blocks a plug-in hands over.
struct LocalMemoryTraits {
    static HLOCAL Invalid() { return nullptr; }
    static bool IsValid(HLOCAL h) { return h != nullptr; }
    static void Close(HLOCAL h) { LocalFree(h); }
};
using UniqueLocalMemory = UniqueHandle<HLOCAL, LocalMemoryTraits>;

template <typename Function> Function FindExport(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

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

struct PluginExports {
    IsSupportedFunction isSupported = nullptr;
    GetPictureFunction getPicture = nullptr;
    GetPictureFunction getPreview = nullptr;
};

// Asks the plug-in whether it reads the file, through the file opened for reading; the file is
// closed again whatever the answer.
bool PluginAcceptsFile(IsSupportedFunction isSupported, const std::string& path, const std::string& ansiPath) {
    UniqueFileHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
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

} // namespace

bool PluginModule::Load(const std::string& path) {
    module_.Reset();
    module_.Reset(LoadPluginModule(path));
    return IsLoaded();
}

int PluginModule::Free() {
    if (!module_) {
        return 0;
    }
    return FreeLibrary(module_.Release()) ? 1 : 0;
}

int PluginModule::Query(PluginDescription& description) const {
    if (!module_) {
        return kQueryNoModule;
    }
    const auto getPluginInfo = FindExport<GetPluginInfoFunction>(module_.Get(), "GetPluginInfo");
    if (getPluginInfo == nullptr) {
        return kQueryFailed;
    }
    const GetPluginInfoCall call = [getPluginInfo](int number, char* buffer, int length) {
        return getPluginInfo(number, buffer, length);
    };
    return QueryPluginInfo(call, Win32AnsiCodePage(), description);
}

std::optional<std::string> PluginModule::Decode(const std::string& path, int pictureMode) const {
    if (!module_) {
        return std::nullopt;
    }
    const PluginExports exports{FindExport<IsSupportedFunction>(module_.Get(), "IsSupported"),
                                FindExport<GetPictureFunction>(module_.Get(), "GetPicture"),
                                FindExport<GetPictureFunction>(module_.Get(), "GetPreview")};
    const std::optional<std::string> ansiPath = AnsiPathForPlugin(path);
    if (!exports.isSupported || !exports.getPicture || !exports.getPreview || !ansiPath ||
        !PluginAcceptsFile(exports.isSupported, path, *ansiPath)) {
        return std::nullopt;
    }
    HANDLE infoHandle = nullptr, pixelHandle = nullptr;
    if (!DecodeToBlocks(exports, *ansiPath, pictureMode, infoHandle, pixelHandle)) {
        return std::nullopt;
    }
    const LockedBlock info(infoHandle), pixels(pixelHandle);
    PluginBitmapResult file = BuildPluginBmpFile(info.Bytes(), pixels.Bytes());
    if (file.error != BmpError::None) {
        return std::nullopt;
    }
    return std::move(file.file);
}

} // namespace pelaconf
