#include "pages/version_page.h"

#include "platform/message_boxes.h"
#include "platform/shell_opener.h"

namespace pelaconf {

std::string_view VersionHelpText() {
    return "本アプリケーションのバージョン情報です。\n"
           "\n"
           "ホームページURLをクリックすると、製作者のホームページを\n"
           "デフォルトブラウザで開きます。\n";
}

void OpenHomePage(ShellOpener& shell, MessageBoxes& messages) {
    if (!shell.Open(kHomePageAddress)) {
        messages.Show(kBrowserStartFailedMessage, MessageKind::Error);
    }
}

} // namespace pelaconf
