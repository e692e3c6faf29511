#pragma once
// A test fixture that fails a test which leaves an image of the image library alive.

#include "image/image_library.h"

#include <gtest/gtest.h>

namespace pelaconf {

class LiveImageTest : public ::testing::Test {
protected:
    void SetUp() override { liveBefore_ = LibLiveImageCount(); }
    void TearDown() override {
        EXPECT_EQ(liveBefore_, 0) << "an earlier test left images alive";
        EXPECT_EQ(LibLiveImageCount(), 0) << "every image is released exactly once";
    }

private:
    int liveBefore_ = 0;
};

} // namespace pelaconf
