// The image object's conversation with a Susie plug-in: what it is, and decoding through it.
#include "susie/ansi_code_page_win.h"
#include "image/image_object_win.h"
#include "susie/plugin_bitmap.h"
#include "win/wide_text.h"

#include <span>

namespace pelaconf {
namespace {

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

int ImageObject::QueryPlugin(PluginDescription& description) {
    if (!plugin_) {
        return kQueryNoModule;
    }
    const auto getPluginInfo = FindExport<GetPluginInfoFunction>(plugin_.Get(), "GetPluginInfo");
    if (getPluginInfo == nullptr) {
        return kQueryFailed;
    }
    const GetPluginInfoCall call = [getPluginInfo](int number, char* buffer, int length) {
        return getPluginInfo(number, buffer, length);
    };
    return QueryPluginInfo(call, Win32AnsiCodePage(), description);
}

int ImageObject::LoadViaPlugin(const std::string& path, int pictureMode) {
    ReleaseImage();
    if (!plugin_) {
        return 0;
    }
    const PluginExports exports{FindExport<IsSupportedFunction>(plugin_.Get(), "IsSupported"),
                                FindExport<GetPictureFunction>(plugin_.Get(), "GetPicture"),
                                FindExport<GetPictureFunction>(plugin_.Get(), "GetPreview")};
    const std::optional<std::string> ansiPath = AnsiPathForPlugin(path);
    if (!exports.isSupported || !exports.getPicture || !exports.getPreview || !ansiPath ||
        !PluginAcceptsFile(exports.isSupported, path, *ansiPath)) {
        return 0;
    }
    HANDLE infoHandle = nullptr, pixelHandle = nullptr;
    if (!DecodeToBlocks(exports, *ansiPath, pictureMode, infoHandle, pixelHandle)) {
        return 0;
    }
    const LockedBlock info(infoHandle), pixels(pixelHandle);
    const PluginBitmapResult file = BuildPluginBmpFile(info.Bytes(), pixels.Bytes());
    if (file.error != BmpError::None) {
        return 0;
    }
    const int held = Hold(LibLoadBmpMemory(file.file.data(), file.file.size()));
    LibPostLoad();
    return held;
}

} // namespace pelaconf
