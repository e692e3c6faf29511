#include "image/wic_decoder_win.h"

#include "image/exif_orientation.h"
#include "image/little_endian.h"
#include "image/upright_picture.h"
#include "image/wic_source_transform_win.h"
#include "platform/file_system_win.h"
#include "win/handles.h"
#include "win/shared_reading.h"
#include "win/wide_text.h"

#include <wincodec.h>
#include <windows.h>
#include <wrl/client.h>

#include <exception>

namespace pelaconf {
namespace {

using Microsoft::WRL::ComPtr;

constexpr uint32_t kOpaque = 0xFF000000u;

struct OpenedFrame {
    UniqueFileHandle file; // the decoder reads from it for as long as the frame lives
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> premultipliedBgra;
    Size size; // as stored
    int orientation = kOrientationUpright;
};

// A JPEG file carries the camera's orientation in its Exif block, which lies in the file's first
// segments: only those are read.
int StoredOrientation(IWICBitmapDecoder* decoder, const std::string& path) {
    GUID container{};
    if (FAILED(decoder->GetContainerFormat(&container)) || container != GUID_ContainerFormatJpeg) {
        return kOrientationUpright;
    }
    const std::optional<std::string> head = ReadFileHead(path, kExifOrientationHeadBytes);
    return head ? ReadExifOrientation(AsBytes(*head)).value_or(kOrientationUpright) : kOrientationUpright;
}

// The converter comes from the factory, so that the imaging library is loaded only when a
// picture is decoded, not when the program starts. The file is opened here rather than by the
// decoder, which would not share it for writing or deleting. Pictures above the size limit are
// refused.
std::optional<OpenedFrame> OpenFirstFrame(IWICImagingFactory* factory, const std::string& path) {
    ComPtr<IWICBitmapDecoder> decoder;
    OpenedFrame opened;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    opened.file = OpenForSharedReading(Utf8ToWide(path));
    if (!opened.file ||
        FAILED(factory->CreateDecoderFromFileHandle(reinterpret_cast<ULONG_PTR>(opened.file.Get()), nullptr,
                                                    WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &opened.frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(opened.frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        !FitsPictureLimit(width, height)) {
        return std::nullopt;
    }
    opened.premultipliedBgra = converter;
    opened.size = Size{static_cast<int>(width), static_cast<int>(height)};
    opened.orientation = StoredOrientation(decoder.Get(), path);
    return opened;
}

// Premultiplied: a transparent pixel already holds its colour over black.
void MakeOpaque(uint32_t* pixels, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        pixels[i] |= kOpaque;
    }
}

// Rows of the converted picture into out, top row first, and made opaque.
bool CopyRows(IWICBitmapSource* source, Size size, int first, int count, uint32_t* out) {
    const uint64_t stride = uint64_t{static_cast<uint32_t>(size.width)} * 4;
    const uint64_t bytes = stride * static_cast<uint32_t>(count);
    const WICRect rows{0, first, size.width, count};
    if (bytes > UINT_MAX || FAILED(source->CopyPixels(&rows, static_cast<UINT>(stride), static_cast<UINT>(bytes),
                                                      reinterpret_cast<BYTE*>(out)))) {
        return false;
    }
    MakeOpaque(out, static_cast<size_t>(size.width) * static_cast<size_t>(count));
    return true;
}

std::optional<Picture> CopyWholePicture(const OpenedFrame& opened) {
    Picture picture{opened.size.width, opened.size.height, {}};
    try {
        picture.bgra.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
    } catch (const std::exception&) { // bad_alloc, or length_error past a container's limit
        return std::nullopt;
    }
    if (!CopyRows(opened.premultipliedBgra.Get(), opened.size, 0, picture.height, picture.bgra.data())) {
        return std::nullopt;
    }
    return picture;
}

bool IsOpaqueBgr(const WICPixelFormatGUID& format) {
    return format == GUID_WICPixelFormat24bppBGR || format == GUID_WICPixelFormat32bppBGR;
}

// Opaque formats whose rows are widened here rather than by the converter: 8-bit BGR, and the
// 16-bit RGB of deep PNG files, of which the converter keeps the high byte of each channel.
bool IsWidenedHere(const WICPixelFormatGUID& format) {
    return IsOpaqueBgr(format) || format == GUID_WICPixelFormat48bppRGB;
}

UINT BytesPerPixel(const WICPixelFormatGUID& format) {
    return format == GUID_WICPixelFormat24bppBGR ? 3u : format == GUID_WICPixelFormat48bppRGB ? 6u : 4u;
}

// The frame as a row source. Pictures the decoder gives in an opaque format widened here are read
// in that format, which gives the converter's pixels for a fraction of its time;
// any other format goes through the converter. At the smaller sizes the decoder scales to itself,
// where it offers that, it is read in its own opaque BGR format.
class WicRowSource : public RowSource {
public:
    explicit WicRowSource(const OpenedFrame& opened) : opened_(opened) {
        if (FAILED(opened.frame->GetPixelFormat(&frameFormat_))) {
            frameFormat_ = GUID_WICPixelFormatUndefined;
        }
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        if (SUCCEEDED(opened.frame.As(&scaler_)) && SUCCEEDED(scaler_->GetClosestPixelFormat(&format)) &&
            IsOpaqueBgr(format)) {
            scaledFormat_ = format;
        } else {
            scaler_.Reset();
        }
    }

    Size FullSize() const override { return opened_.size; }

    std::vector<Size> ScaledSizes() const override {
        std::vector<Size> sizes;
        for (const int divisor : {2, 4, 8}) {
            UINT width = static_cast<UINT>((opened_.size.width + divisor - 1) / divisor);
            UINT height = static_cast<UINT>((opened_.size.height + divisor - 1) / divisor);
            if (scaler_ && SUCCEEDED(scaler_->GetClosestSize(&width, &height)) && width > 0 && height > 0) {
                sizes.push_back(Size{static_cast<int>(width), static_cast<int>(height)});
            }
        }
        return sizes;
    }

    bool ReadRows(Size size, int first, int count, uint32_t* out) override {
        const WICRect rows{0, first, size.width, count};
        if (size != opened_.size) {
            // Scaling comes before the rectangle, which therefore lies in the scaled picture.
            return scaler_ && ReadBgr(scaledFormat_, size, count, out, [&](WICPixelFormatGUID format, UINT stride,
                                                                           UINT bytes, BYTE* buffer) {
                       return scaler_->CopyPixels(&rows, static_cast<UINT>(size.width),
                                                  static_cast<UINT>(size.height), &format, WICBitmapTransformRotate0,
                                                  stride, bytes, buffer);
                   });
        }
        if (IsWidenedHere(frameFormat_)) {
            return ReadBgr(frameFormat_, size, count, out, [&](WICPixelFormatGUID, UINT stride, UINT bytes, BYTE* buffer) {
                return opened_.frame->CopyPixels(&rows, stride, bytes, buffer);
            });
        }
        return CopyRows(opened_.premultipliedBgra.Get(), size, first, count, out);
    }

private:
    // Rows in one of the formats widened here, copied by copy(format, stride, bytes, buffer), made
    // 32-bit opaque pixels.
    template <typename Copy> bool ReadBgr(WICPixelFormatGUID format, Size size, int count, uint32_t* out, Copy copy) {
        const UINT pixelBytes = BytesPerPixel(format);
        const size_t pixels = static_cast<size_t>(size.width) * static_cast<size_t>(count);
        const UINT stride = static_cast<UINT>(size.width) * pixelBytes;
        const UINT bytes = stride * static_cast<UINT>(count);
        if (pixelBytes == 4) {
            if (FAILED(copy(format, stride, bytes, reinterpret_cast<BYTE*>(out)))) {
                return false;
            }
            MakeOpaque(out, pixels);
            return true;
        }
        band_.resize(bytes);
        if (FAILED(copy(format, stride, bytes, band_.data()))) {
            return false;
        }
        const BYTE* pixel = band_.data();
        if (pixelBytes == 6) { // R, G, B, each 16 bits little-endian
            for (size_t i = 0; i < pixels; ++i, pixel += 6) {
                out[i] = kOpaque | uint32_t{pixel[1]} << 16 | uint32_t{pixel[3]} << 8 | pixel[5];
            }
            return true;
        }
        for (size_t i = 0; i < pixels; ++i, pixel += 3) {
            out[i] = kOpaque | uint32_t{pixel[2]} << 16 | uint32_t{pixel[1]} << 8 | pixel[0];
        }
        return true;
    }

    const OpenedFrame& opened_;
    WICPixelFormatGUID frameFormat_{};
    ComPtr<WicSourceTransform> scaler_;
    WICPixelFormatGUID scaledFormat_{};
    std::vector<BYTE> band_;
};

// The whole picture upright: copied at once when stored upright, else placed a band at a time.
std::optional<Picture> DecodeWholeUpright(const OpenedFrame& opened) {
    if (opened.orientation == kOrientationUpright) {
        return CopyWholePicture(opened);
    }
    WicRowSource source(opened);
    return DecodeUpright(source, opened.orientation);
}

ComPtr<IWICImagingFactory> MakeFactory() {
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
        return nullptr;
    }
    return factory;
}

} // namespace

std::optional<Picture> DecodeWithWic(const std::string& path) {
    const ComApartment com; // COM for the duration of the decoding
    const ComPtr<IWICImagingFactory> factory = MakeFactory();
    const std::optional<OpenedFrame> opened = factory ? OpenFirstFrame(factory.Get(), path) : std::nullopt;
    return opened ? DecodeWholeUpright(*opened) : std::nullopt;
}

std::optional<FittedPicture> DecodeFittedWithWic(const std::string& path, const FittedSizeFor& fittedSizeFor) {
    const ComApartment com;
    const ComPtr<IWICImagingFactory> factory = MakeFactory();
    const std::optional<OpenedFrame> opened = factory ? OpenFirstFrame(factory.Get(), path) : std::nullopt;
    if (!opened) {
        return std::nullopt;
    }
    // The fitting rules see the picture as it shows: upright.
    const Size upright = UprightSize(opened->size, opened->orientation);
    const std::optional<Size> wanted = fittedSizeFor ? fittedSizeFor(upright) : std::nullopt;
    // A size the resampler refuses leaves the picture at full size, as resizing it afterwards would.
    const bool resizable = wanted && wanted->width > 0 && wanted->height > 0 &&
                           FitsPictureLimit(static_cast<uint64_t>(wanted->width), static_cast<uint64_t>(wanted->height));
    std::optional<Picture> picture;
    if (!resizable || *wanted == upright) {
        picture = DecodeWholeUpright(*opened);
    } else {
        WicRowSource source(*opened);
        picture = DecodeFittedUpright(source, *wanted, opened->orientation);
    }
    if (!picture) {
        return std::nullopt;
    }
    return FittedPicture{std::move(*picture), upright};
}

} // namespace pelaconf
