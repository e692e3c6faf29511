#pragma once
// Which processor a module file (a PE image, such as a Susie plug-in) was built for, read from
// its headers, so that the plug-in host of the same kind can be chosen before it is loaded.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pelaconf {

enum class PeMachine { Unknown, I386, Amd64 };

// Bytes of the file's start that ReadPeMachine needs at most: the DOS header points to the PE
// header, which sits within the first page in every linker's output.
constexpr size_t kPeHeadBytes = 4096;

// The machine of the PE image whose start the bytes hold; Unknown when they hold no PE header or
// one for another processor.
PeMachine ReadPeMachine(std::span<const uint8_t> head);

// The file name of the plug-in host program, beside Pelaconf, that loads modules of the machine.
std::string_view HostProgramName(PeMachine machine);

} // namespace pelaconf
