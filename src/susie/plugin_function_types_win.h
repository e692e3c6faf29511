#pragma once
// The Susie plug-in exports, as the interface declares them: stdcall on i686.

#include <windows.h>

#include <type_traits>

namespace pelaconf {

using GetPluginInfoFunction = int(WINAPI*)(int number, LPSTR buffer, int length);
using IsSupportedFunction = int(WINAPI*)(LPCSTR fileName, DWORD_PTR fileHandle);
using GetPictureFunction = int(WINAPI*)(LPCSTR fileName, LONG_PTR offset, unsigned int flags, HANDLE* infoBlock,
                                        HANDLE* pixelBlock, FARPROC progress, LONG_PTR data);

#if defined(__i386__)
// On i686 a plug-in called with the wrong convention corrupts the stack; the types must say stdcall.
static_assert(std::is_same_v<GetPluginInfoFunction, int(__stdcall*)(int, LPSTR, int)>);
static_assert(std::is_same_v<IsSupportedFunction, int(__stdcall*)(LPCSTR, DWORD_PTR)>);
static_assert(std::is_same_v<GetPictureFunction, int(__stdcall*)(LPCSTR, LONG_PTR, unsigned int, HANDLE*, HANDLE*,
                                                                 FARPROC, LONG_PTR)>);
#endif

} // namespace pelaconf
