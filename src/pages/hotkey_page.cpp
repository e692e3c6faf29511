#include "pages/hotkey_page.h"

#include "settings/settings_record.h"

namespace pelaconf {
namespace {

constexpr int kHotkeyCodeBits = 0xFFFF;

std::array<int, 4> KeysOf(const SettingsRecord& record) {
    return {record.HKey_ChgNormal, record.HKey_ChgReverse, record.HKey_ChgRandam, record.HKey_ChgNone};
}

} // namespace

std::string_view HotkeyHelpText() {
    return "特定のキーボードキーを押して壁紙を変更する設定です。\n"
           "\n"
           "それぞれの動作を割り当てるキーを入力して下さい。\n"
           "（キーは基本的にALTキーと組み合わせて入力して下さい。）\n"
           "\n"
           "※ホットキーの使用には「Pelavine」を常駐している必要があります。\n"
           "※既に他の機能を割り当てられているキーを設定すると、\n"
           "　壁紙変更出来なかったり、元の機能も動作しなくなる可能性があります。\n";
}

void HotkeyModel::Load(const SettingsRecord& record) {
    keys = KeysOf(record);
    for (int& key : keys) {
        key &= kHotkeyCodeBits;
    }
}

void HotkeyModel::Store(SettingsRecord& record) const {
    record.HKey_ChgNormal = keys[0];
    record.HKey_ChgReverse = keys[1];
    record.HKey_ChgRandam = keys[2];
    record.HKey_ChgNone = keys[3];
}

bool HotkeyModel::HasSharedKey() const {
    for (size_t i = 0; i < keys.size(); ++i) {
        for (size_t j = i + 1; j < keys.size(); ++j) {
            if (keys[i] != 0 && keys[i] == keys[j]) {
                return true;
            }
        }
    }
    return false;
}

HotkeyCheck HotkeyModel::Validate(const SettingsRecord& record) const {
    if (HasSharedKey()) {
        return HotkeyCheck::SharedKey;
    }
    return keys == KeysOf(record) ? HotkeyCheck::Unchanged : HotkeyCheck::Changed;
}

} // namespace pelaconf
