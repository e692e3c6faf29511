#pragma once
// The start-up page: three check boxes for what Pelavine does when it starts.

#include "pages/model_page_win.h"
#include "pages/startup_page.h"

namespace pelaconf {

class StartupPage : public ModelPage<StartupModel> {
public:
    explicit StartupPage(SettingsRecord& record);
};

} // namespace pelaconf
