#pragma once
// Helpers of the image layer's Windows tests: the fixture images and test plug-ins made at build
// time, and files the tests write into a scratch folder of their own.

#include "image/bmp_codec.h"
#include "image/image_library.h"
#include "platform/file_system_win.h"
#include "win/wide_text.h"

#include "flat_picture.h"
#include "live_image_test.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

namespace pelaconf {

inline std::string WindowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// An image made by ImageMagick at build time.
inline std::string TestImage(const std::string& name) { return WindowsPath(PELACONF_TEST_IMAGES "/" + name); }

// One of our test plug-ins, by its name without ".spi".
inline std::string TestPlugin(const std::string& name) {
    return WindowsPath(PELACONF_TEST_PLUGINS "/" + name + ".spi");
}

// A white 32-bit top-down bitmap selected into a memory device context, to draw on and read back.
class DibCanvas {
public:
    DibCanvas(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        if (bitmap_ != nullptr) {
            old_ = SelectObject(dc_, bitmap_);
            std::fill_n(bits_, static_cast<size_t>(width) * height, 0x00FFFFFFu);
        }
    }
    ~DibCanvas() {
        if (bitmap_ != nullptr) {
            SelectObject(dc_, old_);
            DeleteObject(bitmap_);
        }
        DeleteDC(dc_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool IsReady() const { return bitmap_ != nullptr; }
    HDC Dc() const { return dc_; }
    // 0xRRGGBB.
    uint32_t Pixel(int x, int y) const {
        GdiFlush();
        return bits_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFF;
    }

private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// Each test in a scratch folder of its own, with helpers that write files into it.
class ScratchFolderTest : public LiveImageTest {
protected:
    void SetUp() override {
        LiveImageTest::SetUp();
        ASSERT_TRUE(scratch_.IsMade()) << scratch_.Path();
    }

    std::string PathOf(const std::string& name) const { return scratch_.PathOf(name); }
    std::string MakeFolder(const std::string& name) const {
        const std::string path = PathOf(name);
        EXPECT_TRUE(CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr)) << path;
        return path;
    }
    std::string Write(const std::string& name, std::string_view content) const {
        const std::string path = PathOf(name);
        EXPECT_TRUE(Win32FileSystem().WriteWholeFile(path, content)) << path;
        return path;
    }
    std::string WritePicture(const std::string& name, const Picture& picture) const {
        return Write(name, EncodeBmp24(picture));
    }
    std::string CopyOf(const std::string& source, const std::string& name) const {
        const std::string path = PathOf(name);
        EXPECT_TRUE(CopyFileW(Utf8ToWide(source).c_str(), Utf8ToWide(path).c_str(), FALSE)) << source;
        return path;
    }
    // The picture in a BMP file, or an empty picture.
    static Picture ReadBmp(const std::string& path) {
        const std::optional<std::string> file = Win32FileSystem().ReadWholeFile(path);
        return file ? DecodeBmp(*file).picture : Picture{};
    }
    int FileCount() const { return scratch_.EntryCount(); }

    const ScratchFolder scratch_;
};

} // namespace pelaconf
