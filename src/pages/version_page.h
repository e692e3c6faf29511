#pragma once
// The version page's one action: opening the home page in the default browser.

#include <string_view>

namespace pelaconf {

class ShellOpener;

// The home page: the link shows this address and opens it.
inline constexpr char kHomePageAddress[] = "https://www.example.com/pelavine/";
inline constexpr char kBrowserStartFailedMessage[] = "ブラウザの起動に失敗しました。";

std::string_view VersionHelpText();

enum class HomePageOpening { Opened, BrowserFailed };

// Opens the home page through the shell.
HomePageOpening OpenHomePage(ShellOpener& shell);

} // namespace pelaconf
