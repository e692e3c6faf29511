#pragma once
// The tray icon page: what single and double left clicks on Pelavine's tray icon do, beside
// Pelavine's tray picture.

#include "pages/model_page_win.h"
#include "pages/tray_icon_page.h"
#include "susie/image_object_win.h"

namespace pelaconf {

class TrayIconPage : public ModelPage<TrayIconModel> {
public:
    explicit TrayIconPage(SettingsRecord& record);

protected:
    bool OnInit() override;
    bool OnPaint() override;

private:
    // The tray picture, loaded once; none when the file is missing or unreadable.
    ImageObject picture_;
};

} // namespace pelaconf
