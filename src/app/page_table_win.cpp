#include "app/page_table_win.h"

#include "app/browser_neighbours_win.h"
#include "app/layered_window_library_win.h"
#include "app/overview_page_win.h"
#include "desktop/desktop_icon_page_win.h"
#include "pages/display_order_page_win.h"
#include "pages/display_position_page_win.h"
#include "pages/external_program_page_win.h"
#include "pages/hotkey_page_win.h"
#include "pages/other_settings_page_win.h"
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

CreatedPage Overview(const PageContext& context, int templateId) {
    return MakePage<OverviewPage>(templateId, context.selectCategory);
}

constexpr PageRow kPages[] = {
    {"基本設定", kTopLevel, IDD_BASIC_OVERVIEW, Overview},
    {"壁紙フォルダ", IDD_BASIC_OVERVIEW, IDD_WALLPAPER_FOLDER,
     [](const PageContext& c, int) {
         return MakePage<WallpaperFolderPage>(c.services.record, c.services.files, c.services.messages);
     }},
    {"起動", IDD_BASIC_OVERVIEW, IDD_STARTUP,
     [](const PageContext& c, int) { return MakePage<StartupPage>(c.services.record); }},
    {"表示順", IDD_BASIC_OVERVIEW, IDD_DISPLAY_ORDER,
     [](const PageContext& c, int) { return MakePage<DisplayOrderPage>(c.services.record); }},
    {"表示位置", IDD_BASIC_OVERVIEW, IDD_DISPLAY_POSITION,
     [](const PageContext& c, int) { return MakePage<DisplayPositionPage>(c.services.record); }},
    {"自動壁紙変更", kTopLevel, IDD_AUTO_CHANGE_OVERVIEW, Overview},
    {"タイマ", IDD_AUTO_CHANGE_OVERVIEW, IDD_TIMER,
     [](const PageContext& c, int) { return MakePage<TimerPage>(c.services.record, c.services.messages); }},
    {"外部プログラム実行", IDD_AUTO_CHANGE_OVERVIEW, IDD_EXTERNAL_PROGRAM,
     [](const PageContext& c, int) { return MakePage<ExternalProgramPage>(c.services.record, c.services.messages); }},
    {"WAVEの演奏", IDD_AUTO_CHANGE_OVERVIEW, IDD_WAVE,
     [](const PageContext& c, int) {
         return MakePage<WavePage>(c.services.record, c.services.files, c.services.messages);
     }},
    {"タイマ停止", IDD_AUTO_CHANGE_OVERVIEW, IDD_TIMER_STOP,
     [](const PageContext& c, int) { return MakePage<TimerStopPage>(c.services.record); }},
    {"詳細設定", kTopLevel, IDD_DETAIL_OVERVIEW, Overview},
    {"Susieプラグイン", IDD_DETAIL_OVERVIEW, IDD_SUSIE,
     [](const PageContext& c, int) {
         return MakePage<SusiePage>(c.services.record, c.services.files, c.services.messages, c.services.registry,
                                    c.services.plugins);
     }},
    {"タスクトレイアイコン", IDD_DETAIL_OVERVIEW, IDD_TRAY_ICON,
     [](const PageContext& c, int) { return MakePage<TrayIconPage>(c.services.record); }},
    {"デスクトップアイコン", IDD_DETAIL_OVERVIEW, IDD_DESKTOP_ICON,
     [](const PageContext& c, int) { return MakePage<DesktopIconPage>(c.services.record); }},
    {"ホットキー", IDD_DETAIL_OVERVIEW, IDD_HOTKEY,
     [](const PageContext& c, int) { return MakePage<HotkeyPage>(c.services.record, c.services.messages); }},
    {"その他", IDD_DETAIL_OVERVIEW, IDD_OTHER,
     [](const PageContext& c, int) {
         const bool layered = c.layeredWindows != nullptr && c.layeredWindows->Available();
         return MakePage<OtherSettingsPage>(c.services.record, layered);
     }},
    {"壁紙変更", kTopLevel, IDD_WALLPAPER_BROWSER,
     [](const PageContext& c, int) {
         const auto& s = c.services;
         return MakePage<WallpaperBrowserPage>(BrowserServices{s.record, s.files, s.messages, s.processes, c.wallpaper},
                                               std::make_unique<SettingsWindowNeighbours>(c.findPage));
     }},
    {"バージョン", kTopLevel, IDD_VERSION,
     [](const PageContext& c, int) { return MakePage<VersionPage>(c.services.messages); }},
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
