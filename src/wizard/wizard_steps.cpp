#include "wizard/wizard_steps.h"

#include "settings/settings_record.h"

#include <stdexcept>

namespace pelaconf {
namespace {

using enum WizardStep;

// In the order of the steps: next goes to the following row, back to the one before.
constexpr WizardStepRow kSteps[] = {
    // step, page, message, back enabled, next text
    {Welcome, IDD_WIZARD_MESSAGE, 100, false, kWizardNextText},
    {WallpaperFolder, IDD_WALLPAPER_FOLDER, 0, true, kWizardNextText},
    {Startup, IDD_STARTUP, 0, true, kWizardNextText},
    {DisplayOrder, IDD_DISPLAY_ORDER, 0, true, kWizardNextText},
    {DisplayPosition, IDD_DISPLAY_POSITION, 0, true, kWizardNextText},
    {SusieIntroduction, IDD_WIZARD_MESSAGE, 101, true, kWizardNextText},
    {Susie, IDD_SUSIE, 0, true, kWizardNextText},
    {Closing, IDD_WIZARD_MESSAGE, 102, true, kWizardFinishText},
};

size_t RowIndexOf(WizardStep step) {
    for (size_t index = 0; index < std::size(kSteps); ++index) {
        if (kSteps[index].step == step) {
            return index;
        }
    }
    throw std::logic_error("a wizard step without a row");
}

constexpr char kWelcomeText[] = "Pelavine をお使い頂き、ありがとうございます。\n"
                                "\n\n"
                                "このウィザードは、初回起動時のみ表示します。\n"
                                "\n"
                                "Pelavine に必要最小限の情報を設定します。\n"
                                "ここで設定した内容は後から変更可能です。\n";
constexpr char kSusieIntroductionText[] = "基本的な動作の設定は終了しました。\n"
                                          "\n"
                                          "続けて Susieプラグインの設定を行います。\n"
                                          "Susieプラグインを使用するように設定すれば、\n"
                                          "BMP JPEG GIF PNG 以外の画像も壁紙にすることができます。\n"
                                          "\n"
                                          "（Susieプラグインについてよく分からない方はとりあえず何も設定せずに\n"
                                          "飛ばして頂いても構いません。また後から再設定可能です。）\n";
constexpr char kClosingText[] = "これで初期設定は完了です。\n"
                                "\n"
                                "「完了」ボタンを押すとウィザードを閉じ、通常の設定ダイアログに戻ります。\n";

} // namespace

const WizardStepRow& WizardStepRowOf(WizardStep step) { return kSteps[RowIndexOf(step)]; }

std::optional<std::string_view> WizardMessageText(int number) {
    switch (number) {
    case 100: return kWelcomeText;
    case 101: return kSusieIntroductionText;
    case 102: return kClosingText;
    default: return std::nullopt;
    }
}

WizardNext WizardSteps::Next(WizardPages& pages) {
    const WizardStepRow& row = CurrentRow();
    if (row.step == Closing) {
        for (const int templateId : kWizardPageTemplates) {
            pages.Store(templateId);
        }
        return WizardNext::Completed;
    }
    if (row.pageTemplateId != IDD_WIZARD_MESSAGE && !pages.Validate(row.pageTemplateId)) {
        return WizardNext::Stayed;
    }
    current_ = kSteps[RowIndexOf(current_) + 1].step;
    return WizardNext::Moved;
}

void WizardSteps::Back() {
    if (const size_t index = RowIndexOf(current_); index > 0) {
        current_ = kSteps[index - 1].step;
    }
}

void CancelWizard(SettingsRecord& record) { record.pluginPriorityList.clear(); }

} // namespace pelaconf
