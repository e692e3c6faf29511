#pragma once
// The imaging component's interface of decoders that scale as they decode
// (IWICBitmapSourceTransform), which the mingw-w64 headers do not declare: its identifier and its
// methods in the order of its table, under a name of our own so that it never meets a header's.

#include <wincodec.h>
#include <windows.h>

namespace pelaconf {

struct WicSourceTransform : public IUnknown {
    // The rectangle lies in the picture scaled to width x height, which GetClosestSize gave.
    virtual HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect* rectangle, UINT width, UINT height,
                                                 WICPixelFormatGUID* format, WICBitmapTransformOptions transform,
                                                 UINT stride, UINT bufferSize, BYTE* buffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT* width, UINT* height) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(WICPixelFormatGUID* format) = 0;
    virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions transform, BOOL* supported) = 0;
};

} // namespace pelaconf

__CRT_UUID_DECL(pelaconf::WicSourceTransform, 0x3b16811b, 0x6a43, 0x4ec9, 0xb7, 0x13, 0x3d, 0x5a, 0x0c, 0x13, 0xb9,
                0x40)
