#include "pages/tray_icon_page.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

TEST(TrayIconModel, EachActionIndexIsLoadedAndStoredUnchanged) {
    for (int action = 0; action < 8; ++action) {
        SettingsRecord record("C:\\Pelavine");
        record.Left_Single = action;
        record.Left_Double = 7 - action;
        TrayIconModel model;
        model.Load(record);
        SettingsRecord stored("C:\\Pelavine");
        model.Store(stored);
        EXPECT_EQ(stored.Left_Single, action);
        EXPECT_EQ(stored.Left_Double, 7 - action);
    }
    EXPECT_EQ(kTrayActions[2], "設定ダイアログ表示") << "Left_Double's default names the settings dialog";
}

TEST(TrayIconModel, AValueNamingNoActionLoadsAsNoneAndIsStoredAsMinusOne) {
    for (int stored : {8, 100, -1, -7}) {
        SettingsRecord record("C:\\Pelavine");
        record.Left_Single = 3;
        record.Left_Double = stored;
        TrayIconModel model;
        model.Load(record);
        EXPECT_EQ(model.leftDouble, kNoTrayAction) << stored;
        model.Store(record);
        EXPECT_EQ(record.Left_Double, -1) << stored;
        EXPECT_EQ(record.Left_Single, 3) << "the other list keeps its value";
    }
}

} // namespace
} // namespace pelaconf
