#pragma once
// What a freshly written Pelavine.ini holds: every key in the file's order with its default
// value, kept here as the tests expect it rather than taken from the program.

#include "settings/code_page.h"

#include <string>

namespace pelaconf {

// The text for a program installed in `folder`, in UTF-8 with CR LF line ends.
inline std::string DefaultSettingsText(const std::string& folder) {
    return "# Pelavine Version 1.2 設定ファイル\r\n"
           "[Wall_Dir_Path]=" +
           folder +
           "\r\n[Wall_Dir_Saike_Use]=0\r\n[Start_Exec_Type]=0\r\n"
           "[Start_ToolBar_Type]=0\r\n[Start_Exit_Type]=0\r\n[Turn_Type]=0\r\n[Rect_Type]=0\r\n[Rect_Fit]=0\r\n"
           "[Timer_Type]=0\r\n[Timer_Length]=10\r\n[Timer1_List]=\r\n[Timer2_List]=\r\n[Timer_Exec1_Start]=0\r\n"
           "[Timer_Exec2_Use]=0\r\n[Timer_Exec3_Use]=0\r\n[Timer_Exec_Path]=\r\n[Timer_Wave1_Start]=0\r\n"
           "[Timer_Wave2_Use]=0\r\n[Timer_Wave3_Use]=0\r\n[Timer_Wave_Path]=\r\n[Timer_Stop_FullScreen]=0\r\n"
           "[Susie_Use]=0\r\n[Susie_Dir_Path]=Empty\r\n[Left_Single]=0\r\n[Left_Double]=2\r\n[Icon_Trance]=0\r\n"
           "[HKey_ChgNormal]=0\r\n[HKey_ChgReverse]=0\r\n[HKey_ChgRandam]=0\r\n[HKey_ChgNone]=0\r\n"
           "[WaitDlg_Trans]=0\r\n[SetupDlg_Fade]=0\r\n";
}

// The same as it lies on disk, in Shift-JIS.
inline std::string DefaultSettingsFile(const std::string& folder) {
    return EncodeShiftJis(DefaultSettingsText(folder)).value_or("<folder not in Shift-JIS>");
}

} // namespace pelaconf
