// A Susie plug-in module on its own, with our PNM test plug-in: who owns the loaded module, and
// what decoding through it gives.
#include "susie/plugin_module_win.h"
#include "susie/plugin_call_limits.h"
#include "susie/plugin_host_client_win.h"
#include "susie/plugin_survey_win.h"

#include "image_test_support.h"

#include <algorithm>
#include <set>
#include <utility>

namespace pelaconf {
namespace {

const std::string kColourBinary =
    std::string("P6 3 2 255\n") + std::string("\xFF\0\0\0\xFF\0\0\0\xFF\0\0\0\xFF\xFF\xFF\x0A\x14\x1E", 18);

class PluginModuleTest : public ScratchFolderTest {};

TEST_F(PluginModuleTest, TheModuleRunsInItsHostAndMovingHandsItOver) {
    PluginModule first;
    ASSERT_TRUE(first.Load(TestPlugin("pnm")));
    EXPECT_EQ(GetModuleHandleW(L"pnm.spi"), nullptr) << "no plug-in runs in this process";
    PluginModule second(std::move(first));
    EXPECT_FALSE(first.IsLoaded());
    ASSERT_TRUE(second.IsLoaded());
    PluginDescription description;
    EXPECT_EQ(second.Query(description), kQueryImportFilter);
    EXPECT_EQ(description.description, "PNM test filter 1.0");
    EXPECT_EQ(first.Query(description), kQueryNoModule);
    EXPECT_EQ(first.Free(), 0);
    EXPECT_EQ(second.Free(), 1);
    EXPECT_EQ(second.Free(), 0) << "unloaded once";
    EXPECT_FALSE(second.Load(Write("text.spi", "MZ but no module"))) << "neither i686 nor x86_64";
}

// What each call gives through a plug-in that misbehaves: a fault or a hang fails that call (and
// the module's later calls) only.
struct BrokenPlugin {
    const char* name;
    bool loads;
    int query;
    bool decodes;
};

void ExpectCallsFail(const BrokenPlugin& plugin, const std::string& picture) {
    SCOPED_TRACE(plugin.name);
    PluginModule module;
    ASSERT_EQ(static_cast<bool>(module.Load(TestPlugin(plugin.name))), plugin.loads);
    if (!plugin.loads) {
        return;
    }
    PluginDescription description;
    EXPECT_EQ(module.Query(description), plugin.query);
    EXPECT_EQ(module.Decode(picture, kPicturePreviewFirst).has_value(), plugin.decodes);
    module.Free();
    PluginModule good;
    ASSERT_TRUE(good.Load(TestPlugin("pnm")));
    EXPECT_TRUE(good.Decode(picture, kPictureFull).has_value()) << "a good plug-in still works after";
}

TEST_F(PluginModuleTest, APluginThatFaultsFailsOnlyItsOwnCalls) {
    const std::string picture = Write("p6.ppm", kColourBinary);
    const BrokenPlugin plugins[] = {
        {"pnm_faults_in_main", false, 0, false},
        {"pnm_faults_in_info", true, kQueryFailed, false},
        {"pnm_faults_in_supported", true, kQueryImportFilter, false},
        {"pnm_faults_in_picture", true, kQueryImportFilter, false},
        // Writing past the information buffer lands in its slack; the texts are as written.
        {"pnm_info_overrun", true, kQueryImportFilter, true},
    };
    for (const BrokenPlugin& plugin : plugins) {
        ExpectCallsFail(plugin, picture);
    }
}

TEST_F(PluginModuleTest, APluginThatNeverReturnsIsEndedAtTheCallsLimit) {
    const std::string picture = Write("p6.ppm", kColourBinary);
    const BrokenPlugin plugins[] = {
        {"pnm_hangs_in_main", false, 0, false},
        {"pnm_hangs_in_info", true, kQueryFailed, false},
        {"pnm_hangs_in_supported", true, kQueryImportFilter, false},
        {"pnm_hangs_in_picture", true, kQueryImportFilter, false},
    };
    for (const BrokenPlugin& plugin : plugins) {
        ExpectCallsFail(plugin, picture);
    }
}

TEST_F(PluginModuleTest, OneHandleForBothBlocksIsFreedOnce) {
    PluginModule module;
    ASSERT_TRUE(module.Load(TestPlugin("pnm_shared_block")));
    const std::string picture = Write("p6.ppm", kColourBinary);
    // The one block serves for the pixels too, so they are the first bytes of its header (biSize
    // 40, biWidth 3): read each time before the block was freed, and the block freed only once,
    // or a later call would find the host's heap broken.
    const std::string headerAsPixels("\x28\0\0\0\x03\0\0\0", 8);
    constexpr size_t kPixelOffset = 14 + 40;
    for (int call = 0; call < 3; ++call) {
        const std::optional<std::string> file = module.Decode(picture, kPictureFull);
        ASSERT_TRUE(file.has_value()) << call;
        const BmpDecodeResult decoded = DecodeBmp(*file);
        EXPECT_EQ(decoded.error, BmpError::None) << call;
        EXPECT_EQ(decoded.picture.width, 3) << call;
        EXPECT_EQ(decoded.picture.height, 2) << call;
        EXPECT_EQ(file->substr(kPixelOffset, headerAsPixels.size()), headerAsPixels) << call;
    }
    PluginDescription description;
    EXPECT_EQ(module.Query(description), kQueryImportFilter) << "the host is still up";
    EXPECT_EQ(module.Free(), 1);
}

TEST_F(PluginModuleTest, DecodingGivesACompleteBmpFileImageOrNothing) {
    const std::string picture = Write("p6.ppm", kColourBinary);
    PluginModule module;
    EXPECT_EQ(module.Decode(picture, kPictureFull), std::nullopt) << "no module";
    ASSERT_TRUE(module.Load(TestPlugin("pnm")));
    for (const int mode : {kPictureFull, kPicturePreviewFirst}) {
        const std::optional<std::string> file = module.Decode(picture, mode);
        ASSERT_TRUE(file.has_value()) << mode;
        const BmpDecodeResult decoded = DecodeBmp(*file);
        EXPECT_EQ(decoded.error, BmpError::None);
        EXPECT_EQ(decoded.picture.width, 3);
        EXPECT_EQ(decoded.picture.height, 2);
    }
    EXPECT_EQ(module.Decode(PathOf("missing.ppm"), kPictureFull), std::nullopt);
    EXPECT_EQ(module.Decode(Write("bad.ppm", "P6 3 2 255\nshort"), kPictureFull), std::nullopt);
}

// Above the size the host hands over in shared memory rather than on the pipe.
TEST_F(PluginModuleTest, ALargePictureComesWholeThroughSharedMemory) {
    constexpr int kWidth = 800, kHeight = 500;
    std::string samples(kWidth * kHeight * 3, '\0');
    for (size_t at = 0; at < samples.size(); ++at) {
        samples[at] = static_cast<char>(at * 7 % 251);
    }
    const std::string picture = Write("big.ppm", "P6 800 500 255\n" + samples);
    PluginModule module;
    ASSERT_TRUE(module.Load(TestPlugin("pnm")));
    const std::optional<std::string> file = module.Decode(picture, kPictureFull);
    ASSERT_TRUE(file.has_value());
    ASSERT_GE(file->size(), kSharedBlockFromBytes);
    const BmpDecodeResult decoded = DecodeBmp(*file);
    ASSERT_EQ(decoded.error, BmpError::None);
    EXPECT_EQ(decoded.picture.width, kWidth);
    EXPECT_EQ(decoded.picture.height, kHeight);
    EXPECT_EQ(file->substr(file->size() - 3), std::string("\xE3\xDC\xD5", 3)) << "the top row's last pixel, blue first";
    EXPECT_EQ(module.Free(), 1);
}

// Many plug-ins asked at once through several hosts: each answer in its file's place, and a
// plug-in that faults or hangs costs only its own answer.
TEST_F(PluginModuleTest, ASurveyAnswersInTheOrderOfTheFiles) {
    const std::vector<std::string> paths = {
        TestPlugin("pnm_as_jpg_a"),       TestPlugin("pnm_faults_in_info"), TestPlugin("pnm_as_jpg_b"),
        PathOf("missing.spi"),            TestPlugin("pnm_hangs_in_info"),  TestPlugin("pnm_wrong_version"),
        TestPlugin("pnm_faults_in_main"), TestPlugin("pnm"),                TestPlugin("pnm_as_jpg_a"),
    };
    const auto answers = SurveyImportFilters(paths);
    std::vector<std::string> descriptions;
    for (const SurveyAnswer& answer : answers) {
        descriptions.push_back(answer.description ? answer.description->description : "-");
        EXPECT_EQ(answer.hostNotStarted, "") << "every host started";
    }
    EXPECT_EQ(descriptions, (std::vector<std::string>{"Test filter A 1.0", "-", "Test filter B 1.0", "-", "-", "-",
                                                      "-", "PNM test filter 1.0", "Test filter A 1.0"}));
    EXPECT_EQ(answers[7].description->extensionFilter, "*.pnm;*.pbm;*.pgm;*.ppm");
    EXPECT_EQ(answers[7].description->fileTypeName, "PNM images");
}

// What a plug-in writes to its standard output, or reads from its standard input, never reaches
// the pipe: its answers and pictures are those of the quiet plug-in, in every call.
TEST_F(PluginModuleTest, APluginThatPrintsOrForgesAReplyAnswersAsAQuietOne) {
    const std::string picture = Write("p6.ppm", kColourBinary);
    PluginModule quiet;
    ASSERT_TRUE(quiet.Load(TestPlugin("pnm")));
    const std::optional<std::string> expected = quiet.Decode(picture, kPictureFull);
    ASSERT_TRUE(expected.has_value());
    for (const char* name : {"pnm_prints", "pnm_forges_reply"}) {
        SCOPED_TRACE(name);
        PluginModule module;
        ASSERT_TRUE(module.Load(TestPlugin(name)));
        PluginDescription description;
        EXPECT_EQ(module.Query(description), kQueryImportFilter);
        EXPECT_EQ(description.extensionFilter, "*.pnm;*.pbm;*.pgm;*.ppm");
        for (const int mode : {kPictureFull, kPicturePreviewFirst}) {
            EXPECT_EQ(module.Decode(picture, mode), expected) << mode;
        }
        EXPECT_EQ(module.Free(), 1);
        HostsAhead hosts([] { return false; });
        EXPECT_EQ(module.Describe(TestPlugin(name), hosts).query, kQueryImportFilter);
    }
}

// A host whose plug-in faults while loading is a failed call as soon as it ends, even while other
// hosts start beside it: no host holds another's pipe, and each wait watches its host.
TEST_F(PluginModuleTest, HostsThatEndAreNoticedAtOnce) {
    const std::vector<std::string> paths(9, TestPlugin("pnm_faults_in_main"));
    const ULONGLONG started = GetTickCount64();
    for (const SurveyAnswer& answer : SurveyImportFilters(paths)) {
        EXPECT_FALSE(answer.description.has_value());
    }
    EXPECT_LT(GetTickCount64() - started, kPluginLoadLimitMs / 2);
}

// A host serves one module: the same plug-in, loaded again or described again, runs in a process
// of its own each time, also when hosts are started ahead.
TEST_F(PluginModuleTest, EachModuleRunsInAHostOfItsOwn) {
    const std::string plugin = TestPlugin("pnm_names_its_process");
    std::set<std::string> descriptions;
    PluginModule module;
    HostsAhead hosts([] { return true; });
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(module.Load(plugin));
        PluginDescription description;
        EXPECT_EQ(module.Query(description), kQueryImportFilter);
        descriptions.insert(description.description);
        EXPECT_EQ(module.Free(), 1);
        descriptions.insert(module.Describe(plugin, hosts).description.description);
    }
    EXPECT_EQ(descriptions.size(), 6u);
}

// A thread that a plug-in leaves running in its unloaded code ends only that plug-in's host.
TEST_F(PluginModuleTest, AThreadAPluginLeavesBehindCostsTheNextPluginNothing) {
    const std::string picture = Write("p6.ppm", kColourBinary);
    for (int round = 0; round < 5; ++round) {
        PluginModule faulty;
        ASSERT_TRUE(faulty.Load(TestPlugin("pnm_leaves_faulting_thread")));
        EXPECT_FALSE(faulty.Decode(picture, kPictureFull).has_value());
        faulty.Free();
        PluginModule good;
        ASSERT_TRUE(good.Load(TestPlugin("pnm"))) << round;
        EXPECT_TRUE(good.Decode(picture, kPictureFull).has_value()) << round;
    }
}

// A plug-in runs with its own folder as the current one, whatever folder Pelaconf is in.
TEST_F(PluginModuleTest, APluginRunsInItsOwnFolder) {
    const std::string plugin = TestPlugin("pnm_names_its_folder");
    const std::string folder = plugin.substr(0, plugin.find_last_of('\\') + 1);
    PluginModule module;
    ASSERT_TRUE(module.Load(plugin));
    PluginDescription description;
    ASSERT_EQ(module.Query(description), kQueryImportFilter);
    // The folder without its last backslash, as far as the plug-in's buffer of 100 bytes holds it.
    EXPECT_EQ(description.description, folder.substr(0, std::min<size_t>(folder.size() - 1, 99)));
}

// A plug-in runs in its host's own job, which ends the host with Pelaconf or on any fault, holds
// its memory to a limit and lets it start no process. (Wine keeps a job's limits without reporting
// them, so only the job itself can be seen here.)
TEST_F(PluginModuleTest, APluginRunsInAJobOfItsHostsOwn) {
    BOOL testInJob = TRUE;
    ASSERT_TRUE(IsProcessInJob(GetCurrentProcess(), nullptr, &testInJob) && !testInJob);
    PluginModule module;
    ASSERT_TRUE(module.Load(TestPlugin("pnm_names_its_job")));
    PluginDescription description;
    ASSERT_EQ(module.Query(description), kQueryImportFilter);
    EXPECT_EQ(description.description, "in a job");
}

} // namespace
} // namespace pelaconf
