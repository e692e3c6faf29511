#pragma once
// The image library's operations that need Windows: loading files, drawing and saving. Paths are
// UTF-8.

#include "image/fitted_decoding.h"
#include "image/image_library.h"

#include <windows.h>

#include <string>

namespace pelaconf {

// Each returns a new handle, or null when the file cannot be read or decoded. BMP files go
// through our own reader; JPEG, GIF (its first frame) and PNG through the Windows Imaging
// Component, and a JPEG picture comes upright by the orientation its Exif block records.
LibImageHandle LibLoadBmpFile(const std::string& path);
LibImageHandle LibLoadJpegFile(const std::string& path);
LibImageHandle LibLoadGifFile(const std::string& path);
LibImageHandle LibLoadPngFile(const std::string& path);
// As the JPEG, GIF and PNG loaders, but the picture comes at the size fittedSizeFor gives for the
// file's own size, decoded straight to it where the decoder can and never held at full size
// meanwhile; fileSize receives the file's own size, upright.
LibImageHandle LibLoadFittedFile(const std::string& path, const FittedSizeFor& fittedSizeFor, Size& fileSize);

// Draws the source rectangle of the image scaled onto the destination rectangle with
// StretchDIBits; stretchMode is the device context's stretching mode meanwhile (4, HALFTONE, gives
// the smoothest result). Returns what StretchDIBits returns: the rows drawn, 0 on failure.
int LibDraw(HDC dc, int x, int y, int width, int height, LibImageHandle image, int sourceX, int sourceY,
            int sourceWidth, int sourceHeight, DWORD rasterOperation, int stretchMode);

// Writes the image as a 24-bit BMP file beside the destination and renames it over it, so a
// failed save leaves the old file whole. 1 on success, 0 on failure.
int LibSaveBmpFile(const std::string& path, LibImageHandle image);

} // namespace pelaconf
