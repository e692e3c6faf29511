#include "susie/pe_machine.h"

#include "image/little_endian.h"

namespace pelaconf {
namespace {

constexpr size_t kNewHeaderOffsetAt = 0x3C; // e_lfanew
constexpr uint16_t kMachineI386 = 0x014C;
constexpr uint16_t kMachineAmd64 = 0x8664;

} // namespace

PeMachine ReadPeMachine(std::span<const uint8_t> head) {
    if (head.size() < kNewHeaderOffsetAt + 4 || head[0] != 'M' || head[1] != 'Z') {
        return PeMachine::Unknown;
    }
    const uint32_t peAt = ReadLe32(head, kNewHeaderOffsetAt);
    // The signature "PE\0\0", then the file header whose first field is the machine.
    if (peAt > head.size() || head.size() - peAt < 6 || ReadLe32(head, peAt) != 0x00004550) {
        return PeMachine::Unknown;
    }
    const uint16_t machine = ReadLe16(head, peAt + 4);
    return machine == kMachineI386 ? PeMachine::I386 : machine == kMachineAmd64 ? PeMachine::Amd64 : PeMachine::Unknown;
}

std::string_view HostProgramName(PeMachine machine) {
    return machine == PeMachine::I386 ? "PelaconfPluginHost32.exe" : "PelaconfPluginHost64.exe";
}

} // namespace pelaconf
