#pragma once
// What making a wallpaper needs of the image work object: decoding, the decoded image's size, and
// saving it fitted to the screen.

#include "image/decoding_order.h"
#include "image/fitted_decoding.h"
#include "image/fitting.h"

#include <optional>
#include <string>

namespace pelaconf {

class WallpaperImage : public ImageLoader {
public:
    // The held image's size; empty when no image is held.
    virtual std::optional<Size> HeldImageSize() const = 0;
    // Saves the held image as a 24-bit bitmap fitted to the screen, and releases it; non-zero on success.
    virtual int SaveBitmap(const std::string& path, int fitMode) = 0;
    // From now on the library's loaders may decode a picture straight to the size it will be saved
    // at, which fittedSizeFor gives for the file's own size; HeldImageSize still tells the file's
    // size. Null turns this off again.
    virtual void FitWhileLoading(FittedSizeFor fittedSizeFor) = 0;
};

} // namespace pelaconf
