// The ASCII name of the copy a plug-in is handed when it cannot be told the picture's own path.
#include "susie/temporary_copy_name.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

TEST(TemporaryCopyName, KeepsAPlainExtensionOfTheFileNameOnly) {
    EXPECT_EQ(TemporaryCopyName("D:\\写真\\夜景.ppm", 0x1F), "Pelaconf0000001F.ppm");
    EXPECT_EQ(TemporaryCopyName("D:\\写真\\archive.TAR.Jpeg2", 0xFFFFFFFF), "PelaconfFFFFFFFF.Jpeg2");
    EXPECT_EQ(TemporaryCopyName("D:\\写真\\夜景.画像", 1), "Pelaconf00000001") << "an extension ASCII cannot hold";
    EXPECT_EQ(TemporaryCopyName("D:\\写真\\夜景.p p", 1), "Pelaconf00000001") << "an extension with a space";
    EXPECT_EQ(TemporaryCopyName("D:\\写真\\夜景.averylongext", 1), "Pelaconf00000001");
    EXPECT_EQ(TemporaryCopyName("D:\\写真\\夜景.", 1), "Pelaconf00000001");
    EXPECT_EQ(TemporaryCopyName("D:\\写真.jpg\\夜景", 1), "Pelaconf00000001") << "a dot in a folder's name";
    EXPECT_EQ(TemporaryCopyName("D:夜景.bmp", 2), "Pelaconf00000002.bmp");
}

} // namespace
} // namespace pelaconf
