#include "desktop/wallpaper_style.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

constexpr Size kScreen{1024, 768};

TEST(AutoStyle, WorkedExamplesOnA1024x768Screen) {
    EXPECT_EQ(AutoStyleFor(3, {800, 600}, kScreen), kStyleStretch);
    EXPECT_EQ(AutoStyleFor(4, {800, 600}, kScreen), kStyleStretch);
    EXPECT_EQ(AutoStyleFor(3, {500, 375}, kScreen), kStyleTile);
    EXPECT_EQ(AutoStyleFor(4, {500, 375}, kScreen), kStyleStretch);
    EXPECT_EQ(AutoStyleFor(3, {300, 300}, kScreen), kStyleTile);
    EXPECT_EQ(AutoStyleFor(4, {300, 300}, kScreen), kStyleTile);
    EXPECT_EQ(AutoStyleFor(3, {1920, 1080}, kScreen), kStyleCentre);
    EXPECT_EQ(AutoStyleFor(4, {1920, 1080}, kScreen), kStyleCentre);
}

TEST(AutoStyle, NearMeansWithinATenthOfTheScreensProportions) {
    // The screen's ratio is 75, so image ratios 67 to 82 count as near.
    EXPECT_EQ(AutoStyleFor(2, {1000, 670}, kScreen), kStyleStretch);
    EXPECT_EQ(AutoStyleFor(2, {1000, 669}, kScreen), kStyleCentre);
    EXPECT_EQ(AutoStyleFor(2, {1000, 829}, kScreen), kStyleStretch); // 82 after dropping the fraction
    EXPECT_EQ(AutoStyleFor(2, {1000, 830}, kScreen), kStyleCentre);
    EXPECT_EQ(AutoStyleFor(2, {300, 300}, kScreen), kStyleCentre) << "kind 2 never tiles";
}

TEST(AutoStyle, AVeryTallImageIsComparedWithoutOverflow) {
    // 30,000,000 rows times 100 does not fit in 32 bits; the image is far from the screen's
    // proportions and less than half its width.
    EXPECT_EQ(AutoStyleFor(3, {1, 30'000'000}, kScreen), kStyleTile);
    EXPECT_EQ(AutoStyleFor(2, {1, 30'000'000}, kScreen), kStyleCentre);
}

TEST(AutoStyle, AnImageWithoutSizeHasNoStyle) { EXPECT_EQ(AutoStyleFor(3, {0, 10}, kScreen), -1); }

TEST(DisplayStyle, AutomaticOnlyForKinds3And4AndForAFittedStretch) {
    int askedKind = 0;
    const auto autoStyle = [&askedKind](int kind) {
        askedKind = kind;
        return kStyleTile;
    };
    EXPECT_EQ(ChooseDisplayStyle(3, 0, autoStyle), kStyleTile);
    EXPECT_EQ(askedKind, 3);
    EXPECT_EQ(ChooseDisplayStyle(2, 1, autoStyle), kStyleTile);
    EXPECT_EQ(askedKind, 2);
    askedKind = 0;
    EXPECT_EQ(ChooseDisplayStyle(2, 7, autoStyle), kStyleStretch) << "only Rect_Fit 1 turns fitting on";
    EXPECT_EQ(ChooseDisplayStyle(5, 1, autoStyle), 5);
    EXPECT_EQ(askedKind, 0);
    EXPECT_EQ(StyleValuesFor(5).tileWallpaper, "0") << "an unknown style is shown centred";
    EXPECT_EQ(StyleValuesFor(5).wallpaperStyle, "0");
}

TEST(FitMode, ShrinksWhenFittingAndFillsWhenAStretchCameOutCentred) {
    EXPECT_EQ(ChooseFitMode(0, 1, kStyleCentre), kFitShrinkOnly);
    EXPECT_EQ(ChooseFitMode(0, 0, kStyleCentre), kFitKeepSize);
    EXPECT_EQ(ChooseFitMode(2, 1, kStyleCentre), kFitToScreen);
    EXPECT_EQ(ChooseFitMode(2, 1, kStyleStretch), kFitShrinkOnly);
    EXPECT_EQ(ChooseFitMode(0, 7, kStyleCentre), kFitKeepSize);
}

TEST(StyleValues, MatchTheDesktopsRegistryConvention) {
    EXPECT_EQ(StyleValuesFor(kStyleCentre).tileWallpaper, "0");
    EXPECT_EQ(StyleValuesFor(kStyleTile).tileWallpaper, "1");
    EXPECT_EQ(StyleValuesFor(kStyleTile).wallpaperStyle, "0");
    EXPECT_EQ(StyleValuesFor(kStyleStretch).wallpaperStyle, "2");
}

} // namespace
} // namespace pelaconf
