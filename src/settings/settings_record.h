#pragma once
// The one in-memory record of every setting of Pelavine.ini. The field names are the keys of the
// file.

#include "settings/plugin_entry.h"

#include <string>
#include <vector>

namespace pelaconf {

struct SettingsRecord {
    // moduleFolder: the folder of the running executable, without a trailing backslash.
    explicit SettingsRecord(std::string moduleFolder);

    std::string moduleFolder;

    std::string Wall_Dir_Path;
    int Wall_Dir_Saike_Use = 0;
    int Start_Exec_Type = 0;
    int Start_ToolBar_Type = 0;
    int Start_Exit_Type = 0;
    int Turn_Type = 0;
    int Rect_Type = 0;
    int Rect_Fit = 0;
    int Timer_Type = 0;
    int Timer_Length = 10;
    std::string Timer1_List;
    std::string Timer2_List;
    int Timer_Exec1_Start = 0;
    int Timer_Exec2_Use = 0;
    int Timer_Exec3_Use = 0;
    std::string Timer_Exec_Path;
    int Timer_Wave1_Start = 0;
    int Timer_Wave2_Use = 0;
    int Timer_Wave3_Use = 0;
    std::string Timer_Wave_Path;
    int Timer_Stop_FullScreen = 0;
    int Susie_Use = 0;
    std::string Susie_Dir_Path = "Empty";
    int Left_Single = 0;
    int Left_Double = 2;
    int Icon_Trance = 0;
    int HKey_ChgNormal = 0;
    int HKey_ChgReverse = 0;
    int HKey_ChgRandam = 0;
    int HKey_ChgNone = 0;
    int WaitDlg_Trans = 0;
    int SetupDlg_Fade = 0;

    // One entry per SPI line, in file order.
    PluginEntries pluginPriorityList;
    std::string wallpaperBitmapPath;

    std::string SettingsFilePath() const;
    std::string ShuffleListPath() const;
};

} // namespace pelaconf
