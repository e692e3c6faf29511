// The WAVE test play's device through the system's multimedia commands, for real: paths in any
// language reach it, and a missing file is refused with the system's own text.
#include "platform/wave_device_win.h"
#include "scratch_folder.h"
#include "tiny_wave.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

namespace pelaconf {
namespace {

TEST(MciWaveDeviceTest, AMissingFileIsRefusedWithTheSystemsText) {
    ScratchFolder folder;
    MciWaveDevice device(nullptr);
    uint32_t opened = 0;
    const uint32_t error = device.Open(folder.PathOf("なし.wav"), opened);
    EXPECT_EQ(error, static_cast<uint32_t>(MCIERR_FILE_NOT_FOUND));
    EXPECT_FALSE(device.ErrorText(error).empty());
}

TEST(MciWaveDeviceTest, AWaveFileNamedInJapaneseOpensAndCloses) {
    ScratchFolder folder;
    ASSERT_TRUE(folder.IsMade());
    const std::string path = folder.PathOf("音.wav");
    ASSERT_TRUE(Win32FileSystem().WriteWholeFile(path, TinyWaveFile()));
    MciWaveDevice device(nullptr);
    uint32_t opened = 0;
    const uint32_t error = device.Open(path, opened);
    ASSERT_EQ(error, 0u) << device.ErrorText(error);
    EXPECT_EQ(device.Close(opened), 0u);
}

} // namespace
} // namespace pelaconf
