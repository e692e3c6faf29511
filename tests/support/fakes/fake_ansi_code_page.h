#pragma once
// The system's ANSI code page as a Japanese Windows has it: code page 932.

#include "settings/code_page.h"
#include "susie/plugin_description.h"

namespace pelaconf {

class ShiftJisCodePage : public AnsiCodePage {
public:
    bool IsLeadByte(uint8_t byte) const override { return IsShiftJisLeadByte(byte); }
    std::string ToUtf8(std::string_view ansi) const override { return DecodeShiftJis(ansi); }
};

} // namespace pelaconf
