#include "pages/page_table_win.h"

#include "desktop/desktop_icon_page_win.h"
#include "pages/browser_neighbours_win.h"
#include "pages/display_order_page_win.h"
#include "pages/display_position_page_win.h"
#include "pages/external_program_page_win.h"
#include "pages/hotkey_page_win.h"
#include "pages/other_settings_page_win.h"
#include "pages/overview_page_win.h"
#include "pages/startup_page_win.h"
#include "pages/timer_page_win.h"
#include "pages/timer_stop_page_win.h"
#include "pages/tray_icon_page_win.h"
#include "pages/version_page_win.h"
#include "pages/wallpaper_folder_page_win.h"
#include "pages/wave_page_win.h"
#include "plugins/susie_page_win.h"
#include "resource.h"

namespace pelaconf {
namespace {

CreatedPage Overview(const PageServices& services, int templateId) {
    PageHost& host = services.host;
    return MakePage<OverviewPage>(templateId, [&host](int target) { host.SelectCategoryOf(target); });
}

constexpr PageRow kPages[] = {
    {"基本設定", kTopLevel, IDD_BASIC_OVERVIEW, Overview},
    {"壁紙フォルダ", IDD_BASIC_OVERVIEW, IDD_WALLPAPER_FOLDER,
     [](const PageServices& s, int) { return MakePage<WallpaperFolderPage>(s.record, s.files, s.messages); }},
    {"起動", IDD_BASIC_OVERVIEW, IDD_STARTUP,
     [](const PageServices& s, int) { return MakePage<StartupPage>(s.record); }},
    {"表示順", IDD_BASIC_OVERVIEW, IDD_DISPLAY_ORDER,
     [](const PageServices& s, int) { return MakePage<DisplayOrderPage>(s.record); }},
    {"表示位置", IDD_BASIC_OVERVIEW, IDD_DISPLAY_POSITION,
     [](const PageServices& s, int) { return MakePage<DisplayPositionPage>(s.record); }},
    {"自動壁紙変更", kTopLevel, IDD_AUTO_CHANGE_OVERVIEW, Overview},
    {"タイマ", IDD_AUTO_CHANGE_OVERVIEW, IDD_TIMER,
     [](const PageServices& s, int) { return MakePage<TimerPage>(s.record, s.messages); }},
    {"外部プログラム実行", IDD_AUTO_CHANGE_OVERVIEW, IDD_EXTERNAL_PROGRAM,
     [](const PageServices& s, int) { return MakePage<ExternalProgramPage>(s.record, s.messages); }},
    {"WAVEの演奏", IDD_AUTO_CHANGE_OVERVIEW, IDD_WAVE,
     [](const PageServices& s, int) { return MakePage<WavePage>(s.record, s.files, s.messages); }},
    {"タイマ停止", IDD_AUTO_CHANGE_OVERVIEW, IDD_TIMER_STOP,
     [](const PageServices& s, int) { return MakePage<TimerStopPage>(s.record); }},
    {"詳細設定", kTopLevel, IDD_DETAIL_OVERVIEW, Overview},
    {"Susieプラグイン", IDD_DETAIL_OVERVIEW, IDD_SUSIE,
     [](const PageServices& s, int) {
         return MakePage<SusiePage>(s.record, s.files, s.messages, s.registry, s.plugins);
     }},
    {"タスクトレイアイコン", IDD_DETAIL_OVERVIEW, IDD_TRAY_ICON,
     [](const PageServices& s, int) { return MakePage<TrayIconPage>(s.record); }},
    {"デスクトップアイコン", IDD_DETAIL_OVERVIEW, IDD_DESKTOP_ICON,
     [](const PageServices& s, int) { return MakePage<DesktopIconPage>(s.record); }},
    {"ホットキー", IDD_DETAIL_OVERVIEW, IDD_HOTKEY,
     [](const PageServices& s, int) { return MakePage<HotkeyPage>(s.record, s.messages); }},
    {"その他", IDD_DETAIL_OVERVIEW, IDD_OTHER,
     [](const PageServices& s, int) { return MakePage<OtherSettingsPage>(s.record, s.translucencyAvailable); }},
    {"壁紙変更", kTopLevel, IDD_WALLPAPER_BROWSER,
     [](const PageServices& s, int) {
         return MakePage<WallpaperBrowserPage>(BrowserServices{s.record, s.files, s.messages, s.processes, s.wallpaper},
                                               std::make_unique<NeighbourPages>(s.host));
     }},
    {"バージョン", kTopLevel, IDD_VERSION,
     [](const PageServices& s, int) { return MakePage<VersionPage>(s.messages); }},
};

} // namespace

std::span<const PageRow> PageTable() { return kPages; }

int PageIndexOf(int templateId) {
    for (size_t index = 0; index < std::size(kPages); ++index) {
        if (kPages[index].templateId == templateId) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

} // namespace pelaconf
