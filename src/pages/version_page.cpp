#include "pages/version_page.h"

#include "platform/shell_opener.h"

namespace pelaconf {

std::string_view VersionHelpText() {
    return "本アプリケーションのバージョン情報です。\n"
           "\n"
           "ホームページURLをクリックすると、製作者のホームページを\n"
           "デフォルトブラウザで開きます。\n";
}

HomePageOpening OpenHomePage(ShellOpener& shell) {
    return shell.Open(kHomePageAddress) ? HomePageOpening::Opened : HomePageOpening::BrowserFailed;
}

} // namespace pelaconf
