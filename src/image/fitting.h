#pragma once
// The size rules for saving an image as wallpaper and for drawing it into a frame. Every division
// drops the fraction; the sizes and positions depend on that rounding.

#include <optional>

namespace pelaconf {

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// Fit modes of SaveBitmap.
enum FitMode : int {
    kFitKeepSize = 0,
    kFitToScreen = 1,   // enlarges small images too
    kFitShrinkOnly = 2, // only images wider or taller than the screen
};

// The size SaveBitmap saves an image at: the image scaled to the screen's height, or to its width
// when it would then be wider than the screen, aspect ratio kept; the image's own size when the
// mode asks for no scaling. Empty when scaling would be needed but the image or screen has no
// positive size. A side that would round to 0 is kept at 1.
std::optional<Size> SaveBitmapSize(Size image, Size screen, int fitMode);

// Where DrawFitted draws an image: inside the frame less a one-pixel border, as large as fits,
// aspect ratio kept, centred. Empty when the image has no positive size or the frame no inside.
std::optional<Rect> DrawFittedRect(Size image, Rect frame);

} // namespace pelaconf
