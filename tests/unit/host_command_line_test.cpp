// What a plug-in host is told on its command line: the handles it inherited, and nothing else.
#include "susie/host_command_line.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

TEST(HostCommandLineTest, HandlesSurviveTheRoundTrip) {
    for (const HostHandles& handles : {HostHandles{0x1F4, std::nullopt}, HostHandles{8, 0xFFFFFFFFu},
                                       HostHandles{0xFFFFFFFFFFFFFFFFu, 1}}) {
        EXPECT_EQ(ParseHostArguments(FormatHostArguments(handles)), handles) << FormatHostArguments(handles);
    }
    EXPECT_EQ(FormatHostArguments({500, 12}), "/pipe:500 /parent:12");
}

TEST(HostCommandLineTest, AnythingElseIsRefused) {
    for (const char* arguments : {"", "/pipe:", "/pipe:0", "/pipe:-5", "/pipe:+5", "/pipe:5 ", "/pipe:5x",
                                  "/pipe:5 /parent:", "/pipe:5 /parent:0", "/parent:5 /pipe:6", "/pipe:5  /parent:6",
                                  "/pipe:5 /parent:6 /parent:7", "/PIPE:5", "/pipe:99999999999999999999"}) {
        EXPECT_FALSE(ParseHostArguments(arguments).has_value()) << arguments;
    }
}

} // namespace
} // namespace pelaconf
