#include "app/categories.h"

namespace pelaconf {

const std::array<Category, kCategoryCount>& Categories() {
    static constexpr std::array<Category, kCategoryCount> kCategories{{
        {"基本設定", -1, 101},
        {"壁紙フォルダ", 0, 103},
        {"起動", 0, 105},
        {"表示順", 0, 106},
        {"表示位置", 0, 107},
        {"自動壁紙変更", -1, 108},
        {"タイマ", 5, 109},
        {"外部プログラム実行", 5, 110},
        {"WAVEの演奏", 5, 111},
        {"タイマ停止", 5, 112},
        {"詳細設定", -1, 113},
        {"Susieプラグイン", 10, 115},
        {"タスクトレイアイコン", 10, 117},
        {"デスクトップアイコン", 10, 118},
        {"ホットキー", 10, 152},
        {"その他", 10, 155},
        {"壁紙変更", -1, 114},
        {"バージョン", -1, 119},
    }};
    return kCategories;
}

std::string_view CaptionLabel(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= kCategoryCount) {
        return "エラー";
    }
    return Categories()[pageIndex].label;
}

} // namespace pelaconf
