#pragma once
// Scaling pictures: each axis is averaged over the covered area when it shrinks and interpolated
// bilinearly when it grows, so a flat colour stays exactly flat in both directions.

#include "image/picture.h"

#include <memory>
#include <optional>

namespace pelaconf {

// The picture at the new size; empty when the picture is not valid, a new side is not positive,
// the new size is above kMaxPicturePixels or memory runs out.
std::optional<Picture> Resize(const Picture& picture, int newWidth, int newHeight);

// Resizes a picture that arrives a band of rows at a time, top row first, to exactly the pixels
// Resize gives for the whole picture, while holding only the few rows the next target row needs
// besides the result.
class BandResizer {
public:
    // Empty when a side is not positive, a size is above kMaxPicturePixels or memory runs out.
    static std::optional<BandResizer> Make(int sourceWidth, int sourceHeight, int newWidth, int newHeight);
    ~BandResizer();
    BandResizer(BandResizer&&) noexcept;
    BandResizer& operator=(BandResizer&&) noexcept;

    // The next count source rows, sourceWidth pixels each; rows past the source's height are ignored.
    void AddRows(const uint32_t* rows, int count);
    // True once every source row has been added.
    bool Finished() const;
    // The resized picture once finished; empty before. Called once.
    std::optional<Picture> Take();

private:
    struct State;
    explicit BandResizer(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

} // namespace pelaconf
