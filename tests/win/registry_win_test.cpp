// Registry values through the real registry of the test's Wine prefix.
#include "desktop/wallpaper_style.h"
#include "platform/registry_win.h"
#include "plugins/plugin_catalogue.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace pelaconf {
namespace {

constexpr wchar_t kSusieKey[] = L"Software\\Halvecor\\Susie\\Plug-in";

std::wstring ReadString(const wchar_t* key, const wchar_t* name, DWORD* type) {
    wchar_t text[512] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY | RRF_NOEXPAND, type, text, &size) != ERROR_SUCCESS) {
        return L"<missing>";
    }
    return text;
}

// One test for every state of Susie's key, since they share it.
TEST(SusieFolderLookup, ReadsThePathValueOnlyWhenKeyAndValueArePresent) {
    Win32Registry registry;
    SettingsRecord record("C:\\p");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Halvecor");
    record.Susie_Dir_Path = "before";
    EXPECT_EQ(LookUpSusieFolder(record, registry), SusieFolderLookup::NotFound) << "no key";
    EXPECT_EQ(record.Susie_Dir_Path, "before");

    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSusieKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(LookUpSusieFolder(record, registry), SusieFolderLookup::NotFound) << "a key without the value";
    EXPECT_EQ(record.Susie_Dir_Path, "before");

    const std::wstring folder = L"C:\\Susie\\\u8868\u793A\\plugins"; // a Japanese folder name
    RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(LookUpSusieFolder(record, registry), SusieFolderLookup::Found);
    EXPECT_EQ(record.Susie_Dir_Path, "C:\\Susie\\表示\\plugins");

    const std::wstring notStorable = L"C:\\Susie\\\u1EA2nh"; // a letter code page 932 does not have
    RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(notStorable.c_str()),
                   static_cast<DWORD>((notStorable.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(LookUpSusieFolder(record, registry), SusieFolderLookup::NotStorable);
    EXPECT_EQ(record.Susie_Dir_Path, "C:\\Susie\\表示\\plugins");

    const std::wstring tooLong(300, L'x');
    RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(tooLong.c_str()),
                   static_cast<DWORD>((tooLong.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(LookUpSusieFolder(record, registry), SusieFolderLookup::NotFound) << "a value that does not fit is a failed read";
    EXPECT_EQ(record.Susie_Dir_Path, "C:\\Susie\\表示\\plugins");
    RegCloseKey(key);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Halvecor");
}

TEST(WallpaperStyleRegistry, WritesBothValuesAsStrings) {
    Win32Registry registry;
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegCloseKey(key);
    const struct {
        int style;
        const wchar_t* tile;
        const wchar_t* stretch;
    } cases[] = {{kStyleCentre, L"0", L"0"}, {kStyleTile, L"1", L"0"}, {kStyleStretch, L"0", L"2"}, {9, L"0", L"0"}};
    for (const auto& example : cases) {
        ASSERT_EQ(WriteWallpaperStyle(registry, example.style), 1);
        DWORD type = 0;
        EXPECT_EQ(ReadString(L"Control Panel\\desktop", L"TileWallpaper", &type), example.tile) << example.style;
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(ReadString(L"Control Panel\\desktop", L"WallpaperStyle", &type), example.stretch) << example.style;
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    }
}

TEST(WallpaperStyleRegistry, FailsWhenTheKeyCannotBeOpened) {
    Win32Registry registry;
    EXPECT_FALSE(registry.WriteUserStrings("Software\\Pelaconf Test\\Missing", {{"a", "b"}}));
}

} // namespace
} // namespace pelaconf
