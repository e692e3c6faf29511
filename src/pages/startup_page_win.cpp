#include "pages/startup_page_win.h"

namespace pelaconf {

StartupPage::StartupPage(SettingsRecord& record)
    : ModelPage(IDD_STARTUP, record, StartupHelpText(),
                {
                    BindCheckBox(IDC_START_CHANGE_WALLPAPER, &StartupModel::changeWallpaper),
                    BindCheckBox(IDC_START_SHOW_TOOLBAR, &StartupModel::showToolBar),
                    BindCheckBox(IDC_START_EXIT_AT_ONCE, &StartupModel::exitAtOnce),
                }) {}

} // namespace pelaconf
