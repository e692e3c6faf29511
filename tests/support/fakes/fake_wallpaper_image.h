#pragma once
// An image work object for the core's tests: every loader "decodes" to a size the test sets, and
// plug-ins load only when the test names them.

#include "image/wallpaper_image.h"

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pelaconf::testing {

class FakeWallpaperImage : public WallpaperImage {
public:
    // The size a load gives; empty makes every load fail.
    std::optional<Size> decodedSize{Size{800, 600}};
    // The plug-in paths that load; each decodes as the library's own loaders do.
    std::set<std::string> plugins;
    bool saveSucceeds = true;
    // The host program that cannot be started, for every plug-in; empty when hosts start.
    std::string hostNotStarted;

    std::optional<Size> held;
    // Every file a loader, the library's or a plug-in's, was asked to decode.
    std::vector<std::string> loaded;
    // Path and fit mode of every save.
    std::vector<std::pair<std::string, int>> saves;
    // What each load was asked to fit to: the size the fitting gave for the decoded size, or
    // empty when no fitting was asked for.
    std::vector<std::optional<Size>> fittedSizes;

    PluginLoad LoadPlugin(const std::string& path) override {
        if (!hostNotStarted.empty()) {
            plugin_.clear();
            return {false, hostNotStarted};
        }
        plugin_ = plugins.count(path) != 0 ? path : std::string();
        return {!plugin_.empty(), {}};
    }
    int FreePlugin() override {
        const bool hadPlugin = !plugin_.empty();
        plugin_.clear();
        return hadPlugin ? 1 : 0;
    }
    int LoadViaPlugin(const std::string& path, int) override {
        if (plugin_.empty()) {
            held.reset();
            return 0;
        }
        return Load(path);
    }
    int LoadBmp(const std::string& path) override { return Load(path); }
    int LoadJpeg(const std::string& path) override { return Load(path); }
    int LoadGif(const std::string& path) override { return Load(path); }
    int LoadPng(const std::string& path) override { return Load(path); }
    std::optional<Size> HeldImageSize() const override { return held; }
    void FitWhileLoading(FittedSizeFor fittedSizeFor) override { fitWhileLoading_ = std::move(fittedSizeFor); }
    int SaveBitmap(const std::string& path, int fitMode) override {
        saves.emplace_back(path, fitMode);
        held.reset();
        return saveSucceeds ? 1 : 0;
    }

private:
    int Load(const std::string& path) {
        loaded.push_back(path);
        fittedSizes.push_back(fitWhileLoading_ && decodedSize ? fitWhileLoading_(*decodedSize) : std::nullopt);
        held = decodedSize;
        return held ? 1 : 0;
    }

    std::string plugin_;
    FittedSizeFor fitWhileLoading_;
};

} // namespace pelaconf::testing
