#include "pages/other_settings_page.h"

#include "settings/settings_record.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace pelaconf {
namespace {

constexpr int kOpaque = 255;

// Rounds up for both signs (C++ division rounds towards zero).
int64_t DivideRoundingUp(int64_t dividend, int64_t divisor) {
    const int64_t quotient = dividend / divisor;
    return quotient * divisor < dividend ? quotient + 1 : quotient;
}

} // namespace

std::string_view OtherSettingsHelpText() {
    return "Pelavineの動作に関する設定です。\n"
           "\n"
           "「設定ダイアログのフェード効果を有効にする」チェックボックスに\n"
           "チェックが入っている場合、設定ダイアログを表示・閉じるときに\n"
           "フェードします（Win2000/XPのみ）。\n"
           "\n"
           "「壁紙変更時に「変更中ウィンドウ」を表示する」チェックボックスに\n"
           "チェックが入っている場合、壁紙変更処理中にそれをお知らせする\n"
           "ウィンドウを表示します。\n"
           "Win2000/XPの場合、「変更中ウィンドウ」の透明度を指定できます。\n";
}

std::string TransparencyText(int transparency) {
    char text[32];
    std::snprintf(text, sizeof text, "透明度 %2d %%", transparency);
    return text;
}

// Computed in 64 bits: a stored value of any size gives a position instead of overflowing.
int TransparencyFromOpacity(int opacity) {
    const int64_t position = 100 - DivideRoundingUp(int64_t{opacity} * 100, kOpaque);
    return static_cast<int>(std::clamp<int64_t>(position, 0, kMaxTransparency));
}

int OpacityFromTransparency(int transparency) {
    return (100 - std::clamp(transparency, 0, kMaxTransparency)) * kOpaque / 100;
}

void OtherSettingsModel::Load(const SettingsRecord& record) {
    fade = layeredWindows && record.SetupDlg_Fade == 1 ? 1 : 0;
    waitWindow = record.WaitDlg_Trans > 0 ? 1 : 0;
    transparency = layeredWindows ? TransparencyFromOpacity(record.WaitDlg_Trans) : 0;
}

void OtherSettingsModel::Store(SettingsRecord& record) const {
    record.SetupDlg_Fade = layeredWindows && fade != 0 ? 1 : 0;
    record.WaitDlg_Trans = waitWindow != 0 ? OpacityFromTransparency(transparency) : 0;
}

void OtherSettingsModel::SetTransparency(int position) { transparency = std::clamp(position, 0, kMaxTransparency); }

void OtherSettingsModel::ApplyEnablingRule() {
    if (!TransparencyEnabled()) {
        transparency = 0;
    }
}

} // namespace pelaconf
