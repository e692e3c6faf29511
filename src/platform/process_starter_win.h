#pragma once

#include "platform/process_starter.h"

namespace pelaconf {

class Win32ProcessStarter : public ProcessStarter {
public:
    bool Start(std::string_view commandLine) override;
};

} // namespace pelaconf
