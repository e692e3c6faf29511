#pragma once
// The wallpaper browser's preview: the selected image decoded as a preview and drawn fitted into
// the page's picture frame.

#include "susie/image_object_win.h"

#include <windows.h>

#include <string>

namespace pelaconf {

class MessageBoxes;
struct SettingsRecord;

class BrowserPreview {
public:
    // Decodes the file through the decoding order; when it fails the user is told why and no
    // picture shows. True when the picture is ready.
    bool Show(const SettingsRecord& settings, MessageBoxes& messages, const std::string& path);
    // No picture shows until the next Show; Release also gives the decoded image back.
    void Hide() { ready_ = false; }
    void Release() { image_.ReleaseImage(); }
    bool Ready() const { return ready_; }
    void Paint(HDC dc, const RECT& frame);

private:
    ImageObject image_;
    bool ready_ = false;
};

} // namespace pelaconf
