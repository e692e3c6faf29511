#include "image/image_library_win.h"

#include "image/bmp_codec.h"
#include "image/library_image.h"
#include "image/wic_decoder_win.h"
#include "platform/file_system_win.h"

namespace pelaconf {
namespace {

LibImageHandle LoadThroughWic(const std::string& path) {
    std::optional<Picture> picture = DecodeWithWic(path);
    return picture ? LibAdoptPicture(std::move(*picture)) : nullptr;
}

} // namespace

LibImageHandle LibLoadBmpFile(const std::string& path) {
    const std::optional<std::string> file = Win32FileSystem().ReadWholeFile(path);
    return file ? LibLoadBmpMemory(file->data(), file->size()) : nullptr;
}

LibImageHandle LibLoadJpegFile(const std::string& path) { return LoadThroughWic(path); }

LibImageHandle LibLoadGifFile(const std::string& path) { return LoadThroughWic(path); }

LibImageHandle LibLoadPngFile(const std::string& path) { return LoadThroughWic(path); }

LibImageHandle LibLoadFittedFile(const std::string& path, const FittedSizeFor& fittedSizeFor, Size& fileSize) {
    std::optional<FittedPicture> fitted = DecodeFittedWithWic(path, fittedSizeFor);
    if (!fitted) {
        return nullptr;
    }
    fileSize = fitted->fileSize;
    return LibAdoptPicture(std::move(fitted->picture));
}

int LibDraw(HDC dc, int x, int y, int width, int height, LibImageHandle image, int sourceX, int sourceY,
            int sourceWidth, int sourceHeight, DWORD rasterOperation, int stretchMode) {
    if (dc == nullptr || image == nullptr) {
        return 0;
    }
    const Picture& picture = image->picture;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height; // our pictures are top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int oldMode = SetStretchBltMode(dc, stretchMode);
    POINT oldOrigin{};
    // HALFTONE needs the brush origin set again after the mode is chosen.
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    const int rows = StretchDIBits(dc, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight,
                                   picture.bgra.data(), &info, DIB_RGB_COLORS, rasterOperation);
    if (oldMode != 0) {
        SetStretchBltMode(dc, oldMode);
    }
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    return rows == static_cast<int>(GDI_ERROR) ? 0 : rows;
}

int LibSaveBmpFile(const std::string& path, LibImageHandle image) {
    if (image == nullptr) {
        return 0;
    }
    const std::string file = EncodeBmp24(image->picture);
    return !file.empty() && Win32FileSystem().WriteWholeFile(path, file) ? 1 : 0;
}

} // namespace pelaconf
