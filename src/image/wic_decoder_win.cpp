#include "image/wic_decoder_win.h"

#include "win/handles.h"
#include "win/wide_text.h"

#include <wincodec.h>
#include <windows.h>
#include <wrl/client.h>

#include <exception>

namespace pelaconf {
namespace {

using Microsoft::WRL::ComPtr;

// The converter comes from the factory, so that the imaging library is loaded only when a
// picture is decoded, not when the program starts.
ComPtr<IWICBitmapSource> FirstFrameAsPremultipliedBgra(IWICImagingFactory* factory, const std::string& path) {
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateDecoderFromFilename(Utf8ToWide(path).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom))) {
        return nullptr;
    }
    return converter;
}

std::optional<Picture> CopyPixels(IWICBitmapSource* source) {
    UINT width = 0, height = 0;
    if (FAILED(source->GetSize(&width, &height)) || width == 0 || height == 0 || !FitsPictureLimit(width, height)) {
        return std::nullopt;
    }
    Picture picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    try {
        picture.bgra.resize(size_t{width} * height);
    } catch (const std::exception&) { // bad_alloc, or length_error past a container's limit
        return std::nullopt;
    }
    const uint64_t stride = uint64_t{width} * 4;
    const uint64_t bytes = stride * height;
    if (bytes > UINT_MAX || FAILED(source->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(bytes),
                                                      reinterpret_cast<BYTE*>(picture.bgra.data())))) {
        return std::nullopt;
    }
    // Premultiplied: a transparent pixel already holds its colour over black.
    for (uint32_t& pixel : picture.bgra) {
        pixel |= 0xFF000000u;
    }
    return picture;
}

} // namespace

std::optional<Picture> DecodeWithWic(const std::string& path) {
    const ComApartment com; // COM for the duration of the decoding
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
        return std::nullopt;
    }
    ComPtr<IWICBitmapSource> source = FirstFrameAsPremultipliedBgra(factory.Get(), path);
    if (!source) {
        return std::nullopt;
    }
    return CopyPixels(source.Get());
}

} // namespace pelaconf
