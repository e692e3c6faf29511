#pragma once
// The first-run wizard without its window: the steps it leads through, what each shows, where
// next and back lead, which page next validates, the pages it stores when it is complete, and
// what leaving it early does.

#include "resource.h"

#include <array>
#include <optional>
#include <string_view>

namespace pelaconf {

struct SettingsRecord;

inline constexpr char kWizardCancelQuestion[] =
    "初期設定は完了していません。\n初期設定ウィザードを終了してもよろしいですか？";
inline constexpr char kWizardNextText[] = "次へ(&N) >";
inline constexpr char kWizardFinishText[] = "完了";

// The settings pages the wizard shows, in the order in which it stores them when it is complete.
inline constexpr std::array<int, 5> kWizardPageTemplates{IDD_WALLPAPER_FOLDER, IDD_STARTUP, IDD_DISPLAY_ORDER,
                                                         IDD_DISPLAY_POSITION, IDD_SUSIE};

// The steps in the order the wizard leads through them. A step on the message page carries the
// number of the text it shows there.
enum class WizardStep {
    Welcome = 100,
    WallpaperFolder = 1,
    Startup = 2,
    DisplayOrder = 3,
    DisplayPosition = 4,
    SusieIntroduction = 101,
    Susie = 11,
    Closing = 102,
};

struct WizardStepRow {
    WizardStep step;
    int pageTemplateId; // the page shown: a settings page, or IDD_WIZARD_MESSAGE
    int messageNumber;  // the message page's text; 0 on a settings page
    bool backEnabled;
    std::string_view nextText;
};

const WizardStepRow& WizardStepRowOf(WizardStep step);

// The message page's texts: 100 welcome, 101 the Susie introduction, 102 closing; nothing for
// any other number.
std::optional<std::string_view> WizardMessageText(int number);

// What the wizard asks of its pages, named by their templates.
class WizardPages {
public:
    virtual ~WizardPages() = default;
    // True when the page's values may be stored; a page that refuses has told the user why.
    virtual bool Validate(int templateId) = 0;
    virtual void Store(int templateId) = 0;
};

enum class WizardNext { Moved, Stayed, Completed };

class WizardSteps {
public:
    WizardStep Current() const { return current_; }
    const WizardStepRow& CurrentRow() const { return WizardStepRowOf(current_); }

    // Moves on to the following step once the step's settings page, if it shows one, accepts its
    // values; on the closing step stores every page in order and reports the wizard complete.
    WizardNext Next(WizardPages& pages);
    // Goes back to the step before; the welcome step has nowhere to go back to.
    void Back();

private:
    WizardStep current_ = WizardStep::Welcome;
};

// Leaves the wizard unfinished, once the user has agreed: the plug-in catalogue's lists are
// emptied; the pages were never stored, so nothing else of the record changes.
void CancelWizard(SettingsRecord& record);

} // namespace pelaconf
