// The win64 release zip as a user unpacks it (unpack-and-start.sh names the folder): every program
// in it tells Explorer its product, version and purpose, and Pelaconf starts from the folder alone
// and opens its first-run wizard.
#include "driver.h"
#include "resource.h"
#include "win/wide_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace pelaconf::driver {
namespace {

std::wstring UnpackedFolder() {
    const wchar_t* folder = _wgetenv(L"PELACONF_UNPACKED_RELEASE");
    return folder != nullptr ? folder : L"";
}

// The strings of a program's version block, read in the language the block declares first, as
// Explorer does; empty when there is no block.
class VersionStrings {
public:
    explicit VersionStrings(const std::wstring& program) {
        const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
        block_.resize(size);
        if (size == 0 || !GetFileVersionInfoW(program.c_str(), 0, size, block_.data())) {
            block_.clear();
        }
    }
    std::string operator[](const wchar_t* name) const {
        struct Translation {
            WORD language;
            WORD codePage;
        }* translation = nullptr;
        UINT length = 0;
        if (block_.empty() || !VerQueryValueW(block_.data(), L"\\VarFileInfo\\Translation",
                                              reinterpret_cast<void**>(&translation), &length) ||
            length < sizeof(Translation)) {
            return "";
        }
        wchar_t path[128];
        swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language, translation->codePage, name);
        wchar_t* value = nullptr;
        if (!VerQueryValueW(block_.data(), path, reinterpret_cast<void**>(&value), &length) || length == 0) {
            return "";
        }
        return WideToUtf8(value);
    }

private:
    std::vector<char> block_;
};

TEST(UnpackedRelease, EveryProgramNamesTheProductItsVersionAndWhatItIs) {
    ASSERT_FALSE(UnpackedFolder().empty()) << "PELACONF_UNPACKED_RELEASE is not set";
    for (const wchar_t* program : {L"Pelaconf.exe", L"PelaconfPluginHost64.exe", L"PelaconfPluginHost32.exe"}) {
        const VersionStrings strings(UnpackedFolder() + L"\\" + program);
        SCOPED_TRACE(WideToUtf8(program));
        EXPECT_EQ(strings[L"ProductName"], "Pelaconf");
        EXPECT_EQ(strings[L"ProductVersion"], PELACONF_VERSION);
        EXPECT_EQ(strings[L"FileVersion"], PELACONF_VERSION);
        EXPECT_EQ(strings[L"OriginalFilename"], WideToUtf8(program));
        EXPECT_NE(strings[L"FileDescription"], "");
    }
    EXPECT_EQ(VersionStrings(UnpackedFolder() + L"\\Pelaconf.exe")[L"FileDescription"], "Pelavine 設定");
    EXPECT_TRUE(InstallFolder::Existing(UnpackedFolder()).Exists("Pelavine.sys")) << "the tray picture";
}

TEST(UnpackedRelease, PelaconfStartsFromTheFolderWithTheFirstRunWizard) {
    ASSERT_FALSE(UnpackedFolder().empty()) << "PELACONF_UNPACKED_RELEASE is not set";
    const InstallFolder folder = InstallFolder::Existing(UnpackedFolder());
    ASSERT_FALSE(folder.Exists("Pelavine.ini"));
    PelaconfProcess pelaconf(folder);
    const auto window = pelaconf.WaitForSettingsWindow();
    ASSERT_TRUE(window) << "no settings window";
    const auto wizard = pelaconf.WaitForWizard();
    ASSERT_TRUE(wizard) << "no first-run wizard";
    EXPECT_TRUE(wizard->Child(IDD_WIZARD_MESSAGE).IsVisible());
    EXPECT_TRUE(pelaconf.CancelWizard(*wizard));
}

} // namespace
} // namespace pelaconf::driver
