// Which loader decodes a file: plug-ins by priority, then the library's own loaders.
#include "image/decoding_order.h"
#include "image/plugins_past_their_limit.h"
#include "settings/plugin_entry.h"
#include "plugin_entry_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace pelaconf {
namespace {

// Records every call; plug-ins named in `decoding` decode, the others fail; paths in
// `unloadable` do not load; built-in loaders succeed unless `builtInFails`.
class FakeLoader : public ImageLoader {
public:
    std::set<std::string> decoding;
    std::set<std::string> unloadable;
    // Plug-ins whose host program cannot be started, and its name.
    std::set<std::string> hostless;
    bool builtInFails = false;
    std::vector<std::string> calls;

    PluginLoad LoadPlugin(const std::string& path) override {
        calls.push_back("load " + path);
        if (hostless.count(path)) {
            loaded_.clear();
            return {false, "PelaconfPluginHost32.exe"};
        }
        loaded_ = unloadable.count(path) ? "" : path;
        return {!loaded_.empty(), {}};
    }
    int FreePlugin() override {
        calls.push_back("free");
        loaded_.clear();
        return 1;
    }
    int LoadViaPlugin(const std::string&, int pictureMode) override {
        calls.push_back("decode mode " + std::to_string(pictureMode));
        return decoding.count(loaded_) ? 1 : 0;
    }
    int LoadBmp(const std::string&) override { return BuiltIn("bmp"); }
    int LoadJpeg(const std::string&) override { return BuiltIn("jpeg"); }
    int LoadGif(const std::string&) override { return BuiltIn("gif"); }
    int LoadPng(const std::string&) override { return BuiltIn("png"); }

private:
    int BuiltIn(const std::string& kind) {
        calls.push_back("built-in " + kind);
        return builtInFails ? 0 : 1;
    }
    std::string loaded_;
};

SettingsRecord WithPlugins(const std::vector<std::string>& entries, int susieUse = 1) {
    SettingsRecord settings("C:\\Pelavine");
    settings.Susie_Use = susieUse;
    for (const std::string& entry : entries) {
        settings.pluginPriorityList.push_back(ParsePluginEntry(entry));
    }
    return settings;
}

using Calls = std::vector<std::string>;

TEST(PluginLookup, TheFiveBuiltInExtensionsInAnyCase) {
    const SettingsRecord settings = WithPlugins({"pi.00.C:\\a.spi"}, 0);
    for (const char* extension : {"bmp", "jpg", "jpeg", "gif", "png", "JPG", "Png", "bMp"}) {
        EXPECT_EQ(IsSupportedExtension(settings, extension), 1) << extension;
    }
    EXPECT_EQ(IsSupportedExtension(settings, "pi"), 0) << "plug-ins are off";
    EXPECT_EQ(IsSupportedExtension(settings, "tif"), 0);
    EXPECT_EQ(IsSupportedExtension(settings, ""), 0);
}

TEST(PluginLookup, PluginExtensionsCountOnlyWhilePluginsAreUsed) {
    const SettingsRecord settings = WithPlugins({"pi.00.C:\\a.spi", "mag.03.C:\\b.spi"});
    EXPECT_EQ(IsSupportedExtension(settings, "PI"), 1);
    EXPECT_EQ(IsSupportedExtension(settings, "mag"), 1);
    EXPECT_EQ(IsSupportedExtension(settings, "ma"), 0);
}

TEST(PluginLookup, FindsTheFirstEntryOfTheExtensionWithThePriority) {
    const SettingsRecord settings = WithPlugins({"jpg.01.C:\\one.spi", "JPG.00.C:\\zero.spi", "jpg.00.C:\\second.spi",
                                                 "gif.02.C:\\x.y\\g.spi", "pic.5.C:\\odd.spi", "bad.xx.C:\\bad.spi"});
    EXPECT_EQ(FindPluginForExtension(settings, "jpg", 0), "C:\\zero.spi");
    EXPECT_EQ(FindPluginForExtension(settings, "Jpg", 1), "C:\\one.spi");
    EXPECT_EQ(FindPluginForExtension(settings, "jpg", 2), "");
    EXPECT_EQ(FindPluginForExtension(settings, "gif", 2), "C:\\x.y\\g.spi");
    // An entry whose priority is not two digits reads as "00" with the rest as its path.
    EXPECT_EQ(FindPluginForExtension(settings, "pic", 0), "5.C:\\odd.spi");
    // An unreadable priority counts as 0.
    EXPECT_EQ(FindPluginForExtension(settings, "bad", 0), "C:\\bad.spi");
    EXPECT_EQ(FindPluginForExtension(WithPlugins(testing::EntryTexts(settings.pluginPriorityList), 0), "jpg", 0), "");
}

TEST(PluginLookup, APriorityConvertsAsAtoiDoes) {
    const SettingsRecord settings =
        WithPlugins({"jpg.-1.C:\\minus.spi", "jpg. 1.C:\\blank.spi", "gif.+2.C:\\plus.spi"});
    EXPECT_EQ(FindPluginForExtension(settings, "jpg", 0), "") << "-1 is no priority from 0 to 99";
    EXPECT_EQ(FindPluginForExtension(settings, "jpg", 1), "C:\\blank.spi");
    EXPECT_EQ(FindPluginForExtension(settings, "gif", 2), "C:\\plus.spi");
    EXPECT_EQ(FindPluginForExtension(settings, "gif", 0), "");
}

TEST(DecodingOrder, TheFirstPriorityThatDecodesWins) {
    const SettingsRecord settings = WithPlugins({"gif.01.B.spi", "gif.00.A.spi", "gif.02.C.spi"});
    FakeLoader loader;
    loader.decoding = {"B.spi", "C.spi"};
    EXPECT_EQ(DecodeImage(settings, "x.gif", loader, {}).outcome, DecodeOutcome::Loaded);
    EXPECT_EQ(loader.calls, (Calls{"load A.spi", "decode mode 0", "free", "load B.spi", "decode mode 0", "free"}));
}

TEST(DecodingOrder, FailingPluginsHandOverToTheBuiltInLoader) {
    const SettingsRecord settings = WithPlugins({"gif.00.A.spi", "gif.01.B.spi"});
    FakeLoader loader;
    EXPECT_EQ(DecodeImage(settings, "x.GIF", loader, {1, true, {}}).outcome, DecodeOutcome::Loaded);
    EXPECT_EQ(loader.calls, (Calls{"free", "load A.spi", "decode mode 1", "free", "free", "load B.spi", "decode mode 1",
                                   "free", "built-in gif"}));
    loader.builtInFails = true;
    EXPECT_EQ(DecodeImage(settings, "x.gif", loader, {}).outcome, DecodeOutcome::BuiltInLoaderFailed);
}

TEST(DecodingOrder, ALonePriority01IsNeverUsed) {
    const SettingsRecord settings = WithPlugins({"gif.01.B.spi", "pi.01.B.spi"});
    FakeLoader loader;
    loader.decoding = {"B.spi"};
    EXPECT_EQ(DecodeImage(settings, "x.gif", loader, {}).outcome, DecodeOutcome::Loaded);
    EXPECT_EQ(loader.calls, Calls{"built-in gif"});
    loader.calls.clear();
    EXPECT_EQ(DecodeImage(settings, "x.pi", loader, {}).outcome, DecodeOutcome::NoLoader);
    EXPECT_TRUE(loader.calls.empty());
}

// Other tests in this process never name this plug-in, since the note lasts for the whole run.
TEST(DecodingOrder, APluginPastItsLimitIsPassedByForTheRestOfTheRun) {
    NotePluginPastItsLimit("PastItsLimit.spi");
    FakeLoader loader;
    loader.decoding = {"PastItsLimit.spi", "B.spi"};
    const SettingsRecord settings = WithPlugins({"gif.00.PastItsLimit.spi", "gif.01.B.spi", "pi.00.PastItsLimit.spi"});
    for (int picture = 0; picture < 2; ++picture) {
        EXPECT_EQ(DecodeImage(settings, "x.gif", loader, {}).outcome, DecodeOutcome::Loaded);
    }
    EXPECT_EQ(loader.calls, (Calls{"load B.spi", "decode mode 0", "free", "load B.spi", "decode mode 0", "free"}));
    loader.calls.clear();
    EXPECT_EQ(DecodeImage(settings, "x.pi", loader, {}).outcome, DecodeOutcome::PluginsFailed);
    EXPECT_TRUE(loader.calls.empty());
}

TEST(DecodingOrder, PluginsFailedWithoutABuiltInLoader) {
    const SettingsRecord settings = WithPlugins({"pi.00.A.spi", "pi.01.Missing.spi"});
    FakeLoader loader;
    loader.unloadable = {"Missing.spi"};
    EXPECT_EQ(DecodeImage(settings, "C:\\my.dir\\x.pi", loader, {}).outcome, DecodeOutcome::PluginsFailed);
    EXPECT_EQ(loader.calls, (Calls{"load A.spi", "decode mode 0", "free", "load Missing.spi"}))
        << "a plug-in that does not load is skipped";
}

TEST(DecodingOrder, NoLoaderForUnknownExtensionsOrWhenPluginsAreOff) {
    FakeLoader loader;
    EXPECT_EQ(DecodeImage(WithPlugins({}), "C:\\my.dir\\photo", loader, {}).outcome, DecodeOutcome::NoLoader);
    EXPECT_EQ(DecodeImage(WithPlugins({"tif.00.A.spi"}, 0), "x.tif", loader, {}).outcome, DecodeOutcome::NoLoader);
    EXPECT_EQ(DecodeImage(WithPlugins({"jpg.00.A.spi"}, 0), "x.jpg", loader, {}).outcome, DecodeOutcome::Loaded);
    EXPECT_EQ(loader.calls, Calls{"built-in jpeg"}) << "with plug-ins off JPEG goes straight to the library";
}

TEST(DecodingOrder, AHundredFailingPluginsExhaustTheOrder) {
    std::vector<std::string> entries;
    for (int n = 0; n <= 100; ++n) {
        entries.push_back("jpg." + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".P" + std::to_string(n));
    }
    FakeLoader loader;
    int phaseEnded = 0;
    const DecodeOptions options{0, false, [&] { ++phaseEnded; }};
    EXPECT_EQ(DecodeImage(WithPlugins(entries), "x.jpg", loader, options).outcome, DecodeOutcome::PluginsExhausted);
    EXPECT_EQ(loader.calls.size(), 300u) << "priorities 00 to 99, and no built-in loader";
    EXPECT_EQ(loader.calls.back(), "free");
    EXPECT_EQ(phaseEnded, 1);
}

// A host that cannot be started is no failing plug-in: the decoding stops there and names it,
// and neither a later plug-in nor the library's own loader is tried in its place.
TEST(DecodingOrder, AHostThatCannotStartEndsTheDecodingAndIsNamed) {
    struct Case {
        std::vector<std::string> entries;
        std::string path;
        std::string hostless;
        Calls calls;
    };
    const Case cases[] = {
        {{"gif.00.A.spi", "gif.01.B.spi"}, "x.gif", "A.spi", {"load A.spi"}},
        {{"pi.00.A.spi", "pi.01.B.spi"}, "x.pi", "B.spi", {"load A.spi", "decode mode 0", "free", "load B.spi"}},
    };
    for (const Case& each : cases) {
        FakeLoader loader;
        loader.hostless = {each.hostless};
        const DecodeResult decoded = DecodeImage(WithPlugins(each.entries), each.path, loader, {});
        EXPECT_EQ(decoded.outcome, DecodeOutcome::HostNotStarted) << each.path;
        EXPECT_EQ(decoded.hostNotStarted, "PelaconfPluginHost32.exe");
        EXPECT_EQ(loader.calls, each.calls);
    }
}

} // namespace
} // namespace pelaconf
