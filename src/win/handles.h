#pragma once
// Move-only owners of Win32 handles. A plain HWND (or any other raw handle) is a view and owns
// nothing; each owner below releases its handle exactly once.

#include <windows.h>
#include <objbase.h>
#include <commctrl.h>

#include <utility>

namespace pelaconf {

template <typename Handle, typename Traits> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid()) {
        if (Traits::IsValid(handle_)) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

// Kernel objects whose "no handle" is null (processes, threads, mutexes).
struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;

// Files, whose "no handle" is INVALID_HANDLE_VALUE.
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
using UniqueFileHandle = UniqueHandle<HANDLE, FileHandleTraits>;

// Views of file mappings from MapViewOfFile, unmapped with UnmapViewOfFile.
struct MappedViewTraits {
    static void* Invalid() { return nullptr; }
    static bool IsValid(void* view) { return view != nullptr; }
    static void Close(void* view) { UnmapViewOfFile(view); }
};
using UniqueMappedView = UniqueHandle<void*, MappedViewTraits>;

// Folder searches from FindFirstFileW: "no handle" is INVALID_HANDLE_VALUE, and the search is ended
// with FindClose, never CloseHandle.
struct FindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HANDLE h) { FindClose(h); }
};
using UniqueFindHandle = UniqueHandle<HANDLE, FindHandleTraits>;

// Handles whose "no handle" is null, released by one function.
template <typename Handle, auto Release> struct NullHandleTraits {
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { Release(h); }
};
using UniqueModule = UniqueHandle<HMODULE, NullHandleTraits<HMODULE, &FreeLibrary>>;
using UniqueFont = UniqueHandle<HFONT, NullHandleTraits<HFONT, &DeleteObject>>;
using UniquePen = UniqueHandle<HPEN, NullHandleTraits<HPEN, &DeleteObject>>;
using UniqueBitmap = UniqueHandle<HBITMAP, NullHandleTraits<HBITMAP, &DeleteObject>>;
using UniqueRegistryKey = UniqueHandle<HKEY, NullHandleTraits<HKEY, &RegCloseKey>>;
using UniqueImageList = UniqueHandle<HIMAGELIST, NullHandleTraits<HIMAGELIST, &ImageList_Destroy>>;

// COM on the calling thread in a single-threaded apartment, for as long as the owner lives. It
// uninitialises only when it initialised: a thread that already runs COM keeps it as it was.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

// COM interface pointers are owned by WRL's ComPtr (<wrl/client.h>), which releases each once.

} // namespace pelaconf
