#include "desktop/desktop_icon_page.h"

#include "settings/settings_record.h"

namespace pelaconf {
namespace {

constexpr int kTransparentAfterChange = 1;
constexpr int kTransparentAlways = 2;

} // namespace

std::string_view DesktopIconHelpText() {
    return "デスクトップのアイコン文字の背景色を透明にする設定です。\n"
           "\n"
           "「壁紙変更後アイコン文字の背景を透明にする」チェックボックスに\n"
           "チェックが入っている場合、壁紙変更後にデスクトップのアイコン文字の\n"
           "背景を透明にします。\n"
           "\n"
           "「常駐中は常にアイコン文字の背景を透明にする」チェックボックスに\n"
           "チェックが入っている場合、デスクトップのアイコン文字の背景色を\n"
           "常に監視し、透明色が解除されたら直ちに透明に戻します。\n";
}

void DesktopIconModel::Load(const SettingsRecord& record) {
    afterChange = record.Icon_Trance == kTransparentAfterChange || record.Icon_Trance == kTransparentAlways ? 1 : 0;
    always = record.Icon_Trance == kTransparentAlways ? 1 : 0;
}

void DesktopIconModel::Store(SettingsRecord& record) const {
    record.Icon_Trance = (afterChange != 0 ? 1 : 0) + (always != 0 ? 1 : 0);
}

void DesktopIconModel::ApplyEnablingRule() {
    if (!AlwaysEnabled()) {
        always = 0;
    }
}

bool DesktopIconModel::ClickAfterChange() {
    ApplyEnablingRule();
    return true;
}

bool DesktopIconModel::ClickAlways() { return true; }

bool DesktopIconModel::Show() {
    ApplyEnablingRule();
    return false;
}

} // namespace pelaconf
