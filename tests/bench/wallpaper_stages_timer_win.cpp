// Times the stages of making a wallpaper from one picture file, each on its own: opening the file
// in the imaging component, decoding the frame, converting it to our pixel format, fitting it to
// the screen, writing the bitmap and handing it to the system; then the whole of the program's
// path from file to written bitmap. Prints one line per stage: name, median and fastest run in
// milliseconds. Without arguments it does nothing, so that a script can time a bare process start.
//   wallpaper_stages_timer.exe RUNS PICTURE BITMAP
#include "image/bmp_codec.h"
#include "image/fitting.h"
#include "image/resampler.h"
#include "image/wic_decoder_win.h"
#include "platform/file_system_win.h"
#include "run_timing.h"
#include "win/handles.h"
#include "win/wide_text.h"

#include <wincodec.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdio>
#include <string>

namespace {

using namespace pelaconf;
using Microsoft::WRL::ComPtr;

struct Opened {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapFrameDecode> frame;
};

bool Open(const std::wstring& path, Opened& opened) {
    ComPtr<IWICBitmapDecoder> decoder;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(&opened.factory))) &&
           SUCCEEDED(opened.factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                               WICDecodeMetadataCacheOnDemand, &decoder)) &&
           SUCCEEDED(decoder->GetFrame(0, &opened.frame));
}

// The frame decoded into memory in its own pixel format.
ComPtr<IWICBitmap> Decoded(const Opened& opened) {
    ComPtr<IWICBitmap> bitmap;
    return SUCCEEDED(opened.factory->CreateBitmapFromSource(opened.frame.Get(), WICBitmapCacheOnLoad, &bitmap))
               ? bitmap
               : nullptr;
}

bool Converted(const Opened& opened, IWICBitmap* decoded, Picture& picture) {
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(opened.factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(decoded, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height))) {
        return false;
    }
    picture = Picture{static_cast<int>(width), static_cast<int>(height), std::vector<uint32_t>(size_t{width} * height)};
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                     reinterpret_cast<BYTE*>(picture.bgra.data())))) {
        return false;
    }
    for (uint32_t& pixel : picture.bgra) {
        pixel |= 0xFF000000u;
    }
    return true;
}

Size Screen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Size Fitted(Size size) { return SaveBitmapSize(size, Screen(), kFitShrinkOnly).value_or(size); }

bool Written(const std::string& path, const Picture& picture) {
    return Win32FileSystem().WriteWholeFile(path, EncodeBmp24(picture));
}

void Stage(const char* name, int runs, const std::function<bool()>& work) {
    std::printf("%s ", name);
    if (!bench::PrintMedianAndFastest(runs, work)) {
        std::printf("failed\n");
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        return argc == 1 ? 0 : 2;
    }
    const int runs = _wtoi(argv[1]);
    const std::wstring picturePath = argv[2];
    const std::string bitmap = WideToUtf8(argv[3]);
    const ComApartment com;

    Opened opened;
    Stage("open", runs, [&] { return Open(picturePath, opened); });
    ComPtr<IWICBitmap> decoded;
    Stage("decode", runs, [&] { return (decoded = Decoded(opened)) != nullptr; });
    Picture picture;
    Stage("convert", runs, [&] { return Converted(opened, decoded.Get(), picture); });
    const Size target = Fitted({picture.width, picture.height});
    Picture fitted;
    Stage("resize", runs, [&] {
        std::optional<Picture> resized = Resize(picture, target.width, target.height);
        if (resized) {
            fitted = std::move(*resized);
        }
        return resized.has_value();
    });
    Stage("write", runs, [&] { return Written(bitmap, fitted); });
    const std::wstring bitmapPath = Utf8ToWide(bitmap);
    Stage("system", runs, [&] {
        return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(bitmapPath.c_str()),
                                     SPIF_UPDATEINIFILE) != 0;
    });
    const std::string utf8Picture = WideToUtf8(picturePath);
    Stage("whole-then-fit", runs, [&] {
        auto whole = DecodeWithWic(utf8Picture);
        if (!whole) {
            return false;
        }
        auto resized = Resize(*whole, target.width, target.height);
        return resized && Written(bitmap, *resized);
    });
    Stage("fitted", runs, [&] {
        auto decodedFitted = DecodeFittedWithWic(utf8Picture, [](Size size) { return Fitted(size); });
        return decodedFitted && Written(bitmap, decodedFitted->picture);
    });
    return 0;
}
