#include "settings/settings_record.h"

#include <utility>

namespace pelaconf {

SettingsRecord::SettingsRecord(std::string folder)
    : moduleFolder(std::move(folder)), Wall_Dir_Path(moduleFolder),
      wallpaperBitmapPath(moduleFolder + "\\Wallpaper.bmp") {}

std::string SettingsRecord::SettingsFilePath() const { return moduleFolder + "\\Pelavine.ini"; }

std::string SettingsRecord::ShuffleListPath() const { return moduleFolder + "\\Shuffle.ini"; }

} // namespace pelaconf
