#pragma once
// What a page may use when it is made: the settings and the system services it works with, and
// the window that holds it. The settings window and the wizard give their pages the same services.

namespace pelaconf {

class FileSystem;
class MessageBoxes;
class PageDialog;
class PluginProbe;
class ProcessStarter;
class Registry;
class SettingsRecord;
struct WallpaperServices;

// What the window that holds the pages does for them.
class PageHost {
public:
    virtual ~PageHost() = default;
    // Selects the category of the page made from the template, as a click in the tree would.
    virtual void SelectCategoryOf(int templateId) = 0;
    // The window's page made from the template, made now if it is still missing; null for a
    // template without a page. No other page is made.
    virtual PageDialog* PageOf(int templateId) = 0;
};

struct PageServices {
    SettingsRecord& record;
    FileSystem& files;
    MessageBoxes& messages;
    ProcessStarter& processes;
    const Registry& registry;
    // Asks plug-ins what they decode, through the image work object.
    PluginProbe& plugins;
    PageHost& host;
    // Whether the system can make windows translucent.
    bool translucencyAvailable = false;
    // Applying a wallpaper with the program's image work object; null where pages cannot, which
    // leaves the browser's apply button without effect.
    const WallpaperServices* wallpaper = nullptr;
};

} // namespace pelaconf
