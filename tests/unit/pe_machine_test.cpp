// Which plug-in host a module file needs: nothing from headers that are cut short or name another
// machine. The real test plug-ins of each Windows build are read by the Windows tests.
#include "susie/pe_machine.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelaconf {
namespace {

TEST(PeMachineTest, HeadsWithoutAPeHeaderOfAKnownMachineAreUnknown) {
    std::vector<uint8_t> good(0x90, 0);
    good[0] = 'M', good[1] = 'Z', good[0x3C] = 0x80;
    good[0x80] = 'P', good[0x81] = 'E', good[0x84] = 0x64, good[0x85] = 0x86;
    ASSERT_EQ(ReadPeMachine(good), PeMachine::Amd64);
    const auto changed = [&good](size_t at, uint8_t value) {
        std::vector<uint8_t> head = good;
        head[at] = value;
        return head;
    };
    const std::vector<uint8_t> heads[] = {
        {},
        std::vector<uint8_t>(good.begin(), good.begin() + 0x85), // machine cut short
        changed(0, 'N'),                                          // no DOS header
        changed(0x3C, 0xFF),                                      // PE header past the head
        changed(0x81, 'F'),                                       // no PE signature
        changed(0x85, 0xAA),                                      // 0x8664 becomes ARM64 0xAA64
    };
    for (const std::vector<uint8_t>& head : heads) {
        EXPECT_EQ(ReadPeMachine(head), PeMachine::Unknown) << head.size();
    }
}

} // namespace
} // namespace pelaconf
