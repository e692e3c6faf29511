// Which plug-in host a module file needs, read from the PE headers of this build's own test
// plug-in: the win64 build's names the x64 machine, the win32 build's the x86 one.
#include "susie/pe_machine.h"

#include "image_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace pelaconf {
namespace {

TEST(PeMachineWinTest, TheTestPluginOfThisBuildNamesItsMachine) {
    const std::string path = TestPlugin("pnm");
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    std::vector<uint8_t> head(kPeHeadBytes);
    file.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(file.gcount()));
    const PeMachine expected = sizeof(void*) == 8 ? PeMachine::Amd64 : PeMachine::I386;
    EXPECT_EQ(ReadPeMachine(head), expected) << path;
}

} // namespace
} // namespace pelaconf
