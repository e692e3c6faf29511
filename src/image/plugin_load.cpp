#include "image/plugin_load.h"

namespace pelaconf {

std::string HostNotStartedMessage(std::string_view hostProgram) {
    return "Susieプラグインを使うためのプログラム（" + std::string(hostProgram) +
           "）を起動できませんでした。\nPelaconfと同じフォルダにあるか確認してください。";
}

} // namespace pelaconf
